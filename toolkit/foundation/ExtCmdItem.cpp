// CExtCmdItem and CExtCmdItemUI: state bits, texts, delivery and usage counting of one command.
#include "toolkit/foundation/ExtCmdItem.h"
#include "platform/ControlBar.h"
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdProfile.h"
#include "toolkit/foundation/ExtResourceManager.h"

CExtCmdItem::CExtCmdItem(UINT nCmdID) : m_nCmdID(nCmdID) {}

CExtCmdItem::CExtCmdItem(const CExtCmdItem& other) : m_nCmdID(0) { AssignFrom(other); }

CExtCmdItem::~CExtCmdItem() {}

bool CExtCmdItem::IsPlatformCommand(UINT nCmdID)
{
    return IsSystemCommand(nCmdID) || (nCmdID >= 0xE110 && nCmdID <= 0xE11F) ||
           (nCmdID >= 0xE210 && nCmdID <= 0xE21F) || IsMdiWindowCommand(nCmdID);
}

void CExtCmdItem::AssignFrom(const CExtCmdItem& other)
{
    if (&other == this)
        return;
    m_pProfile = other.m_pProfile;
    m_nCmdID = other.m_nCmdID;
    m_dwStateFlags = other.m_dwStateFlags;
    m_nIconIdx = other.m_nIconIdx;
    m_sMenuText = other.m_sMenuText;
    m_sToolbarText = other.m_sToolbarText;
    m_sTipTool = other.m_sTipTool;
    m_sTipStatus = other.m_sTipStatus;
    m_sAccelText = other.m_sAccelText;
    m_nUsageTickCount = other.m_nUsageTickCount;
    m_nIntParam0 = other.m_nIntParam0;
    m_nIntParam1 = other.m_nIntParam1;
    m_nIntParam2 = other.m_nIntParam2;
    m_nIntParam3 = other.m_nIntParam3;
}

void CExtCmdItem::UpdateFrom(const CExtCmdItem& other)
{
    if (other.m_nIconIdx >= 0)
        m_nIconIdx = other.m_nIconIdx;
    if (!other.m_sMenuText.IsEmpty())
        m_sMenuText = other.m_sMenuText;
    if (!other.m_sToolbarText.IsEmpty())
        m_sToolbarText = other.m_sToolbarText;
    if (!other.m_sTipTool.IsEmpty())
        m_sTipTool = other.m_sTipTool;
    if (!other.m_sTipStatus.IsEmpty())
        m_sTipStatus = other.m_sTipStatus;
    if (!other.m_sAccelText.IsEmpty())
        m_sAccelText = other.m_sAccelText;
}

void CExtCmdItem::FillMissingFrom(const CExtCmdItem& other)
{
    if (m_nIconIdx < 0)
        m_nIconIdx = other.m_nIconIdx;
    if (m_sMenuText.IsEmpty())
        m_sMenuText = other.m_sMenuText;
    if (m_sTipTool.IsEmpty())
        m_sTipTool = other.m_sTipTool;
    if (m_sTipStatus.IsEmpty())
        m_sTipStatus = other.m_sTipStatus;
    if (m_sAccelText.IsEmpty())
        m_sAccelText = other.m_sAccelText;
}

void CExtCmdItem::NormalizeUsageCounters()
{
    if (m_pProfile == nullptr || m_pProfile->m_nTotalTickCount < 0xFFFFFFFEu)
        return;
    m_pProfile->m_nTotalTickCount >>= 1;
    for (auto* p = m_pProfile->m_cmds.PGetFirstAssoc(); p != nullptr; p = m_pProfile->m_cmds.PGetNextAssoc(p))
        p->value->m_nUsageTickCount >>= 1;
}

void CExtCmdItem::ClearTips()
{
    m_sTipTool.Empty();
    m_sTipStatus.Empty();
}

