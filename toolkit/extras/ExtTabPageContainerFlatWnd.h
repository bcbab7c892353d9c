// CExtTabPageContainerFlatWnd: the tab page container with a flat strip.
#pragma once
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"

class CExtTabPageContainerFlatWnd : public CExtTabPageContainerWnd
{
    DECLARE_DYNCREATE(CExtTabPageContainerFlatWnd)
public:
    // The base Create, then the strip gets tab styles 0x1000 and 0x4000 in turn.
    bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID = 0xE900,
                DWORD dwWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                CCreateContext* pContext = nullptr) override;
    CExtTabWnd* CreateTabStrip() override;
};
