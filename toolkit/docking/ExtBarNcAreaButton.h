// CExtBarNcAreaButton: a button in a control bar's caption.
#pragma once
#include "platform/Object.h"

class CExtControlBar;

class CExtBarNcAreaButton : public CObject
{
    DECLARE_DYNAMIC(CExtBarNcAreaButton)
public:
    explicit CExtBarNcAreaButton(CExtControlBar* pBar = nullptr);
    ~CExtBarNcAreaButton() override;

    CExtControlBar* GetBar() const { return m_pBar; }

protected:
    CExtControlBar* m_pBar; // the bar whose caption holds the button (not owned)
};
