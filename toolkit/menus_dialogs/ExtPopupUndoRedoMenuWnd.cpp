// CExtPopupUndoRedoMenuWnd: the list placed one pixel in, the caption below it and its count.
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoListBox.h"

IMPLEMENT_DYNCREATE(CExtPopupUndoRedoMenuWnd, CExtPopupListBoxMenuWnd)

CExtPopupUndoRedoMenuWnd::CExtPopupUndoRedoMenuWnd(LPARAM lMessageCookie, DWORD dwListBoxStyle)
    : CExtPopupListBoxMenuWnd(lMessageCookie, dwListBoxStyle), m_rcCaption(0, 0, 0, 0), m_nChosenCount(0)
{}

CExtPopupUndoRedoMenuWnd::~CExtPopupUndoRedoMenuWnd() {}

int CExtPopupUndoRedoMenuWnd::GetCaptionHeight() const { return CAPTION_HEIGHT; }

void CExtPopupUndoRedoMenuWnd::UpdateCaption(CDC& dc, const RECT& rcCaption)
{
    CString sText;
    sText.Format(L"Undo %d Actions", m_nChosenCount);
    g_PaintManagerHolder->PaintUndoRedoCaption(dc, rcCaption, sText, this, 0);
}

void CExtPopupUndoRedoMenuWnd::SetChosenCount(int nCount)
{
    m_nChosenCount = nCount;
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    CClientDC dc(this);
    UpdateCaption(dc, m_rcCaption);
}

void CExtPopupUndoRedoMenuWnd::GetControlRect(RECT& rc) const
{
    CExtPopupListBoxMenuWnd::GetControlRect(rc);
    ::OffsetRect(&rc, 1, 1);
}

void CExtPopupUndoRedoMenuWnd::CalcWindowSize(CSize& size) const
{
    CExtPopupListBoxMenuWnd::CalcWindowSize(size);
    size.cx += 2;
    size.cy += GetCaptionHeight() + 2;
}

void CExtPopupUndoRedoMenuWnd::OnWindowCreated()
{
    CExtPopupMenuWnd::OnWindowCreated();
    RECT rc;
    GetControlRect(rc);
    m_rcCaption.SetRect(rc.left, rc.bottom, rc.right, rc.bottom + GetCaptionHeight());
    if (CRect(rc) == m_rcControl)
        return;
    m_rcControl = rc;
    if (GetLiveControl() == nullptr)
        return;
    ::SetWindowPos(m_hWndControl, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    RedrawIfOnScreen(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CExtPopupUndoRedoMenuWnd::PaintMenu(CDC& dc, bool bUseBackBuffer)
{
    CExtPopupListBoxMenuWnd::PaintMenu(dc, bUseBackBuffer);
    UpdateCaption(dc, m_rcCaption);
}

CExtPopupInplaceListBox* CExtPopupUndoRedoMenuWnd::NewListBox() { return new CExtPopupUndoRedoListBox; }

HWND CExtPopupUndoRedoMenuWnd::CreateHostedControl(const RECT& rc)
{
    const HWND hWndList = CreateListBox(NewListBox(), rc);
    if (hWndList != nullptr)
        m_nChosenCount = (int)::SendMessageW(hWndList, LB_GETSELCOUNT, 0, 0);
    return hWndList;
}
