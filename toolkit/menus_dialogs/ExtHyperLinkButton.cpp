// CExtHyperLinkButton: link painting and the three ways of opening a target.
#include "toolkit/menus_dialogs/ExtHyperLinkButton.h"
#include "platform/MessageBox.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include <algorithm>
#include <intshcut.h>
#include <shellapi.h>

IMPLEMENT_DYNCREATE(CExtHyperLinkButton, CExtButton)

CExtHyperLinkButton::CExtHyperLinkButton()
    : m_nLinkFlags(kLinkShowVisited), m_nTextAlign(DT_LEFT), m_clrVisited(RGB(128, 0, 128)), m_bAlwaysUnderline(false)
{
    m_clrTextNormal = RGB(0, 0, 255);
    m_clrTextHover = RGB(255, 0, 0);
    SetBtnCursor(32649);
}

LPCTSTR CExtHyperLinkButton::VerbText(int nVerb)
{
    switch (nVerb)
    {
    case kVerbEdit: return L"edit";
    case kVerbPrint: return L"print";
    default: return L"open";
    }
}

CString CExtHyperLinkButton::GetEffectiveTarget() const
{
    if (!m_sTarget.IsEmpty())
        return m_sTarget;
    CString sText;
    if (GetSafeHwnd() != nullptr)
        GetWindowText(sText);
    sText.Trim();
    return sText;
}

void CExtHyperLinkButton::OnClick(bool bFromKeyboard, bool bOnDropDownPart)
{
    if ((m_nLinkFlags & kLinkAsButton) != 0)
    {
        HWND hWnd = m_hWnd;
        CExtButton::OnClick(bFromKeyboard, bOnDropDownPart);
        if (!::IsWindow(hWnd))
            return;
        m_nLinkFlags |= kLinkVisited;
        Repaint();
        return;
    }
    Navigate(GetEffectiveTarget(), kVerbOpen, false);
}

static bool HasPrefix(const CString& s, LPCTSTR lpszPrefix)
{
    int n = ::lstrlenW(lpszPrefix);
    return s.GetLength() >= n && ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, s, n, lpszPrefix, n) == CSTR_EQUAL;
}

bool CExtHyperLinkButton::Navigate(LPCTSTR lpszTarget, int nVerb, bool bShowError)
{
    CString sTarget(lpszTarget != nullptr ? lpszTarget : L"");
    bool bOk;
    if (HasPrefix(sTarget, L"http://") || HasPrefix(sTarget, L"file://") || HasPrefix(sTarget, L"www.") ||
        HasPrefix(sTarget, L"web."))
        bOk = OpenByAssociation(sTarget, nVerb, bShowError) || OpenByInternetShortcut(sTarget, nVerb, bShowError) ||
              OpenTarget(sTarget, nVerb, bShowError);
    else
        bOk = OpenByInternetShortcut(sTarget, nVerb, false) || OpenTarget(sTarget, nVerb, false) ||
              OpenByAssociation(sTarget, nVerb, false);
    if (!bOk)
        return false;
    m_nLinkFlags |= kLinkVisited;
    if (GetSafeHwnd() != nullptr)
        Repaint();
    return true;
}

bool CExtHyperLinkButton::OpenByInternetShortcut(LPCTSTR lpszTarget, int nVerb, bool bShowError)
{
    (void)bShowError;
    IUniformResourceLocatorW* pUrl = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER, IID_IUniformResourceLocatorW,
                                  (void**)&pUrl)) ||
        pUrl == nullptr)
        return false;
    bool bOk = false;
    if (SUCCEEDED(pUrl->SetURL(lpszTarget, IURL_SETURL_FL_GUESS_PROTOCOL)))
    {
        URLINVOKECOMMANDINFOW info;
        ::ZeroMemory(&info, sizeof(info));
        info.dwcbSize = sizeof(info);
        info.dwFlags = IURL_INVOKECOMMAND_FL_ALLOW_UI;
        info.hwndParent = ::GetDesktopWindow();
        info.pcszVerb = VerbText(nVerb);
        bOk = SUCCEEDED(pUrl->InvokeCommand(&info));
    }
    pUrl->Release();
    return bOk;
}

