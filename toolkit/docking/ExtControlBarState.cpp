// CExtControlBar's docking-state records: construction, reset and their archive form. Reading
// bounds every count, string and nesting level by the bytes left, and clamps sizes and coordinates.
#include "toolkit/docking/ExtControlBar.h"
#include "platform/Archive.h"
#include "platform/DockState.h"
#include "platform/FrameWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <cwchar>

namespace
{
const DWORD kArchiveVersion = 0x203;
const int kMaxStringLength = 256;
const UINT kOuterItemMinBytes = 40;
const UINT kBarRecordMinBytes = 128;

int ClampSize(int n) { return n < 0 ? 0 : (n > 32767 ? 32767 : n); }
int ClampCoord(int n) { return n < -32768 ? -32768 : (n > 32767 ? 32767 : n); }
void ClampSize(CSize& size)
{
    size.cx = ClampSize(size.cx);
    size.cy = ClampSize(size.cy);
}
void ClampPoint(CPoint& pt)
{
    pt.x = ClampCoord(pt.x);
    pt.y = ClampCoord(pt.y);
}
void ClampRect(CRect& rc)
{
    rc.left = ClampCoord(rc.left);
    rc.top = ClampCoord(rc.top);
    rc.right = ClampCoord(rc.right);
    rc.bottom = ClampCoord(rc.bottom);
}

// A count of entries of at least nMinBytes each; a negative one means none.
DWORD ReadCount(CArchive& ar, UINT nMinBytes)
{
    DWORD dwCount = 0;
    ar >> dwCount;
    if ((LONG)dwCount <= 0)
        return 0;
    ar.CheckCount(dwCount, nMinBytes);
    return dwCount;
}

CString ReadBoundedString(CArchive& ar)
{
    CString s;
    ar >> s;
    if (s.GetLength() > kMaxStringLength)
        AfxThrowArchiveException(CArchiveException::genericException);
    return s;
}
} // namespace

// ---- the outer-row placement ---------------------------------------------------------------------------

void CExtControlBar::OuterRowPlacement_t::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        const bool bEmpty = IsEmpty();
        ar << (WORD)(bEmpty ? 1 : 0);
        if (!bEmpty)
        {
            ar << m_dwOrder;
            ar << (const RECT&)m_rc;
            ar << (const SIZE&)m_size;
            ar << m_dwFlags;
        }
        return;
    }
    Empty();
    WORD wFlags = 0;
    ar >> wFlags;
    if ((wFlags & 1) != 0)
        return;
    ar >> m_dwOrder;
    ar >> (RECT&)m_rc;
    ar >> (SIZE&)m_size;
    ar >> m_dwFlags;
    ClampRect(m_rc);
    ClampSize(m_size);
}

// ---- outer items ----------------------------------------------------------------------------------------

CExtControlBar::OuterItemData_t::OuterItemData_t()
    : m_nBarId(kDockBarFloat), m_ptFloatPos(0, 0), m_sizeHorzDocked(200, 200), m_sizeVertDocked(200, 200),
      m_sizeFloating(200, 200), m_bFloating(false)
{}

void CExtControlBar::OuterItemData_t::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (WORD)(m_bFloating ? 1 : 0);
        ar << (DWORD)m_nBarId;
        ar << (const POINT&)m_ptFloatPos;
        ar << (const SIZE&)m_sizeHorzDocked;
        ar << (const SIZE&)m_sizeVertDocked;
        ar << (const SIZE&)m_sizeFloating;
        m_placement.Serialize(ar);
        return;
    }
    m_bFloating = false;
    m_nBarId = 0;
    m_ptFloatPos = CPoint(0, 0);
    m_sizeHorzDocked = m_sizeVertDocked = m_sizeFloating = CSize(0, 0);
    m_placement.Empty();
    WORD wFlags = 0;
    ar >> wFlags;
    m_bFloating = (wFlags & 1) != 0;
    DWORD dwId = 0;
    ar >> dwId;
    m_nBarId = dwId;
    ar >> (POINT&)m_ptFloatPos;
    ar >> (SIZE&)m_sizeHorzDocked;
    ar >> (SIZE&)m_sizeVertDocked;
    ar >> (SIZE&)m_sizeFloating;
    ClampPoint(m_ptFloatPos);
    ClampSize(m_sizeHorzDocked);
    ClampSize(m_sizeVertDocked);
    ClampSize(m_sizeFloating);
    m_placement.Serialize(ar);
}

// ---- bar records ----------------------------------------------------------------------------------------

CExtControlBar::InternalDockStateBar::InternalDockStateBar() : m_dwBarStyle(0), m_ptMRUFloatPos(0, 0) { Reset(); }

