// Gallery page of the popup menus: a context menu from the resource menu on a right click, a
// button that drops a combined menu below itself, and an 80-item menu that scrolls.
#include "GalleryIds.h"
#include "GalleryPages.h"
#include "platform/CmdTarget.h"
#include "platform/Controls.h"
#include "platform/String.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
constexpr UINT kIdDropDown = 201;
constexpr UINT kIdLongMenu = 202;
constexpr int kLongItems = 80;
const wchar_t kProfile[] = L"GalleryMenus";

HICON MakeIcon(COLORREF clr)
{
    HDC hDC = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hDC, 16, 16);
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, hColor);
    RECT rc = {2, 2, 14, 14};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(hMem, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hDC);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

class CMenusPage : public CWnd
{
public:
    CButton m_btnDropDown;
    CButton m_btnLong;
    CString m_sLast = L"Right-click here for the context menu.";

    bool Build(CWnd* pParent, const CRect& rc)
    {
        if (!CreateEx(0,
                      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                          (HBRUSH)(COLOR_WINDOW + 1)),
                      L"", WS_CHILD | WS_VISIBLE, rc, pParent, 1))
            return false;
        g_CmdManagerHolder->CreateProfile(kProfile, GetSafeHwnd());
        g_CmdManagerHolder->UpdateFromMenuResource(kProfile, IDR_GALLERY_CONTEXT);
        const COLORREF colors[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 80, 200), RGB(200, 160, 0)};
        const UINT withIcons[] = {ID_GAL_NEW, ID_GAL_OPEN, ID_GAL_SAVE, ID_GAL_PRINT};
        for (int i = 0; i < 4; ++i)
        {
            HICON hIcon = MakeIcon(colors[i]);
            g_CmdManagerHolder->SetCommandIcon(kProfile, withIcons[i], hIcon, false);
        }
        for (UINT n = ID_GAL_LONG_FIRST; n < ID_GAL_LONG_FIRST + kLongItems; ++n)
        {
            CExtCmdItem* pCmd = g_CmdManagerHolder->AllocateCommand(kProfile, n);
            if (pCmd != nullptr)
                pCmd->m_sMenuText.Format(L"Long menu item %u", n - ID_GAL_LONG_FIRST + 1);
        }
        // Uses as a user leaves them: most commands often (each above the 10 % threshold), a few
        // seldom or never, so that those hide until the menu expands.
        const struct
        {
            UINT nID;
            int nUses;
        } uses[] = {{ID_GAL_NEW, 14},     {ID_GAL_OPEN, 14},    {ID_GAL_SAVE, 13},   {ID_GAL_PRINT, 11},
                    {ID_GAL_CHECKED, 11}, {ID_GAL_RADIO_A, 11}, {ID_GAL_LEVEL2, 11}, {ID_GAL_EXIT, 11},
                    {ID_GAL_RADIO_B, 2},  {ID_GAL_LEVEL3, 2}};
        for (const auto& use : uses)
            for (int i = 0; i < use.nUses; ++i)
                if (CExtCmdItem* pCmd = g_CmdManagerHolder->LookupCommand(kProfile, use.nID))
                    pCmd->IncrementUsage();
        m_btnDropDown.Create(L"Drop-down menu", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 170, 36), this,
                             kIdDropDown);
        m_btnLong.Create(L"80-item menu", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(180, 10, 340, 36), this,
                         kIdLongMenu);
        return true;
    }

    CExtPopupMenuWnd* LoadContextMenu()
    {
        auto* pMenu = new CExtPopupMenuWnd;
        if (!pMenu->LoadMenuResource(GetSafeHwnd(), IDR_GALLERY_CONTEXT))
        {
            delete pMenu;
            return nullptr;
        }
        return pMenu;
    }

    void Track(CExtPopupMenuWnd* pMenu, UINT nFlags, int x, int y, LPCRECT pExclude = nullptr)
    {
        if (pMenu == nullptr)
            return;
        CExtPopupMenuWnd::g_bHideRarelyUsed = true;
        if (!pMenu->TrackPopupMenu(nFlags, x, y, pExclude))
            delete pMenu;
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr)
        {
            CCmdUI* pCmdUI = (CCmdUI*)pExtra;
            pCmdUI->Enable(nID != ID_GAL_DISABLED);
            if (nID == ID_GAL_CHECKED)
                pCmdUI->SetCheck(1);
            if (nID == ID_GAL_RADIO_A)
                pCmdUI->SetRadio(TRUE);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_RBUTTONUP:
        {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            ClientToScreen(&pt);
            Track(LoadContextMenu(), CExtPopupMenuWnd::TRACK_OWNER_DRAW, pt.x, pt.y);
            return 0;
        }
        case WM_COMMAND:
            if (lParam != 0 && LOWORD(wParam) == kIdDropDown)
            {
                CRect rc;
                m_btnDropDown.GetWindowRect(&rc);
                Track(LoadContextMenu(), CExtPopupMenuWnd::TRACK_ALIGN_BELOW | CExtPopupMenuWnd::TRACK_COMBINE, 0, 0,
                      &rc);
                return 0;
            }
            if (lParam != 0 && LOWORD(wParam) == kIdLongMenu)
            {
                auto* pMenu = new CExtPopupMenuWnd;
                pMenu->CreatePopupMenu(GetSafeHwnd());
                for (UINT n = ID_GAL_LONG_FIRST; n < ID_GAL_LONG_FIRST + kLongItems; ++n)
                    pMenu->InsertItem((int)n);
                CRect rc;
                m_btnLong.GetWindowRect(&rc);
                Track(pMenu, CExtPopupMenuWnd::TRACK_ALIGN_BELOW, 0, 0, &rc);
                return 0;
            }
            if (lParam == 0)
            {
                m_sLast.Format(L"Command %u chosen.", (UINT)LOWORD(wParam));
                Invalidate();
                return 0;
            }
            break;
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC hDC = ::BeginPaint(GetSafeHwnd(), &ps);
            ::SetBkMode(hDC, TRANSPARENT);
            ::TextOutW(hDC, 10, 60, m_sLast, m_sLast.GetLength());
            ::EndPaint(GetSafeHwnd(), &ps);
            return 0;
        }
        case WM_DESTROY: g_CmdManagerHolder->UnbindWindowFromProfile(GetSafeHwnd(), true); break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CWnd* CreateMenusPage(CWnd* pParent, const CRect& rc)
{
    auto* pPage = new CMenusPage;
    if (!pPage->Build(pParent, rc))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}

GalleryPageRegistrar s_registrar(L"Popup menus", &CreateMenusPage);
} // namespace
