// CDlgDialer: opening, painting, the hotspots, the contact list and dialling through the phone.
#include "app/DlgDialer.h"
#include "app/Corvane_sms.h"
#include "app/DlgTextInput.h"
#include "app/MainFrm.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneSession.h"
#include "phone/PhoneUse.h"
#include "phone/PostedText.h"
#include "phone/StoreHelpers.h"
#include "res/app_tools_ids.h"

#include <algorithm>
#include <mmsystem.h>

BEGIN_MESSAGE_MAP(CDlgDialer, CDialog)
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_COMMAND(IDC_DIALER_LETTER_BAR, OnLetter)
ON_MESSAGE(WM_APP_DIALER_CONTACT, OnDialerContact)
ON_MESSAGE(WM_APP_DIALER_UPDATE, OnDialerUpdate)
END_MESSAGE_MAP()

const CDlgDialer::SHotspot CDlgDialer::s_hotspots[] = {
    {kRefresh, 0, {0, 0, 0, 0}},        {kKey, L'1', {4, 109, 54, 138}},     {kKey, L'2', {60, 109, 110, 138}},
    {kKey, L'3', {116, 109, 166, 138}}, {kKey, L'4', {4, 145, 54, 174}},     {kKey, L'5', {60, 145, 110, 174}},
    {kKey, L'6', {116, 145, 166, 174}}, {kKey, L'7', {4, 183, 54, 212}},     {kKey, L'8', {60, 183, 110, 212}},
    {kKey, L'9', {116, 183, 166, 212}}, {kKey, L'*', {4, 220, 54, 249}},     {kKey, L'0', {60, 220, 110, 249}},
    {kKey, L'#', {116, 220, 166, 249}}, {kBackspace, 0, {199, 36, 239, 63}}, {kCopy, 0, {15, 10, 33, 30}},
    {kPaste, 0, {42, 10, 61, 30}},      {kEdit, 0, {69, 10, 88, 30}},        {kContacts, 0, {102, 10, 121, 30}},
    {kOutgoing, 0, {196, 6, 215, 26}},  {kDial, 0, {171, 108, 236, 138}},    {kClear, 0, {171, 145, 236, 175}},
};
const int CDlgDialer::s_nHotspots = sizeof s_hotspots / sizeof s_hotspots[0];

namespace
{
const wchar_t kDefaultSkin[] = L"chess-w";
const wchar_t kWhiteSuffix[] = L"-w.gif";
const wchar_t kToneFile[] = L"phone-tone.wav";
const wchar_t kDialFailed[] = L"maaf handphone anda tidak mensupport fasilitas ini.";
const CPoint kAutoDialPoint(180, 110); // inside the dial hotspot
const int kListTop = 124;
const int kLetterBarTop = 108;
const int kScreenMargin = 25;
// What a number can hold: the keys and a pasted "+".
const wchar_t kKeyCharacters[] = L"0123456789*#+";

// The text with only "+" and the decimal digits kept.
CString DialDigits(const CString& str) { return FilterPhoneNumber(str); }

// A number the phone can dial: key characters only, a digit among them (not a sender's name).
bool IsDialable(const CString& str)
{
    return !str.IsEmpty() && wcsspn(str, kKeyCharacters) == (size_t)str.GetLength() &&
           str.FindOneOf(L"0123456789") >= 0;
}
} // namespace

CDlgDialer::CDlgDialer(CWnd* pParent, const CString& strNumber, BOOL bAutoDial)
    : CDialog(IDD_DIALER, pParent), m_strNumber(IsDialable(strNumber) ? strNumber : CString()), m_bAutoDial(bAutoDial),
      m_bContactsShown(FALSE), m_bWhiteText(FALSE)
{}

CDlgDialer::~CDlgDialer() {}

void CDlgDialer::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIALER_NUMBER, m_wndNumber);
}

CString CDlgDialer::GetSkinPath()
{
    CString strSkin;
    {
        CAppSettings settings;
        strSkin = settings.GetDialerSkin();
    }
    if (strSkin.IsEmpty())
        strSkin = kDefaultSkin;
    return GetAppFolder() + L"skins\\" + strSkin + L".gif";
}