CExtControlBar::InternalDockStateBar::~InternalDockStateBar() { Clear(); }

void CExtControlBar::InternalDockStateBar::Reset()
{
    m_nBarId = kDockBarFloat;
    m_nDockBarId = kDockBarFloat;
    m_nCircle = 0;
    m_nMRUWidth = 50;
    m_dwStateFlags = 0;
    m_dwMRUFloatStyle = 0;
    m_dwFloatingFrameStyle = WS_CHILD;
    m_nRowSpaceToReclaim = 0;
    m_ptFloatPos = CPoint(0, 0);
    m_rcMRUDockPos.SetRectEmpty();
    m_rcFloatingFrame = CRect(0, 0, 200, 200);
    m_rcBarInDockBar = CRect(0, 0, 200, 200);
    m_sizeHorzDocked = m_sizeVertDocked = m_sizeFloating = CSize(200, 200);
    m_nSelectedTab = -1;
    m_pLiveBar = nullptr;
}

void CExtControlBar::InternalDockStateBar::Clear()
{
    for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
        delete m_arrNestedStates[i];
    m_arrNestedStates.RemoveAll();
    Reset();
}

void CExtControlBar::InternalDockStateBar::Serialize(CArchive& ar) { SerializeAt(ar, 0); }

void CExtControlBar::InternalDockStateBar::SerializeAt(CArchive& ar, int nDepth)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nBarId << (DWORD)m_nDockBarId << (DWORD)m_nCircle << (DWORD)m_nMRUWidth;
        ar << m_dwBarStyle << m_dwStateFlags << m_dwMRUFloatStyle;
        ar << (const POINT&)m_ptFloatPos << (const POINT&)m_ptMRUFloatPos;
        ar << (const RECT&)m_rcMRUDockPos << (const RECT&)m_rcFloatingFrame;
        ar << m_dwFloatingFrameStyle << (DWORD)m_nRowSpaceToReclaim;
        ar << (const RECT&)m_rcBarInDockBar;
        ar << (const SIZE&)m_sizeHorzDocked << (const SIZE&)m_sizeVertDocked << (const SIZE&)m_sizeFloating;
        ar << (DWORD)m_arrNestedStates.GetSize();
        for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
            m_arrNestedStates[i]->SerializeAt(ar, nDepth + 1);
        return;
    }
    if (nDepth > kMaxNesting)
        AfxThrowArchiveException(CArchiveException::genericException);
    Clear();
    DWORD dwValue = 0;
    ar >> m_nBarId >> m_nDockBarId >> m_nCircle >> dwValue;
    m_nMRUWidth = (UINT)ClampSize((int)dwValue);
    ar >> m_dwBarStyle >> m_dwStateFlags >> m_dwMRUFloatStyle;
    ar >> (POINT&)m_ptFloatPos >> (POINT&)m_ptMRUFloatPos;
    ar >> (RECT&)m_rcMRUDockPos >> (RECT&)m_rcFloatingFrame;
    ar >> m_dwFloatingFrameStyle >> m_nRowSpaceToReclaim;
    ar >> (RECT&)m_rcBarInDockBar;
    ar >> (SIZE&)m_sizeHorzDocked >> (SIZE&)m_sizeVertDocked >> (SIZE&)m_sizeFloating;
    m_nRowSpaceToReclaim = ClampSize(m_nRowSpaceToReclaim);
    ClampPoint(m_ptFloatPos);
    ClampPoint(m_ptMRUFloatPos);
    ClampRect(m_rcMRUDockPos);
    ClampRect(m_rcFloatingFrame);
    ClampRect(m_rcBarInDockBar);
    ClampSize(m_sizeHorzDocked);
    ClampSize(m_sizeVertDocked);
    ClampSize(m_sizeFloating);
    const DWORD nCount = ReadCount(ar, kBarRecordMinBytes);
    for (DWORD i = 0; i < nCount; i++)
    {
        InternalDockStateBar* pNested = new InternalDockStateBar;
        m_arrNestedStates.Add(pNested);
        pNested->SerializeAt(ar, nDepth + 1);
    }
}

// ---- the site -------------------------------------------------------------------------------------------

CExtControlBar::InternalDockStateSite::InternalDockStateSite(CFrameWnd* pFrame)
    : m_pFrame(pFrame), m_pDockState(new CDockState)
{
    memset(&m_wpFrame, 0, sizeof(m_wpFrame));
}

CExtControlBar::InternalDockStateSite::~InternalDockStateSite()
{
    Clear();
    delete m_pDockState;
}

