#include "platform/Platform.h"
#include "platform/Dialog.h"
#include "platform/DialogDataExchange.h"
#include "platform/DialogHook.h"
#include "platform/DialogTemplate.h"
#include "platform/PropertySheet.h"
#include "platform/View.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr && lParam != 0)
    {
        // A property page whose creation was not hooked: its record names the page object.
        const PROPSHEETPAGEW* ppsp = (const PROPSHEETPAGEW*)lParam;
        if ((ppsp->dwFlags & PSP_USECALLBACK) && ppsp->pfnCallback == AfxPropPageCallback && ppsp->lParam != 0)
        {
            CPropertyPage* pPage = (CPropertyPage*)ppsp->lParam;
            if (pPage->m_hWnd == nullptr && pPage->SubclassWindow(hWnd))
                pWnd = pPage;
        }
    }
    if (CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pWnd))
    {
        pDlg->PreInitDialog();
        return pDlg->OnInitDialog();
    }
    // A form view takes the keys when its frame gives them (its WM_SETFOCUS): the dialog's own first focus would
    // activate the frame before the frame is even shown.
    if (DYNAMIC_DOWNCAST(CFormView, pWnd) != nullptr)
        return FALSE;
    return TRUE;
}

int PlatformReadDlgInitEntry(const BYTE*& p, DWORD& cbLeft, PlatformDlgInitEntry& entry)
{
    // Entries: control id (0 ends the list), message, data length (32 bits), data.
    if (cbLeft < sizeof(WORD))
        return 0;
    memcpy(&entry.nIDC, p, sizeof entry.nIDC);
    if (entry.nIDC == 0)
        return 0;
    if (cbLeft < 8)
        return -1;
    memcpy(&entry.nMsg, p + 2, sizeof entry.nMsg);
    memcpy(&entry.cbText, p + 4, sizeof entry.cbText);
    if (entry.cbText > cbLeft - 8)
        return -1;
    entry.pText = (const char*)(p + 8);
    p += 8 + entry.cbText;
    cbLeft -= 8 + entry.cbText;
    return 1;
}

BOOL PlatformExecuteDlgInit(CWnd* pWnd, const void* lpResource, DWORD cbResource)
{
    if (lpResource == nullptr)
        return TRUE;
    HWND hWnd = pWnd->GetSafeHwnd();
    const BYTE* p = (const BYTE*)lpResource;
    DWORD cbLeft = cbResource;
    BOOL ok = TRUE;
    PlatformDlgInitEntry entry;
    for (int nRead; (nRead = PlatformReadDlgInitEntry(p, cbLeft, entry)) != 0;)
    {
        if (nRead < 0)
        {
            ok = FALSE;
            break;
        }
        // The text need not be terminated in the data.
        CStringA text(entry.pText, (int)strnlen(entry.pText, entry.cbText));
        LRESULT r = 0;
        if (entry.nMsg == 0x0401 || entry.nMsg == 0x0403) // LB_ADDSTRING / CB_ADDSTRING, 16-bit numbering
        {
            UINT msg = entry.nMsg == 0x0401 ? LB_ADDSTRING : CB_ADDSTRING;
            r = ::SendDlgItemMessageA(hWnd, entry.nIDC, msg, 0, (LPARAM)text.GetString());
        }
        else if (entry.nMsg == 0x1234 || entry.nMsg == 0x040B) // extended combo box item
        {
            CString wide = PlatformAnsiToWide(text.GetString(), text.GetLength());
            COMBOBOXEXITEMW item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = -1;
            item.pszText = wide.GetBuffer();
            r = ::SendDlgItemMessageW(hWnd, entry.nIDC, CBEM_INSERTITEMW, 0, (LPARAM)&item);
            wide.ReleaseBuffer();
        }
        if (r == -1)
        {
            ok = FALSE;
            break;
        }
    }
    if (ok)
        pWnd->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, FALSE, FALSE);
    return ok;
}

// ------------------------------------------------------------------------------------ CDialog

void CDialog::CommonConstruct() { m_nModalResult = -1; }

