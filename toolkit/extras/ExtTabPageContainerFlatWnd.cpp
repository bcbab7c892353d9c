// CExtTabPageContainerFlatWnd: the flat strip and its styles.
#include "toolkit/extras/ExtTabPageContainerFlatWnd.h"
#include "toolkit/bars_tabs/ExtTWPC.h"
#include "toolkit/extras/ExtTabFlatWnd.h"

IMPLEMENT_DYNCREATE(CExtTabPageContainerFlatWnd, CExtTabPageContainerWnd)

CExtTabWnd* CExtTabPageContainerFlatWnd::CreateTabStrip() { return new CExtTWPC<CExtTabFlatWnd>; }

bool CExtTabPageContainerFlatWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle,
                                         CCreateContext* pContext)
{
    if (!CExtTabPageContainerWnd::Create(pParentWnd, rcWnd, nDlgCtrlID, dwWindowStyle, pContext))
        return false;
    for (DWORD dwAdd : {(DWORD)CExtTabWnd::kStyleFlat, (DWORD)CExtTabWnd::kStyleAutoHideScroll})
    {
        CExtTabWnd* pTabs = GetSafeTabWindow();
        if (pTabs == nullptr)
            break;
        pTabs->ModifyTabWndStyle(0, dwAdd, false);
        if ((pTabs->GetTabWndStyle() & CExtTabWnd::kStyleFit) != 0)
            pTabs->ScrollPosSet(0, false);
        pTabs->UpdateTabWnd(true);
        RecalcLayout();
    }
    return true;
}