bool CExtHyperLinkButton::OpenTarget(LPCTSTR lpszTarget, int nVerb, bool bShowError)
{
    INT_PTR nResult =
        (INT_PTR)::ShellExecuteW(::GetDesktopWindow(), VerbText(nVerb), lpszTarget, nullptr, nullptr, SW_SHOW);
    if (nResult > 32)
        return true;
    if (bShowError)
        ShowOpenError((int)nResult);
    return false;
}

bool CExtHyperLinkButton::BuildAssociationCommand(const CString& sCommand, const CString& sTarget, CString& sCmdLine)
{
    // The target goes in as one quoted argument: one holding a quotation mark could add its own.
    if (sTarget.Find(L'"') >= 0)
        return false;
    CString sLine(sCommand);
    int nQuoted = sLine.Find(L"\"%1\"");
    int nBare = sLine.Find(L"%1");
    if (nQuoted >= 0)
        sLine = sLine.Left(nQuoted);
    else if (nBare >= 0)
        sLine = sLine.Left(nBare);
    sLine.TrimRight();
    sCmdLine = sLine + L" \"" + sTarget + L"\"";
    return true;
}

static bool ReadDefaultValue(HKEY hKeyRoot, LPCWSTR lpszKey, CString& sValue)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(hKeyRoot, lpszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    wchar_t szValue[MAX_PATH + 1] = {};
    DWORD cb = MAX_PATH * sizeof(wchar_t);
    DWORD dwType = 0;
    LONG lResult = ::RegQueryValueExW(hKey, nullptr, nullptr, &dwType, (BYTE*)szValue, &cb);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return false;
    szValue[MAX_PATH] = 0;
    sValue = szValue;
    return !sValue.IsEmpty();
}

