// Gallery page of the special popups: colour buttons (plain and split, with and without the default
// and custom buttons), a menu whose combo-like item drops a list, an undo drop-down of 30 actions and
// a date drop-down (the stand-in calendar for now).
#include "GalleryPages.h"
#include "platform/Controls.h"
#include "platform/Dc.h"
#include "platform/String.h"
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtColorButton.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"

namespace
{
constexpr UINT kIdComboMenu = 601;
constexpr UINT kIdUndo = 602;
constexpr UINT kIdDate = 603;
constexpr UINT kIdOtherCmd = 0x7601;
constexpr int kItemHeight = 18;
const wchar_t kProfile[] = L"GallerySpecialPopups";

typedef CExtPopupInplaceListBox L;

bool FillFruits(L& wndList, LPVOID)
{
    for (LPCWSTR lpsz : {L"Apel", L"Jambu", L"Jeruk", L"Mangga", L"Nanas", L"Pisang", L"Semangka"})
        wndList.AddString(lpsz);
    return true;
}

bool FillActions(L& wndList, LPVOID)
{
    for (int i = 30; i >= 1; --i)
    {
        CString s;
        s.Format(L"Ketik kata %d", i);
        wndList.AddString(s);
    }
    wndList.SetSel(0, TRUE);
    return true;
}

bool MeasureItem(L&, LPVOID, LPMEASUREITEMSTRUCT pMIS)
{
    pMIS->itemHeight = kItemHeight;
    return true;
}

bool DrawItem(L& wndList, LPVOID, LPDRAWITEMSTRUCT pDIS)
{
    if (pDIS->itemID == (UINT)-1)
        return true;
    CString sText;
    wndList.GetText((int)pDIS->itemID, sText);
    const bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    ::SetBkColor(pDIS->hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(pDIS->hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT rc = pDIS->rcItem;
    ::ExtTextOutW(pDIS->hDC, rc.left + 4, rc.top + 2, ETO_OPAQUE, &rc, sText, sText.GetLength(), nullptr);
    return true;
}

class CSpecialPopupsPage : public CWnd
{
public:
    CExtColorButton m_btnColors[4];
    CButton m_btnComboMenu, m_btnUndo, m_btnDate;
    CString m_sComboText = L"Jeruk";
    CString m_sLast = L"Pick a colour, a fruit, actions to undo or a date.";

    bool Build(CWnd* pParent, const CRect& rc)
    {
        if (!CreateEx(0,
                      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                          (HBRUSH)(COLOR_3DFACE + 1)),
                      L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, 1))
            return false;
        g_CmdManagerHolder->CreateProfile(kProfile, GetSafeHwnd());
        if (CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(kProfile, kIdOtherCmd))
            pCmd->m_sMenuText = L"&Other fruit";
        HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        const wchar_t* texts[4] = {L"Colour", L"Split colour", L"Grid only", L"Split, custom only"};
        for (int i = 0; i < 4; ++i)
        {
            HWND hWnd =
                ::CreateWindowExW(0, L"BUTTON", texts[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10 + 36 * i, 200,
                                  28, GetSafeHwnd(), (HMENU)(UINT_PTR)(501 + i), ::GetModuleHandleW(nullptr), nullptr);
            ::SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
            m_btnColors[i].SubclassWindow(hWnd);
            m_btnColors[i].m_clrSelected = RGB(0, 0, 255);
            m_btnColors[i].m_lParamCookie = i;
        }
        m_btnColors[1].m_nStateFlags |= CExtButton::kStateSplit;
        m_btnColors[2].m_bEnableBtnColorDefault = m_btnColors[2].m_bEnableBtnColorCustom = false;
        m_btnColors[3].m_nStateFlags |= CExtButton::kStateSplit;
        m_btnColors[3].m_bEnableBtnColorDefault = false;
        m_btnComboMenu.Create(L"Menu with a fruit list", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(240, 10, 440, 38),
                              this, kIdComboMenu);
        m_btnUndo.Create(L"Undo ...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(240, 46, 440, 74), this, kIdUndo);
        m_btnDate.Create(L"Date ...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(240, 82, 440, 110), this, kIdDate);
        return true;
    }

    static CRect ScreenRect(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        return rc;
    }

    void TrackComboMenu()
    {
        auto* pMenu = new CExtPopupMenuWnd;
        pMenu->CreatePopupMenu(GetSafeHwnd());
        auto* pList = new CExtPopupListBoxMenuWnd;
        pList->CreatePopupMenu(GetSafeHwnd());
        pList->m_pCbContent = &FillFruits;
        pList->m_pCbDraw = &DrawItem;
        pList->m_pCbMeasure = &MeasureItem;
        pList->m_nControlHeight = 5 * kItemHeight;
        pMenu->InsertSubMenu(pList, -1, L"&Fruit");
        CExtPopupMenuWnd::MENUITEMDATA& mi = pMenu->GetItemAt(0);
        mi.m_pEditTextTarget = &m_sComboText;
        mi.m_nInplaceEditWidth = 90;
        mi.m_nEditFlags = CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed;
        mi.MeasureItem();
        pMenu->InsertItem((int)kIdOtherCmd);
        pMenu->UpdateDisplayedItems();
        const CRect rc = ScreenRect(m_btnComboMenu);
        if (!pMenu->TrackPopupMenu(CExtPopupMenuWnd::TRACK_ALIGN_BELOW | CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP, 0, 0,
                                   &rc))
        {
            delete pMenu;
            return;
        }
        m_sLast.Format(L"Fruit: %s", (LPCWSTR)m_sComboText);
        Invalidate();
    }

    void TrackUndo()
    {
        auto* pPopup = new CExtPopupUndoRedoMenuWnd;
        pPopup->CreatePopupMenu(GetSafeHwnd());
        pPopup->m_pCbContent = &FillActions;
        pPopup->m_pCbDraw = &DrawItem;
        pPopup->m_pCbMeasure = &MeasureItem;
        pPopup->m_nControlWidth = 200;
        pPopup->m_nControlHeight = 8 * kItemHeight;
        const CRect rc = ScreenRect(m_btnUndo);
        if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_ALIGN_BELOW, 0, 0, &rc))
            delete pPopup;
    }

    void TrackDate()
    {
        auto* pPopup = new CExtPopupDatePickerMenuWnd(0, 2, 1);
        pPopup->CreatePopupMenu(GetSafeHwnd());
        const CRect rc = ScreenRect(m_btnDate);
        if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_ALIGN_BELOW, 0, 0, &rc))
            delete pPopup;
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == kIdOtherCmd && nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr)
        {
            ((CCmdUI*)pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CExtPopupColorMenuWnd::g_nMsgNotifyColorChangedFinally)
        {
            m_sLast.Format(L"Colour button %d: RGB(%d, %d, %d)", (int)lParam + 1, GetRValue((COLORREF)wParam),
                           GetGValue((COLORREF)wParam), GetBValue((COLORREF)wParam));
            Invalidate();
            return 0;
        }
        if (message == CExtPopupInplaceListBox::g_nMsgPopupListBoxSelEndOK)
        {
            auto* pInfo = (CExtPopupInplaceListBox::SelectionInfo_t*)wParam;
            m_sLast.Format(L"Chosen: %d", pInfo->m_pListBox->GetSelCount());
            Invalidate();
            return 0;
        }
        switch (message)
        {
        case WM_COMMAND:
            if (lParam != 0 && LOWORD(wParam) == kIdComboMenu)
                TrackComboMenu();
            else if (lParam != 0 && LOWORD(wParam) == kIdUndo)
                TrackUndo();
            else if (lParam != 0 && LOWORD(wParam) == kIdDate)
                TrackDate();
            else
                break;
            return 0;
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
            ::SetBkMode(hDC, TRANSPARENT);
            ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
            ::TextOutW(hDC, 10, 170, m_sLast, m_sLast.GetLength());
            ::EndPaint(GetSafeHwnd(), &ps);
            return 0;
        }
        case WM_DESTROY: g_CmdManagerHolder->UnbindWindowFromProfile(GetSafeHwnd(), true); break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CWnd* CreateSpecialPopupsPage(CWnd* pParent, const CRect& rc)
{
    auto* pPage = new CSpecialPopupsPage;
    if (!pPage->Build(pParent, rc))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}

GalleryPageRegistrar s_registrar(L"Special popups", &CreateSpecialPopupsPage);
} // namespace
