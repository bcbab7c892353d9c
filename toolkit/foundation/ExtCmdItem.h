// CExtCmdItem: one command of a command profile (texts, state bits, icon index, usage count) and
// CExtCmdItemUI, the command-UI object that lets the frame's update handlers set an item's state.
#pragma once
#include "platform/CmdTarget.h"
#include "platform/String.h"

class CExtCmdProfile;
class CExtCmdIcon;
class CControlBar;
class CWnd;

class CExtCmdItem
{
public:
    // Bits of m_dwStateFlags.
    enum : DWORD
    {
        STATE_DISABLED = 0x01,
        STATE_CHECK = 0x02,
        STATE_RADIO = 0x04,
        STATE_INDETERMINATE = 0x08,
        STATE_ALWAYS_SHOWN = 0x10,
        STATE_FORCED_RARE = 0x20,
        STATE_USAGE_NOT_STORED = 0x40,
        // One group: setting any of 0x400, 0x1400, 0x10000400 first clears all three bits.
        STATE_GROUP_400 = 0x00000400,
        STATE_GROUP_1000 = 0x00001000,
        STATE_GROUP_10000000 = 0x10000000,
    };
    enum : UINT
    {
        DEFAULT_RARELY_USED_THRESHOLD = 10, // percent, when the item has no profile
    };

    explicit CExtCmdItem(UINT nCmdID = 0);
    CExtCmdItem(const CExtCmdItem& other);
    CExtCmdItem& operator=(const CExtCmdItem& other) = delete;

    // Id ranges of the platform's own commands: system commands, recent files, OLE verbs, MDI windows.
    static bool IsSystemCommand(UINT nCmdID) { return nCmdID >= 0xF000 && nCmdID <= 0xF1EF; }
    static bool IsMdiWindowCommand(UINT nCmdID) { return nCmdID >= 0xFF00 && nCmdID <= 0xFF09; }
    static bool IsPlatformCommand(UINT nCmdID);

    // ---- copying and texts ----
    virtual void AssignFrom(const CExtCmdItem& other);
    virtual void UpdateFrom(const CExtCmdItem& other);
    virtual void NormalizeUsageCounters();
    virtual ~CExtCmdItem();
    virtual void ClearTips();
    virtual bool LoadTextsFromResource();
    virtual void FillMissingFrom(const CExtCmdItem& other);

    // ---- state bits; every setter answers the new state word ----
    virtual DWORD SetAlwaysShown(bool bOn);
    virtual bool IsAlwaysShown() const;
    virtual bool IsRarelyUsed() const;
    virtual DWORD SetForcedRare(bool bOn);
    virtual bool IsForcedRare() const;
    virtual DWORD Enable(bool bOn);
    virtual bool IsEnabled() const;
    virtual DWORD SetCheck(bool bOn);
    virtual bool IsChecked() const;
    virtual DWORD SetRadio(bool bOn);
    virtual bool IsRadio() const;
    virtual DWORD SetIndeterminate(bool bOn);
    virtual bool IsIndeterminate() const;
    virtual DWORD SetUsageNotStored(bool bOn);
    virtual bool IsUsageNotStored() const;
    // State bits named by their value (0x80 ... 0x20000000): each setter sets or clears its bit and answers the state
    // word, each test reads it. They are kept for the bars and menus that set them; no part of this program reads them.
    virtual DWORD SetStateBit80(bool bOn);
    virtual bool IsStateBit80() const;
    virtual DWORD SetStateBit100(bool bOn);
    virtual bool IsStateBit100() const;
    virtual DWORD SetStateBit200(bool bOn);
    virtual bool IsStateBit200() const;
    // 0x400, 0x1400 and 0x10000400 form one group: each setter first clears 0x400, 0x1000 and 0x10000000.
    virtual DWORD SetStateBit400(bool bOn);
    virtual bool IsStateBit400() const;
    virtual DWORD SetStateBit800(bool bOn);
    virtual bool IsStateBit800() const;
    virtual DWORD SetStateBit1400(bool bOn);
    virtual bool IsStateBit1400() const;
    virtual DWORD SetStateBit10000400(bool bOn);
    virtual bool IsStateBit10000400() const;
    virtual DWORD SetStateBit2000(bool bOn);
    virtual bool IsStateBit2000() const;
    virtual DWORD SetStateBit4000(bool bOn);
    virtual bool IsStateBit4000() const;
    virtual DWORD SetStateBit20000000(bool bOn);
    virtual bool IsStateBit20000000() const;
    virtual DWORD SetStateBit8000(bool bOn);
    virtual bool IsStateBit8000() const;
    virtual DWORD SetStateBit10000(bool bOn);
    virtual bool IsStateBit10000() const;
    virtual DWORD SetStateBit20000(bool bOn);
    virtual bool IsStateBit20000() const;
    virtual DWORD SetStateBit40000(bool bOn);
    virtual bool IsStateBit40000() const;
    virtual DWORD SetStateBit80000(bool bOn);
    virtual bool IsStateBit80000() const;
    virtual DWORD SetStateBit100000(bool bOn);
    virtual bool IsStateBit100000() const;
    virtual DWORD SetStateBit200000(bool bOn);
    virtual bool IsStateBit200000() const;

