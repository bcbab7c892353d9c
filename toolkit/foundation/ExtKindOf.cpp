// CExtKindOf: the runtime-class tests and bar questions of foundation, answered with the higher folders' classes.
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/bars_tabs/ExtBarColorButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
bool Is(const CObject* p, CRuntimeClass* pClass) { return p != nullptr && p->IsKindOf(pClass); }

const CExtToolControlBar* AsToolBar(const CObject* p)
{
    return Is(p, RUNTIME_CLASS(CExtToolControlBar)) ? static_cast<const CExtToolControlBar*>(p) : nullptr;
}
} // namespace

bool CExtKindOf::IsControlBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtControlBar)); }
bool CExtKindOf::IsToolBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtToolControlBar)); }
bool CExtKindOf::IsMenuBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtMenuControlBar)); }
bool CExtKindOf::IsPanelBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtPanelControlBar)); }
bool CExtKindOf::IsStatusBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtStatusControlBar)); }
bool CExtKindOf::IsBarButton(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtBarButton)); }
bool CExtKindOf::IsContentExpandButton(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtBarContentExpandButton)); }
bool CExtKindOf::IsBarColorButton(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtBarColorButton)); }
bool CExtKindOf::IsAutoHideSlider(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtDynAutoHideSlider)); }
bool CExtKindOf::IsDockOuterBar(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtDockOuterBar)); }
bool CExtKindOf::IsMiniDockFrame(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtMiniDockFrameWnd)); }
bool CExtKindOf::IsNcAreaMenuButton(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtBarNcAreaButtonMenu)); }
bool CExtKindOf::IsPopupMenu(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtPopupMenuWnd)); }
bool CExtKindOf::IsTabWnd(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtTabWnd)); }
bool CExtKindOf::IsDynTabWnd(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtDynTabWnd)); }
bool CExtKindOf::IsAutoHideArea(const CObject* p) { return Is(p, RUNTIME_CLASS(CExtDynAutoHideArea)); }

bool CExtKindOf::IsFloating(const CControlBar* pBar) { return CExtControlBar::IsFloating(pBar); }
bool CExtKindOf::IsDocked(const CControlBar* pBar) { return CExtControlBar::IsDocked(pBar); }
bool CExtKindOf::IsDockedVertically(const CControlBar* pBar) { return CExtControlBar::IsDockedVertically(pBar); }
bool CExtKindOf::IsDockedHorizontally(const CControlBar* pBar) { return CExtControlBar::IsDockedHorizontally(pBar); }

CWnd* CExtKindOf::DraggedBar() { return CExtControlBar::GetDraggedBar(); }

CSize CExtKindOf::DockedExtents(CWnd* pBar)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    return pExt != nullptr ? CSize(pExt->m_sizeVertDocked.cx, pExt->m_sizeHorzDocked.cy) : CSize(0, 0);
}

void CExtKindOf::StepDragPoint(CWnd* pBar)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt == nullptr)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    if (pExt->m_ptDragPrev == pt)
        pExt->m_ptDragPrev.x--;
}

bool CExtKindOf::IsPanelModeToolBar(const CObject* p)
{
    const CExtToolControlBar* pBar = AsToolBar(p);
    return pBar != nullptr && (pBar->m_nBarFlags & CExtToolControlBar::kBarFlagPanelMode) != 0;
}

bool CExtKindOf::HasToolBarFlagBit2(const CObject* p)
{
    const CExtToolControlBar* pBar = AsToolBar(p);
    return pBar != nullptr && (pBar->m_nBarFlags & CExtToolControlBar::kBarFlagBit2) != 0;
}

CControlBar* CExtKindOf::BarOfButton(const CObject* p)
{
    return IsBarButton(p) ? BarOfButton(static_cast<const CExtBarButton*>(p)) : nullptr;
}

CControlBar* CExtKindOf::BarOfButton(const CExtBarButton* pButton)
{
    return pButton != nullptr ? pButton->GetBar() : nullptr;
}

CObject* CExtKindOf::AsObject(CExtBarButton* pButton) { return pButton; }

CRect CExtKindOf::ButtonRect(const CExtBarButton* pButton) { return pButton->GetRect(); }

bool CExtKindOf::IsSeparatorButton(const CExtBarButton* pButton) { return pButton->IsSeparator(); }

bool CExtKindOf::PaintToolBarGroupBackgrounds(CDC& dc, CWnd* pChild, bool bClientMapping)
{
    CExtToolControlBar::GroupBkgndRects groups;
    if (!groups.Collect(pChild) || groups.m_arrRects.GetSize() == 0)
        return false;
    if (bClientMapping)
        groups.ToClient();
    else
        groups.ToWindow();
    groups.Paint(dc);
    return true;
}

CWnd* CExtKindOf::AsTabWnd(CObject* p) { return IsTabWnd(p) ? static_cast<CExtTabWnd*>(p) : nullptr; }

DWORD CExtKindOf::TabWndStyle(const CObject* p)
{
    return IsTabWnd(p) ? TabWndStyle(static_cast<const CExtTabWnd*>(p)) : 0;
}

DWORD CExtKindOf::TabWndStyle(const CExtTabWnd* pTabWnd) { return pTabWnd != nullptr ? pTabWnd->GetTabWndStyle() : 0; }

bool CExtKindOf::IsMdiTabWindow(const CObject* p)
{
    return Is(p, RUNTIME_CLASS(CExtTabMdiWnd)) && static_cast<const CExtTabMdiWnd*>(p)->IsMdiTabWindow();
}

int CExtKindOf::LastMenuItemIconAreaWidth(const CObject* p)
{
    if (!IsPopupMenu(p))
        return 0;
    const CExtPopupMenuWnd* pPopup = static_cast<const CExtPopupMenuWnd*>(p);
    const int nCount = pPopup->GetItemCount();
    if (nCount <= 0)
        return 0;
    const CExtPopupMenuWnd::MENUITEMDATA& mi = pPopup->GetItemAt(nCount - 1);
    return mi.IsNoIconBox() ? 0 : mi.GetIconAreaWidth();
}
