// Helpers of the painter tests.
#include "BarMenuPainterSupport.h"
#include <algorithm>
#include <climits>

namespace barmenupainters
{

namespace
{

template <class Match> CRect BoxWhere(const DibCanvas& c, const CRect& r, Match match)
{
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            if (match(c.At(x, y)))
            {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

} // namespace

std::unique_ptr<CExtPaintManager> Make(int nKind)
{
    CExtPaintManager* pm = nKind == 5 ? new painthost::CTestThemeColor
                                      : static_cast<CExtPaintManager*>(painthost::StyleClass(nKind)->CreateObject());
    pm->InitFonts();
    pm->InitColors();
    pm->InitBrushes();
    return std::unique_ptr<CExtPaintManager>(pm);
}

const wchar_t* StyleName(int nKind)
{
    static const wchar_t* kNames[] = {L"?", L"base", L"xp", L"office2003", L"studio2005", L"theme"};
    return nKind >= 1 && nKind <= 5 ? kNames[nKind] : kNames[0];
}

bool GlyphShows(const DibCanvas& c, const CExtPaintManagerGlyph& glyph, int x, int y, COLORREF clr)
{
    int nDrawn = 0;
    for (int gy = 0; gy < glyph.GetHeight(); gy++)
        for (int gx = 0; gx < glyph.GetWidth(); gx++)
        {
            if (glyph.GetPixel(gx, gy) == 0)
                continue;
            const int px = x + gx, py = y + gy;
            if (px < 0 || py < 0 || px >= c.Width() || py >= c.Height() || c.At(px, py) != clr)
                return false;
            nDrawn++;
        }
    return nDrawn > 0;
}

std::vector<CPoint> FindGlyph(const DibCanvas& c, const CExtPaintManagerGlyph& glyph, COLORREF clr, const CRect& area)
{
    std::vector<CPoint> found;
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (GlyphShows(c, glyph, x, y, clr))
                found.push_back(CPoint(x, y));
    return found;
}

int CountColor(const DibCanvas& c, const CRect& r, COLORREF clr) { return c.Count(r, clr); }

CRect BoxOf(const DibCanvas& c, const CRect& r, COLORREF clr)
{
    return BoxWhere(c, r, [clr](COLORREF px) { return px == clr; });
}

CRect InkBox(const DibCanvas& c, const CRect& r, COLORREF clrBack)
{
    return BoxWhere(c, r, [clrBack](COLORREF px) { return px != clrBack; });
}

bool DCState::operator==(const DCState& o) const
{
    return hFont == o.hFont && hBrush == o.hBrush && hPen == o.hPen && clrText == o.clrText && clrBk == o.clrBk &&
           nBkMode == o.nBkMode && nRop2 == o.nRop2 && nAlign == o.nAlign && rcClip == o.rcClip &&
           nClipKind == o.nClipKind;
}

DCState Snapshot(HDC hDC)
{
    DCState s;
    s.hFont = ::GetCurrentObject(hDC, OBJ_FONT);
    s.hBrush = ::GetCurrentObject(hDC, OBJ_BRUSH);
    s.hPen = ::GetCurrentObject(hDC, OBJ_PEN);
    s.clrText = ::GetTextColor(hDC);
    s.clrBk = ::GetBkColor(hDC);
    s.nBkMode = ::GetBkMode(hDC);
    s.nRop2 = ::GetROP2(hDC);
    s.nAlign = ::GetTextAlign(hDC);
    s.nClipKind = ::GetClipBox(hDC, &s.rcClip);
    return s;
}

BOOL CreateChild(CWnd& wnd, CWnd* pParent, UINT nID, const CRect& rc, DWORD dwStyle)
{
    return wnd.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, dwStyle, rc.left, rc.top, rc.Width(), rc.Height(),
                              pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, nullptr);
}

BEGIN_MESSAGE_MAP(CPlainToolBar, CExtToolControlBar)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

void CPlainToolBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    (void)lpncsp; // the proposed rectangle stays the client area
}

DockedBars::DockedBars() : m_dockFloat(TRUE)
{
    m_pFrame = new CFrameWnd;
    if (!m_pFrame->Create(nullptr, L"painters", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 500)))
    {
        delete m_pFrame;
        m_pFrame = nullptr;
        return;
    }
    m_pMiniFrame = new CFrameWnd;
    if (!m_pMiniFrame->Create(nullptr, L"floating", WS_POPUP, CRect(100, 100, 300, 160), m_pFrame))
    {
        delete m_pMiniFrame;
        m_pMiniFrame = nullptr;
        return;
    }
    if (!CreateChild(m_dockTop, m_pFrame, AFX_IDW_DOCKBAR_TOP, CRect(0, 0, 800, 30)) ||
        !CreateChild(m_dockLeft, m_pFrame, AFX_IDW_DOCKBAR_LEFT, CRect(0, 30, 30, 400)) ||
        !CreateChild(m_dockFloat, m_pMiniFrame, 0xE81F, CRect(0, 0, 200, 60)))
        return;
    if (!CreateChild(m_barTop, &m_dockTop, 0xE900, CRect(10, 2, 210, 28)) ||
        !CreateChild(m_barLeft, &m_dockLeft, 0xE901, CRect(2, 10, 28, 210)) ||
        !CreateChild(m_barFloat, &m_dockFloat, 0xE902, CRect(0, 0, 200, 60)))
        return;
    m_barTop.m_pDockSite = m_barLeft.m_pDockSite = m_barFloat.m_pDockSite = m_pFrame;
    m_barTop.m_pDockBar = &m_dockTop;
    m_barLeft.m_pDockBar = &m_dockLeft;
    m_barFloat.m_pDockBar = &m_dockFloat;
    m_barTop.m_dwStyle = CBRS_ALIGN_TOP;
    m_barLeft.m_dwStyle = CBRS_ALIGN_LEFT;
    m_bValid = true;
}

DockedBars::~DockedBars()
{
    if (m_pMiniFrame != nullptr && ::IsWindow(m_pMiniFrame->GetSafeHwnd()))
        m_pMiniFrame->DestroyWindow();
    if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->DestroyWindow();
}

} // namespace barmenupainters
