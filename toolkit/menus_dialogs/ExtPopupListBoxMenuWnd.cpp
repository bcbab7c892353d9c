// CExtPopupListBoxMenuWnd: creating the hosted list box and routing its owner-draw messages to it.
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtPopupListBoxMenuWnd, CExtPopupControlMenuWnd)

CExtPopupListBoxMenuWnd::CExtPopupListBoxMenuWnd(LPARAM lMessageCookie, DWORD dwListBoxStyle)
    : m_lMessageCookie(lMessageCookie), m_dwListBoxStyle(dwListBoxStyle), m_pCbSelection(nullptr),
      m_pSelectionCookie(nullptr), m_pCbContent(nullptr), m_pContentCookie(nullptr), m_pCbDraw(nullptr),
      m_pCbMeasure(nullptr), m_pDrawingCookie(nullptr), m_pListBox(nullptr)
{}

CExtPopupListBoxMenuWnd::~CExtPopupListBoxMenuWnd() {}

CExtPopupInplaceListBox* CExtPopupListBoxMenuWnd::GetListBox() const
{
    return m_pListBox != nullptr && m_pListBox->GetSafeHwnd() != nullptr ? m_pListBox : nullptr;
}

CExtPopupInplaceListBox* CExtPopupListBoxMenuWnd::NewListBox() { return new CExtPopupInplaceListBox; }

HWND CExtPopupListBoxMenuWnd::CreateHostedControl(const RECT& rc) { return CreateListBox(NewListBox(), rc); }

HWND CExtPopupListBoxMenuWnd::CreateListBox(CExtPopupInplaceListBox* pListBox, const RECT& rc)
{
    pListBox->m_pCbSelection = m_pCbSelection;
    pListBox->m_pSelectionCookie = m_pSelectionCookie;
    pListBox->m_pCbContent = m_pCbContent;
    pListBox->m_pContentCookie = m_pContentCookie;
    pListBox->m_pCbDraw = m_pCbDraw;
    pListBox->m_pCbMeasure = m_pCbMeasure;
    pListBox->m_pDrawingCookie = m_pDrawingCookie;
    pListBox->m_lMessageCookie = m_lMessageCookie;
    m_pListBox = pListBox;
    if (!pListBox->Create(m_dwListBoxStyle, rc, this, (UINT)-1))
    {
        // The flag is still clear: the object did not delete itself.
        m_pListBox = nullptr;
        delete pListBox;
        return nullptr;
    }
    pListBox->m_bAutoDelete = true;
    return pListBox->GetSafeHwnd();
}

LRESULT CExtPopupListBoxMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MEASUREITEM: return OnMeasureItemMsg(wParam, lParam);
    case WM_DRAWITEM: return OnDrawItemMsg(wParam, lParam);
    case WM_DESTROY: m_pListBox = nullptr; break;
    default: break;
    }
    return CExtPopupControlMenuWnd::WindowProc(message, wParam, lParam);
}

LRESULT CExtPopupListBoxMenuWnd::OnMeasureItemMsg(WPARAM wParam, LPARAM lParam)
{
    auto* pMIS = (LPMEASUREITEMSTRUCT)lParam;
    if (m_pListBox == nullptr || pMIS->CtlType != ODT_LISTBOX)
        return CExtPopupControlMenuWnd::WindowProc(WM_MEASUREITEM, wParam, lParam);
    m_pListBox->MeasureItem(pMIS);
    return TRUE;
}

LRESULT CExtPopupListBoxMenuWnd::OnDrawItemMsg(WPARAM wParam, LPARAM lParam)
{
    auto* pDIS = (LPDRAWITEMSTRUCT)lParam;
    if (m_pListBox == nullptr || pDIS->hwndItem != m_pListBox->GetSafeHwnd())
        return CExtPopupControlMenuWnd::WindowProc(WM_DRAWITEM, wParam, lParam);
    m_pListBox->DrawItem(pDIS);
    return TRUE;
}
