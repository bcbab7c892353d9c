// CDlgTextInput: title and caption, the text bound to its edit, the caret put at the start.
#include "app/DlgTextInput.h"
#include "platform/DialogDataExchange.h"
#include "platform/Platform.h"
#include "res/settings_ids.h"

BEGIN_MESSAGE_MAP(CDlgTextInput, CExtResizableDialog)
ON_EN_SETFOCUS(IDC_TEXT_INPUT, OnTextSetFocus)
END_MESSAGE_MAP()

CDlgTextInput::CDlgTextInput(CWnd* pParent)
    : CExtResizableDialog(IDD_TEXT_INPUT, pParent), m_strTitle(L"Add / Edit MyText"), m_strCaption(L"Teks")
{}

void CDlgTextInput::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEXT_CAPTION, m_wndCaption);
    DDX_Control(pDX, IDC_TEXT_INPUT, m_wndText);
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Text(pDX, IDC_TEXT_INPUT, m_strText);
}

BOOL CDlgTextInput::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    m_wndCaption.SetWindowText(m_strCaption);
    ShowSizeGrip(false);
    return TRUE;
}

void CDlgTextInput::OnTextSetFocus()
{
    // The preset text is not selected: the caret stands before its first character.
    m_wndText.SetSel(0, 0);
    m_wndText.SendMessage(EM_SCROLLCARET);
}
