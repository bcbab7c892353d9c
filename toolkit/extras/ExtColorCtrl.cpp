// CExtColorCtrl: the window, its messages, painting and the shared model base.
#include "toolkit/extras/ExtColorCtrl.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <vector>

const UINT CExtColorCtrl::g_nMsgColorChanged = ::RegisterWindowMessageW(L"CExtColorCtrl::g_nMsgColorChanged");

namespace
{
// Mode names when the resource manager has none; each begins with a blank.
const wchar_t* const g_arrModeNames[CExtColorCtrl::kNamedModes] = {
    L" basic colors",
    L" hue, saturation and luminance - mixer",
    L" hue, saturation and luminance - basic hue",
    L" hue, saturation and luminance - roller",
    L" red, green and blue - cube",
    L" red, green and blue - mixer",
    L" gray scale mixer",
    L" cyan, magenta and yellow - cube",
    L" cyan, magenta and yellow - mixer",
    L" red axis",
    L" green axis",
    L" blue axis",
    L" cyan axis",
    L" magenta axis",
    L" yellow axis",
};
} // namespace

// ---- cached bitmaps ------------------------------------------------------------------------------------

bool CExtColorCtrl::dib_t::Create(int cx, int cy, DWORD dwFill)
{
    Drop();
    if (cx < 1 || cy < 1)
        return false;
    COLORREF* pBits = nullptr;
    m_hBitmap = PlatformCreateTopDownDib32(nullptr, cx, cy, &pBits);
    m_hDC = ::CreateCompatibleDC(nullptr);
    if (m_hBitmap == nullptr || pBits == nullptr || m_hDC == nullptr)
    {
        Drop();
        return false;
    }
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    m_pBits = (DWORD*)pBits;
    m_cx = cx;
    m_cy = cy;
    std::fill(m_pBits, m_pBits + (size_t)cx * cy, dwFill);
    return true;
}

void CExtColorCtrl::dib_t::Drop()
{
    if (m_hRgnCover != nullptr)
        ::DeleteObject(m_hRgnCover);
    m_hRgnCover = nullptr;
    if (m_hDC != nullptr)
    {
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
    }
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
    m_hDC = nullptr;
    m_hOld = nullptr;
    m_hBitmap = nullptr;
    m_pBits = nullptr;
    m_cx = m_cy = 0;
}

namespace
{
DWORD ToDib(COLORREF clr) { return RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr)); }
} // namespace

bool CExtColorCtrl::bitmap_cache_t::Create(int cx, int cy, COLORREF clrFill)
{
    Drop();
    return m_image.Create(cx, cy, ToDib(clrFill));
}

void CExtColorCtrl::bitmap_cache_t::Drop()
{
    m_image.Drop();
    m_keyed.Drop();
    m_mask.Drop();
}

void CExtColorCtrl::bitmap_cache_t::SetPixel(int x, int y, COLORREF clr)
{
    if (m_image.m_pBits == nullptr || x < 0 || y < 0 || x >= m_image.m_cx || y >= m_image.m_cy)
        return;
    m_image.m_pBits[(size_t)y * m_image.m_cx + x] = ToDib(clr);
    m_keyed.Drop();
}

COLORREF CExtColorCtrl::bitmap_cache_t::GetPixel(int x, int y) const
{
    if (m_image.m_pBits == nullptr || x < 0 || y < 0 || x >= m_image.m_cx || y >= m_image.m_cy)
        return RGB(255, 255, 255);
    ::GdiFlush();
    const DWORD dw = m_image.m_pBits[(size_t)y * m_image.m_cx + x];
    return RGB(GetBValue(dw), GetGValue(dw), GetRValue(dw));
}

HDC CExtColorCtrl::bitmap_cache_t::GetDrawDC()
{
    m_keyed.Drop();
    return m_image.m_hDC;
}

void CExtColorCtrl::bitmap_cache_t::FillRect(int x, int y, int cx, int cy, COLORREF clr, CPalette* pPalette)
{
    const HDC hDC = GetDrawDC();
    if (hDC == nullptr)
        return;
    HPALETTE hOldPal = nullptr;
    if (pPalette != nullptr && pPalette->GetSafeHandle() != nullptr)
    {
        hOldPal = ::SelectPalette(hDC, (HPALETTE)pPalette->GetSafeHandle(), FALSE);
        ::RealizePalette(hDC);
    }
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    RECT rc = {x, y, x + cx, y + cy};
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    if (hOldPal != nullptr)
        ::SelectPalette(hDC, hOldPal, FALSE);
}

