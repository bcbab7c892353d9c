// CDlgSearch: the three fields and the text.
#include "app/DlgSearch.h"
#include "phone/StoreHelpers.h"
#include "res/app_tools_ids.h"

BEGIN_MESSAGE_MAP(CDlgSearch, CExtResizableDialog)
ON_CBN_SELENDOK(IDC_SEARCH_TYPE, OnTypeSelected)
END_MESSAGE_MAP()

CDlgSearch::CDlgSearch(CWnd* pParent) : CExtResizableDialog(IDD_SEARCH_SMS, pParent), m_nField(kFieldText) {}

void CDlgSearch::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEARCH_TYPE_LABEL, m_wndTypeLabel);
    DDX_Control(pDX, IDC_SEARCH_TYPE, m_wndType);
    DDX_Control(pDX, IDC_SEARCH_TEXT_LABEL, m_wndTextLabel);
    DDX_Control(pDX, IDC_SEARCH_TEXT, m_wndText);
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Text(pDX, IDC_SEARCH_TEXT, m_strSearch);
}

BOOL CDlgSearch::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_wndType.ResetContent();
    m_wndType.InsertString(kFieldName, LoadResourceText(IDS_SEARCH_FIELD_NAME));
    m_wndType.InsertString(kFieldText, LoadResourceText(IDS_SEARCH_FIELD_TEXT));
    m_wndType.InsertString(kFieldNumber, LoadResourceText(IDS_SEARCH_FIELD_NUMBER));
    m_wndType.SetCurSel(kFieldText);
    m_nField = kFieldText;
    return TRUE;
}

void CDlgSearch::OnTypeSelected() { m_nField = m_wndType.GetCurSel(); }
