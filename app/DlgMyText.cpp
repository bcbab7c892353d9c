// CDlgMyText: loading the list file, add, change and delete, and writing the list back.
#include "app/DlgMyText.h"
#include "platform/DialogDataExchange.h"
#include "platform/MessageBox.h"
#include "app/Corvane_sms.h"
#include "app/DlgTextInput.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"
#include "res/settings_ids.h"
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CDlgMyText, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CDlgMyText, CExtResizableDialog)
ON_BN_CLICKED(IDC_MYTEXT_ADD, OnAdd)
ON_BN_CLICKED(IDC_MYTEXT_EDIT, OnEdit)
ON_BN_CLICKED(IDC_MYTEXT_DELETE, OnDelete)
ON_LBN_DBLCLK(IDC_MYTEXT_LIST, OnEdit)
END_MESSAGE_MAP()

namespace
{
const wchar_t kMyTextListName[] = L"MyText";
}

CDlgMyText::CDlgMyText()
    : CExtResizableDialog(IDD_MYTEXT, nullptr), m_strListName(kMyTextListName), m_bInitialized(false), m_bLoaded(false)
{}

void CDlgMyText::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MYTEXT_LIST, m_wndList);
    DDX_Control(pDX, IDC_MYTEXT_ADD, m_wndAdd);
    DDX_Control(pDX, IDC_MYTEXT_EDIT, m_wndEdit);
    DDX_Control(pDX, IDC_MYTEXT_DELETE, m_wndDelete);
}

BOOL CDlgMyText::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    ShowSizeGrip(false);
    m_bInitialized = true;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = pApp ? pApp->GetDoc() : nullptr;
    const bool bMyText = m_strListName == kMyTextListName;
    if (pDoc != nullptr)
        m_strPath = bMyText ? pDoc->GetMyTextFilePath() : pDoc->GetQuickReplyFilePath();
    if (!m_strPath.IsEmpty() && ::GetFileAttributesW(m_strPath) == INVALID_FILE_ATTRIBUTES)
    {
        if (bMyText && pDoc != nullptr)
            pDoc->WriteDefaultMyText();
        else
        {
            m_bLoaded = true; // no file: an empty list is the whole list
            return TRUE;
        }
    }
    LoadList();
    return TRUE;
}

void CDlgMyText::LoadList()
{
    m_arrText.RemoveAll();
    m_wndList.ResetContent();
    m_bLoaded = false;
    if (m_strPath.IsEmpty())
        return;
    CUnicodeTextReader reader(m_strPath);
    if (!reader.IsOpen())
        return;
    CString strLine;
    for (int i = 0; reader.ReadLine(strLine); ++i)
    {
        m_wndList.AddString(strLine);
        m_arrText.InsertAt(i, strLine);
    }
    reader.Close();
    m_bLoaded = true;
}

int CDlgMyText::FindInArray(const CString& strText) const
{
    for (INT_PTR i = 0; i < m_arrText.GetSize(); ++i)
        if (m_arrText[i] == strText)
            return (int)i;
    return -1;
}

void CDlgMyText::OnAdd()
{
    CDlgTextInput dlg(this);
    if (dlg.DoModal() != IDOK || dlg.m_strText.IsEmpty())
        return;
    if (m_wndList.FindStringExact(-1, dlg.m_strText) != LB_ERR)
        return;
    m_wndList.SetRedraw(FALSE);
    m_arrText.RemoveAll();
    m_arrText.Add(dlg.m_strText);
    for (int i = 0; i < m_wndList.GetCount(); ++i)
    {
        CString strItem;
        m_wndList.GetText(i, strItem);
        m_arrText.Add(strItem);
    }
    m_wndList.ResetContent();
    for (INT_PTR i = 0; i < m_arrText.GetSize(); ++i)
        m_wndList.AddString(m_arrText[i]);
    m_wndList.SetRedraw(TRUE);
    m_wndList.Invalidate();
}

void CDlgMyText::OnEdit()
{
    const int nCurrent = m_wndList.GetCurSel();
    if (m_wndList.GetCount() == 0 || nCurrent < 0)
        return;
    CString strOld;
    m_wndList.GetText(nCurrent, strOld);
    CDlgTextInput dlg(this);
    dlg.m_strText = strOld;
    if (dlg.DoModal() != IDOK)
        return;
    m_wndList.DeleteString(nCurrent);
    m_wndList.AddString(dlg.m_strText);
    // The array keeps file order: the entry is the one with the item's text.
    const int nEntry = FindInArray(strOld);
    if (nEntry >= 0)
    {
        m_arrText.RemoveAt(nEntry);
        m_arrText.InsertAt(nEntry, dlg.m_strText);
    }
}

void CDlgMyText::OnDelete()
{
    const int nSelected = m_wndList.GetSelCount();
    if (nSelected <= 0)
        return;
    std::vector<int> indexes(nSelected);
    m_wndList.GetSelItems(nSelected, indexes.data());
    std::vector<CString> texts;
    for (int nIndex : indexes)
    {
        CString strItem;
        m_wndList.GetText(nIndex, strItem);
        texts.push_back(strItem);
    }
    int nLastDeleted = -1;
    for (const CString& strItem : texts)
    {
        const int nIndex = m_wndList.FindStringExact(-1, strItem);
        if (nIndex == LB_ERR)
            continue;
        m_wndList.DeleteString(nIndex);
        const int nEntry = FindInArray(strItem);
        if (nEntry >= 0)
            m_arrText.RemoveAt(nEntry);
        nLastDeleted = nIndex;
    }
    if (nLastDeleted < 0 || m_wndList.GetCount() == 0)
        return;
    m_wndList.SetSel(nLastDeleted < m_wndList.GetCount() ? nLastDeleted : nLastDeleted - 1, TRUE);
}

BOOL CDlgMyText::WriteList(const CString& strPath, const CStringArray& arrText)
{
    CString strAll;
    for (INT_PTR i = 0; i < arrText.GetSize(); ++i)
    {
        if (i > 0)
            strAll += L"\n";
        strAll += arrText[i];
    }
    // ANSI only when the texts come back unchanged from it (no replacement, no best fit).
    BOOL bLossy = FALSE;
    std::string strAnsi;
    WideToMultiByte(strAll, strAnsi, CP_ACP, &bLossy);
    CString strBack;
    MultiByteToWide(strAnsi.c_str(), strBack, CP_ACP);
    bLossy = bLossy || strBack != strAll;
    const int nEncoding = bLossy ? TEXTFILE_UNI16_LE : TEXTFILE_ASCII;
    // The user's list is replaced only by a whole new file.
    CUnicodeTextWriter writer;
    writer.OpenReplacing(strPath, nEncoding);
    if (!writer.IsOpen())
        return FALSE;
    for (INT_PTR i = 0; i < arrText.GetSize(); ++i)
    {
        CString strLine;
        if (i > 0)
            strLine = L"\n";
        strLine += arrText[i];
        writer.WriteLine(strLine);
    }
    return writer.Commit();
}

BOOL CDlgMyText::StoreList(CWnd* pOwner, const CString& strPath, const CStringArray& arrText)
{
    if (WriteList(strPath, arrText))
        return TRUE;
    // The export's text: the same words for any file the program could not write.
    PlatformMessageBox(pOwner ? pOwner->GetSafeHwnd() : nullptr, FormatResourceText(IDS_EXPORT_WRITE_FAILED, strPath),
                       L"Error", MB_OK | MB_ICONERROR);
    return FALSE;
}