void CExtColorCtrl::bitmap_cache_t::Draw(CDC& dc, int x, int y) const
{
    if (!m_image.IsEmpty())
        ::BitBlt(dc.GetSafeHdc(), x, y, m_image.m_cx, m_image.m_cy, m_image.m_hDC, 0, 0, SRCCOPY);
}

void CExtColorCtrl::bitmap_cache_t::DrawTransparent(CDC& dc, int x, int y, COLORREF clrKey)
{
    if (m_image.IsEmpty())
        return;
    ::GdiFlush();
    if (m_keyed.IsEmpty() || clrKey != m_clrKey)
    {
        const int cx = m_image.m_cx, cy = m_image.m_cy;
        if (!m_keyed.Create(cx, cy, 0) || !m_mask.Create(cx, cy, 0))
        {
            m_keyed.Drop();
            return;
        }
        m_clrKey = clrKey;
        const DWORD dwKey = ToDib(clrKey);
        for (size_t i = 0, n = (size_t)cx * cy; i < n; i++)
        {
            const bool bKey = m_image.m_pBits[i] == dwKey;
            m_keyed.m_pBits[i] = bKey ? 0 : m_image.m_pBits[i];
            m_mask.m_pBits[i] = bKey ? 0xFFFFFF : 0;
        }
    }
    DrawMasked(dc, x, y, m_keyed, m_mask);
}

