// Gallery page of the resizable windows: a dialog whose placement is kept under the gallery's
// registry key, a property sheet and a wizard of three pages, and a frame with a resizable form view.
#include "GalleryIds.h"
#include "GalleryPages.h"
#include "platform/Controls.h"
#include "platform/FrameWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtFormViewBase.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include "toolkit/menus_dialogs/ExtResizablePropertyPage.h"
#include "toolkit/menus_dialogs/ExtResizablePropertySheet.h"

namespace
{
constexpr UINT kIdDialog = 401;
constexpr UINT kIdSheet = 402;
constexpr UINT kIdWizard = 403;
constexpr UINT kIdForm = 404;
const wchar_t kProfile[] = L"GalleryResizable";
const wchar_t kSection[] = L"ResizableGallery";

void FillList(CWnd* pList)
{
    for (const wchar_t* psz : {L"Inbox", L"Outbox", L"Sent", L"Drafts"})
        pList->SendMessage(LB_ADDSTRING, 0, (LPARAM)psz);
}

class CGalleryDialog : public CExtResizableDialog
{
public:
    explicit CGalleryDialog(CWnd* pParent) : CExtResizableDialog(IDD_GAL_RESIZABLE, pParent) {}
    BOOL OnInitDialog() override
    {
        CExtResizableDialog::OnInitDialog();
        m_ok.SubclassDlgItem(IDOK, this);
        m_cancel.SubclassDlgItem(IDCANCEL, this);
        FillList(GetDlgItem(IDC_GAL_LIST));
        AddAnchorById(IDC_GAL_LIST, AnchorTopLeft, AnchorBottomLeft);
        AddAnchorById(IDC_GAL_LABEL, AnchorTopLeft, AnchorTopRight);
        AddAnchorById(IDC_GAL_EDIT, AnchorTopLeft, AnchorTopRight);
        AddAnchorById(IDC_GAL_NOTE, AnchorTopLeft, AnchorBottomRight);
        AddAnchorById(IDOK, AnchorBottomRight);
        AddAnchorById(IDCANCEL, AnchorBottomRight);
        EnableSaveRestore(kSection, L"Dialog");
        return TRUE;
    }
    CExtButton m_ok, m_cancel;
};

class CGalleryPropPage : public CExtResizablePropertyPage
{
public:
    explicit CGalleryPropPage(UINT nIDTemplate) { CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), 0); }
    BOOL OnInitDialog() override
    {
        CExtResizablePropertyPage::OnInitDialog();
        if (CWnd* pList = GetDlgItem(IDC_GAL_LIST))
            FillList(pList);
        AddAnchorById(IDC_GAL_LIST, AnchorTopLeft, AnchorBottomRight);
        AddAnchorById(IDC_GAL_LABEL, AnchorTopLeft, AnchorTopRight);
        AddAnchorById(IDC_GAL_EDIT, AnchorTopLeft, AnchorTopRight);
        AddAnchorById(IDC_GAL_NOTE, AnchorTopLeft, AnchorBottomRight);
        return TRUE;
    }
};

void RunSheet(CWnd* pParent, bool bWizard)
{
    CGalleryPropPage page1(IDD_GAL_PAGE1), page2(IDD_GAL_PAGE2), page3(IDD_GAL_PAGE3);
    CExtResizablePropertySheet sheet;
    sheet.m_pParentWnd = pParent;
    sheet.SetTitle(bWizard ? L"Resizable wizard" : L"Resizable property sheet");
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    if (bWizard)
        sheet.SetWizardMode();
    sheet.EnableSaveRestore(kSection, bWizard ? L"Wizard" : L"Sheet");
    sheet.DoModal();
}

class CGalleryFormView : public CExtWA<CExtWS<CExtFormViewBase, 301>>
{
    DECLARE_DYNCREATE(CGalleryFormView)
public:
    CGalleryFormView() : CExtWA<CExtWS<CExtFormViewBase, 301>>(IDD_GAL_FORM) {}
    void OnInitialUpdate() override
    {
        CExtFormViewBase::OnInitialUpdate();
        FillList(GetDlgItem(IDC_GAL_LIST));
        AddAnchorById(IDC_GAL_LIST, AnchorTopLeft, AnchorBottomRight);
        AddAnchorById(IDOK, AnchorBottomLeft);
    }
};
IMPLEMENT_DYNCREATE(CGalleryFormView, CFormView)

void OpenFormFrame()
{
    CFrameWnd* pFrame = new CFrameWnd; // deletes itself when closed
    CCreateContext ctx;
    ctx.m_pNewViewClass = RUNTIME_CLASS(CGalleryFormView);
    if (!pFrame->Create(nullptr, L"Resizable form view", WS_OVERLAPPEDWINDOW, CRect(120, 120, 560, 460), nullptr,
                        nullptr, 0, &ctx))
        return;
    if (CView* pView = (CView*)pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE))
        pView->OnInitialUpdate();
    pFrame->ShowWindow(SW_SHOW);
}

class CResizablePage : public CWnd
{
public:
    CExtButton m_buttons[4];
    HWND m_hWndBound = nullptr; // the top-level window this page bound to its profile

    bool Build(CWnd* pParent, const CRect& rc)
    {
        if (!CreateEx(0,
                      AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                                          (HBRUSH)(COLOR_WINDOW + 1)),
                      L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.Width(), rc.Height(), pParent->GetSafeHwnd(),
                      nullptr, nullptr))
            return false;
        // The system menus of the windows below register their commands in the profile of their owner.
        HWND hWndTop = pParent->GetTopLevelParent()->GetSafeHwnd();
        if (g_CmdManagerHolder->FindProfileNameForWindow(hWndTop) == nullptr &&
            g_CmdManagerHolder->CreateProfile(kProfile, hWndTop))
            m_hWndBound = hWndTop;
        const wchar_t* titles[] = {L"Resizable dialog...", L"Property sheet...", L"Wizard...", L"Form view frame..."};
        for (int i = 0; i < 4; ++i)
        {
            m_buttons[i].Create(titles[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                CRect(16, 16 + i * 36, 216, 44 + i * 36), this, kIdDialog + i);
        }
        return true;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        switch (LOWORD(wParam))
        {
        case kIdDialog:
        {
            CGalleryDialog dlg(GetTopLevelParent());
            dlg.DoModal();
            return TRUE;
        }
        case kIdSheet: RunSheet(GetTopLevelParent(), false); return TRUE;
        case kIdWizard: RunSheet(GetTopLevelParent(), true); return TRUE;
        case kIdForm: OpenFormFrame(); return TRUE;
        default: return CWnd::OnCommand(wParam, lParam);
        }
    }
    void PostNcDestroy() override
    {
        if (m_hWndBound != nullptr)
            g_CmdManagerHolder->UnbindWindowFromProfile(m_hWndBound, true);
        CWnd::PostNcDestroy();
    }
};

CWnd* CreateResizablePage(CWnd* pParent, const CRect& rc)
{
    auto* pPage = new CResizablePage;
    if (!pPage->Build(pParent, rc))
    {
        delete pPage;
        return nullptr;
    }
    return pPage;
}

GalleryPageRegistrar s_reg(L"Resizable windows", &CreateResizablePage);
} // namespace
