// Shared pieces of the resizable-window tests.
#include "ResizableTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

static CResizableTestApp theApp;

CResizableTestApp& ResizableTestApp() { return theApp; }

BEGIN_MESSAGE_MAP(CResizableTestApp, CWinApp)
ON_COMMAND(CResizableTestApp::kAppCommand, OnAppCommand)
END_MESSAGE_MAP()

CResizableTestApp::CResizableTestApp() : CWinApp(L"ResizableTest")
{
    m_sRegistryKey.Format(L"CorvaneResizableTest%lu", ::GetCurrentProcessId());
    SetRegistryKey(m_sRegistryKey);
}

CDialogTemplateBuilder::CDialogTemplateBuilder(DWORD dwStyle, const CRect& rcDlu, LPCWSTR lpszTitle)
{
    m_words.resize(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE* p = (DLGTEMPLATE*)m_words.data();
    p->style = dwStyle & ~DS_SETFONT;
    p->dwExtendedStyle = 0;
    p->cdit = 0;
    p->x = (short)rcDlu.left;
    p->y = (short)rcDlu.top;
    p->cx = (short)rcDlu.Width();
    p->cy = (short)rcDlu.Height();
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the dialog class
    AddText(lpszTitle);
}

void CDialogTemplateBuilder::AddText(LPCWSTR psz)
{
    for (; *psz != 0; ++psz)
        m_words.push_back((WORD)*psz);
    m_words.push_back(0);
}

void CDialogTemplateBuilder::Align()
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

void CDialogTemplateBuilder::AddItem(LPCWSTR lpszClass, LPCWSTR lpszText, DWORD dwStyle, const CRect& rcDlu, WORD nId)
{
    Align();
    const size_t nAt = m_words.size();
    m_words.resize(nAt + sizeof(DLGITEMTEMPLATE) / sizeof(WORD), 0);
    DLGITEMTEMPLATE* pItem = (DLGITEMTEMPLATE*)&m_words[nAt];
    pItem->style = dwStyle | WS_CHILD | WS_VISIBLE;
    pItem->dwExtendedStyle = 0;
    pItem->x = (short)rcDlu.left;
    pItem->y = (short)rcDlu.top;
    pItem->cx = (short)rcDlu.Width();
    pItem->cy = (short)rcDlu.Height();
    pItem->id = nId;
    if (lpszClass[0] >= 0x80 && lpszClass[1] == 0)
    {
        m_words.push_back(0xFFFF);
        m_words.push_back((WORD)lpszClass[0]);
    }
    else
        AddText(lpszClass);
    AddText(lpszText);
    m_words.push_back(0); // no creation data
    ((DLGTEMPLATE*)m_words.data())->cdit++;
}

LRESULT CTestResizableDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT || message == WM_NCPAINT || message == WM_ERASEBKGND)
        ++m_nPaints;
    if (message == WM_SYSCOMMAND)
    {
        m_sysCommands.push_back((UINT)(wParam & 0xFFF0));
        if ((wParam & 0xFFF0) == SC_CLOSE)
            return 0;
    }
    return CExtResizableDialog::WindowProc(message, wParam, lParam);
}

void CTestResizableDialog::PreSubclassWindow()
{
    if (m_bSkipLayerSubclass)
        CExtResDlg::PreSubclassWindow();
    else
        CExtResizableDialog::PreSubclassWindow();
}

BOOL CTestResizableDialog::OnInitDialog()
{
    const BOOL bResult = CExtResizableDialog::OnInitDialog();
    if (m_nKeyOnInit != 0)
        PostMessage(WM_KEYDOWN, m_nKeyOnInit, 1);
    return bResult;
}

void ResizableTest::SetUp()
{
    m_pOldPaintManager = g_PaintManagerHolder->GetRuntimeClass();
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager));
    CExtPopupMenuWnd::g_nDefaultAnimation = 0;
    m_pFrame = new CFrameWnd;
    ASSERT_TRUE(m_pFrame->Create(nullptr, L"Resizable test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 560)));
    static int s_nProfile = 0;
    m_sProfile.Format(L"ResizableTest%d", ++s_nProfile);
    ASSERT_TRUE(g_CmdManagerHolder->CreateProfile(m_sProfile, m_pFrame->GetSafeHwnd()));
}

void ResizableTest::TearDown()
{
    if (CExtPopupMenuWnd::IsMenuTracking())
        CExtPopupMenuWnd::CancelMenuTracking();
    Pump();
    for (CTestResizableDialog* pDlg : m_dialogs)
    {
        if (pDlg->GetSafeHwnd() != nullptr)
            pDlg->DestroyWindow();
        delete pDlg;
    }
    m_dialogs.clear();
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
    {
        g_CmdManagerHolder->UnbindWindowFromProfile(m_pFrame->GetSafeHwnd(), true);
        m_pFrame->DestroyWindow();
    }
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {}
    g_PaintManagerHolder.InstallPaintManagerByClass(m_pOldPaintManager);
}

CTestResizableDialog* ResizableTest::NewDialog(const CDialogTemplateBuilder& tpl, CWnd* pParent)
{
    CTestResizableDialog* pDlg = new CTestResizableDialog;
    m_dialogs.push_back(pDlg);
    EXPECT_TRUE(pDlg->CreateIndirect(tpl.Get(), pParent != nullptr ? pParent : m_pFrame));
    return pDlg;
}

CDialogTemplateBuilder ResizableTest::PopupTemplate(DWORD dwExtraStyle)
{
    return CDialogTemplateBuilder(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | dwExtraStyle,
                                  CRect(0, 0, 200, 120));
}

CDialogTemplateBuilder ResizableTest::ChildTemplate()
{
    return CDialogTemplateBuilder(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 200, 120), L"");
}

void ResizableTest::Pump()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
            continue;
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool ResizableTest::PumpUntil(const std::function<bool()>& pred)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        Pump();
        if (pred())
            return true;
        if (::GetTickCount() - dwStart > kInputWaitMs)
            return false;
        ::Sleep(5);
    }
}

bool ResizableTest::PumpInput()
{
    return PumpUntil([]() { return HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSE)) == 0; });
}

CRect ResizableTest::RectInParent(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), (POINT*)&rc, 2);
    return rc;
}

void ResizableTest::SetClientSize(CWnd* pWnd, int cx, int cy)
{
    CRect rcWnd, rcClient;
    pWnd->GetWindowRect(&rcWnd);
    pWnd->GetClientRect(&rcClient);
    pWnd->SetWindowPos(nullptr, 0, 0, rcWnd.Width() - rcClient.Width() + cx, rcWnd.Height() - rcClient.Height() + cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::unique_ptr<DibCanvas> ResizableTest::CaptureClient(HWND hWnd) { return ReadClientSurface(hWnd); }
