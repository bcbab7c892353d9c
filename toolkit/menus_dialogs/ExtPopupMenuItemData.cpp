// CExtPopupMenuWnd::MENUITEMDATA: construction, copying, texts, measuring and loading of one item.
#include "platform/Dc.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
// One memory DC compatible with the screen for every measuring of the GUI thread, with the menu
// font kept selected: getting a screen DC and realising the font for each item would cost many
// times the measuring itself. A font deleted while selected lives on until the next one replaces it.
class CMeasureDC
{
public:
    CMeasureDC() = default;
    CMeasureDC(const CMeasureDC&) = delete;
    CMeasureDC& operator=(const CMeasureDC&) = delete;
    ~CMeasureDC()
    {
        if (m_hDC == nullptr)
            return;
        ::SelectObject(m_hDC, m_hOldFont);
        ::DeleteDC(m_hDC);
    }
    // The single-line size of the text in the font.
    CSize Measure(const CString& sText, HGDIOBJ hFont)
    {
        if (m_hDC == nullptr)
        {
            m_hDC = ::CreateCompatibleDC(nullptr);
            if (m_hDC == nullptr)
                return CSize(0, 0);
            m_hOldFont = ::GetCurrentObject(m_hDC, OBJ_FONT);
        }
        if (hFont != m_hFont)
        {
            ::SelectObject(m_hDC, hFont);
            m_hFont = hFont;
        }
        CRect rc(0, 0, 0, 0);
        ::DrawTextW(m_hDC, sText, sText.GetLength(), &rc, DT_CALCRECT | DT_SINGLELINE);
        return rc.Size();
    }

private:
    HDC m_hDC = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    HGDIOBJ m_hFont = nullptr;
};
CMeasureDC g_measureDC;
} // namespace

MENUITEMDATA::MENUITEMDATA()
    : m_pWndChild(nullptr), m_nItemIndex(INDEX_NOT_PLACED), m_nCmdID(CMD_SEPARATOR), m_nWidth(0), m_nHeight(0),
      m_nIconAreaWidth(0), m_nMarginLeft(-1), m_nMarginTop(-1), m_nMarginRight(-1), m_nMarginBottom(-1), m_nFlags(0),
      m_nFlags2(kFlag2Enabled), m_pCbCmdDeliver(nullptr), m_pCbItemClick(nullptr), m_cAccelChar(0),
      m_hWndSpecCmdReceiver(nullptr), m_pInplaceEditWnd(nullptr), m_pEditTextTarget(nullptr),
      m_pCbVerifyTextInput(nullptr), m_pCbPutTextInputResult(nullptr), m_pCbInplaceEditWndProc(nullptr),
      m_pInplaceEditCbCookie(nullptr), m_nInplaceEditWidth(0), m_nEditFlags(kEditAllowed), m_wReserved(0)
{}

MENUITEMDATA::MENUITEMDATA(const MENUITEMDATA& other) : MENUITEMDATA() { AssignFrom(other); }

MENUITEMDATA& MENUITEMDATA::operator=(const MENUITEMDATA& other)
{
    AssignFrom(other);
    return *this;
}

MENUITEMDATA::~MENUITEMDATA() {}

void MENUITEMDATA::AssignFrom(const MENUITEMDATA& other)
{
    if (&other == this)
        return;
    m_pWndChild = other.m_pWndChild;
    m_nItemIndex = other.m_nItemIndex;
    m_nCmdID = other.m_nCmdID;
    m_sItemText = other.m_sItemText;
    m_sAccelText = other.m_sAccelText;
    m_iconPopup.AssignFrom(other.m_iconPopup);
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_nIconAreaWidth = other.m_nIconAreaWidth;
    m_nMarginLeft = other.m_nMarginLeft;
    m_nMarginTop = other.m_nMarginTop;
    m_nMarginRight = other.m_nMarginRight;
    m_nMarginBottom = other.m_nMarginBottom;
    m_nFlags = other.m_nFlags;
    m_nFlags2 = other.m_nFlags2;
    m_pCbCmdDeliver = other.m_pCbCmdDeliver;
    m_pCbItemClick = other.m_pCbItemClick;
    m_cAccelChar = other.m_cAccelChar;
    m_hWndSpecCmdReceiver = other.m_hWndSpecCmdReceiver;
    m_pInplaceEditWnd = other.m_pInplaceEditWnd;
    m_pEditTextTarget = other.m_pEditTextTarget;
    m_pCbVerifyTextInput = other.m_pCbVerifyTextInput;
    m_pCbPutTextInputResult = other.m_pCbPutTextInputResult;
    m_pCbInplaceEditWndProc = other.m_pCbInplaceEditWndProc;
    m_pInplaceEditCbCookie = other.m_pInplaceEditCbCookie;
    m_nInplaceEditWidth = other.m_nInplaceEditWidth;
    m_nEditFlags = other.m_nEditFlags;
    m_sInplaceEditText = other.m_sInplaceEditText;
    m_wReserved = other.m_wReserved;
}

