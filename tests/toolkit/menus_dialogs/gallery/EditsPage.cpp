// Gallery page of the themed edits and combo boxes: single-line, multi-line with both scroll bars
// and read-only edits (each with the themed context menu), simple, drop-down and drop-down-list
// combo boxes that complete typed text, and a button that opens a menu with a text-field item.
#include "GalleryPages.h"
#include "platform/Controls.h"
#include "platform/String.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
constexpr UINT kIdFieldMenu = 501;
constexpr UINT kIdFieldCmd = 0x7501;
constexpr UINT kIdOtherCmd = 0x7502;
const wchar_t kProfile[] = L"GalleryEdits";

// The menu's text field takes digits only.
bool DigitsOnly(CExtPopupMenuWnd::CInPlaceEditWnd&, LPVOID, CString& sTextNew, CString)
{
    return sTextNew.SpanIncluding(L"0123456789") == sTextNew;
}

class CEditsPage : public CWnd
{
public:
    CExtEdit m_edit, m_editMulti, m_editReadOnly;
    CExtComboBox m_comboSimple, m_comboDropDown, m_comboList;
    CButton m_btnFieldMenu;
    CString m_sFieldText = L"160";
    CString m_sLast = L"Type into the combo boxes; right-click an edit for its menu.";

    bool Build(CWnd* pParent, const CRect& rc)
    {
        if (!CreateEx(0,
                      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                          (HBRUSH)(COLOR_3DFACE + 1)),
                      L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, 1))
            return false;
        g_CmdManagerHolder->CreateProfile(kProfile, GetSafeHwnd());
        if (CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(kProfile, kIdFieldCmd))
            pCmd->m_sMenuText = L"Characters &per message";
        if (CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(kProfile, kIdOtherCmd))
            pCmd->m_sMenuText = L"&Reset";
        HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        auto make = [&](CWnd& wnd, LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rcCtrl, UINT nId) {
            HWND hWnd = ::CreateWindowExW(WS_EX_CLIENTEDGE, lpszClass, lpszText, dwStyle | WS_CHILD | WS_VISIBLE,
                                          rcCtrl.left, rcCtrl.top, rcCtrl.Width(), rcCtrl.Height(), GetSafeHwnd(),
                                          (HMENU)(UINT_PTR)nId, ::GetModuleHandleW(nullptr), nullptr);
            ::SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
            wnd.SubclassWindow(hWnd);
        };
        make(m_edit, L"EDIT", L"Single line", ES_AUTOHSCROLL | WS_TABSTOP, CRect(10, 10, 250, 34), 401);
        make(m_editMulti, L"EDIT", L"Multi-line text\r\nwith both scroll bars\r\n\r\n\r\n\r\nand more lines",
             ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, CRect(10, 44, 250, 144), 402);
        make(m_editReadOnly, L"EDIT", L"Read-only text", ES_READONLY | ES_AUTOHSCROLL, CRect(10, 154, 250, 178), 403);
        make(m_comboSimple, L"COMBOBOX", L"", CBS_SIMPLE | WS_VSCROLL | WS_TABSTOP, CRect(270, 10, 470, 130), 404);
        make(m_comboDropDown, L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
             CRect(270, 140, 470, 300), 405);
        make(m_comboList, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, CRect(270, 174, 470, 330), 406);
        for (CExtComboBox* pCombo : {&m_comboSimple, &m_comboDropDown, &m_comboList})
        {
            for (LPCWSTR lpsz : {L"Apel", L"Jambu", L"Jeruk", L"Mangga", L"Nanas", L"Pisang", L"Semangka"})
                pCombo->AddString(lpsz);
        }
        m_comboList.SetCurSel(0);
        m_edit.SetTooltipText(L"A themed edit");
        m_btnFieldMenu.Create(L"Menu with a text field", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                              CRect(10, 200, 250, 226), this, kIdFieldMenu);
        return true;
    }

    void TrackFieldMenu()
    {
        auto* pMenu = new CExtPopupMenuWnd;
        pMenu->CreatePopupMenu(GetSafeHwnd());
        pMenu->InsertItem((int)kIdFieldCmd);
        pMenu->InsertItem((int)kIdOtherCmd);
        CExtPopupMenuWnd::MENUITEMDATA& mi = pMenu->GetItemAt(0);
        mi.m_pEditTextTarget = &m_sFieldText;
        mi.m_nInplaceEditWidth = 60;
        mi.m_pCbVerifyTextInput = &DigitsOnly;
        mi.MeasureItem();
        pMenu->UpdateDisplayedItems();
        CRect rc;
        m_btnFieldMenu.GetWindowRect(&rc);
        if (!pMenu->TrackPopupMenu(CExtPopupMenuWnd::TRACK_ALIGN_BELOW | CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP, 0, 0,
                                   &rc))
        {
            delete pMenu;
            return;
        }
        m_sLast.Format(L"Characters per message: %s", (LPCWSTR)m_sFieldText);
        Invalidate();
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if ((nID == kIdFieldCmd || nID == kIdOtherCmd) && nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr)
        {
            ((CCmdUI*)pExtra)->Enable(TRUE);
            return TRUE;
        }
        if (nID == kIdOtherCmd && nCode == CN_COMMAND && pHandlerInfo == nullptr)
        {
            m_sFieldText = L"160";
            m_sLast = L"Reset to 160 characters.";
            Invalidate();
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_COMMAND:
            if (lParam != 0 && LOWORD(wParam) == kIdFieldMenu)
            {
                TrackFieldMenu();
                return 0;
            }
            break;
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
            ::SetBkMode(hDC, TRANSPARENT);
            ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
            ::TextOutW(hDC, 10, 240, m_sLast, m_sLast.GetLength());
            ::EndPaint(GetSafeHwnd(), &ps);
            return 0;
        }
        case WM_DESTROY: g_CmdManagerHolder->UnbindWindowFromProfile(GetSafeHwnd(), true); break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CWnd* CreateEditsPage(CWnd* pParent, const CRect& rc)
{
    auto* pPage = new CEditsPage;
    if (!pPage->Build(pParent, rc))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}

GalleryPageRegistrar s_registrar(L"Edits and combo boxes", &CreateEditsPage);
} // namespace