bool CExtHyperLinkButton::OpenByAssociation(LPCTSTR lpszTarget, int nVerb, bool bShowError)
{
    CString sClass, sCommand;
    if (!ReadDefaultValue(HKEY_CLASSES_ROOT, L".htm", sClass))
        return false;
    CString sKey = sClass + L"\\shell\\" + VerbText(nVerb) + L"\\command";
    if (!ReadDefaultValue(HKEY_CLASSES_ROOT, sKey, sCommand))
        return false;
    CString sCmdLine;
    if (!BuildAssociationCommand(sCommand, CString(lpszTarget != nullptr ? lpszTarget : L""), sCmdLine))
        return false;
    STARTUPINFOW si;
    ::ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi;
    ::ZeroMemory(&pi, sizeof(pi));
    CString sMutable(sCmdLine);
    if (::CreateProcessW(nullptr, sMutable.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    {
        sMutable.ReleaseBuffer();
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        return true;
    }
    sMutable.ReleaseBuffer();
    DWORD dwError = ::GetLastError();
    if (bShowError)
        ShowOpenError((int)dwError);
    return false;
}

CString CExtHyperLinkButton::FormatOpenError(int nCode)
{
    CString sReason;
    switch (nCode)
    {
    case 0: sReason = L"OS is out of memory or resources."; break;
    case 2: sReason = L"File was not found."; break;
    case 3: sReason = L"Path was not found."; break;
    case 5: sReason = L"OS denied access to the file."; break;
    case 8: sReason = L"Not enough memory."; break;
    case 11: sReason = L"EXE file is invalid (must run on other platform or error in its image)."; break;
    case 26: sReason = L"A sharing violation occurred."; break;
    case 27: sReason = L"The filename association is incomplete or invalid."; break;
    case 28: sReason = L"DDE transaction could not be completed due to request timed out."; break;
    case 29: sReason = L"DDE transaction failed."; break;
    case 30: sReason = L"DDE transaction was not completed due to other DDE transactions."; break;
    case 31: sReason = L"There is no application associated with the given filename extension."; break;
    case 32: sReason = L"DLL was not found."; break;
    default: sReason.Format(L"Unknown Error (%d=0x%X) occurred.", nCode, nCode); break;
    }
    CString sText;
    sText.Format(L"Unable to open hyper link:\n%s", (LPCTSTR)sReason);
    return sText;
}

void CExtHyperLinkButton::ShowOpenError(int nCode) { AfxMessageBox(FormatOpenError(nCode), MB_OK | MB_ICONHAND); }

void CExtHyperLinkButton::GetDisplayText(CString& sText) const
{
    sText.Empty();
    if (GetSafeHwnd() != nullptr)
        GetWindowText(sText);
}

COLORREF CExtHyperLinkButton::GetLinkTextColor(bool bVisited, bool bEnabled, bool bDrawFocus, bool bFocused,
                                               bool bHover, bool bPushed)
{
    (void)bDrawFocus;
    CWindowDC dcScreen(nullptr);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    COLORREF clr = pPM->GetLabelTextColor(dcScreen, bEnabled, bFocused, bHover, bPushed, this);
    if (clr != (COLORREF)-1)
        return clr;
    if (bEnabled)
    {
        bool bNormal = !bFocused && !bHover && !bPushed;
        if (bNormal && bVisited)
            clr = m_clrVisited;
        else if (bNormal)
            clr = m_clrTextNormal;
        else
            clr = m_clrTextHover;
        return clr != (COLORREF)-1 ? clr : pPM->GetTranslatedColor(COLOR_BTNTEXT, this);
    }
    return m_clrTextDisabled != (COLORREF)-1 ? m_clrTextDisabled : pPM->GetTranslatedColor(COLOR_3DSHADOW, this);
}

void CExtHyperLinkButton::DrawLinkText(CDC& dc, const CRect& rc, bool bVisited, bool bEnabled, bool bDrawFocus,
                                       bool bFocused, bool bHover, bool bPushed)
{
    CString sText;
    GetDisplayText(sText);
    if (sText.IsEmpty())
        return;
    HDC hDC = dc.GetSafeHdc();
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HFONT hFontNormal = (HFONT)pPM->m_fontNormal.GetSafeHandle();
    HFONT hFontUnderline = nullptr;
    if (bHover || bPushed || bFocused || m_bAlwaysUnderline)
    {
        LOGFONTW lf;
        ::ZeroMemory(&lf, sizeof(lf));
        ::GetObjectW(hFontNormal, sizeof(lf), &lf);
        lf.lfUnderline = TRUE;
        hFontUnderline = ::CreateFontIndirectW(&lf);
    }
    HGDIOBJ hOldFont = ::SelectObject(hDC, hFontUnderline != nullptr ? hFontUnderline : hFontNormal);
    COLORREF clrOld = ::SetTextColor(hDC, GetLinkTextColor(bVisited, bEnabled, bDrawFocus, bFocused, bHover, bPushed));
    CRect rcText(rc);
    rcText.DeflateRect(2, 2);
    CRect rcFocus;
    if (bDrawFocus)
    {
        CRect rcMeasure(0, 0, 0, 0);
        ::DrawTextW(hDC, sText, -1, &rcMeasure, DT_CALCRECT | DT_SINGLELINE);
        int cx = std::min(rcMeasure.Width(), rcText.Width());
        int cy = std::min(rcMeasure.Height(), rcText.Height());
        int x = rcText.left;
        if (m_nTextAlign == DT_CENTER)
            x += (rcText.Width() - cx) / 2;
        else if (m_nTextAlign == DT_RIGHT)
            x = rcText.right - cx;
        int y = rcText.top + (rc.Height() - cy) / 2;
        rcFocus.SetRect(x, y, x + cx, y + cy);
        rcFocus.left -= 2;
        rcFocus.top -= 2;
        rcFocus.right += 2;
        rcFocus.bottom += 1;
    }
    ::DrawTextW(hDC, sText, -1, &rcText, (UINT)m_nTextAlign | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    ::SetTextColor(hDC, clrOld);
    ::SelectObject(hDC, hOldFont);
    if (hFontUnderline != nullptr)
        ::DeleteObject(hFontUnderline);
    ::SetBkMode(hDC, nOldMode);
    if (bDrawFocus && bFocused)
        ::DrawFocusRect(hDC, &rcFocus);
}

void CExtHyperLinkButton::PaintButton(CDC& dc, bool bTransparentBackground)
{
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (!bTransparentBackground)
        PaintBackground(dc, rcClient, true);
    bool bHover = (m_nStateFlags & kStateHover) != 0 && !CExtControlHelpers::IsMenuTracking();
    DrawLinkText(dc, rcClient, IsVisited() && (m_nLinkFlags & kLinkShowVisited) != 0, IsEnabled(),
                 (m_nStateFlags & kStateFocusRect) != 0, ::GetFocus() == m_hWnd, bHover,
                 (m_nStateFlags & kStatePushed) != 0);
}