CDialog::CDialog() { CommonConstruct(); }

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_lpszTemplateName = lpszTemplateName;
    else
    {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
    {
        m_lpszTemplateName = lpszTemplateName;
        if (m_nIDHelp == 0)
            m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    }
    else
    {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return FALSE;
    HGLOBAL hTemplate = LoadResource(hInst, hResource);
    if (hTemplate == nullptr)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)LockResource(hTemplate);
    if (lpTemplate == nullptr)
        return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)GlobalLock(hDialogTemplate);
    BOOL ok = lpTemplate != nullptr && CreateIndirect(lpTemplate, pParentWnd, nullptr);
    GlobalUnlock(hDialogTemplate);
    return ok;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == nullptr)
        return FALSE;
    const bool isEx = CDialogTemplate::IsDialogEx(lpDialogTemplate) != FALSE;
    DWORD style = isEx ? ((const DWORD*)lpDialogTemplate)[3] : lpDialogTemplate->style;
    if (pParentWnd == nullptr && !(style & WS_CHILD))
        pParentWnd = AfxGetMainWnd();
    if (pParentWnd == this)
        pParentWnd = nullptr;
    // A template without a font gets the system font.
    CDialogTemplate copy;
    if (!(style & DS_SETFONT))
    {
        copy.SetTemplate(lpDialogTemplate, CDialogTemplate::GetTemplateSize(lpDialogTemplate));
        if (copy.SetSystemFont())
            lpDialogTemplate = (LPCDLGTEMPLATE)copy.m_hTemplate;
    }
    return CreateWindowFromTemplate(lpDialogTemplate, pParentWnd, hInst);
}

BOOL CDialog::CreateWindowFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (pParentWnd == this)
        pParentWnd = nullptr;
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    BOOL attached = FALSE;
    HWND hWnd = PlatformCreateDlgIndirect(this, lpDialogTemplate, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr,
                                          hInst, 0, &attached);
    if (!attached)
    {
        PostNcDestroy();
        return FALSE;
    }
    // Ended during its initialisation: the window goes, the result stays.
    if (hWnd != nullptr && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = nullptr;
    }
    return !(hWnd == nullptr && (m_nFlags & WF_CONTINUEMODAL));
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_hDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_lpDialogTemplate = nullptr;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return hDialogTemplate != nullptr;
}

HWND CDialog::PreModal()
{
    // The owner: the given parent, else the main window; never a child window; within another modal
    // run, that run's window.
    const HWND hWnd = CWnd::GetSafeOwner_(m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr, &m_hWndTop);
    const HWND hOwner = PlatformModalOwner(hWnd);
    // Owned by a popup of the window (the active floating frame), the run blocks the window too.
    const HWND hTop = hOwner != nullptr ? ::GetAncestor(hOwner, GA_ROOTOWNER) : nullptr;
    if (m_hWndTop == nullptr && hOwner != hWnd && hTop != hOwner && hTop != nullptr && ::IsWindowEnabled(hTop))
    {
        m_hWndTop = hTop;
        ::EnableWindow(hTop, FALSE);
    }
    return hOwner;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    if (m_hWnd != nullptr)
        Detach();
    if (m_hWndTop != nullptr && ::IsWindow(m_hWndTop))
        PlatformEndModalBlock(m_hWndTop);
    m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HGLOBAL hTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    bool lockedGlobal = false;
    if (m_lpszTemplateName != nullptr)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG);
        hTemplate = hResource ? LoadResource(hInst, hResource) : nullptr;
        if (hTemplate != nullptr)
            lpTemplate = (LPCDLGTEMPLATE)LockResource(hTemplate);
    }
    else if (hTemplate != nullptr)
    {
        lpTemplate = (LPCDLGTEMPLATE)GlobalLock(hTemplate);
        lockedGlobal = true;
    }
    if (lpTemplate == nullptr)
        return -1;

    const INT_PTR nResult =
        RunModal([&](CWnd* pParentWnd) { return CreateDlgIndirect(lpTemplate, pParentWnd, hInst); });
    if (lockedGlobal)
        GlobalUnlock(hTemplate);
    return nResult;
}