BOOL CDlgDialer::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The client is the skin's size whatever the dialog font's units.
    CRect rcWindow(0, 0, kSkinWidth, kSkinHeight);
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_rcLarge.SetRect(7, 68, 230, 108);
    m_rcSmall.SetRect(7, 72, 230, 108);

    m_strSkinPath = GetSkinPath();
    m_bWhiteText = m_strSkinPath.Find(kWhiteSuffix) >= 0;
    m_picture.Load(m_strSkinPath);

    CreateNumberFont(m_fontLarge, kLargeFontHeight, kLargeLimit - 1, m_rcLarge.Width());
    CreateNumberFont(m_fontSmall, kSmallFontHeight, kMaxNumber, m_rcSmall.Width());

    if (m_bAutoDial)
        SetTimer(kTimerAutoDial, kAutoDialDelay, nullptr);
    m_wndNumber.SetWindowText(m_strNumber);

    CPoint ptList(0, kListTop);
    ClientToScreen(&ptList);
    const int nListHeight = std::max(0, ::GetSystemMetrics(SM_CYSCREEN) - kScreenMargin - (int)ptList.y);
    const DWORD dwListStyle =
        WS_CHILD | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_OWNERDATA | LVS_SHOWSELALWAYS;
    if (!m_wndContacts.Create(dwListStyle, CRect(0, kListTop, kSkinWidth, kListTop + nListHeight), this,
                              IDC_DIALER_CONTACTS))
    {
        TRACE(L"Failed to create listcontrol contact dial\n");
        return TRUE;
    }
    m_wndContacts.InsertColumn(0, L"header dummy");
    m_wndContacts.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    m_wndLetters.Create(WS_CHILD, 0, kLetterBarTop, this, IDC_DIALER_LETTER_BAR);
    m_wndContacts.Fill(CString());
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp != nullptr && pApp->GetDoc() != nullptr)
        pApp->GetDoc()->LoadOutlookContacts();
    SetForegroundWindow();
    return TRUE;
}