    // ---- command-UI update and delivery ----
    // Lets pTarget's update handlers set the state; a command nobody handles is disabled.
    virtual bool UpdateCmdUI(CCmdTarget* pTarget, UINT nIndex);
    // Delivers to the bar's owner window (its recorded owner, else its parent).
    virtual bool DeliverToBarOwner(CControlBar* pBar, bool bSend);
    virtual bool DeliverToWnd(CWnd* pWnd, bool bSend);
    // Counts a use, then sends or posts WM_SYSCOMMAND (system ids, with the cursor position)
    // or WM_COMMAND.
    virtual bool DeliverToHwnd(HWND hWnd, bool bSend);

    // ---- usage; an item without a profile counts alone and is never rare ----
    virtual UINT GetUsageCount() const;
    virtual UINT GetUsagePercent() const;
    virtual void IncrementUsage();
    virtual void ResetUsage();
    virtual UINT GetProfileTotalUsage() const;
    virtual UINT GetRarelyUsedThreshold() const;
    virtual void SetRarelyUsedThreshold(UINT nPercent);

    // ---- system events, passed to the item's icon ----
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    virtual void OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY);
    virtual void OnThemeChanged(WPARAM wParam, LPARAM lParam);

    // ---- texts ----
    virtual void GetTextCopy(CString& sText) const;
    virtual CString GetDisplayText(CString& sText) const;
    virtual CString GetStatusText(CString& sText) const;
    // Whether the usage count goes into the profile archive.
    virtual bool HasUsageCount() const;

    CExtCmdProfile* m_pProfile = nullptr; // owner, set by the profile on registration (not owned)
    UINT m_nCmdID;
    int m_nIconIdx = -1; // index into the profile's icon array, -1: none
    DWORD m_dwStateFlags = 0;
    CString m_sMenuText;
    CString m_sToolbarText;
    CString m_sTipTool;
    CString m_sTipStatus;
    CString m_sAccelText;
    // Kept and copied for the bars and menus that use them.
    int m_nIntParam0 = 0;
    int m_nIntParam1 = 100;
    int m_nIntParam2 = -2;
    int m_nIntParam3 = 250;
    UINT m_nUsageTickCount = 0;

protected:
    DWORD ModifyState(DWORD dwBits, bool bOn);
    DWORD SetGroup400(DWORD dwBits, bool bOn);
    CExtCmdIcon* GetIconOfProfile() const;
};

class CExtCmdItemUI : public CCmdUI
{
public:
    CExtCmdItemUI(CExtCmdItem* pCmdItem, UINT nIndexMax = 0);

    void Enable(BOOL bOn = TRUE) override;
    // 0 clears, 1 checks, anything else makes the item indeterminate.
    void SetCheck(int nCheck = 1) override;
    void SetRadio(BOOL bOn = TRUE) override;
    void SetText(LPCTSTR lpszText) override;

    CExtCmdItem* m_pCmdItem; // the item updated (not owned)
};
