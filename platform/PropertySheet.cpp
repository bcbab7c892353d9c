#include "platform/Platform.h"
#include "platform/PropertySheet.h"
#include "platform/DialogTemplate.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace
{
// Size of the page record this layer hands to the common controls.
const DWORD kPageRecordSize = sizeof(PROPSHEETPAGEW);

} // namespace

// ------------------------------------------------------------------------------- CPropertyPage

UINT CALLBACK AfxPropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEW pPropPage)
{
    (void)hWnd;
    switch (message)
    {
    case PSPCB_CREATE:
    {
        CPropertyPage* pPage = (CPropertyPage*)pPropPage->lParam;
        try
        {
            if (pPage != nullptr && pPage->m_hWnd == nullptr)
                AfxHookWindowCreate(pPage);
        }
        catch (CException* e)
        {
            e->Delete();
            return 0;
        }
        return 1;
    }
    case PSPCB_RELEASE: AfxUnhookWindowCreate(); return 0;
    default: return 0;
    }
}

CPropertyPage::CPropertyPage() { CommonConstruct(nullptr, 0); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage()
{
    if (m_hTemplateCopy)
        GlobalFree(m_hTemplateCopy);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = kPageRecordSize;
    m_psp.dwFlags = PSP_USECALLBACK;
    if (lpszTemplateName != nullptr)
        m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = AfxPropPageCallback;
    if (nIDCaption != 0)
    {
        m_strCaption.LoadString(nIDCaption);
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_lpszTemplateName = m_psp.pszTemplate;
    m_bFirstSetActive = TRUE;
}

void CPropertyPage::PreProcessPageTemplate(PROPSHEETPAGEW& psp, BOOL bWizard)
{
    (void)bWizard;
    const DLGTEMPLATE* pTemplate = nullptr;
    UINT cbTemplate = 0;
    if (psp.dwFlags & PSP_DLGINDIRECT)
    {
        pTemplate = psp.pResource;
        cbTemplate = pTemplate ? CDialogTemplate::GetTemplateSize(pTemplate) : 0;
        // The dialog-init data cannot be found by name for a template in memory.
        m_lpszTemplateName = nullptr;
    }
    else if (psp.pszTemplate != nullptr)
    {
        HINSTANCE hInst = psp.hInstance ? psp.hInstance : AfxFindResourceHandle(psp.pszTemplate, RT_DIALOG);
        HRSRC hRsrc = FindResourceW(hInst, psp.pszTemplate, RT_DIALOG);
        HGLOBAL hRes = hRsrc ? LoadResource(hInst, hRsrc) : nullptr;
        pTemplate = hRes ? (const DLGTEMPLATE*)LockResource(hRes) : nullptr;
        cbTemplate = pTemplate ? CDialogTemplate::GetTemplateSize(pTemplate, SizeofResource(hInst, hRsrc)) : 0;
        if (pTemplate != nullptr && cbTemplate == 0)
        {
            // A template that does not lie within its resource: id 0 names no resource, so the
            // sheet treats the page as one whose template is missing.
            psp.pszTemplate = MAKEINTRESOURCEW(0);
            return;
        }
    }
    if (pTemplate == nullptr)
        return;
    // The page keeps its own copy: the sheet may outlive the resource lock.
    CDialogTemplate copy;
    if (copy.SetTemplate(pTemplate, cbTemplate))
        UseTemplateCopy(psp, copy.Detach());
}

void CPropertyPage::UseTemplateCopy(PROPSHEETPAGEW& psp, HGLOBAL hCopy)
{
    if (m_hTemplateCopy)
        GlobalFree(m_hTemplateCopy);
    m_hTemplateCopy = hCopy;
    psp.pResource = (LPCDLGTEMPLATE)m_hTemplateCopy;
    psp.dwFlags |= PSP_DLGINDIRECT;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::CancelToClose()
{
    if (m_hWnd)
        ::SendMessageW(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    if (m_hWnd == nullptr)
        return;
    ::SendMessageW(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

// A page never ends the sheet itself.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    // Notifications of the sheet come with the sheet as sender.
    LRESULT result = 0;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE: result = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: result = !OnKillActive(); break;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        if (CPropertySheet* pSheet = GetParentSheet())
            pSheet->m_nModalResult = IDOK;
        break;
    case PSN_RESET: OnReset(); break;
    case PSN_QUERYCANCEL: result = !OnQueryCancel(); break;
    case PSN_WIZNEXT: result = OnWizardNext(); break;
    case PSN_WIZBACK: result = OnWizardBack(); break;
    case PSN_WIZFINISH:
        result = !OnWizardFinish();
        if (result == 0)
            if (CPropertySheet* pSheet = GetParentSheet())
                pSheet->m_nModalResult = ID_WIZFINISH;
        break;
    default: return FALSE;
    }
    *pResult = result;
    // The sheet reads the answer from the page's DWLP_MSGRESULT.
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // The sheet (the next window up the pre-translation walk) does the dialog keyboard handling
    // for its pages, so that Tab runs through the page and the sheet's buttons.
    return CWnd::PreTranslateMessage(pMsg);
}

// ------------------------------------------------------------------------------ CPropertySheet

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM lParam)
{
    (void)hWnd;
    if (message != PSCB_PRECREATE || lParam == 0)
        return 0;
    CPropertySheet* pSheet = DYNAMIC_DOWNCAST(CPropertySheet, AfxGetThreadState()->m_pWndInit);
    DLGTEMPLATE* pTemplate = (DLGTEMPLATE*)lParam;
    DWORD* pStyle = CDialogTemplate::IsDialogEx(pTemplate) ? &((DWORD*)pTemplate)[3] : &pTemplate->style;
    if (pSheet != nullptr && pSheet->m_dwRequestedStyle != (DWORD)-1)
    {
        DWORD style = pSheet->m_dwRequestedStyle;
        if (style & WS_CHILD)
            style = (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)) | DS_CONTROL;
        *pStyle = (*pStyle & (DS_SETFONT | DS_3DLOOK | DS_CONTEXTHELP)) | style;
    }
    return 0;
}

CPropertySheet::CPropertySheet() { CommonConstruct(nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = AfxPropSheetCallback;
    m_pParentWnd = pParentWnd;
    m_bStacked = TRUE;
    m_bModeless = FALSE;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete[] m_pPageArray;
}

void CPropertySheet::BuildPropPageArray() { BuildPageRecords(PSH_WIZARD | PSH_WIZARD97); }

void CPropertySheet::BuildPageRecords(DWORD dwWizardFlags)
{
    delete[] m_pPageArray;
    m_pPageArray = nullptr;
    m_psh.ppsp = nullptr;
    const int count = (int)m_pages.GetSize();
    PROPSHEETPAGEW* ppsp = new PROPSHEETPAGEW[count > 0 ? count : 1];
    memset(ppsp, 0, sizeof(PROPSHEETPAGEW) * (count > 0 ? count : 1));
    const BOOL bWizard = (m_psh.dwFlags & dwWizardFlags) != 0;
    for (int i = 0; i < count; ++i)
    {
        CPropertyPage* pPage = GetPage(i);
        memcpy(&ppsp[i], &pPage->m_psp, std::min<size_t>(pPage->m_psp.dwSize, sizeof(PROPSHEETPAGEW)));
        pPage->PreProcessPageTemplate(ppsp[i], bWizard);
    }
    m_pPageArray = ppsp;
    m_psh.ppsp = ppsp;
    m_psh.nPages = (UINT)count;
}

int CPropertySheet::GetPageCount() const
{
    if (m_hWnd == nullptr)
        return (int)m_pages.GetSize();
    return TabCtrl_GetItemCount((HWND)::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return nullptr;
    return (CPropertyPage*)m_pages.GetAt(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage)
{
    for (int i = 0; i < (int)m_pages.GetSize(); ++i)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return (CTabCtrl*)CWnd::FromHandle((HWND)::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return (int)m_psh.nStartPage;
    HWND hTab = (HWND)::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0);
    return hTab ? TabCtrl_GetCurSel(hTab) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd != nullptr)
    {
        HWND hPage = (HWND)::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
        if (CPropertyPage* pPage = DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(hPage)))
            return pPage;
    }
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return FALSE;
    if (m_hWnd == nullptr)
    {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageW(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == nullptr)
        return;
    m_pages.Add(pPage);
    if (m_hWnd == nullptr)
        return;
    // A live sheet gets the page at once.
    PROPSHEETPAGEW psp = {};
    memcpy(&psp, &pPage->m_psp, std::min<size_t>(pPage->m_psp.dwSize, sizeof(PROPSHEETPAGEW)));
    pPage->PreProcessPageTemplate(psp, IsWizard());
    HPROPSHEETPAGE hPage = CreatePropertySheetPageW(&psp);
    if (hPage == nullptr || !::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage))
    {
        if (hPage)
            DestroyPropertySheetPage(hPage);
        m_pages.RemoveAt(m_pages.GetSize() - 1);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int n = GetPageIndex(pPage);
    if (n >= 0)
        RemovePage(n);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return;
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    if (m_hWnd != nullptr)
        ::SendMessageW(m_hWnd, PSM_SETTITLEW, nStyle, (LPARAM)lpszText);
    else if (nStyle & PSH_PROPTITLE)
        m_psh.dwFlags |= PSH_PROPTITLE;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    if (m_hWnd)
        ::PostMessageW(m_hWnd, PSM_SETWIZBUTTONS, 0, dwFlags);
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, PSM_SETFINISHTEXTW, 0, (LPARAM)lpszText);
}

BOOL CPropertySheet::PressButton(int nButton)
{
    return m_hWnd ? (BOOL)::SendMessageW(m_hWnd, PSM_PRESSBUTTON, nButton, 0) : FALSE;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nEndID);
    if (m_bModeless && m_hWnd)
        DestroyWindow();
}

void CPropertySheet::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle == (DWORD)-1)
        dwStyle =
            DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    m_dwRequestedStyle = dwStyle;
    (void)dwExStyle;
    m_bModeless = TRUE;
    m_psh.dwFlags |= PSH_MODELESS;
    if (m_strCaption.GetLength())
        m_psh.pszCaption = m_strCaption;
    m_psh.hwndParent = pParentWnd ? pParentWnd->GetSafeHwnd() : (m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr);
    if (m_psh.hwndParent == nullptr && !(dwStyle & WS_CHILD))
    {
        CWnd* pMain = AfxGetMainWnd();
        m_psh.hwndParent = pMain ? pMain->GetSafeHwnd() : nullptr;
    }
    if (!m_bStacked)
        m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_psh.hInstance = AfxGetResourceHandle();
    BuildPropPageArray();
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)PropertySheetW(&m_psh);
    BOOL attached = AfxUnhookWindowCreate();
    m_dwRequestedStyle = (DWORD)-1;
    if (hWnd == nullptr || hWnd == (HWND)-1 || !attached)
    {
        if (hWnd != nullptr && hWnd != (HWND)-1)
            ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    // Runs as a modeless sheet inside our own modal loop, so that idle work and
    // pre-translation go on while it is open.
    HWND hWndParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (hWndParent == nullptr)
    {
        CWnd* pMain = AfxGetMainWnd();
        hWndParent = pMain ? pMain->GetSafeHwnd() : nullptr;
    }
    while (hWndParent != nullptr && (::GetWindowLongW(hWndParent, GWL_STYLE) & WS_CHILD))
        hWndParent = ::GetParent(hWndParent);
    hWndParent = PlatformModalOwner(hWndParent);
    INT_PTR result = -1;
    {
        CPlatformModalOwnerGuard owner(this, hWndParent, [this] { m_psh.dwFlags &= ~PSH_MODELESS; });
        m_nModalResult = IDCANCEL;
        m_psh.hwndParent = hWndParent;
        DWORD style =
            DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
        const BOOL bWasModeless = m_bModeless;
        CPlatformModalRun run(&m_hWnd);
        if (Create(CWnd::FromHandle(hWndParent), style, 0))
        {
            m_bModeless = bWasModeless;
            m_nModalResult = IDCANCEL;
            m_nFlags |= WF_CONTINUEMODAL;
            RunModalLoop(MLF_SHOWONIDLE);
            result = m_nModalResult;
        }
    }
    return result;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal() || m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    // The sheet has finished (OK or Cancel) once it has no current page.
    return ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Remember how the sheet was closed; the page records the OK through PSN_APPLY.
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL)
        m_nModalResult = IDCANCEL;
    return CWnd::OnCommand(wParam, lParam);
}

void CPropertySheet::OnClose()
{
    m_nModalResult = IDCANCEL;
    Default();
    // A modeless sheet closed by its close box goes away.
    if (m_bModeless && !(m_nFlags & WF_CONTINUEMODAL) && m_hWnd &&
        ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
        DestroyWindow();
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    BOOL bResult = (BOOL)Default();
    if (GetStyle() & WS_CHILD)
    {
        // An embedded sheet has no buttons of its own.
        static const int ids[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
        for (int id : ids)
            if (HWND h = ::GetDlgItem(m_hWnd, id))
                ::ShowWindow(h, SW_HIDE);
        ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    }
    return bResult;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (m_hWnd == nullptr || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return FALSE;
    return (BOOL)::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CPropertyPage* pPage = m_hWnd ? GetActivePage() : nullptr;
    if (pPage != nullptr && pPage->m_hWnd != nullptr && pPage->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
