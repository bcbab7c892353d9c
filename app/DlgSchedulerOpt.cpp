// CDlgSchedulerOpt: the check enabling the period, the spins' ranges and the two range checks.
#include "app/DlgSchedulerOpt.h"
#include "platform/DialogDataExchange.h"
#include "phone/AppSettings.h"
#include "res/settings_ids.h"

BEGIN_MESSAGE_MAP(CDlgSchedulerOpt, CExtResizableDialog)
ON_BN_CLICKED(IDC_SCHED_ON, OnScheduleClicked)
ON_WM_VSCROLL()
ON_EN_KILLFOCUS(IDC_SCHED_HOUR, OnKillFocusHour)
ON_EN_KILLFOCUS(IDC_SCHED_MINUTE, OnKillFocusMinute)
END_MESSAGE_MAP()

CDlgSchedulerOpt::CDlgSchedulerOpt()
    : CExtResizableDialog(IDD_SCHEDULER_OPT, nullptr), m_nHour(0), m_nMinute(5), m_bSchedule(FALSE),
      m_bInitialized(false), m_bChecking(false)
{}

void CDlgSchedulerOpt::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCHED_GROUP, m_wndGroup);
    DDX_Control(pDX, IDC_SCHED_ON, m_wndSchedule);
    DDX_Control(pDX, IDC_SCHED_HOUR_LABEL, m_wndHourLabel);
    DDX_Control(pDX, IDC_SCHED_MINUTE_LABEL, m_wndMinuteLabel);
    DDX_Control(pDX, IDC_SCHED_HOUR, m_wndHour);
    DDX_Control(pDX, IDC_SCHED_MINUTE, m_wndMinute);
    DDX_Control(pDX, IDC_SCHED_HOUR_SPIN, m_wndHourSpin);
    DDX_Control(pDX, IDC_SCHED_MINUTE_SPIN, m_wndMinuteSpin);
    DDX_Text(pDX, IDC_SCHED_HOUR, m_nHour);
    DDX_Text(pDX, IDC_SCHED_MINUTE, m_nMinute);
}

BOOL CDlgSchedulerOpt::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_bInitialized = true;
    m_wndHourSpin.SetRange32(0, kMaxHour);
    m_wndMinuteSpin.SetRange32(kMinMinuteSpin, kMaxMinute);
    CAppSettings settings;
    m_bSchedule = settings.GetIsScheduled() != 0;
    // Read with the others; the period does not depend on the day.
    [[maybe_unused]] const UINT nScheduledDay = settings.GetIsScheduledDay();
    m_wndSchedule.SetCheck(m_bSchedule ? BST_CHECKED : BST_UNCHECKED);
    EnablePeriod(m_bSchedule);
    m_nHour = (int)settings.GetSchedulerHour();
    m_nMinute = (int)settings.GetSchedulerMinute();
    UpdateData(FALSE);
    return TRUE;
}

void CDlgSchedulerOpt::EnablePeriod(BOOL bEnable)
{
    m_wndHour.EnableWindow(bEnable);
    m_wndHourSpin.EnableWindow(bEnable);
    m_wndMinute.EnableWindow(bEnable);
    m_wndMinuteSpin.EnableWindow(bEnable);
}

void CDlgSchedulerOpt::OnScheduleClicked()
{
    m_bSchedule = m_wndSchedule.GetCheck() == BST_CHECKED;
    EnablePeriod(m_bSchedule);
}

void CDlgSchedulerOpt::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (nSBCode == SB_ENDSCROLL)
        return;
    // The library hands the notifying window over as a scroll bar; a spin is a plain window.
    HWND hFrom = pScrollBar ? reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd() : nullptr;
    if (hFrom != nullptr && hFrom == m_wndHourSpin.GetSafeHwnd())
    {
        m_nHour = LOWORD(m_wndHourSpin.GetPos());
        UpdateData(FALSE);
    }
    else if (hFrom != nullptr && hFrom == m_wndMinuteSpin.GetSafeHwnd())
    {
        m_nMinute = LOWORD(m_wndMinuteSpin.GetPos());
        UpdateData(FALSE);
    }
    CExtResizableDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CDlgSchedulerOpt::OnKillFocusHour()
{
    if (m_bChecking)
        return;
    m_bChecking = true;
    UpdateData(TRUE);
    if (m_nHour > kMaxHour)
    {
        MessageBox(L"Set the hour between 0 to 99", L"Wrong Input");
        m_wndHour.SetFocus();
    }
    m_bChecking = false;
}

void CDlgSchedulerOpt::OnKillFocusMinute()
{
    if (m_bChecking)
        return;
    m_bChecking = true;
    UpdateData(TRUE);
    if (m_nMinute < kMinMinute || m_nMinute > kMaxMinute)
    {
        MessageBox(L"Set the minutes between 2 to 59", L"Wrong Input");
        m_wndMinute.SetFocus();
    }
    m_bChecking = false;
}
