// CLoadingTreeCtrl: lazy expansion with the placeholder, the feedback worker and its timer.
#include "app/LoadingTreeCtrl.h"

#include <mmsystem.h>

BEGIN_MESSAGE_MAP(CLoadingTreeCtrl, CTreeCtrl)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, OnItemExpanding)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDED, OnItemExpanded)
END_MESSAGE_MAP()

namespace
{
const UINT kTimerResolution = 5; // ms
}

CLoadingTreeCtrl::CLoadingTreeCtrl()
    : m_strPlaceholder(L"Loading..."), m_hPlaceholder(nullptr), m_hLoading(nullptr), m_bShowFeedback(FALSE),
      m_nTotal(0), m_nCurrent(0), m_nFeedbackPeriod(0), m_hThread(nullptr), m_hTimerEvent(nullptr),
      m_hProgressEvent(nullptr), m_bStop(0), m_nTimerId(0)
{}

CLoadingTreeCtrl::~CLoadingTreeCtrl() { StopAnimation(); }

void CLoadingTreeCtrl::SetProgress(int nTotal, int nCurrent)
{
    ::InterlockedExchange(&m_nTotal, nTotal);
    ::InterlockedExchange(&m_nCurrent, nCurrent);
    if (m_hProgressEvent != nullptr)
        ::SetEvent(m_hProgressEvent);
}

void CLoadingTreeCtrl::StepProgress(int nDelta)
{
    ::InterlockedExchangeAdd(&m_nCurrent, nDelta);
    if (m_hProgressEvent != nullptr)
        ::SetEvent(m_hProgressEvent);
}

void CLoadingTreeCtrl::PreAnimation(HTREEITEM) {}

void CLoadingTreeCtrl::DoAnimation(BOOL, int, int) {}

void CLoadingTreeCtrl::PostAnimation() {}

BOOL CLoadingTreeCtrl::NeedsChildren(HTREEITEM) { return FALSE; }

BOOL CLoadingTreeCtrl::PopulateItem(HTREEITEM) { return FALSE; }

CRect CLoadingTreeCtrl::GetFeedbackRect() const
{
    CRect rcText;
    if (m_hPlaceholder == nullptr || !GetItemRect(m_hPlaceholder, &rcText, TRUE))
        return CRect();
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    const int x = rcText.left - cx - 3;
    const int y = rcText.top + (rcText.Height() - cy) / 2;
    return CRect(x, y, x + cx, y + cy);
}

void CLoadingTreeCtrl::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEWW* pNM = (const NMTREEVIEWW*)pNMHDR;
    if (pNM->action & TVE_EXPAND)
        BeginLoading(pNM->itemNew.hItem);
    *pResult = 0;
}

void CLoadingTreeCtrl::OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEWW* pNM = (const NMTREEVIEWW*)pNMHDR;
    if (pNM->action & TVE_EXPAND)
        EndLoading(pNM->itemNew.hItem);
    *pResult = 0;
}

void CLoadingTreeCtrl::Populate(HTREEITEM hItem)
{
    if (hItem == TVI_ROOT)
    {
        SetRedraw(FALSE);
        DeleteAllItems();
        BeginLoading(TVI_ROOT);
        EndLoading(TVI_ROOT);
        HTREEITEM hFirst = GetChildItem(TVI_ROOT);
        if (hFirst != nullptr)
            Expand(hFirst, TVE_EXPAND);
        SetRedraw(TRUE);
        return;
    }
    if (!SelectItem(hItem))
        return;
    SetRedraw(FALSE);
    for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        DeleteItem(hChild);
        hChild = hNext;
    }
    BeginLoading(hItem);
    EndLoading(hItem);
    SetRedraw(TRUE);
}

