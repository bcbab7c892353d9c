// CDlgThemeColor: the picker's colour, the skin list from the ".gif" files of the skins folder.
#include "app/DlgThemeColor.h"
#include "platform/DialogDataExchange.h"
#include "phone/AppSettings.h"
#include "phone/StoreHelpers.h"
#include "res/settings_ids.h"

IMPLEMENT_DYNCREATE(CDlgThemeColor, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CDlgThemeColor, CExtResizableDialog)
ON_WM_DESTROY()
ON_LBN_SELCHANGE(IDC_THEME_SKINS, OnSkinSelected)
END_MESSAGE_MAP()

namespace
{
const wchar_t kSkinExtension[] = L".gif";
const int kSkinExtensionLength = 4;
} // namespace

CDlgThemeColor::CDlgThemeColor()
    : CExtResizableDialog(IDD_THEME_COLOR, nullptr), m_strAppFolder(GetAppFolder()), m_crColour(0),
      m_bInitialized(false)
{}

void CDlgThemeColor::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_THEME_COLOUR_LABEL, m_wndColourLabel);
    DDX_Control(pDX, IDC_THEME_SKIN_LABEL, m_wndSkinLabel);
    DDX_Control(pDX, IDC_THEME_COLOUR, m_wndColour);
    DDX_Control(pDX, IDC_THEME_SKINS, m_wndSkins);
}

BOOL CDlgThemeColor::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    ShowSizeGrip(false);
    m_bInitialized = true;
    CAppSettings settings;
    m_crColour = settings.GetBgColor();
    m_wndColour.SetColour(m_crColour);
    const CString strStored = settings.GetDialerSkin();

    // Only pictures count as skins: files whose name ends in ".gif", case ignored.
    m_wndSkins.ResetContent();
    int nSelect = 0;
    WIN32_FIND_DATAW fd = {};
    HANDLE hFind = ::FindFirstFileW(GetSkinsFolder() + L"*", &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                continue;
            CString strFile(fd.cFileName);
            if (strFile.GetLength() <= kSkinExtensionLength ||
                strFile.Right(kSkinExtensionLength).CompareNoCase(kSkinExtension) != 0)
                continue;
            const CString strName = strFile.Left(strFile.GetLength() - kSkinExtensionLength);
            const int nIndex = m_wndSkins.AddString(strName);
            if (strName == strStored)
                nSelect = nIndex;
        } while (::FindNextFileW(hFind, &fd));
        ::FindClose(hFind);
    }
    if (m_wndSkins.GetCount() > 0)
    {
        m_wndSkins.SetCurSel(nSelect);
        CString strName;
        m_wndSkins.GetText(nSelect, strName);
        SetSkinPath(strName);
    }
    return TRUE;
}

void CDlgThemeColor::SetSkinPath(const CString& strName)
{
    m_strSkinPath = GetSkinsFolder() + strName + kSkinExtension;
}

void CDlgThemeColor::OnSkinSelected()
{
    const int nIndex = m_wndSkins.GetCurSel();
    if (nIndex < 0)
        return;
    CString strName;
    m_wndSkins.GetText(nIndex, strName);
    CAppSettings settings;
    settings.SetDialerSkin(strName);
    SetSkinPath(strName);
}

void CDlgThemeColor::OnDestroy()
{
    CExtResizableDialog::OnDestroy();
    m_crColour = m_wndColour.GetColour();
}