bool CExtCmdItem::LoadTextsFromResource()
{
    ClearTips();
    if ((int)m_nCmdID < 1)
        return false;
    CString sText;
    if (!g_ResourceManagerHolder->LoadStringRes(sText, m_nCmdID))
        return false;
    sText.Replace(L'\t', L' ');
    sText.Remove(L'\r');
    sText.Trim();
    if (sText.IsEmpty())
        return false;
    const int nLF = sText.Find(L'\n');
    if (nLF >= 0)
    {
        m_sTipTool = sText.Mid(nLF + 1);
        m_sTipTool.Trim();
        m_sTipStatus = sText.Left(nLF);
        m_sTipStatus.Trim();
    }
    else
    {
        m_sTipStatus = sText;
    }
    return true;
}

// ---- state bits ----------------------------------------------------------------------------------

DWORD CExtCmdItem::ModifyState(DWORD dwBits, bool bOn)
{
    if (bOn)
        m_dwStateFlags |= dwBits;
    else
        m_dwStateFlags &= ~dwBits;
    return m_dwStateFlags;
}

DWORD CExtCmdItem::SetGroup400(DWORD dwBits, bool bOn)
{
    m_dwStateFlags &= ~(STATE_GROUP_400 | STATE_GROUP_1000 | STATE_GROUP_10000000);
    if (bOn)
        m_dwStateFlags |= dwBits;
    return m_dwStateFlags;
}

DWORD CExtCmdItem::SetAlwaysShown(bool bOn) { return ModifyState(STATE_ALWAYS_SHOWN, bOn); }

bool CExtCmdItem::IsAlwaysShown() const
{
    return IsPlatformCommand(m_nCmdID) || (m_dwStateFlags & STATE_ALWAYS_SHOWN) != 0;
}

bool CExtCmdItem::IsRarelyUsed() const
{
    if (IsAlwaysShown() || m_pProfile == nullptr)
        return false;
    return GetUsagePercent() < GetRarelyUsedThreshold();
}

DWORD CExtCmdItem::SetForcedRare(bool bOn) { return ModifyState(STATE_FORCED_RARE, bOn); }

bool CExtCmdItem::IsForcedRare() const
{
    return !IsPlatformCommand(m_nCmdID) && (m_dwStateFlags & STATE_FORCED_RARE) != 0;
}

DWORD CExtCmdItem::Enable(bool bOn) { return ModifyState(STATE_DISABLED, !bOn); }
bool CExtCmdItem::IsEnabled() const { return (m_dwStateFlags & STATE_DISABLED) == 0; }

DWORD CExtCmdItem::SetCheck(bool bOn)
{
    m_dwStateFlags &= ~(STATE_CHECK | STATE_RADIO | STATE_INDETERMINATE);
    return ModifyState(STATE_CHECK, bOn);
}
bool CExtCmdItem::IsChecked() const { return (m_dwStateFlags & STATE_CHECK) != 0; }

DWORD CExtCmdItem::SetRadio(bool bOn)
{
    m_dwStateFlags &= ~(STATE_CHECK | STATE_RADIO | STATE_INDETERMINATE);
    return ModifyState(STATE_RADIO, bOn);
}
bool CExtCmdItem::IsRadio() const { return (m_dwStateFlags & STATE_RADIO) != 0; }

DWORD CExtCmdItem::SetIndeterminate(bool bOn)
{
    m_dwStateFlags &= ~(STATE_CHECK | STATE_RADIO | STATE_INDETERMINATE);
    return ModifyState(STATE_INDETERMINATE, bOn);
}
bool CExtCmdItem::IsIndeterminate() const { return (m_dwStateFlags & STATE_INDETERMINATE) != 0; }

DWORD CExtCmdItem::SetUsageNotStored(bool bOn) { return ModifyState(STATE_USAGE_NOT_STORED, bOn); }
bool CExtCmdItem::IsUsageNotStored() const { return (m_dwStateFlags & STATE_USAGE_NOT_STORED) != 0; }

#define CMD_ITEM_STATE_BIT(hex)                                                                                        \
    DWORD CExtCmdItem::SetStateBit##hex(bool bOn) { return ModifyState(0x##hex, bOn); }                                \
    bool CExtCmdItem::IsStateBit##hex() const { return (m_dwStateFlags & 0x##hex) != 0; }