int MENUITEMDATA::SetCmdID(int nCmdID)
{
    const int nOld = m_nCmdID;
    m_nCmdID = nCmdID;
    return nOld;
}

bool MENUITEMDATA::IsExecutableCmdID() const { return !IsSeparator() && !IsPopup() && !IsInplaceEdit(); }

CString MENUITEMDATA::GetText() const { return IsSeparator() ? CString() : m_sItemText; }

CString MENUITEMDATA::GetAccelText() const { return IsSeparator() ? CString() : m_sAccelText; }

void MENUITEMDATA::SetText(LPCTSTR lpszText)
{
    if (IsSeparator())
        return;
    CString sText(lpszText != nullptr ? lpszText : L"");
    const int nTab = sText.Find(L'\t');
    if (nTab >= 0)
    {
        m_sAccelText = sText.Mid(nTab + 1);
        sText = sText.Left(nTab);
    }
    m_sItemText = sText;
}

void MENUITEMDATA::SetAccelText(LPCTSTR lpszText)
{
    if (IsSeparator())
        return;
    m_sAccelText = lpszText != nullptr ? lpszText : L"";
}

wchar_t MENUITEMDATA::AccelCharFromText(const CString& sText)
{
    const int nAmp = sText.Find(L'&');
    if (nAmp < 0 || nAmp + 1 >= sText.GetLength())
        return 0;
    CString sChar = sText.Mid(nAmp + 1, 1);
    sChar.MakeUpper();
    return sChar[0];
}

CExtCmdItem* MENUITEMDATA::GetCmdItem() const
{
    if (!IsBoundCommand())
        return nullptr;
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWndSpecCmdReceiver);
    if (lpszProfile == nullptr)
        return nullptr;
    return g_CmdManagerHolder->LookupCommand(lpszProfile, (UINT)m_nCmdID);
}

CExtCmdIcon* MENUITEMDATA::GetIcon()
{
    if (IsBoundCommand() && m_iconPopup.IsEmpty())
    {
        LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWndSpecCmdReceiver);
        if (lpszProfile == nullptr)
            return nullptr;
        CExtCmdIcon* pIcon = g_CmdManagerHolder->GetCommandIcon(lpszProfile, (UINT)m_nCmdID);
        return (pIcon != nullptr && !pIcon->IsEmpty()) ? pIcon : nullptr;
    }
    return m_iconPopup.IsEmpty() ? nullptr : &m_iconPopup;
}

void MENUITEMDATA::MeasureItem()
{
    UpdateAccelChar();
    m_nIconAreaWidth = MIN_ICON_SIZE;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (IsSeparator())
    {
        m_nWidth = 0;
        m_nHeight = pPM->GetPopupMenuItemGap();
        return;
    }

    CString sMeasure(m_sItemText);
    if (!IsInplaceEdit())
        sMeasure += m_sAccelText;
    sMeasure.Remove(L'&');
    const CSize sizeText = g_measureDC.Measure(sMeasure, pPM->m_fontNormal.GetSafeHandle() != nullptr
                                                             ? pPM->m_fontNormal.GetSafeHandle()
                                                             : ::GetStockObject(DEFAULT_GUI_FONT));
    const int nTextWidth = sizeText.cx;
    const int nTextHeight = sizeText.cy + 4;

    int nIconHeight = 0;
    CExtCmdIcon* pIcon = IsNoIconBox() ? nullptr : GetIcon();
    if (pIcon != nullptr)
    {
        SIZE sizeIcon = pIcon->GetSize();
        sizeIcon.cx = std::max<int>(sizeIcon.cx, MIN_ICON_SIZE);
        sizeIcon.cy = std::max<int>(sizeIcon.cy, MIN_ICON_SIZE);
        if (sizeIcon.cx < 19 && sizeIcon.cy < sizeIcon.cx)
            sizeIcon.cy = sizeIcon.cx;
        m_nIconAreaWidth = std::max<int>(MIN_ICON_SIZE, sizeIcon.cx);
        nIconHeight = sizeIcon.cy + 4;
    }

    m_nHeight = std::max(std::max(nTextHeight, nIconHeight), (int)MIN_ITEM_HEIGHT);
    if (IsNoIconBox() && pIcon == nullptr)
        m_nHeight -= 2;
    m_nIconAreaWidth = std::max(m_nIconAreaWidth, m_nHeight);
    if (m_pCbItemClick != nullptr && IsExecutableCmdID())
        m_nIconAreaWidth = m_nIconAreaWidth * 2 + 4;
    m_nIconAreaWidth += 2;

    m_nWidth = nTextWidth + 26;
    if (IsInplaceEdit())
    {
        m_nWidth += m_nInplaceEditWidth + 12;
        m_nHeight -= 2;
    }
    else if (IsNoIconBox())
        m_nWidth += 10;
    else
        m_nWidth += m_nIconAreaWidth + 16;
}

