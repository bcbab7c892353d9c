// tabs_host.exe: the tab windows to look at by hand: strips on all four sides in the base, OneNote
// and Whidbey styles (scroll, help, close and tab-list buttons, hover selection, dragging), a page
// container switched by its tabs and Ctrl+PageDown, and two MDI frames whose children are tabs (OneNote
// and Whidbey strips).
#include "platform/MdiFrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include <memory>
#include <vector>

namespace
{

const DWORD kStripStyle = CExtTabWnd::kStyleShowHelp | CExtTabWnd::kStyleEnabledHelp | CExtTabWnd::kStyleShowClose |
                          CExtTabWnd::kStyleEnabledClose | CExtTabWnd::kStyleShowTabList |
                          CExtTabWnd::kStyleEnabledTabList | CExtTabWnd::kStyleItemDragging |
                          CExtTabWnd::kStyleBoldSelection;

// The page of strips: three styles on each of the four sides, and a page container in the middle.
class CStripsFrame : public CFrameWnd
{
public:
    bool CreateHost()
    {
        if (!Create(nullptr, L"Tab windows", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(20, 20, 980, 740)))
            return false;
        const DWORD orient[] = {CExtTabWnd::kOrientTop, CExtTabWnd::kOrientBottom, CExtTabWnd::kOrientLeft,
                                CExtTabWnd::kOrientRight};
        UINT nID = 100;
        for (int s = 0; s < 3; ++s)
        {
            for (int o = 0; o < 4; ++o)
            {
                std::unique_ptr<CExtTabWnd> p(s == 0   ? new CExtTabWnd
                                              : s == 1 ? static_cast<CExtTabWnd*>(new CExtTabOneNoteWnd)
                                                       : static_cast<CExtTabWnd*>(new CExtTabWhidbeyWnd));
                const bool bHorz = o < 2;
                const CRect rc = bHorz ? CRect(140, (o == 0 ? 10 : 560) + s * 45, 800, (o == 0 ? 50 : 600) + s * 45)
                                       : CRect((o == 2 ? 10 : 810) + s * 45, 150, (o == 2 ? 50 : 850) + s * 45, 540);
                const DWORD dwStyle = kStripStyle | orient[o] | (s == 2 ? CExtTabWnd::kStyleHoverFocus : 0);
                if (!p->Create(this, rc, nID++, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, dwStyle))
                    return false;
                for (int i = 0; i < 14; ++i)
                {
                    CString sText;
                    sText.Format(L"Tab %d", i + 1);
                    p->ItemInsert(sText);
                }
                p->SelectionSet(0, true, true);
                m_strips.push_back(std::move(p));
            }
        }
        if (!m_box.Create(this, CRect(160, 160, 780, 540), 200))
            return false;
        for (LPCTSTR psz : {L"Umum", L"Koneksi", L"Jadwal"})
        {
            HWND hPage = ::CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr,
                                           AfxGetInstanceHandle(), nullptr);
            ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", psz, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 20, 200, 24,
                              hPage, nullptr, AfxGetInstanceHandle(), nullptr);
            m_box.PageInsert(hPage, psz);
        }
        return true;
    }

private:
    std::vector<std::unique_ptr<CExtTabWnd>> m_strips;
    CExtTabPageContainerWnd m_box;
};

// An MDI frame with an MDI tab strip of the given kind and three children.
template <class TTabs> class CMdiHostFrame : public CMDIFrameWnd
{
public:
    bool CreateHost(LPCTSTR lpszTitle, int x, int y)
    {
        if (!CreateEx(0, nullptr, lpszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, 600, 400, nullptr, nullptr))
            return false;
        if (!m_tabs.Create(this, CRect(0, 0, 0, 0), 0xE800, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                           CExtTabWnd::kStyleShowClose | CExtTabWnd::kStyleEnabledClose |
                               CExtTabWnd::kStyleShowTabList | CExtTabWnd::kStyleEnabledTabList))
            return false;
        for (LPCTSTR psz : {L"Kotak masuk", L"Terkirim", L"Konsep"})
        {
            auto* pChild = new CMDIChildWnd;
            pChild->Create(nullptr, psz, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault, this);
        }
        return true;
    }

private:
    TTabs m_tabs;
};

class CTabsHostApp : public CWinApp
{
public:
    CTabsHostApp() : CWinApp(L"TabsHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new CStripsFrame;
        if (!pFrame->CreateHost())
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        auto* pOneNote = new CMdiHostFrame<CExtTabMdiOneNoteWnd>;
        if (pOneNote->CreateHost(L"MDI tabs", 300, 300))
        {
            pOneNote->ShowWindow(SW_SHOWNORMAL);
            pOneNote->RecalcLayout();
        }
        auto* pWhidbey = new CMdiHostFrame<CExtTabMdiWhidbeyWnd>;
        if (pWhidbey->CreateHost(L"MDI tabs (Whidbey)", 340, 340))
        {
            pWhidbey->ShowWindow(SW_SHOWNORMAL);
            pWhidbey->RecalcLayout();
        }
        return TRUE;
    }
};
CTabsHostApp theApp;

} // namespace
