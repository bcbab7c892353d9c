// CLetterIndexBar: zones, letter cycling and painting.
#include "app/LetterIndexBar.h"
#include "res/app_ids.h"

IMPLEMENT_DYNAMIC(CLetterIndexBar, CWnd)

BEGIN_MESSAGE_MAP(CLetterIndexBar, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

const wchar_t CLetterIndexBar::kLetters[] = L"#ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const int CLetterIndexBar::kZoneRight[kZoneCount] = {26, 52, 78, 104, 130, 156, 181, 205, 240};

CLetterIndexBar::CLetterIndexBar() : m_pParent(nullptr), m_nID(0), m_chCurrent(L'#')
{
    for (int& n : m_nCycle)
        n = 0;
}

CLetterIndexBar::~CLetterIndexBar() {}

BOOL CLetterIndexBar::Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID)
{
    m_pParent = pParent;
    m_nID = nID;
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_HAND));
    return CWnd::Create(pszClass, L"", dwStyle | WS_CHILD, CRect(x, y, x + kWidth, y + kHeight), pParent, nID);
}

int CLetterIndexBar::ZoneOf(int x)
{
    if (x < 0)
        return -1;
    for (int k = 0; k < kZoneCount; ++k)
        if (kZoneRight[k] > x)
            return k;
    return -1;
}

bool CLetterIndexBar::PickAt(CPoint point)
{
    const int k = ZoneOf(point.x);
    if (k < 0 || point.y < 0 || point.y >= kHeight)
        return false;
    m_chCurrent = kLetters[3 * k + m_nCycle[k]];
    m_nCycle[k] = (m_nCycle[k] + 1) % 3;
    return true;
}

void CLetterIndexBar::DoPaint(CDC& dc)
{
    HBITMAP hBitmap =
        (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_LETTER_STRIP), IMAGE_BITMAP, 0, 0, 0);
    if (hBitmap == nullptr)
        return;
    HDC hdcMem = ::CreateCompatibleDC(dc.GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
    ::BitBlt(dc.GetSafeHdc(), 0, 0, kWidth, kHeight, hdcMem, 0, 0, SRCCOPY);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
    ::DeleteObject(hBitmap);
}

void CLetterIndexBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CLetterIndexBar::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CLetterIndexBar::OnPrintClient(WPARAM wParam, LPARAM)
{
    DoPaint(*CDC::FromHandle((HDC)wParam));
    return 0;
}

void CLetterIndexBar::OnLButtonDown(UINT nFlags, CPoint point) { CWnd::OnLButtonDown(nFlags, point); }

void CLetterIndexBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    // A click outside the nine zones picks nothing and tells nothing.
    if (PickAt(point) && m_pParent != nullptr && m_pParent->GetSafeHwnd() != nullptr)
        m_pParent->SendMessage(WM_COMMAND, MAKEWPARAM(m_nID, 0), (LPARAM)m_hWnd);
    CWnd::OnLButtonUp(nFlags, point);
}
