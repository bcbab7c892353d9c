// CDlgSchedulerOpt: the "Scheduler" page of the settings sheet: the periodic fetch on or off and
// its period in hours and minutes. The page only edits; the main frame stores the values after OK.
#pragma once
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSchedulerOpt : public CExtResizableDialog
{
public:
    CDlgSchedulerOpt();

    BOOL OnInitDialog() override;

    // Ranges of the two spins.
    static const int kMaxHour = 99;
    static const int kMinMinuteSpin = 1;
    static const int kMaxMinute = 59;
    // The smallest minute value the minute edit accepts.
    static const int kMinMinute = 2;

    int m_nHour;      // 1040
    int m_nMinute;    // 1042
    BOOL m_bSchedule; // 1045 as last clicked
    bool m_bInitialized;
    // A range check is showing its box or sending the focus back: the focus change it causes
    // does not start the other edit's check (two wrong edits would otherwise call each other).
    bool m_bChecking;

    CExtGroupBox m_wndGroup;
    CExtCheckBox m_wndSchedule;
    CExtLabel m_wndHourLabel, m_wndMinuteLabel;
    CExtEdit m_wndHour, m_wndMinute;
    CSpinButtonCtrl m_wndHourSpin, m_wndMinuteSpin;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The edits and spins follow the check.
    void EnablePeriod(BOOL bEnable);

    afx_msg void OnScheduleClicked();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKillFocusHour();
    afx_msg void OnKillFocusMinute();
    DECLARE_MESSAGE_MAP()
};