INT_PTR CDialog::RunModal(const std::function<BOOL(CWnd* pParentWnd)>& create)
{
    {
        const HWND hWndParent = PreModal();
        CPlatformModalOwnerGuard owner(this, hWndParent, [this] { PostModal(); });
        CPlatformModalRun run(&m_hWnd);
        try
        {
            if (create(CWnd::FromHandle(hWndParent)))
            {
                if (m_nFlags & WF_CONTINUEMODAL)
                {
                    DWORD dwFlags = MLF_SHOWONIDLE;
                    if (GetStyle() & DS_NOIDLEMSG)
                        dwFlags |= MLF_NOIDLEMSG;
                    RunModalLoop(dwFlags);
                }
                if (m_hWnd != nullptr)
                    SetWindowPos(nullptr, 0, 0, 0, 0,
                                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            }
        }
        catch (CException* e)
        {
            e->Delete();
            m_nModalResult = -1;
        }
    }
    return m_nModalResult;
}

CPlatformModalOwnerGuard::CPlatformModalOwnerGuard(CWnd* pWnd, HWND hWndParent, std::function<void()> onEnd)
    : m_pWnd(pWnd), m_hWndParent(hWndParent), m_bEnableParent(FALSE), m_onEnd(std::move(onEnd))
{
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        m_bEnableParent = TRUE;
    }
}

CPlatformModalOwnerGuard::~CPlatformModalOwnerGuard()
{
    if (m_bEnableParent)
        ::EnableWindow(m_hWndParent, TRUE);
    if (m_hWndParent != nullptr && ::GetActiveWindow() == m_pWnd->m_hWnd)
        ::SetActiveWindow(m_hWndParent);
    if (m_pWnd->m_hWnd != nullptr)
    {
        // A box of the window that closed just before the end made a window manager offer the keys to this window;
        // destroyed unread, the offer goes with it and no window has the keys (after the export's "Info" box under
        // openbox 5 of 5, with the look 0 of 6).
        PlatformReadModalEndOffers();
        m_pWnd->DestroyWindow();
    }
    if (m_onEnd)
        m_onEnd();
}

BOOL CDialog::ContinueModal() { return CWnd::ContinueModal() && m_hWnd != nullptr && ::IsWindow(m_hWnd); }

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else
        m_nModalResult = nResult;
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

HWND PlatformKeyDialogOf(HWND hWnd)
{
    HWND hKeys = hWnd;
    for (HWND h = hWnd; (::GetWindowLongW(h, GWL_STYLE) & WS_CHILD) != 0 &&
                        (::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;)
    {
        if ((h = ::GetParent(h)) == nullptr)
            break;
        if (::GetClassLongPtrW(h, GCW_ATOM) == (ULONG_PTR)(WORD)(ULONG_PTR)WC_DIALOG)
            hKeys = h;
    }
    return hKeys;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
    {
        if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
            return CWnd::PreTranslateMessage(pMsg);
        return FALSE;
    }
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // A dialog inside another window never ends itself: Escape goes on up the walk to the dialog
    // holding it, whose own dialog handling ends that one as Cancel.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (GetStyle() & WS_CHILD))
        return FALSE;
    // Escape in a multi-line edit ends the dialog as Cancel (the edit would swallow it).
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongW(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        wchar_t cls[16] = {};
        ::GetClassNameW(pMsg->hwnd, cls, 16);
        if (lstrcmpiW(cls, L"Edit") == 0)
        {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == nullptr || ::IsWindowEnabled(hItem))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    // A page or form whose controls belong to an outer dialog's walk: Tab, Enter and the mnemonics are that dialog's
    // (its default button, the controls around the page), further up the walk.
    if (PlatformKeyDialogOf(m_hWnd) != m_hWnd)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

BOOL CDialog::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hRsrc = ::FindResourceW(hInst, lpszResourceName, RT_DLGINIT);
    if (hRsrc == nullptr)
        return PlatformExecuteDlgInit(this, nullptr, 0);
    HGLOBAL hRes = LoadResource(hInst, hRsrc);
    if (hRes == nullptr)
        return FALSE;
    return PlatformExecuteDlgInit(this, LockResource(hRes), SizeofResource(hInst, hRsrc));
}

BOOL CDialog::ExecuteDlgInit(LPVOID lpResource)
{
    return PlatformExecuteDlgInit(this, lpResource, kDlgInitSizeUnknown);
}

BOOL CDialog::OnInitDialog()
{
    // Dialog-init data: from memory when given, else the resource named like the template.
    BOOL bDlgInit = m_lpDialogInit != nullptr ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    (void)bDlgInit;
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

void CDialog::SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }

DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0); }