CMD_ITEM_STATE_BIT(80)
CMD_ITEM_STATE_BIT(100)
CMD_ITEM_STATE_BIT(200)
CMD_ITEM_STATE_BIT(800)
CMD_ITEM_STATE_BIT(2000)
CMD_ITEM_STATE_BIT(4000)
CMD_ITEM_STATE_BIT(20000000)
CMD_ITEM_STATE_BIT(8000)
CMD_ITEM_STATE_BIT(10000)
CMD_ITEM_STATE_BIT(20000)
CMD_ITEM_STATE_BIT(40000)
CMD_ITEM_STATE_BIT(80000)
CMD_ITEM_STATE_BIT(100000)
CMD_ITEM_STATE_BIT(200000)
#undef CMD_ITEM_STATE_BIT

DWORD CExtCmdItem::SetStateBit400(bool bOn) { return SetGroup400(STATE_GROUP_400, bOn); }
bool CExtCmdItem::IsStateBit400() const { return (m_dwStateFlags & STATE_GROUP_400) != 0; }

DWORD CExtCmdItem::SetStateBit1400(bool bOn) { return SetGroup400(STATE_GROUP_400 | STATE_GROUP_1000, bOn); }
bool CExtCmdItem::IsStateBit1400() const
{
    const DWORD dw = STATE_GROUP_400 | STATE_GROUP_1000;
    return (m_dwStateFlags & dw) == dw;
}

DWORD CExtCmdItem::SetStateBit10000400(bool bOn) { return SetGroup400(STATE_GROUP_400 | STATE_GROUP_10000000, bOn); }
bool CExtCmdItem::IsStateBit10000400() const
{
    const DWORD dw = STATE_GROUP_400 | STATE_GROUP_10000000;
    return (m_dwStateFlags & dw) == dw;
}

// ---- command-UI update and delivery --------------------------------------------------------------

bool CExtCmdItem::UpdateCmdUI(CCmdTarget* pTarget, UINT nIndex)
{
    CExtCmdItemUI cmdUI(this, 0);
    if (IsSystemCommand(m_nCmdID) || IsMdiWindowCommand(m_nCmdID))
    {
        cmdUI.Enable(TRUE);
        return true;
    }
    cmdUI.m_nIndex = nIndex;
    return cmdUI.DoUpdate(pTarget, TRUE) != FALSE;
}

bool CExtCmdItem::DeliverToBarOwner(CControlBar* pBar, bool bSend)
{
    HWND hWndBar = AfxSafeHwnd(pBar);
    if (hWndBar == nullptr || !::IsWindow(hWndBar))
        return false;
    HWND hWndOwner = pBar->m_hWndOwner != nullptr ? pBar->m_hWndOwner : ::GetParent(hWndBar);
    if (hWndOwner == nullptr)
        return false;
    return DeliverToHwnd(hWndOwner, bSend);
}

bool CExtCmdItem::DeliverToWnd(CWnd* pWnd, bool bSend) { return DeliverToHwnd(AfxSafeHwnd(pWnd), bSend); }

bool CExtCmdItem::DeliverToHwnd(HWND hWnd, bool bSend)
{
    if (hWnd == nullptr)
        return false;
    IncrementUsage();
    UINT nMsg = WM_COMMAND;
    LPARAM lParam = 0;
    if (IsSystemCommand(m_nCmdID))
    {
        nMsg = WM_SYSCOMMAND;
        POINT pt = {0, 0};
        ::GetCursorPos(&pt);
        lParam = MAKELPARAM(pt.x, pt.y);
    }
    if (bSend)
        return ::SendMessageW(hWnd, nMsg, (WPARAM)m_nCmdID, lParam) != 0;
    return ::PostMessageW(hWnd, nMsg, (WPARAM)m_nCmdID, lParam) != FALSE;
}

// ---- usage ---------------------------------------------------------------------------------------

UINT CExtCmdItem::GetUsageCount() const { return m_nUsageTickCount; }

UINT CExtCmdItem::GetUsagePercent() const
{
    const UINT nTotal = GetProfileTotalUsage();
    if (nTotal == 0)
        return 0;
    return (UINT)((ULONGLONG)m_nUsageTickCount * 100u / nTotal);
}

