// CExtResDlg: creation from templates found through the resource manager, the modal run, the
// template font rule and the dialog-init step.
#include "toolkit/foundation/ExtResDlg.h"
#include "platform/DialogTemplate.h"
#include "platform/Exceptions.h"
#include "platform/WinApp.h"
#include "platform/WinThread.h"
#include "toolkit/foundation/ExtResPP.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <cstring>

IMPLEMENT_DYNCREATE(CExtResDlg, CDialog)

namespace
{
// Reads a zero-terminated UTF-16 text at dwPos; false when it runs past dwSize.
bool ReadTemplateText(const BYTE* p, DWORD dwSize, DWORD& dwPos, CString* pText)
{
    DWORD dwStart = dwPos;
    for (;;)
    {
        if (dwPos > dwSize || dwSize - dwPos < sizeof(WORD))
            return false;
        WORD ch;
        memcpy(&ch, p + dwPos, sizeof ch);
        dwPos += sizeof(WORD);
        if (ch == 0)
            break;
    }
    if (pText != nullptr)
    {
        const int nChars = (int)((dwPos - dwStart) / sizeof(WORD)) - 1;
        CString s;
        if (nChars > 0)
        {
            wchar_t* pBuf = s.GetBufferSetLength(nChars);
            memcpy(pBuf, p + dwStart, (size_t)nChars * sizeof(wchar_t));
        }
        *pText = s;
    }
    return true;
}

// A menu or class field: 0, 0xFFFF and an ordinal, or a text.
bool SkipTemplateNameOrOrdinal(const BYTE* p, DWORD dwSize, DWORD& dwPos)
{
    if (dwPos > dwSize || dwSize - dwPos < sizeof(WORD))
        return false;
    WORD w;
    memcpy(&w, p + dwPos, sizeof w);
    if (w == 0)
    {
        dwPos += sizeof(WORD);
        return true;
    }
    if (w == 0xFFFF)
    {
        if (dwSize - dwPos < 2 * sizeof(WORD))
            return false;
        dwPos += 2 * sizeof(WORD);
        return true;
    }
    return ReadTemplateText(p, dwSize, dwPos, nullptr);
}

bool IsAdjustableFace(const CString& strFace)
{
    return strFace.CompareNoCase(L"MS Sans Serif") == 0 || strFace.CompareNoCase(L"MS Shell Dlg") == 0;
}

DWORD MeasureTemplate(LPCDLGTEMPLATE lpTemplate, DWORD cbTemplate)
{
    return cbTemplate != 0 ? cbTemplate : CDialogTemplate::GetTemplateSize(lpTemplate);
}
} // namespace

bool ExtReadDialogTemplateFont(const DLGTEMPLATE* pTemplate, DWORD cbTemplate, CString& strFace, WORD& nSize)
{
    const BYTE* p = (const BYTE*)pTemplate;
    if (p == nullptr || cbTemplate < sizeof(DLGTEMPLATE))
        return false;
    const bool bEx = CDialogTemplate::IsDialogEx(pTemplate) != FALSE;
    // Plain: style, extended style, item count, x, y, cx, cy (18 bytes). Extended: version,
    // signature, help id, extended style, style, item count, x, y, cx, cy (26 bytes).
    const DWORD dwHeader = bEx ? 26 : 18;
    if (cbTemplate < dwHeader)
        return false;
    DWORD dwStyle;
    memcpy(&dwStyle, p + (bEx ? 12 : 0), sizeof dwStyle);
    if (!(dwStyle & DS_SETFONT))
        return false;
    DWORD dwPos = dwHeader;
    if (!SkipTemplateNameOrOrdinal(p, cbTemplate, dwPos) || !SkipTemplateNameOrOrdinal(p, cbTemplate, dwPos) ||
        !ReadTemplateText(p, cbTemplate, dwPos, nullptr))
        return false;
    const DWORD dwFontFixed = bEx ? 6 : 2;
    if (dwPos > cbTemplate || cbTemplate - dwPos < dwFontFixed)
        return false;
    WORD nPointSize;
    memcpy(&nPointSize, p + dwPos, sizeof nPointSize);
    dwPos += dwFontFixed;
    CString strName;
    if (!ReadTemplateText(p, cbTemplate, dwPos, &strName))
        return false;
    strFace = strName;
    nSize = nPointSize;
    return true;
}