HRGN CExtColorCtrl::dib_t::CoverRegion() const
{
    if (m_hRgnCover != nullptr || m_pBits == nullptr)
        return m_hRgnCover;
    ::GdiFlush();
    // One rectangle per run of black pixels in a row.
    std::vector<RECT> rects;
    for (int y = 0; y < m_cy; y++)
    {
        const DWORD* pRow = m_pBits + (size_t)y * m_cx;
        for (int x = 0; x < m_cx;)
        {
            if ((pRow[x] & 0xFFFFFF) != 0)
            {
                x++;
                continue;
            }
            const int x0 = x;
            while (x < m_cx && (pRow[x] & 0xFFFFFF) == 0)
                x++;
            rects.push_back({x0, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* pData = (RGNDATA*)data.data();
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = (DWORD)rects.size();
    pData->rdh.nRgnSize = (DWORD)(rects.size() * sizeof(RECT));
    pData->rdh.rcBound = {0, 0, m_cx, m_cy};
    if (!rects.empty())
        std::copy(rects.begin(), rects.end(), (RECT*)pData->Buffer);
    m_hRgnCover = ::ExtCreateRegion(nullptr, (DWORD)data.size(), pData);
    return m_hRgnCover;
}

void CExtColorCtrl::DrawMasked(CDC& dc, int x, int y, const dib_t& image, const dib_t& mask)
{
    // A copy clipped to what the mask covers: plain copies are far cheaper than AND and OR blits.
    const HDC hDC = dc.GetSafeHdc();
    HRGN hCover = mask.CoverRegion();
    HRGN hClip = hCover != nullptr ? ::CreateRectRgn(0, 0, 0, 0) : nullptr;
    if (hClip != nullptr)
    {
        POINT ptOrg = {x, y};
        ::LPtoDP(hDC, &ptOrg, 1);
        HRGN hSaved = ::CreateRectRgn(0, 0, 0, 0);
        const int nSaved = hSaved != nullptr ? ::GetClipRgn(hDC, hSaved) : -1;
        ::CombineRgn(hClip, hCover, nullptr, RGN_COPY);
        ::OffsetRgn(hClip, ptOrg.x, ptOrg.y);
        if (nSaved == 1)
            ::CombineRgn(hClip, hClip, hSaved, RGN_AND);
        if (nSaved >= 0)
        {
            ::SelectClipRgn(hDC, hClip);
            ::BitBlt(hDC, x, y, image.m_cx, image.m_cy, image.m_hDC, 0, 0, SRCCOPY);
            ::SelectClipRgn(hDC, nSaved == 1 ? hSaved : nullptr);
        }
        ::DeleteObject(hClip);
        if (hSaved != nullptr)
            ::DeleteObject(hSaved);
        if (nSaved >= 0)
            return;
    }
    ::BitBlt(dc.GetSafeHdc(), x, y, image.m_cx, image.m_cy, mask.m_hDC, 0, 0, SRCAND);
    ::BitBlt(dc.GetSafeHdc(), x, y, image.m_cx, image.m_cy, image.m_hDC, 0, 0, SRCPAINT);
}

// ---- the model base ------------------------------------------------------------------------------------

CExtColorCtrl::any_picker_data_t::any_picker_data_t()
{
    CExtPaintManager::RgbToHls(m_clr, &m_fHue, &m_fSaturation, &m_fLuminance);
}

void CExtColorCtrl::any_picker_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    (void)dc;
    (void)pPalette;
    (void)bKeepColors;
    m_nWidth = std::max(1, cx);
    m_nHeight = std::max(1, cy);
}

void CExtColorCtrl::any_picker_data_t::SetReferenceColor(COLORREF clr) { m_clrRef = clr; }

void CExtColorCtrl::any_picker_data_t::SetColor(COLORREF clr)
{
    m_clr = clr;
    CExtPaintManager::RgbToHls(clr, &m_fHue, &m_fSaturation, &m_fLuminance);
}

void CExtColorCtrl::any_picker_data_t::SetHls(double fHue, double fLuminance, double fSaturation)
{
    m_fHue = fHue;
    m_fLuminance = fLuminance;
    m_fSaturation = fSaturation;
    m_clr = CExtPaintManager::HlsToRgb(fHue, fLuminance, fSaturation);
}

CPalette* CExtColorCtrl::any_picker_data_t::SelectPalette(CDC& dc, CPalette* pPalette)
{
    if (pPalette == nullptr || pPalette->GetSafeHandle() == nullptr)
        return nullptr;
    CPalette* pOld = dc.SelectPalette(pPalette, FALSE);
    dc.RealizePalette();
    return pOld;
}

bool CExtColorCtrl::any_picker_data_t::IsLowColor() { return CExtPaintManager::GetDisplayBitsPerPixel() < 9; }

// ---- the control ---------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CExtColorCtrl, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_CANCELMODE()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_WM_PALETTECHANGED()
ON_WM_QUERYNEWPALETTE()
ON_MESSAGE(WM_KEYUP, OnSwallow)
ON_MESSAGE(WM_LBUTTONDBLCLK, OnSwallow)
ON_MESSAGE(WM_RBUTTONDOWN, OnSwallow)
ON_MESSAGE(WM_RBUTTONUP, OnSwallow)
ON_MESSAGE(WM_RBUTTONDBLCLK, OnSwallow)
ON_MESSAGE(WM_MBUTTONDOWN, OnSwallow)
ON_MESSAGE(WM_MBUTTONUP, OnSwallow)
ON_MESSAGE(WM_MBUTTONDBLCLK, OnSwallow)
END_MESSAGE_MAP()

CExtColorCtrl::CExtColorCtrl(int nMode) : m_nMode(nMode >= 0 && nMode < kModeCount ? nMode : 0)
{
    for (int i = 0; i < 6; i++)
        m_dataXyz[i].m_nAxis = i;
    any_picker_data_t* const arr[kModeCount] = {
        &m_dataCells,          &m_dataHslPanel, &m_dataHslBasicHue, &m_dataHslRoller, &m_dataRgbCube, &m_dataRgbMixer,
        &m_dataGrayscaleMixer, &m_dataCmyCube,  &m_dataCmyMixer,    &m_dataXyz[0],    &m_dataXyz[1],  &m_dataXyz[2],
        &m_dataXyz[3],         &m_dataXyz[4],   &m_dataXyz[5],      &m_dataDiff,
    };
    std::copy(arr, arr + kModeCount, m_arrModels);
}

CExtColorCtrl::~CExtColorCtrl() {}

CString CExtColorCtrl::GetModeName(int nMode)
{
    CString s;
    if (nMode < 0 || nMode >= kNamedModes)
        return s;
    if (g_ResourceManagerHolder->LoadStringRes(s, kModeNameBase + nMode) && !s.IsEmpty())
        return s;
    return CString(g_arrModeNames[nMode]);
}

CExtColorCtrl::any_picker_data_t* CExtColorCtrl::GetCurrentModel() const { return m_arrModels[m_nMode]; }

bool CExtColorCtrl::SetMode(int nMode)
{
    if (nMode < 0 || nMode >= kModeCount)
        return false;
    m_nMode = nMode;
    return true;
}

void CExtColorCtrl::SetColor(COLORREF clr, bool bNotify)
{
    if (clr != m_selClrs.m_clrCurrent)
    {
        m_selClrs.m_clrCurrent = clr;
        if (bNotify)
            OnColorChanged();
    }
    GetCurrentModel()->SetColor(m_selClrs.m_clrCurrent);
    if (GetSafeHwnd() != nullptr)
    {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::UpdateWindow(m_hWnd);
    }
}

void CExtColorCtrl::OnColorChanged()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent == nullptr)
        return;
    ::SendMessageW(hWndParent, g_nMsgColorChanged, (WPARAM)m_hWnd, (LPARAM)&m_selClrs);
}

CPalette* CExtColorCtrl::PaletteForDevice() const
{
    if (CExtPaintManager::GetDisplayBitsPerPixel() > 8)
        return nullptr;
    CPalette* pPalette = &g_PaintManagerHolder->m_palette;
    return pPalette->GetSafeHandle() != nullptr ? pPalette : nullptr;
}

void CExtColorCtrl::RecalcLayout(bool bKeepColors)
{
    if (!bKeepColors)
    {
        for (any_picker_data_t* p : m_arrModels)
            p->Reset();
    }
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rc;
    ::GetClientRect(m_hWnd, &rc);
    CClientDC dc(this);
    any_picker_data_t* pModel = GetCurrentModel();
    pModel->Layout(dc, PaletteForDevice(), rc.Width(), rc.Height(), bKeepColors);
    pModel->SetColor(m_selClrs.m_clrCurrent);
    pModel->SetReferenceColor(m_selClrs.m_clrRef);
}

void CExtColorCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    RecalcLayout(false);
}