bool MENUITEMDATA::LoadFromCmdItem(const CExtCmdItem* pCmdItem, int nIndex)
{
    if (pCmdItem == nullptr || (int)pCmdItem->m_nCmdID <= 0)
    {
        m_nCmdID = CMD_SEPARATOR;
        m_nItemIndex = INDEX_NOT_PLACED;
        return false;
    }
    m_nCmdID = (int)pCmdItem->m_nCmdID;
    if (nIndex >= 0)
        m_nItemIndex = nIndex;
    m_sItemText = pCmdItem->m_sMenuText;
    m_sAccelText = pCmdItem->m_sAccelText;
    MeasureItem();
    return true;
}

bool MENUITEMDATA::LoadFromMenuItem(HWND hWndCmdReceiver, HMENU hMenu, int nPos)
{
    wchar_t szText[TEXT_BUFFER_SIZE] = {};
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_DATA;
    mii.dwTypeData = szText;
    mii.cch = TEXT_BUFFER_SIZE - 1;
    if (!::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii))
        return false;
    m_hWndSpecCmdReceiver = hWndCmdReceiver;
    m_nItemIndex = nPos;
    if ((mii.fType & MFT_SEPARATOR) != 0)
    {
        m_sItemText.Empty();
        m_nCmdID = CMD_SEPARATOR;
    }
    else if (mii.hSubMenu != nullptr)
    {
        m_nCmdID = CMD_POPUP;
        ConstructPopup();
    }
    else
    {
        if ((int)mii.wID < 1)
            return false;
        m_nCmdID = (int)mii.wID;
        CExtCmdItem* pCmdItem = GetCmdItem();
        if (pCmdItem == nullptr)
            return false;
        if (szText[0] == 0)
        {
            const CString& sText = !pCmdItem->m_sMenuText.IsEmpty() ? pCmdItem->m_sMenuText : pCmdItem->m_sToolbarText;
            ::lstrcpynW(szText, sText, TEXT_BUFFER_SIZE);
        }
    }
    if (!IsSeparator())
        SetText(szText);
    MeasureItem();
    return true;
}

CString MENUITEMDATA::GetTipText() const
{
    CExtCmdItem* pCmdItem = GetCmdItem();
    if (pCmdItem == nullptr)
        return CString();
    static const UINT kSysCmds[] = {SC_SIZE,       SC_MOVE,  SC_MINIMIZE, SC_MAXIMIZE, SC_NEXTWINDOW,
                                    SC_PREVWINDOW, SC_CLOSE, SC_RESTORE,  SC_TASKLIST};
    static const UINT kPrompts[] = {0xEF00, 0xEF01, 0xEF02, 0xEF03, 0xEF04, 0xEF05, 0xEF06, 0xEF12, 0xEF13};
    for (size_t i = 0; i < sizeof(kSysCmds) / sizeof(kSysCmds[0]); ++i)
    {
        if ((UINT)m_nCmdID != kSysCmds[i])
            continue;
        CString sPrompt;
        if (!g_ResourceManagerHolder->LoadStringRes(sPrompt, kPrompts[i]))
            return CString();
        const int nLf = sPrompt.Find(L'\n');
        return nLf >= 0 ? sPrompt.Mid(nLf + 1) : sPrompt;
    }
    CString sText;
    pCmdItem->GetStatusText(sText);
    return sText;
}

void MENUITEMDATA::ConstructPopup()
{
    m_pWndChild = new CExtPopupMenuWnd;
    m_pWndChild->m_hWndCmdReceiver = m_hWndSpecCmdReceiver;
}

void MENUITEMDATA::DestroyPopup()
{
    if (IsPopup() || IsOwnItem())
        m_iconPopup.Empty();
    if (m_pWndChild == nullptr)
        return;
    CExtPopupMenuWnd* pPopup = m_pWndChild;
    m_pWndChild = nullptr;
    if (pPopup->GetSafeHwnd() != nullptr)
        pPopup->DestroyWindow();
    delete pPopup;
}