LPCDLGTEMPLATE ExtFindDialogTemplate(LPCTSTR lpszTemplateName, DWORD& cbTemplate, HINSTANCE& hModule)
{
    cbTemplate = 0;
    HRSRC hResInfo = nullptr;
    hModule = g_ResourceManagerHolder->FindResourcePreferred(RT_DIALOG, lpszTemplateName, nullptr, &hResInfo);
    HGLOBAL hGlobal = hModule != nullptr && hResInfo != nullptr ? ::LoadResource(hModule, hResInfo) : nullptr;
    LPCDLGTEMPLATE lpTemplate = hGlobal != nullptr ? (LPCDLGTEMPLATE)::LockResource(hGlobal) : nullptr;
    if (lpTemplate == nullptr)
        return nullptr;
    // A resource is outside data: a template that does not lie within it counts as missing.
    cbTemplate = CDialogTemplate::GetTemplateSize(lpTemplate, ::SizeofResource(hModule, hResInfo));
    return cbTemplate != 0 ? lpTemplate : nullptr;
}

BOOL ExecuteDlgInitData(CWnd* pWnd, const void* pData, DWORD cbData)
{
    if (pWnd == nullptr)
        return FALSE;
    return PlatformExecuteDlgInit(pWnd, pData, cbData);
}

BOOL ExecuteResDlgInit(CWnd* pWnd, LPCTSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return ExecuteDlgInitData(pWnd, nullptr, 0);
    HRSRC hResInfo = nullptr;
    HINSTANCE hModule =
        g_ResourceManagerHolder->FindResourcePreferred(RT_DLGINIT, lpszResourceName, nullptr, &hResInfo);
    if (hModule == nullptr || hResInfo == nullptr)
        return ExecuteDlgInitData(pWnd, nullptr, 0);
    HGLOBAL hGlobal = ::LoadResource(hModule, hResInfo);
    if (hGlobal == nullptr)
        return FALSE;
    return ExecuteDlgInitData(pWnd, ::LockResource(hGlobal), ::SizeofResource(hModule, hResInfo));
}

// ----------------------------------------------------------------------------------- CExtResDlg

CExtResDlg::CExtResDlg() {}

CExtResDlg::CExtResDlg(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

CExtResDlg::CExtResDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog(lpszTemplateName, pParentWnd) {}

CExtResDlg::~CExtResDlg() {}

void CExtResDlg::SetResTemplateName(LPCTSTR lpszTemplateName)
{
    if (lpszTemplateName == nullptr || IS_INTRESOURCE(lpszTemplateName))
        m_lpszResTemplateName = lpszTemplateName;
    else
    {
        m_strResTemplateName = lpszTemplateName;
        m_lpszResTemplateName = m_strResTemplateName;
    }
}

BOOL CExtResDlg::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(LOWORD(nIDTemplate)), pParentWnd);
}

BOOL CExtResDlg::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    SetResTemplateName(lpszTemplateName);
    m_lpszTemplateName = m_lpszResTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    DWORD cbTemplate = 0;
    HINSTANCE hModule = nullptr;
    LPCDLGTEMPLATE lpTemplate = ExtFindDialogTemplate(m_lpszResTemplateName, cbTemplate, hModule);
    if (lpTemplate == nullptr)
        return FALSE;
    m_lpDialogInit = nullptr;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateFromTemplate(lpTemplate, pParentWnd, hModule, cbTemplate);
}

BOOL CExtResDlg::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = nullptr;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd, hInst);
}

BOOL CExtResDlg::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hDialogTemplate == nullptr)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    if (lpTemplate == nullptr)
        return FALSE;
    return CreateIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CExtResDlg::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    BOOL bResult = CreateIndirect(lpDialogTemplate, pParentWnd, (HINSTANCE) nullptr);
    (void)lpDialogInit; // the toolkit's dialogs take their init data from resources only
    return bResult;
}

BOOL CExtResDlg::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    return CreateIndirect(hDialogTemplate, pParentWnd, (HINSTANCE) nullptr);
}