void CExtColorCtrl::RepaintNow()
{
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

void CExtColorCtrl::CaptureOn()
{
    if (m_bTracking)
        return;
    m_bTracking = true;
    CExtMouseCaptureSink::SetCapture(m_hWnd);
}

void CExtColorCtrl::CaptureOff()
{
    if (!m_bTracking)
        return;
    m_bTracking = false;
    if (CExtMouseCaptureSink::GetCaptureHWND() == m_hWnd)
        CExtMouseCaptureSink::ReleaseCapture();
}

void CExtColorCtrl::TrackStep(UINT nFlags, int x, int y)
{
    any_picker_data_t* pModel = GetCurrentModel();
    pModel->OnMouseMove(nFlags, x, y);
    if (pModel->m_clr == m_selClrs.m_clrCurrent)
        return;
    const HWND hWnd = m_hWnd;
    m_selClrs.m_clrPrev = m_selClrs.m_clrCurrent;
    m_selClrs.m_clrCurrent = pModel->m_clr;
    OnColorChanged();
    if (::IsWindow(hWnd))
        RepaintNow();
}

void CExtColorCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout(true);
    RepaintNow();
}

void CExtColorCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    CaptureOn();
    any_picker_data_t* pModel = GetCurrentModel();
    if (pModel->m_clr != m_selClrs.m_clrCurrent)
    {
        pModel->SetColor(m_selClrs.m_clrCurrent);
        RepaintNow();
    }
    pModel->OnButtonDown(nFlags, point.x, point.y);
    TrackStep(0, point.x, point.y);
}

void CExtColorCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        TrackStep(nFlags, point.x, point.y);
}

void CExtColorCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CaptureOff();
    GetCurrentModel()->OnButtonUp(nFlags, point.x, point.y);
}

void CExtColorCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CaptureOff();
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CExtColorCtrl::OnCancelMode()
{
    CWnd::OnCancelMode();
    CaptureOff();
}

void CExtColorCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    CaptureOff();
}

BOOL CExtColorCtrl::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CExtColorCtrl::OnPaletteChanged(CWnd* pFocusWnd)
{
    CWnd::OnPaletteChanged(pFocusWnd);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CExtColorCtrl::OnQueryNewPalette()
{
    const BOOL b = CWnd::OnQueryNewPalette();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return b;
}

LRESULT CExtColorCtrl::OnSwallow(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 0;
}

void CExtColorCtrl::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (rcClient.IsRectEmpty() || !dcPaint.RectVisible(&rcClient))
        return;
    CPalette* pPalette = PaletteForDevice();
    CPalette* pOldPaintPal = nullptr;
    if (pPalette != nullptr)
    {
        pOldPaintPal = dcPaint.SelectPalette(pPalette, FALSE);
        dcPaint.RealizePalette();
    }
    {
        CExtMemoryDC dc(&dcPaint, &rcClient);
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        bool bPainted = false;
        if (pPM->IsDockerGradientAvailable(this))
        {
            CExtPaintManager::ExcludeChildAreas(dc.GetSafeHdc(), m_hWnd);
            bPainted = pPM->PaintDockerBackground(true, dc, this);
        }
        if (!bPainted)
            dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(1000, this));
        CPalette* pOldMemPal = nullptr;
        if (pPalette != nullptr)
            pOldMemPal = dc.SelectPalette(pPalette, FALSE);
        GetCurrentModel()->Paint(dc, pPalette);
        if (pOldMemPal != nullptr)
            dc.SelectPalette(pOldMemPal, FALSE);
    }
    if (pOldPaintPal != nullptr)
        dcPaint.SelectPalette(pOldPaintPal, FALSE);
}