void CExtCmdItem::IncrementUsage()
{
    if (IsAlwaysShown() || IsForcedRare())
        return;
    if (m_pProfile == nullptr)
    {
        if (m_nUsageTickCount < 0xFFFFFFFFu)
            ++m_nUsageTickCount;
        return;
    }
    ++m_nUsageTickCount;
    ++m_pProfile->m_nTotalTickCount;
    NormalizeUsageCounters();
}

void CExtCmdItem::ResetUsage()
{
    if (IsAlwaysShown() || IsForcedRare())
        return;
    m_nUsageTickCount = 0;
}

UINT CExtCmdItem::GetProfileTotalUsage() const { return m_pProfile != nullptr ? m_pProfile->m_nTotalTickCount : 0; }

UINT CExtCmdItem::GetRarelyUsedThreshold() const
{
    return m_pProfile != nullptr ? m_pProfile->m_nRarelyUsedThreshold : (UINT)DEFAULT_RARELY_USED_THRESHOLD;
}

void CExtCmdItem::SetRarelyUsedThreshold(UINT nPercent)
{
    if (m_pProfile != nullptr)
        m_pProfile->m_nRarelyUsedThreshold = nPercent > 100 ? 100 : nPercent;
}

bool CExtCmdItem::HasUsageCount() const
{
    if (IsAlwaysShown() || IsForcedRare() || IsUsageNotStored() || IsSystemCommand(m_nCmdID))
        return false;
    return m_nUsageTickCount != 0;
}

// ---- system events -------------------------------------------------------------------------------

CExtCmdIcon* CExtCmdItem::GetIconOfProfile() const
{
    return m_pProfile != nullptr ? m_pProfile->GetCommandIcon(m_nCmdID) : nullptr;
}

void CExtCmdItem::OnSysColorChange()
{
    if (CExtCmdIcon* pIcon = GetIconOfProfile())
        pIcon->OnSysColorChange();
}

void CExtCmdItem::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    if (CExtCmdIcon* pIcon = GetIconOfProfile())
        pIcon->OnSettingChange(uFlags, lpszSection);
}

void CExtCmdItem::OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY)
{
    if (CExtCmdIcon* pIcon = GetIconOfProfile())
        pIcon->OnDisplayChange(nDepthBPP, nResolutionX, nResolutionY);
}

void CExtCmdItem::OnThemeChanged(WPARAM wParam, LPARAM lParam)
{
    if (CExtCmdIcon* pIcon = GetIconOfProfile())
        pIcon->OnThemeChanged(wParam, lParam);
}

// ---- texts ---------------------------------------------------------------------------------------

void CExtCmdItem::GetTextCopy(CString& sText) const { GetDisplayText(sText); }

CString CExtCmdItem::GetDisplayText(CString& sText) const
{
    if (!m_sMenuText.IsEmpty())
        sText = m_sMenuText;
    else if (!m_sTipTool.IsEmpty())
        sText = m_sTipTool;
    else
        sText = m_sToolbarText;
    return sText;
}

CString CExtCmdItem::GetStatusText(CString& sText) const
{
    sText = m_sTipStatus;
    return sText;
}

// ---- CExtCmdItemUI -------------------------------------------------------------------------------

CExtCmdItemUI::CExtCmdItemUI(CExtCmdItem* pCmdItem, UINT nIndexMax) : m_pCmdItem(pCmdItem)
{
    m_nID = pCmdItem->m_nCmdID;
    m_pOther = nullptr;
    m_nIndexMax = nIndexMax;
}

void CExtCmdItemUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    m_pCmdItem->Enable(bOn != FALSE);
}

void CExtCmdItemUI::SetCheck(int nCheck)
{
    if (nCheck != 0 && nCheck != 1)
        m_pCmdItem->SetIndeterminate(true);
    else
        m_pCmdItem->SetCheck(nCheck != 0);
}

void CExtCmdItemUI::SetRadio(BOOL bOn) { m_pCmdItem->SetRadio(bOn != FALSE); }

void CExtCmdItemUI::SetText(LPCTSTR lpszText) { m_pCmdItem->m_sMenuText = lpszText; }
