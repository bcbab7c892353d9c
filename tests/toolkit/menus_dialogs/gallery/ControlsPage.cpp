// Gallery page of the themed controls: push, split and adopting drop-down buttons, check boxes,
// radio buttons, a hyper link, a group box and a label; the last command shows below them.
#include "GalleryPages.h"
#include "platform/CmdTarget.h"
#include "platform/String.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtHyperLinkButton.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtRadioButton.h"

namespace
{
constexpr UINT kIdPush = 301;
constexpr UINT kIdSplit = 302;
constexpr UINT kIdAdopt = 303;
constexpr UINT kIdCheck = 304;
constexpr UINT kIdRadioA = 305;
constexpr UINT kIdRadioB = 306;
constexpr UINT kIdLink = 307;
constexpr UINT kIdGroup = 308;
constexpr UINT kIdLabel = 309;
constexpr UINT kIdColorRed = 0x7301;
constexpr UINT kIdColorGreen = 0x7302;
constexpr UINT kIdColorBlue = 0x7303;
const wchar_t kProfile[] = L"GalleryControls";

// A menu bar whose first sub-menu holds the three colour commands.
HMENU ColorMenu()
{
    HMENU hBar = ::CreateMenu();
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuW(hPopup, MF_STRING, kIdColorRed, L"&Red");
    ::AppendMenuW(hPopup, MF_STRING, kIdColorGreen, L"&Green");
    ::AppendMenuW(hPopup, MF_STRING, kIdColorBlue, L"&Blue");
    ::AppendMenuW(hBar, MF_POPUP, (UINT_PTR)hPopup, L"Colours");
    return hBar;
}

class CControlsPage : public CWnd
{
public:
    CExtButton m_btnPush;
    CExtButton m_btnSplit;
    CExtButton m_btnAdopt;
    CExtCheckBox m_chk;
    CExtRadioButton m_radioA;
    CExtRadioButton m_radioB;
    CExtHyperLinkButton m_link;
    CExtGroupBox m_group;
    CExtLabel m_label;
    CString m_sLast = L"Click a control.";

    bool Build(CWnd* pParent, const CRect& rc)
    {
        if (!CreateEx(0,
                      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                          (HBRUSH)(COLOR_WINDOW + 1)),
                      L"", WS_CHILD | WS_VISIBLE, rc, pParent, 2))
            return false;
        HMENU hColors = ColorMenu();
        g_CmdManagerHolder->CreateProfile(kProfile, GetSafeHwnd());
        g_CmdManagerHolder->UpdateFromMenu(kProfile, hColors);
        const COLORREF colors[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 80, 200)};
        for (UINT i = 0; i < 3; ++i)
            g_CmdManagerHolder->SetCommandIcon(kProfile, kIdColorRed + i, CExtPaintManager::CreateColorIcon(colors[i]),
                                               false);
        ::DestroyMenu(hColors);

        m_group.Create(L"Buttons", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 6, 360, 130), this, kIdGroup);
        m_btnPush.Create(L"Push button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(20, 28, 170, 56),
                         this, kIdPush);
        m_btnSplit.Create(L"Split button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(190, 28, 340, 56),
                          this, kIdSplit);
        m_btnSplit.m_menu.Attach(ColorMenu());
        m_btnSplit.m_nStateFlags |= CExtButton::kStateSplit;
        // Takes the chosen colour's id, text and icon.
        m_btnAdopt.Create(L"Pick a colour", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CRect(20, 70, 170, 98),
                          this, kIdAdopt);
        m_btnAdopt.m_menu.Attach(ColorMenu());
        m_btnAdopt.m_nStateFlags |= CExtButton::kStateAdoptCmd;
        m_btnAdopt.m_nStateFlags2 |= CExtButton::kAdoptTextAndIcon;

        m_chk.Create(L"Check box", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, CRect(20, 144, 170, 166), this,
                     kIdCheck);
        m_radioA.Create(L"Radio A", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
                        CRect(190, 144, 290, 166), this, kIdRadioA);
        m_radioB.Create(L"Radio B", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(190, 170, 290, 192), this,
                        kIdRadioB);
        m_radioA.SetCheck(1);
        m_link.Create(L"https://example.org/", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                      CRect(20, 176, 170, 198), this, kIdLink);
        m_label.Create(L"A themed label", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(20, 210, 340, 230), this, kIdLabel);
        return true;
    }

    // The colour commands are handled in WindowProc: their menu items are enabled here.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && nID >= kIdColorRed && nID <= kIdColorBlue)
        {
            ((CCmdUI*)pExtra)->Enable(TRUE);
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
            m_sLast.Format(L"Command %u from %s.", (UINT)LOWORD(wParam), lParam != 0 ? L"a control" : L"a menu");
            InvalidateRect(CRect(10, 240, 400, 270));
            break;
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
            ::SetBkMode(hDC, TRANSPARENT);
            ::TextOutW(hDC, 10, 244, m_sLast, m_sLast.GetLength());
            ::EndPaint(GetSafeHwnd(), &ps);
            return 0;
        }
        case WM_DESTROY: g_CmdManagerHolder->UnbindWindowFromProfile(GetSafeHwnd(), true); break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CWnd* CreateControlsPage(CWnd* pParent, const CRect& rc)
{
    auto* pPage = new CControlsPage;
    if (!pPage->Build(pParent, rc))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}

GalleryPageRegistrar s_registrar(L"Controls", &CreateControlsPage);
} // namespace
