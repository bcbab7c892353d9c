// CDlgComposeSms: opening the window, its bars and controls, contacts, counter and inserted texts.
#include "app/DlgComposeSms.h"
#include "app/DlgSetting.h"
#include "app/EventSounds.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PostedText.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_ids.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDlgComposeSms, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CDlgComposeSms, CExtResizableDialog)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
ON_COMMAND_RANGE(ID_COMPOSE_CUT, ID_COMPOSE_PASTE, OnEditCommand)
ON_COMMAND(ID_COMPOSE_SAVE_DRAFT, OnSaveDraft)
ON_COMMAND(ID_COMPOSE_SAVE_OUTBOX, OnSaveOutbox)
ON_COMMAND(ID_COMPOSE_SEND, OnSend)
ON_COMMAND(IDC_COMPOSE_LETTER_BAR, OnLetterPicked)
ON_EN_CHANGE(IDC_COMPOSE_TEXT, OnTextChange)
ON_EN_KILLFOCUS(IDC_COMPOSE_TEXT, OnTextKillFocus)
ON_EN_CHANGE(IDC_COMPOSE_SEARCH, OnSearchChange)
ON_CBN_SELENDOK(IDC_COMPOSE_FILTER, OnFilterSelEndOk)
ON_CBN_SELENDOK(IDC_COMPOSE_CATEGORY, OnCategorySelEndOk)
ON_CBN_SELENDCANCEL(IDC_COMPOSE_FILTER, OnFilterSelEndCancel)
ON_CBN_SELENDCANCEL(IDC_COMPOSE_CATEGORY, OnCategorySelEndCancel)
ON_CBN_SELENDOK(IDC_COMPOSE_TEMPLATES, OnTemplateSelEndOk)
ON_CBN_SELENDCANCEL(IDC_COMPOSE_TEMPLATES, OnTemplateSelEndCancel)
ON_BN_CLICKED(IDC_COMPOSE_KIND_LEGEND, OnKindLegend)
ON_CONTROL_RANGE(BN_CLICKED, IDC_COMPOSE_EMOTICON_FIRST, IDC_COMPOSE_EMOTICON_LAST, OnEmoticon)
ON_BN_CLICKED(IDC_COMPOSE_SELECT_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_COMPOSE_TAKE_TO, OnTakeTo)
ON_BN_CLICKED(IDC_COMPOSE_TAKE_ADD, OnTakeAdd)
ON_MESSAGE(WM_APP_ADD_RECIPIENT, OnAddRecipient)
END_MESSAGE_MAP()

const wchar_t* const CDlgComposeSms::kEmoticons[kEmoticonCount] = {L":-D", L":-)", L":((", L";-)",
                                                                   L":-(", L":-O", L":p"};

namespace
{
// Bitmaps of the emoticon buttons 1070 .. 1076.
const UINT kEmoticonBitmaps[CDlgComposeSms::kEmoticonCount] = {
    IDB_EMOTICON_GRIN, IDB_EMOTICON_SMILE,    IDB_EMOTICON_CRY,   IDB_EMOTICON_WINK,
    IDB_EMOTICON_SAD,  IDB_EMOTICON_SURPRISE, IDB_EMOTICON_TONGUE};
const COLORREF kEmoticonMask = RGB(255, 0, 255);
const wchar_t kKindLegend[] = L"BFX = Business Fax\nPGR = Pager\nWK1 = Business 1\nWK2 = Business 2\nMOB = "
                              L"Mobile\nHM1 = Home 1\nHM2 = Home 2\nHFX = Home Fax\nCAR = Car\nAST = Assistant\nRAD = "
                              L"Radio";
const wchar_t kTemplateFirst[] = L"My Text";
const wchar_t kTemplateEdit[] = L"Edit...";
const UINT kStatusIndicators[] = {IDS_COMPOSE_READY};
const int kStatusPaneMargin = 100;
const wchar_t kCommandProfile[] = L"ComposeSms";
const int kLetterBarX = 360;
const int kLetterBarY = 91;
const CRect kLastSmsRect(5, 115, 296, 180);
const CPoint kMovedTextPos(5, 180);
const CSize kMovedTextSize(292, 100);
} // namespace

CDlgComposeSms::CDlgComposeSms(CWnd* pParent)
    : CExtResizableDialog(IDD_COMPOSE_SMS, pParent), m_bQuote(0), m_bWithSender(0), m_bSignature(0), m_nSelStart(0),
      m_nSelEnd(0), m_hAccel(nullptr)
{}

