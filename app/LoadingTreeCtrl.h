// CLoadingTreeCtrl: a tree control that fills an item's children when it is first expanded. While
// they are produced (on the GUI thread) the item shows a "Loading..." placeholder child and a
// worker thread, woken by a multimedia timer and by progress steps, draws a feedback animation.
#pragma once
#include "platform/ListCtrl.h"
#include "platform/Platform.h"

class CLoadingTreeCtrl : public CTreeCtrl
{
public:
    CLoadingTreeCtrl();
    ~CLoadingTreeCtrl() override;

    // ---- feedback ------------------------------------------------------------------------------
    // Period of the timer that wakes the worker, in ms; 0: no timer, only progress wakes it.
    void SetFeedbackPeriod(UINT nMilliseconds) { m_nFeedbackPeriod = nMilliseconds; }
    UINT GetFeedbackPeriod() const { return m_nFeedbackPeriod; }
    void SetShowFeedback(BOOL bShow) { m_bShowFeedback = bShow; }
    // Sets the total and the current step and wakes the worker; a total of 0 is unknown.
    void SetProgress(int nTotal, int nCurrent);
    // Adds to the current step and wakes the worker.
    void StepProgress(int nDelta);
    // The timer of a running load; 0 when none.
    UINT GetTimerId() const { return m_nTimerId; }

    // ---- filling -------------------------------------------------------------------------------
    // Fills the item's children anew; TVI_ROOT empties the tree, fills the root level and expands
    // its first item.
    void Populate(HTREEITEM hItem);

    CString m_strPlaceholder; // text of the placeholder child

protected:
    // ---- overridables --------------------------------------------------------------------------
    // Before the worker starts, with the placeholder item; with feedback shown it clears the
    // feedback area once.
    virtual void PreAnimation(HTREEITEM hPlaceholder);
    // On the worker thread: bTimerTick when the timer woke it, else a progress step did.
    virtual void DoAnimation(BOOL bTimerTick, int nTotal, int nCurrent);
    // After the worker has stopped.
    virtual void PostAnimation();
    // An item that already has children is filled again only when this answers TRUE.
    virtual BOOL NeedsChildren(HTREEITEM hItem);
    // Adds the item's children; TRUE when the item ends up with children.
    virtual BOOL PopulateItem(HTREEITEM hItem);

    // The feedback picture's place: left of the placeholder's text, the small-icon size.
    CRect GetFeedbackRect() const;

    void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    HTREEITEM m_hPlaceholder; // while loading
    HTREEITEM m_hLoading;     // the item being expanded; null when none
    BOOL m_bShowFeedback;
    volatile LONG m_nTotal; // written by the GUI thread, read by the worker
    volatile LONG m_nCurrent;

private:
    void BeginLoading(HTREEITEM hItem);
    void EndLoading(HTREEITEM hItem);
    void StartAnimation();
    void StopAnimation();
    static DWORD WINAPI AnimationThread(LPVOID pParam);

    UINT m_nFeedbackPeriod;
    HANDLE m_hThread;
    HANDLE m_hTimerEvent;    // auto-reset, set by the timer
    HANDLE m_hProgressEvent; // auto-reset, set by progress steps and the stop
    volatile LONG m_bStop;
    UINT m_nTimerId;
};