void CDlgDialer::DoPaint(CDC& dc)
{
    m_picture.Draw(&dc, 0, 0, 1.0);
    const bool bLarge = m_strNumber.GetLength() < kLargeLimit;
    CRect rc = bLarge ? m_rcLarge : m_rcSmall;
    CFont* pOldFont = dc.SelectObject(bLarge ? &m_fontLarge : &m_fontSmall);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(m_bWhiteText ? RGB(255, 255, 255) : RGB(0, 0, 0));
    dc.DrawText(m_strNumber, &rc, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

void CDlgDialer::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CDlgDialer::OnEraseBkgnd(CDC* pDC) { return CDialog::OnEraseBkgnd(pDC); }

void CDlgDialer::NumberChanged()
{
    m_wndNumber.SetWindowText(m_strNumber);
    // Both rectangles: the number may just have changed its size.
    CRect rc = m_rcLarge;
    rc.UnionRect(&rc, &m_rcSmall);
    InvalidateRect(&rc);
    UpdateWindow();
}

void CDlgDialer::AppendKey(wchar_t chKey)
{
    if (m_strNumber.GetLength() > kMaxNumber - 1)
        return;
    m_strNumber += chKey;
    NumberChanged();
    ::PlaySoundW(GetAppFolder() + kToneFile, nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void CDlgDialer::RemoveLastKey()
{
    if (!m_strNumber.IsEmpty())
        m_strNumber = m_strNumber.Left(m_strNumber.GetLength() - 1);
    NumberChanged();
}

BOOL CDlgDialer::PreTranslateMessage(MSG* pMsg)
{
    // The keys of the window and of its hidden controls (the contact list shown keeps its own).
    if (pMsg->message == WM_CHAR &&
        (pMsg->hwnd == m_hWnd || (::IsChild(m_hWnd, pMsg->hwnd) && !::IsWindowVisible(pMsg->hwnd))))
    {
        const wchar_t ch = (wchar_t)pMsg->wParam;
        if ((ch >= L'0' && ch <= L'9') || ch == L'*' || ch == L'#' || ch == L'+')
        {
            AppendKey(ch);
            return TRUE;
        }
        if (ch == L'\b')
        {
            RemoveLastKey();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CDlgDialer::OnOK() { Dial(); }

void CDlgDialer::ShowContacts(BOOL bShow)
{
    if (m_wndLetters.GetSafeHwnd() != nullptr)
        m_wndLetters.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    if (m_wndContacts.GetSafeHwnd() != nullptr)
        m_wndContacts.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CDlgDialer::HandleClick(CPoint point)
{
    for (int i = 0; i < s_nHotspots; ++i)
    {
        const SHotspot& h = s_hotspots[i];
        if (point.x < h.rc.left || point.x > h.rc.right || point.y < h.rc.top || point.y > h.rc.bottom)
            continue;
        switch (h.action)
        {
        case kRefresh: NumberChanged(); break;
        case kKey: AppendKey(h.chKey); break;
        case kBackspace: RemoveLastKey(); break;
        case kCopy:
        {
            CString strCopy = m_strNumber;
            strCopy.Remove(L'\n');
            m_wndNumber.SetWindowText(strCopy);
            m_wndNumber.SetSel(0, -1);
            m_wndNumber.Copy();
            break;
        }
        case kPaste:
        {
            m_wndNumber.SetWindowText(L"");
            m_wndNumber.Paste();
            CString strPasted;
            m_wndNumber.GetWindowText(strPasted);
            m_strNumber = DialDigits(strPasted);
            NumberChanged();
            break;
        }
        case kEdit:
        {
            CDlgTextInput dlg(this);
            dlg.SetTitle(L"Rubah nomor tujuan");
            dlg.SetCaption(L"Nomor Tujuan");
            dlg.m_strText = m_strNumber;
            if (dlg.DoModal() == IDOK && !dlg.m_strText.IsEmpty())
                m_strNumber = DialDigits(dlg.m_strText);
            NumberChanged();
            break;
        }
        case kContacts:
            m_bContactsShown = !m_bContactsShown;
            ShowContacts(m_bContactsShown);
            break;
        case kOutgoing:
            TRACE(L"Outgoing Button");
            NumberChanged();
            break;
        case kDial: Dial(); break;
        case kClear:
            m_strNumber.Empty();
            NumberChanged();
            break;
        }
    }
}

void CDlgDialer::OnLButtonUp(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonUp(nFlags, point);
    HandleClick(point);
}

void CDlgDialer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerAutoDial)
    {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kTimerAutoDial);
    HandleClick(kAutoDialPoint);
}

void CDlgDialer::CreateNumberFont(CFont& font, int nHeight, int nChars, int cxRoom)
{
    LOGFONTW lf = {};
    lf.lfWeight = FW_BOLD;
    lstrcpyW(lf.lfFaceName, L"Arial");
    lf.lfHeight = nHeight;
    CClientDC dc(this);
    for (;;)
    {
        font.DeleteObject();
        if (!font.CreateFontIndirect(&lf))
            return;
        CFont* pOld = dc.SelectObject(&font);
        int cxWidest = 0;
        for (const wchar_t* p = kKeyCharacters; *p != 0; ++p)
            cxWidest = std::max(cxWidest, (int)dc.GetTextExtent(CString(*p)).cx);
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(dc.GetSafeHdc(), &tm);
        dc.SelectObject(pOld);
        if (cxWidest * nChars <= cxRoom || tm.tmAveCharWidth <= 1 || lf.lfWidth == 1)
            return;
        // Narrower by the share that is too much; once more when rounding left it a pixel wide.
        const int nWidth = (lf.lfWidth != 0 ? lf.lfWidth : tm.tmAveCharWidth);
        lf.lfWidth = std::max(1, std::min(nWidth - 1, MulDiv(nWidth, cxRoom, cxWidest * nChars)));
    }
}

void CDlgDialer::Dial()
{
    if (m_strNumber.IsEmpty())
        return;
    // Never while a job holds the phone: the port is one.
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    // The session's status lines last as long as the dial: the pane gets its text back after it.
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    const CString strStatusBefore = pFrame != nullptr ? pFrame->GetStatusText(pFrame->GetStatusPaneIndex()) : CString();
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    if (CPhoneSession::OpenPort())
    {
        CPhoneSession session;
        if (!session.SendATCommand(CPhoneSession::GetSharedPort(), L"atd" + m_strNumber + L";"))
            MessageBox(kDialFailed, L"Error", MB_OK | MB_ICONERROR);
        CPhoneSession::ClosePort();
    }
    // Posted after the session's lines, so it is shown after them.
    if (pFrame != nullptr)
        PostStatusText(strStatusBefore);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

void CDlgDialer::OnLetter()
{
    const wchar_t ch = m_wndLetters.GetCurrentLetter();
    m_wndContacts.Fill(ch == L'#' ? CString() : CString(ch));
}

LRESULT CDlgDialer::OnDialerContact(WPARAM wParam, LPARAM)
{
    CString strNumber;
    const LRESULT r = TakePostedText(wParam, strNumber);
    if (r != 0)
        return r;
    m_strNumber = strNumber;
    NumberChanged();
    return 0;
}

LRESULT CDlgDialer::OnDialerUpdate(WPARAM, LPARAM)
{
    ShowContacts(FALSE);
    return 0;
}
