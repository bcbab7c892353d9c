// CDlgSaveContact: the kinds, the categories, the file-as choices and the checks of "Simpan".
#include "app/DlgSaveContact.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "res/app_tools_ids.h"

BEGIN_MESSAGE_MAP(CDlgSaveContact, CExtResizableDialog)
ON_EN_CHANGE(IDC_CONTACT_FIRST_NAME, OnNameChanged)
ON_EN_CHANGE(IDC_CONTACT_LAST_NAME, OnNameChanged)
ON_CBN_SELENDOK(IDC_CONTACT_KIND, OnKindSelected)
ON_CBN_EDITCHANGE(IDC_CONTACT_FILE_AS, OnFileAsChanged)
ON_CBN_SELENDOK(IDC_CONTACT_FILE_AS, OnFileAsChanged)
END_MESSAGE_MAP()

const wchar_t* const CDlgSaveContact::s_kindNames[kKindCount] = {
    L"Business Fax", L"Pager", L"Business Telephone", L"Mobile Number", L"Home", L"Home2",
    L"Home Fax",     L"Car",   L"Assistant",          L"Business2",     L"Radio"};

CDlgSaveContact::CDlgSaveContact(CWnd* pParent)
    : CExtResizableDialog(IDD_SAVE_CONTACT, pParent), m_strKind(s_kindNames[kKindDefault]), m_bCategoryListSet(FALSE)
{}

void CDlgSaveContact::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONTACT_CATEGORY, m_wndCategory);
    DDX_Control(pDX, IDC_CONTACT_FIRST_LABEL, m_wndFirstLabel);
    DDX_Control(pDX, IDC_CONTACT_FIRST_NAME, m_wndFirstName);
    DDX_Control(pDX, IDC_CONTACT_LAST_LABEL, m_wndLastLabel);
    DDX_Control(pDX, IDC_CONTACT_LAST_NAME, m_wndLastName);
    DDX_Control(pDX, IDC_CONTACT_FILE_AS_LABEL, m_wndFileAsLabel);
    DDX_Control(pDX, IDC_CONTACT_FILE_AS, m_wndFileAs);
    DDX_Control(pDX, IDC_CONTACT_NUMBER_LABEL, m_wndNumberLabel);
    DDX_Control(pDX, IDC_CONTACT_NUMBER, m_wndNumber);
    DDX_Control(pDX, IDC_CONTACT_KIND_LABEL, m_wndKindLabel);
    DDX_Control(pDX, IDC_CONTACT_KIND, m_wndKind);
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Control(pDX, IDCANCEL, m_wndCancel);
    DDX_Text(pDX, IDC_CONTACT_FIRST_NAME, m_strFirstName);
    DDX_Text(pDX, IDC_CONTACT_LAST_NAME, m_strLastName);
    DDX_Text(pDX, IDC_CONTACT_NUMBER, m_strNumber);
}

BOOL CDlgSaveContact::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    ShowSizeGrip(false);
    for (int i = 0; i < kKindCount; ++i)
        m_wndKind.InsertString(i, s_kindNames[i]);
    m_wndKind.SetCurSel(kKindDefault);
    m_strKind = s_kindNames[kKindDefault];
    if (!m_bCategoryListSet)
    {
        CCorvane_smsApp* pApp = GetCorvaneApp();
        if (pApp != nullptr && pApp->GetDoc() != nullptr)
            m_strCategoryList = pApp->GetDoc()->m_strCategoryList;
    }
    const CString strList = m_strCategoryList + L"|";
    m_arrCategories.RemoveAll();
    int nStart = 0;
    for (int nBar = strList.Find(L'|'); nBar >= 0; nStart = nBar + 1, nBar = strList.Find(L'|', nStart))
    {
        CString strPiece = strList.Mid(nStart, nBar - nStart);
        strPiece.Trim();
        if (strPiece.IsEmpty() || strPiece == L"|")
            continue;
        m_wndCategory.InsertString((int)m_arrCategories.GetSize(), strPiece);
        m_arrCategories.Add(strPiece);
    }
    m_wndFirstName.SetFocus();
    return FALSE;
}

void CDlgSaveContact::UpdateFileAs()
{
    CString strFirst, strLast;
    m_wndFirstName.GetWindowText(strFirst);
    m_wndLastName.GetWindowText(strLast);
    m_wndFileAs.ResetContent();
    if (!strFirst.IsEmpty())
        m_wndFileAs.InsertString(-1, strFirst);
    if (!strLast.IsEmpty())
        m_wndFileAs.InsertString(-1, strLast);
    if (!strFirst.IsEmpty() && !strLast.IsEmpty())
    {
        m_wndFileAs.InsertString(-1, strFirst + L", " + strLast);
        m_wndFileAs.InsertString(-1, strFirst + L" " + strLast);
        m_wndFileAs.InsertString(-1, strLast + L", " + strFirst);
        m_wndFileAs.InsertString(-1, strLast + L" " + strFirst);
    }
    if (m_wndFileAs.GetCount() > 0)
        m_wndFileAs.SetCurSel(0);
    m_wndFileAs.GetWindowText(m_strFileAs);
}

void CDlgSaveContact::OnNameChanged() { UpdateFileAs(); }

void CDlgSaveContact::OnKindSelected()
{
    const int nSel = m_wndKind.GetCurSel();
    if (nSel >= 0)
        m_wndKind.GetLBText(nSel, m_strKind);
}

void CDlgSaveContact::OnFileAsChanged()
{
    // At CBN_SELENDOK the edit shows the old text yet: take the selected item's.
    const int nSel = m_wndFileAs.GetCurSel();
    if (nSel >= 0 && GetCurrentMessage() != nullptr && HIWORD(GetCurrentMessage()->wParam) == CBN_SELENDOK)
        m_wndFileAs.GetLBText(nSel, m_strFileAs);
    else
        m_wndFileAs.GetWindowText(m_strFileAs);
}

void CDlgSaveContact::OnOK()
{
    UpdateData(TRUE);
    if (m_strFirstName.IsEmpty() && m_strLastName.IsEmpty())
    {
        MessageBox(LoadResourceText(IDS_CONTACT_NAME_MISSING), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    m_wndFileAs.GetWindowText(m_strFileAs);
    if (m_strFileAs.IsEmpty())
    {
        MessageBox(LoadResourceText(IDS_CONTACT_FILE_AS_MISSING), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    m_wndCategory.GetWindowText(m_strCategory);
    if (m_strNumber.IsEmpty())
    {
        MessageBox(LoadResourceText(IDS_CONTACT_NUMBER_MISSING), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