CDlgComposeSms::~CDlgComposeSms() {}

INT_PTR CDlgComposeSms::SetModeAndRun(int bQuote, int bWithSender, int bSignature)
{
    m_bQuote = bQuote;
    m_bWithSender = bWithSender;
    m_bSignature = bSignature;
    return DoModal();
}

CCorvane_smsDoc* CDlgComposeSms::GetDoc() const
{
    CPhoneHost* pHost = GetPhoneHost();
    return pHost ? pHost->GetDoc() : nullptr;
}

void CDlgComposeSms::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMPOSE_RECIPIENTS_LABEL, m_wndRecipientsLabel);
    DDX_Control(pDX, IDC_COMPOSE_RECIPIENTS, m_wndRecipients);
    DDX_Control(pDX, IDC_COMPOSE_TEXT, m_wndText);
    DDX_Control(pDX, IDC_COMPOSE_COUNTER_LABEL, m_wndCounterLabel);
    DDX_Control(pDX, IDC_COMPOSE_COUNTER, m_wndCounter);
    DDX_Control(pDX, IDC_COMPOSE_FLASH, m_wndFlash);
    DDX_Control(pDX, IDC_COMPOSE_TEMPLATES, m_wndTemplates);
    for (int i = 0; i < kEmoticonCount; ++i)
        DDX_Control(pDX, IDC_COMPOSE_EMOTICON_FIRST + i, m_wndEmoticons[i]);
    DDX_Control(pDX, IDC_COMPOSE_SEARCH_LABEL, m_wndSearchLabel);
    DDX_Control(pDX, IDC_COMPOSE_SEARCH, m_wndSearch);
    DDX_Control(pDX, IDC_COMPOSE_FILTER_LABEL, m_wndFilterLabel);
    DDX_Control(pDX, IDC_COMPOSE_FILTER, m_wndFilter);
    DDX_Control(pDX, IDC_COMPOSE_CATEGORY_LABEL, m_wndCategoryLabel);
    DDX_Control(pDX, IDC_COMPOSE_CATEGORY, m_wndCategory);
    DDX_Control(pDX, IDC_COMPOSE_KIND_LEGEND, m_wndKindLegend);
    DDX_Control(pDX, IDC_COMPOSE_SELECT_ALL, m_wndSelectAll);
    DDX_Control(pDX, IDC_COMPOSE_CONTACTS, m_wndContacts);
    DDX_Control(pDX, IDC_COMPOSE_TAKE_TO, m_wndTakeTo);
    DDX_Control(pDX, IDC_COMPOSE_TAKE_ADD, m_wndTakeAdd);
    DDX_Control(pDX, IDC_COMPOSE_HISTORY, m_wndHistory);
}

int CDlgComposeSms::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CExtResizableDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kStatusIndicators, 1))
        return -1;
    return 0;
}

void CDlgComposeSms::RepositionComposeBars()
{
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
    if (m_wndStatusBar.GetSafeHwnd() != nullptr)
    {
        CRect rc;
        GetClientRect(&rc);
        UINT nID = 0, nStyle = 0;
        int cx = 0;
        m_wndStatusBar.GetPaneInfo(0, nID, nStyle, cx);
        m_wndStatusBar.SetPaneInfo(0, nID, nStyle, std::max(0, rc.Width() - kStatusPaneMargin));
    }
}

void CDlgComposeSms::OnSize(UINT nType, int cx, int cy)
{
    CExtResizableDialog::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RepositionComposeBars();
}

CPoint CDlgComposeSms::PlaceOnScreen(CPoint ptStored, CSize szWindow)
{
    CRect rc(ptStored, szWindow);
    if (::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL) != nullptr)
        return ptStored;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
        return ptStored;
    const CRect rcWork(mi.rcWork);
    CPoint pt(ptStored);
    pt.x = std::max((int)rcWork.left, std::min((int)pt.x, (int)rcWork.right - (int)szWindow.cx));
    pt.y = std::max((int)rcWork.top, std::min((int)pt.y, (int)rcWork.bottom - (int)szWindow.cy));
    return pt;
}