HGLOBAL CExtResDlg::AdjustTemplateFont(LPCDLGTEMPLATE lpDialogTemplate, DWORD cbTemplate)
{
    if (lpDialogTemplate == nullptr)
        return nullptr;
    CString strSheetFace;
    WORD nSheetSize = 0;
    if (!CExtResPP::GetPropSheetFont(strSheetFace, nSheetSize, false))
        return nullptr;
    cbTemplate = MeasureTemplate(lpDialogTemplate, cbTemplate);
    CString strFace;
    WORD nSize = 0;
    if (!ExtReadDialogTemplateFont(lpDialogTemplate, cbTemplate, strFace, nSize))
        return nullptr;
    if (strFace == strSheetFace && nSize == nSheetSize)
        return nullptr;
    if (!IsAdjustableFace(strFace) || nSize != nSheetSize)
        return nullptr;
    return CDialogTemplate::CopyWithFont(lpDialogTemplate, cbTemplate, strSheetFace, nSheetSize);
}

BOOL CExtResDlg::CreateFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst,
                                    DWORD cbTemplate)
{
    if (lpDialogTemplate == nullptr)
        return FALSE;
    // A template given with its size must lie within it, as one from a resource must: the system's
    // parser would read past it.
    if (cbTemplate != 0 && CDialogTemplate::GetTemplateSize(lpDialogTemplate, cbTemplate) == 0)
        return FALSE;
    cbTemplate = MeasureTemplate(lpDialogTemplate, cbTemplate);
    HGLOBAL hAdjusted = AdjustTemplateFont(lpDialogTemplate, cbTemplate);
    if (hAdjusted != nullptr)
    {
        lpDialogTemplate = (LPCDLGTEMPLATE)hAdjusted;
        cbTemplate = CDialogTemplate::GetTemplateSize(lpDialogTemplate, (UINT)::GlobalSize(hAdjusted));
    }
    if (hInst == nullptr)
        hInst = AfxGetInstanceHandle();

    // No font, or a face a DBCS system replaces: the system font.
    CDialogTemplate systemFontCopy;
    CString strFace;
    WORD nSize = 0;
    const bool bHasFont = ExtReadDialogTemplateFont(lpDialogTemplate, cbTemplate, strFace, nSize);
    bool bSystemFont = !bHasFont;
    if (bHasFont && ::GetSystemMetrics(SM_DBCSENABLED) &&
        (IsAdjustableFace(strFace) || strFace.CompareNoCase(L"Helv") == 0))
    {
        bSystemFont = true;
        if (nSize == 8)
            nSize = 0;
    }
    if (bSystemFont && systemFontCopy.SetTemplate(lpDialogTemplate, cbTemplate) &&
        systemFontCopy.SetSystemFont(bHasFont ? nSize : 0))
        lpDialogTemplate = (LPCDLGTEMPLATE)systemFontCopy.m_hTemplate;

    const BOOL bResult = CreateWindowFromTemplate(lpDialogTemplate, pParentWnd, hInst);
    if (hAdjusted != nullptr)
        ::GlobalFree(hAdjusted);
    return bResult;
}

INT_PTR CExtResDlg::DoModal()
{
    SetResTemplateName(m_lpszTemplateName);
    return DoModalImpl();
}

INT_PTR CExtResDlg::DoModalImpl()
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HGLOBAL hTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    DWORD cbTemplate = 0;
    bool bLockedGlobal = false;
    if (m_lpszTemplateName != nullptr)
        lpTemplate = ExtFindDialogTemplate(m_lpszTemplateName, cbTemplate, hInst);
    else if (hTemplate != nullptr)
    {
        lpTemplate = (LPCDLGTEMPLATE)::GlobalLock(hTemplate);
        bLockedGlobal = true;
    }
    if (lpTemplate == nullptr)
        return -1;

    const INT_PTR nResult =
        RunModal([&](CWnd* pParentWnd) { return CreateFromTemplate(lpTemplate, pParentWnd, hInst, cbTemplate); });
    if (bLockedGlobal)
        ::GlobalUnlock(hTemplate);
    return nResult;
}

BOOL CExtResDlg::OnInitDialog()
{
    return ExtResOnInitDialog(this, m_lpszResTemplateName, [this] { return CDialog::OnInitDialog(); });
}
