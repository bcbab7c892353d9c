// CCmdTarget: base of every object that receives commands.
#pragma once
#include "platform/Object.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}
    ~CCmdTarget() override {}
};