void CExtControlBar::InternalDockStateSite::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
        delete m_arrBarStates[i];
    m_arrBarStates.RemoveAll();
    m_arrOuterItems.RemoveAll();
    m_arrAutoHideIds.RemoveAll();
    memset(&m_wpFrame, 0, sizeof(m_wpFrame));
    m_wpFrame.length = sizeof(WINDOWPLACEMENT);
    m_pDockState->Clear();
}

void CExtControlBar::InternalDockStateSite::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CString sVersion;
        CExtCmdManager::ToolkitVersionText(sVersion, L'.');
        CString sBanner;
        sBanner.Format(L"Nimbal (v. %s) control bar state", (LPCTSTR)sVersion);
        ar << sBanner;
        ar << (DWORD)CExtCmdManager::ToolkitVersion();
        ar << kArchiveVersion;
        for (int i = 0; i < 4; i++)
            ar << (DWORD)0;
        CString sPlacement;
        sPlacement.Format(L"%d,%d,%d,%d,%d,%d", m_wpFrame.rcNormalPosition.left, m_wpFrame.rcNormalPosition.top,
                          m_wpFrame.rcNormalPosition.right, m_wpFrame.rcNormalPosition.bottom, m_wpFrame.showCmd,
                          m_wpFrame.flags);
        ar << sPlacement;
        m_pDockState->Serialize(ar);
        ar << (DWORD)m_arrOuterItems.GetSize();
        for (INT_PTR i = 0; i < m_arrOuterItems.GetSize(); i++)
            m_arrOuterItems[i].Serialize(ar);
        ar << (DWORD)m_arrBarStates.GetSize();
        for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
            m_arrBarStates[i]->Serialize(ar);
        ar << (DWORD)m_arrAutoHideIds.GetSize();
        for (INT_PTR i = 0; i < m_arrAutoHideIds.GetSize(); i++)
            ar << (DWORD)m_arrAutoHideIds[i];
        return;
    }
    Clear();
    ReadBoundedString(ar);
    DWORD dwToolkitVersion = 0, dwArchiveVersion = 0, dwReserved = 0;
    ar >> dwToolkitVersion >> dwArchiveVersion;
    if (dwArchiveVersion != kArchiveVersion)
        AfxThrowArchiveException(CArchiveException::genericException);
    for (int i = 0; i < 4; i++)
        ar >> dwReserved;
    const CString sPlacement = ReadBoundedString(ar);
    CWnd* pTop = GetTopLevelNonChild(m_pFrame);
    if (pTop == nullptr || !::GetWindowPlacement(pTop->GetSafeHwnd(), &m_wpFrame))
    {
        memset(&m_wpFrame, 0, sizeof(m_wpFrame));
        m_wpFrame.length = sizeof(WINDOWPLACEMENT);
    }
    m_wpFrame.ptMinPosition = CPoint(0, 0);
    m_wpFrame.ptMaxPosition = CPoint(0, 0);
    int n[6] = {};
    const int nScanned = swscanf((LPCTSTR)sPlacement, L"%d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5]);
    bool bValid = nScanned == 6;
    for (int i = 0; i < 6 && bValid; i++)
        bValid = n[i] >= -32768 && n[i] <= 32767;
    if (bValid)
        bValid = n[4] >= 0 && n[4] <= 11;
    if (!bValid)
    {
        memset(&m_wpFrame, 0, sizeof(m_wpFrame));
        m_wpFrame.length = sizeof(WINDOWPLACEMENT);
        AfxThrowArchiveException(CArchiveException::genericException);
    }
    m_wpFrame.rcNormalPosition = CRect(n[0], n[1], n[2], n[3]);
    m_wpFrame.showCmd = (UINT)n[4];
    m_wpFrame.flags = (UINT)n[5];
    m_pDockState->Serialize(ar);
    DWORD nCount = ReadCount(ar, kOuterItemMinBytes);
    for (DWORD i = 0; i < nCount; i++)
    {
        OuterItemData_t item;
        item.Serialize(ar);
        m_arrOuterItems.Add(item);
    }
    nCount = ReadCount(ar, kBarRecordMinBytes);
    for (DWORD i = 0; i < nCount; i++)
    {
        InternalDockStateBar* pBar = new InternalDockStateBar;
        m_arrBarStates.Add(pBar);
        pBar->SerializeAt(ar, 0);
    }
    nCount = ReadCount(ar, 4);
    for (DWORD i = 0; i < nCount; i++)
    {
        DWORD dwId = 0;
        ar >> dwId;
        m_arrAutoHideIds.Add((UINT)dwId);
    }
}