void CDlgComposeSms::SplitCategories(const CString& strList, CStringArray& arrOut)
{
    arrOut.RemoveAll();
    std::vector<CString> fields;
    int nStart = 0;
    while (nStart <= strList.GetLength())
    {
        int nBar = strList.Find(L'|', nStart);
        CString strField = nBar >= 0 ? strList.Mid(nStart, nBar - nStart) : strList.Mid(nStart);
        strField.Trim();
        if (!strField.IsEmpty() && strField.CompareNoCase(L"|") != 0)
            fields.push_back(strField);
        if (nBar < 0)
            break;
        nStart = nBar + 1;
    }
    std::sort(fields.begin(), fields.end(), [](const CString& a, const CString& b) { return wcscmp(a, b) < 0; });
    for (const CString& s : fields)
        arrOut.Add(s);
}

BOOL CDlgComposeSms::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_hAccel = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_COMPOSE_TOOLBAR));
    // 1. The stored position, brought back onto a monitor when it lies off every one.
    {
        CAppSettings settings;
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        const CPoint pt =
            PlaceOnScreen(CPoint((int)settings.GetDialogSmsX(), (int)settings.GetDialogSmsY()), rcWindow.Size());
        SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // 2. The tool bar, with the commands of this window's own profile.
    if (g_CmdManagerHolder->FindProfileByName(kCommandProfile) == nullptr)
        g_CmdManagerHolder->CreateProfile(kCommandProfile);
    g_CmdManagerHolder->BindWindowToProfile(kCommandProfile, m_hWnd);
    if (!m_wndToolBar.CreateComposeBar(this, IDC_COMPOSE_TOOLBAR))
        return TRUE;
    AddAnchorById(IDC_COMPOSE_TOOLBAR, CSize(0, 0), CSize(100, 0));
    RepositionComposeBars();

    // 3. The filter and category boxes.
    CCorvane_smsDoc* pDoc = GetDoc();
    {
        CAppSettings settings;
        m_wndFilter.ResetContent();
        m_wndFilter.AddString(L"Semua");
        m_wndFilter.AddString(L"Mobile");
        m_wndFilter.AddString(L"Mob+Car+Rad");
        m_wndFilter.SetCurSel((int)settings.GetNoFilter());
        m_wndCategory.ResetContent();
        m_wndCategory.AddString(L"Semua");
        CStringArray categories;
        if (pDoc)
            SplitCategories(pDoc->m_strCategoryList, categories);
        for (INT_PTR i = 0; i < categories.GetSize(); ++i)
            m_wndCategory.AddString(categories[i]);
        m_wndCategory.SetCurSel((int)settings.GetNoCategoryContact());
    }
    // 4. The contact list and the letter bar.
    m_wndContacts.SetDocument(pDoc);
    m_wndContacts.SetFilterCombo(&m_wndFilter);
    m_wndContacts.SetExtendedStyle(m_wndContacts.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_wndContacts.InsertColumn(0, L"header dummy", LVCFMT_LEFT, 100);
    m_wndContacts.Fill(&m_wndFilter, &m_wndCategory, CString());
    m_wndLetters.Create(WS_CHILD | WS_VISIBLE, kLetterBarX, kLetterBarY, this, IDC_COMPOSE_LETTER_BAR);

    // 5, 6. The fields of the mode.
    m_bInteractive = 1;
    FillFields();
    if (m_strMode.CompareNoCase(L"Reply") == 0 && m_pSource != nullptr && !m_bQuote &&
        m_wndLastSms.GetSafeHwnd() == nullptr)
    {
        TRACE(L"Failed to create Editbox last SMS\n");
        return FALSE;
    }

    // 7. The emoticon pictures.
    for (int i = 0; i < kEmoticonCount; ++i)
        m_wndEmoticons[i].SetBitmaps((int)kEmoticonBitmaps[i], kEmoticonMask);

    // 8. The templates.
    if (pDoc)
    {
        if (::GetFileAttributesW(pDoc->GetMyTextFilePath()) == INVALID_FILE_ATTRIBUTES)
            pDoc->WriteDefaultMyText();
    }
    FillTemplates();

    // 9. Anchors.
    AddAnchorById(IDC_COMPOSE_CONTACTS, CSize(0, 0), CSize(100, 100));
    AddAnchorById(IDC_COMPOSE_TEXT, CSize(0, 0), CSize(0, 100));
    AddAnchorById(IDC_COMPOSE_COUNTER, CSize(0, 100), CSize(100, 100));
    AddAnchorById(IDC_COMPOSE_FLASH, CSize(0, 100), CSize(100, 100));

    // 10. The counter and the bold font.
    UpdateCounter();
    m_fontBold.CreateFont(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    m_wndText.SetFont(&m_fontBold);
    return FALSE; // the focus was set
}

void CDlgComposeSms::FillFields()
{
    CAppSettings settings;
    const CString strPrefixSetting = settings.GetSmsPrefix();
    const bool bUsePrefix = settings.GetIsSmsPrefix() != 0 && !strPrefixSetting.IsEmpty();
    const CString strPrefix = bUsePrefix ? strPrefixSetting : CString();
    const CString strSignature = m_bSignature ? L"\r\n" + settings.GetSignature() : CString();
    const CSMS* pSrc = m_pSource;
    CWnd* pFocus = &m_wndRecipients;
    bool bCaretAfterPrefix = false;

    if (pSrc == nullptr)
    {
        m_wndRecipients.SetWindowText(L"");
        m_wndText.SetWindowText(strPrefix + strSignature);
    }
    else if (m_strMode.CompareNoCase(L"Reply") == 0)
    {
        m_wndRecipients.SetWindowText(ParseRecipients(pSrc->m_strSenderName, pSrc->m_strSenderNumber));
        if (m_bQuote)
        {
            CString strQuote = pSrc->m_strText;
            const int nCut = (int)settings.GetNumCutQuotedSms();
            if (settings.GetIsCutQuotedSms() && strQuote.GetLength() > nCut)
                strQuote = strQuote.Left(nCut) + L"..[del]";
            m_wndText.SetWindowText(strPrefix + strSignature + L"\r\n" + L"Quote: " + strQuote);
        }
        else
        {
            m_wndText.SetWindowText(strPrefix + strSignature);
            if (m_wndLastSms.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                          ES_READONLY | ES_WANTRETURN | WS_TABSTOP,
                                      kLastSmsRect, this, IDC_COMPOSE_LAST_SMS))
            {
                m_wndLastSms.SetFont(GetFont());
                m_wndLastSms.SetWindowText(pSrc->m_strText);
                m_wndText.SetWindowPos(nullptr, kMovedTextPos.x, kMovedTextPos.y, kMovedTextSize.cx, kMovedTextSize.cy,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        bCaretAfterPrefix = bUsePrefix;
        pFocus = &m_wndText;
    }
    else if (m_strMode.CompareNoCase(L"Forward") == 0)
    {
        m_wndRecipients.SetWindowText(L"");
        CString strText;
        if (m_bWithSender && pSrc->m_strFolder.CompareNoCase(SMS_FOLDER_INBOX) == 0 && !pSrc->m_strSenderName.IsEmpty())
            strText = strPrefix + L"From: " + pSrc->m_strSenderName + L">" + pSrc->m_strText;
        else
            strText = strPrefix + pSrc->m_strText;
        m_wndText.SetWindowText(strText + strSignature);
    }
    else if (m_strMode == L"ReCompose")
    {
        m_wndRecipients.SetWindowText(ParseRecipients(pSrc->m_strRecipientName, pSrc->m_strRecipientNumber));
        m_wndText.SetWindowText(strPrefix + strSignature);
        bCaretAfterPrefix = true;
        pFocus = &m_wndText;
    }
    else if (m_strMode.CompareNoCase(L"RubahDraft") == 0)
    {
        const CString strRecipients = ParseRecipients(pSrc->m_strRecipientName, pSrc->m_strRecipientNumber);
        m_wndRecipients.SetWindowText(strRecipients);
        m_wndText.SetWindowText(pSrc->m_strText);
        m_wndFlash.SetCheck(pSrc->m_bFlash ? BST_CHECKED : BST_UNCHECKED);
        LoadPartial(*pSrc, strRecipients);
        pFocus = &m_wndText;
    }
    else
    {
        m_wndRecipients.SetWindowText(L"");
        m_wndText.SetWindowText(L"");
    }
    if (bCaretAfterPrefix)
    {
        m_wndText.SetSel(strPrefix.GetLength(), strPrefix.GetLength());
        m_wndText.SendMessage(EM_SCROLLCARET);
    }
    pFocus->SetFocus();
}

// ---- counter and texts ---------------------------------------------------------------------------

CString CDlgComposeSms::CounterText(const CString& strMessage)
{
    CString strText;
    strText.Format(L"%d/%d SMS", strMessage.GetLength(), CountParts(strMessage));
    return strText;
}

void CDlgComposeSms::UpdateCounter()
{
    CString strMessage;
    m_wndText.GetWindowText(strMessage);
    m_wndCounter.SetWindowText(CounterText(strMessage));
}

void CDlgComposeSms::OnTextChange() { UpdateCounter(); }

void CDlgComposeSms::OnTextKillFocus()
{
    int nStart = 0, nEnd = 0;
    m_wndText.GetSel(nStart, nEnd);
    m_nSelStart = nStart;
    m_nSelEnd = nEnd;
}

void CDlgComposeSms::InsertText(const CString& strText)
{
    CString strMessage;
    m_wndText.GetWindowText(strMessage);
    // A saved selection beyond the text (it was shortened since) inserts at the end.
    const int nLength = strMessage.GetLength();
    const int nStart = std::min(std::max(0, m_nSelStart), nLength);
    const int nEnd = std::min(std::max(nStart, m_nSelEnd), nLength);
    if (nEnd > nStart)
        strMessage = strMessage.Left(nStart) + strMessage.Mid(nEnd);
    strMessage = strMessage.Left(nStart) + strText + strMessage.Mid(nStart);
    m_wndText.SetWindowText(strMessage);
    UpdateCounter();
    const int nCaret = nStart + strText.GetLength();
    m_wndText.SetSel(nCaret, nCaret);
    m_wndText.SendMessage(EM_SCROLLCARET);
    m_wndText.SetFocus();
}

void CDlgComposeSms::OnEmoticon(UINT nID)
{
    PlayTapIconSound();
    const int nIndex = (int)nID - IDC_COMPOSE_EMOTICON_FIRST;
    if (nIndex >= 0 && nIndex < kEmoticonCount)
        InsertText(kEmoticons[nIndex]);
}

void CDlgComposeSms::OnEditCommand(UINT nID)
{
    CWnd* pFocus = GetFocus();
    if (pFocus == nullptr)
        return;
    const int nFocusId = pFocus->GetDlgCtrlID();
    if (pFocus->GetParent() != this || (nFocusId != IDC_COMPOSE_TEXT && nFocusId != IDC_COMPOSE_LAST_SMS &&
                                        nFocusId != IDC_COMPOSE_RECIPIENTS && nFocusId != IDC_COMPOSE_SEARCH))
        return;
    const UINT nMessage = nID == ID_COMPOSE_CUT ? WM_CUT : (nID == ID_COMPOSE_COPY ? WM_COPY : WM_PASTE);
    pFocus->SendMessage(nMessage);
}

// ---- templates -----------------------------------------------------------------------------------

void CDlgComposeSms::FillTemplates()
{
    std::vector<CString> lines;
    if (CCorvane_smsDoc* pDoc = GetDoc())
    {
        const CString strPath = pDoc->GetMyTextFilePath();
        if (!strPath.IsEmpty() && ::GetFileAttributesW(strPath) != INVALID_FILE_ATTRIBUTES)
        {
            CUnicodeTextReader reader(strPath);
            CString strLine;
            while (reader.ReadLine(strLine))
                lines.push_back(strLine);
            reader.Close();
        }
    }
    std::sort(lines.begin(), lines.end(), [](const CString& a, const CString& b) { return wcscmp(a, b) < 0; });
    m_wndTemplates.ResetContent();
    m_wndTemplates.AddString(kTemplateFirst);
    for (const CString& s : lines)
        m_wndTemplates.AddString(s);
    m_wndTemplates.AddString(kTemplateEdit);
    m_wndTemplates.SetCurSel(0);
}

void CDlgComposeSms::OnTemplateSelEndOk()
{
    const int nSel = m_wndTemplates.GetCurSel();
    if (nSel <= 0)
        return;
    // "Edit...": the settings sheet on the MyText page; after OK the file is written anew and
    // the box filled again from it.
    if (nSel == m_wndTemplates.GetCount() - 1)
    {
        CDlgSetting dlg(this);
        dlg.SetStartPage(kSettingMyText);
        CCorvane_smsDoc* pDoc = GetDoc();
        if (dlg.DoModal() != IDCANCEL && pDoc != nullptr && dlg.m_pageMyText.HoldsList())
        {
            CDlgMyText::StoreList(this, pDoc->GetMyTextFilePath(), dlg.m_pageMyText.m_arrText);
            FillTemplates();
        }
        return;
    }
    CString strText;
    m_wndTemplates.GetLBText(nSel, strText);
    InsertText(strText);
    m_wndTemplates.SetCurSel(0);
    m_wndText.SetFocus();
}

void CDlgComposeSms::OnTemplateSelEndCancel()
{
    if (ListClosedByUser(m_wndTemplates))
        m_wndText.SetFocus();
}

bool CDlgComposeSms::ListClosedByUser(const CWnd& box)
{
    const HWND hFocus = ::GetFocus();
    return ::SendMessageW(box.m_hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0 &&
           (hFocus == box.m_hWnd || ::IsChild(box.m_hWnd, hFocus));
}

// ---- keys ----------------------------------------------------------------------------------------

BOOL CDlgComposeSms::PreTranslateMessage(MSG* pMsg)
{
    // The window's own keys, not those of a box it shows.
    if (m_hAccel != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) && ::TranslateAcceleratorW(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CExtResizableDialog::PreTranslateMessage(pMsg);
}

void CDlgComposeSms::OnOK()
{
    const HWND hFocus = ::GetFocus();
    if ((hFocus == m_wndSearch.m_hWnd || hFocus == m_wndContacts.m_hWnd) && m_wndContacts.GetItemCount() > 0)
    {
        if (m_wndContacts.GetSelectedCount() == 0)
            m_wndContacts.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        OnTakeAdd();
        return;
    }
    NextDlgCtrl();
}

// ---- contacts ------------------------------------------------------------------------------------

void CDlgComposeSms::FillContacts()
{
    CString strSearch;
    m_wndSearch.GetWindowText(strSearch);
    m_wndContacts.Fill(&m_wndFilter, &m_wndCategory, strSearch);
}

void CDlgComposeSms::OnSearchChange() { FillContacts(); }

void CDlgComposeSms::OnLetterPicked()
{
    const wchar_t ch = m_wndLetters.GetCurrentLetter();
    m_wndSearch.SetWindowText(ch == L'#' ? CString() : CString(ch));
    FillContacts();
}

void CDlgComposeSms::OnFilterSelEndOk()
{
    FillContacts();
    m_wndContacts.Invalidate();
    CAppSettings settings;
    settings.SetNoFilter((UINT)std::max(0, m_wndFilter.GetCurSel()));
    settings.SetNoCategoryContact((UINT)std::max(0, m_wndCategory.GetCurSel()));
    if (ListClosedByUser(m_wndFilter) || ListClosedByUser(m_wndCategory))
        m_wndContacts.SetFocus();
}

void CDlgComposeSms::OnCategorySelEndOk() { OnFilterSelEndOk(); }

void CDlgComposeSms::OnFilterSelEndCancel()
{
    if (ListClosedByUser(m_wndFilter))
        m_wndContacts.SetFocus();
}

void CDlgComposeSms::OnCategorySelEndCancel()
{
    if (ListClosedByUser(m_wndCategory))
        m_wndContacts.SetFocus();
}

void CDlgComposeSms::OnKindLegend() { MessageBox(kKindLegend, L"Info", MB_OK); }

void CDlgComposeSms::OnSelectAll()
{
    const bool bAll = m_wndSelectAll.GetCheck() == BST_CHECKED;
    m_wndContacts.SetItemState(-1, bAll ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

CString CDlgComposeSms::SelectedContactsText()
{
    std::vector<int> rows;
    for (int i = m_wndContacts.GetNextItem(-1, LVNI_SELECTED); i >= 0; i = m_wndContacts.GetNextItem(i, LVNI_SELECTED))
        rows.push_back(i);
    CString strText;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
    {
        if (*it >= m_wndContacts.GetRowCount())
            continue;
        const CString& strRow = m_wndContacts.GetRow(*it).m_strText;
        if (!strText.IsEmpty())
            strText += L";";
        strText += strRow.Left(std::max(0, strRow.GetLength() - 4));
    }
    return strText;
}

void CDlgComposeSms::OnTakeTo() { m_wndRecipients.SetWindowText(SelectedContactsText()); }

LRESULT CDlgComposeSms::OnAddRecipient(WPARAM, LPARAM)
{
    OnTakeTo();
    return 0;
}

void CDlgComposeSms::OnTakeAdd()
{
    const CString strSelected = SelectedContactsText();
    CString strField;
    m_wndRecipients.GetWindowText(strField);
    if (strField.IsEmpty())
    {
        m_wndRecipients.SetWindowText(strSelected);
        return;
    }
    if (strField.Right(1) == L";")
        strField = strField.Left(strField.GetLength() - 1);
    m_wndRecipients.SetWindowText(strField + L";" + strSelected);
}
