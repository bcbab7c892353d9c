// The toolkit gallery: a frame with a list of pages on the left (one per registered page) and the
// chosen page on the right, plus the choice of paint manager and menu animation.
#include "GalleryPages.h"
#include "platform/Controls.h"
#include "platform/FrameWnd.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

std::vector<GalleryPage>& GalleryPages()
{
    static std::vector<GalleryPage> s_pages;
    return s_pages;
}

namespace
{
constexpr UINT kIdPages = 100;
constexpr UINT kIdPaintManager = 101;
constexpr UINT kIdAnimation = 102;
constexpr int kSideWidth = 180;

class CGalleryFrame : public CFrameWnd
{
public:
    CListBox m_pages;
    CComboBox m_paintManagers;
    CComboBox m_animations;
    CWnd* m_pPage = nullptr;

    void Build()
    {
        CRect rc;
        GetClientRect(&rc);
        m_paintManagers.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(4, 4, kSideWidth, 200),
                               this, kIdPaintManager);
        for (const wchar_t* psz : {L"Base", L"XP", L"Office 2003", L"Studio 2005"})
            m_paintManagers.AddString(psz);
        m_paintManagers.SetCurSel(0);
        m_animations.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(4, 32, kSideWidth, 300), this,
                            kIdAnimation);
        for (const wchar_t* psz : {L"No animation", L"Random", L"Slide", L"Slide down", L"Fade", L"Unfold",
                                   L"Roll down", L"Dissolve", L"Tiles", L"Circles", L"Holes"})
            m_animations.AddString(psz);
        m_animations.SetCurSel(CExtPopupMenuWnd::g_nDefaultAnimation);
        m_pages.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(4, 62, kSideWidth, rc.bottom - 4), this,
                       kIdPages);
        for (const GalleryPage& page : GalleryPages())
            m_pages.AddString(page.m_pszTitle);
        ShowPage(0);
    }

    void ShowPage(int nIndex)
    {
        if (m_pPage != nullptr)
        {
            m_pPage->DestroyWindow();
            delete m_pPage;
            m_pPage = nullptr;
        }
        if (nIndex < 0 || nIndex >= (int)GalleryPages().size())
            return;
        m_pages.SetCurSel(nIndex);
        CRect rc;
        GetClientRect(&rc);
        rc.left = kSideWidth + 8;
        m_pPage = GalleryPages()[nIndex].m_pfnCreate(this, rc);
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT nID = LOWORD(wParam);
        const UINT nCode = HIWORD(wParam);
        if (nID == kIdPages && nCode == LBN_SELCHANGE)
        {
            ShowPage(m_pages.GetCurSel());
            return TRUE;
        }
        if (nID == kIdPaintManager && nCode == CBN_SELCHANGE)
        {
            CExtPaintManager* pPM = nullptr;
            switch (m_paintManagers.GetCurSel())
            {
            case 1: pPM = new CExtPaintManagerXP; break;
            case 2: pPM = new CExtPaintManagerOffice2003; break;
            case 3: pPM = new CExtPaintManagerStudio2005; break;
            default: pPM = new CExtPaintManager; break;
            }
            g_PaintManagerHolder.InstallPaintManager(pPM);
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return TRUE;
        }
        if (nID == kIdAnimation && nCode == CBN_SELCHANGE)
        {
            CExtPopupMenuWnd::g_nDefaultAnimation = m_animations.GetCurSel();
            return TRUE;
        }
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    void PostNcDestroy() override
    {
        delete m_pPage;
        m_pPage = nullptr;
        CFrameWnd::PostNcDestroy();
    }
};

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp() : CWinApp(L"CorvaneToolkitGallery") {}
    BOOL InitInstance() override
    {
        CExtPopupMenuWnd::g_bHideRarelyUsed = false;
        // The style list starts on "Base": so does the painting.
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
        // The resizable windows keep their placement under this key.
        SetRegistryKey(L"CorvaneGallery");
        auto* pFrame = new CGalleryFrame;
        if (!pFrame->Create(nullptr, L"Corvane toolkit gallery", WS_OVERLAPPEDWINDOW, CRect(40, 40, 900, 640)))
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->Build();
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        return TRUE;
    }
};

CGalleryApp theApp;
} // namespace
