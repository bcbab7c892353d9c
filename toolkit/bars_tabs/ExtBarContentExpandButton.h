// Stand-in: class record and the members read so far.
// CExtBarContentExpandButton: the tool bar's chevron button at the end of its row; so far its command id.
#pragma once
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtBarContentExpandButton : public CExtBarButton
{
    DECLARE_DYNAMIC(CExtBarContentExpandButton)
public:
    enum : UINT
    {
        kCmdId = (UINT)-66
    };
    explicit CExtBarContentExpandButton(CExtToolControlBar* pBar = nullptr);
    ~CExtBarContentExpandButton() override;
};