void CLoadingTreeCtrl::BeginLoading(HTREEITEM hItem)
{
    if (GetChildItem(hItem) != nullptr && !NeedsChildren(hItem))
    {
        m_hLoading = nullptr;
        return;
    }
    for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        DeleteItem(hChild);
        hChild = hNext;
    }
    m_hLoading = hItem;
    UpdateWindow();
    SetRedraw(FALSE);
    m_hPlaceholder = InsertItem(m_strPlaceholder, hItem, TVI_LAST);
    m_nTotal = 1;
    m_nCurrent = 0;
}

void CLoadingTreeCtrl::EndLoading(HTREEITEM hItem)
{
    if (m_hLoading == nullptr || m_hLoading != hItem)
        return;
    if (m_bShowFeedback)
    {
        SetRedraw(TRUE);
        EnsureVisible(m_hPlaceholder);
        UpdateWindow();
    }
    StartAnimation();
    SetRedraw(FALSE);
    DeleteItem(m_hPlaceholder);
    const BOOL bChildren = PopulateItem(hItem);
    StopAnimation();
    m_hPlaceholder = nullptr;
    m_hLoading = nullptr;
    if (hItem != TVI_ROOT)
    {
        const bool bHasChild = GetChildItem(hItem) != nullptr;
        if (bChildren || !bHasChild)
        {
            // A folder found empty loses its expand button with its expanded state.
            TVITEMW item = {};
            item.mask = TVIF_CHILDREN | TVIF_HANDLE;
            item.hItem = hItem;
            item.cChildren = bHasChild ? 1 : 0;
            SetItem(&item);
        }
        if (!bChildren && !bHasChild)
            SetItemState(hItem, 0, TVIS_EXPANDED);
    }
    SetRedraw(TRUE);
}

void CLoadingTreeCtrl::StartAnimation()
{
    PreAnimation(m_hPlaceholder);
    m_bStop = 0;
    m_hTimerEvent = ::CreateEventW(nullptr, FALSE, TRUE, nullptr);
    m_hProgressEvent = ::CreateEventW(nullptr, FALSE, TRUE, nullptr);
    m_hThread = ::CreateThread(nullptr, 0, AnimationThread, this, 0, nullptr);
    if (m_nFeedbackPeriod != 0)
        m_nTimerId = ::timeSetEvent(m_nFeedbackPeriod, kTimerResolution,
                                    reinterpret_cast<LPTIMECALLBACK>(reinterpret_cast<UINT_PTR>(m_hTimerEvent)), 0,
                                    TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
}

void CLoadingTreeCtrl::StopAnimation()
{
    if (m_hThread == nullptr && m_hTimerEvent == nullptr)
        return;
    if (m_nTimerId != 0)
        ::timeKillEvent(m_nTimerId);
    m_nTimerId = 0;
    ::InterlockedExchange(&m_bStop, 1);
    if (m_hProgressEvent != nullptr)
        ::SetEvent(m_hProgressEvent);
    if (m_hThread != nullptr)
    {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
    if (m_hTimerEvent != nullptr)
        ::CloseHandle(m_hTimerEvent);
    if (m_hProgressEvent != nullptr)
        ::CloseHandle(m_hProgressEvent);
    m_hThread = m_hTimerEvent = m_hProgressEvent = nullptr;
    PostAnimation();
}

DWORD WINAPI CLoadingTreeCtrl::AnimationThread(LPVOID pParam)
{
    CLoadingTreeCtrl* pTree = (CLoadingTreeCtrl*)pParam;
    const HANDLE events[2] = {pTree->m_hTimerEvent, pTree->m_hProgressEvent};
    for (;;)
    {
        const DWORD dwWait = ::WaitForMultipleObjects(2, events, FALSE, INFINITE);
        if (dwWait != WAIT_OBJECT_0 && dwWait != WAIT_OBJECT_0 + 1)
            break;
        if (pTree->m_bStop)
            break;
        pTree->DoAnimation(dwWait == WAIT_OBJECT_0, pTree->m_nTotal, pTree->m_nCurrent);
    }
    return 0;
}
