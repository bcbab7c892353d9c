// CExtMemoryDC: set-up over a target DC, fall-back to painting through, and the flush.
#include "toolkit/foundation/ExtMemoryDC.h"
#include <algorithm>

namespace
{
// The thread's buffer for paints into windows: a memory DC holding a screen-compatible bitmap, grown as a paint
// needs it. A new memory DC and bitmap for every paint cost the display driver round trips each.
struct SharedBuffer
{
    HDC hDC = nullptr;
    HBITMAP hBitmap = nullptr;
    HGDIOBJ hOldBitmap = nullptr;
    int cx = 0, cy = 0;
    bool bInUse = false;
    ~SharedBuffer()
    {
        if (hDC != nullptr)
        {
            if (hOldBitmap != nullptr)
                ::SelectObject(hDC, hOldBitmap);
            ::DeleteDC(hDC);
        }
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
    }
    // The DC with a bitmap of at least cxNeed by cyNeed compatible with the window DC hTarget; null while a paint
    // uses it or when it cannot be made.
    HDC Take(HDC hTarget, int cxNeed, int cyNeed)
    {
        if (bInUse)
            return nullptr;
        if (hDC == nullptr && (hDC = ::CreateCompatibleDC(hTarget)) == nullptr)
            return nullptr;
        if (cx < cxNeed || cy < cyNeed)
        {
            const int cxNew = std::max(cx, cxNeed), cyNew = std::max(cy, cyNeed);
            HBITMAP hNew = ::CreateCompatibleBitmap(hTarget, cxNew, cyNew);
            if (hNew == nullptr)
                return nullptr;
            HGDIOBJ hPrev = ::SelectObject(hDC, hNew);
            if (hOldBitmap == nullptr)
                hOldBitmap = hPrev;
            if (hBitmap != nullptr)
                ::DeleteObject(hBitmap);
            hBitmap = hNew;
            cx = cxNew;
            cy = cyNew;
        }
        bInUse = true;
        return hDC;
    }
};
thread_local SharedBuffer t_buffer;
} // namespace

CExtMemoryDC::CExtMemoryDC(CDC* pDC, const RECT* pRect, DWORD dwOpt)
    : m_pOldBitmap(nullptr), m_pDC(nullptr), m_rect(0, 0, 0, 0), m_bMemDC(FALSE)
{
    if (pDC != nullptr)
        InitMemoryDC(pDC, pRect, dwOpt);
}

void CExtMemoryDC::BorrowTargetHandles()
{
    m_hDC = m_pDC->m_hDC;
    m_hAttribDC = m_pDC->m_hAttribDC;
    if (m_pDC->IsPrinting())
        m_bPrinting = TRUE;
}

void CExtMemoryDC::InitMemoryDC(CDC* pDC, const RECT* pRect, DWORD dwOpt)
{
    if (pDC == nullptr || m_pDC != nullptr)
        return;
    m_pDC = pDC;
    m_pOldBitmap = nullptr;
    m_bMemDC = ((dwOpt & MemDcBuffer) != 0 && !pDC->IsPrinting()) ? TRUE : FALSE;
    if (pRect != nullptr)
        m_rect = *pRect;
    else
        pDC->GetClipBox(&m_rect);

    if (m_bMemDC)
    {
        bool bReady = false;
        CRect rcDevice(m_rect);
        ::LPtoDP(pDC->m_hAttribDC, (LPPOINT)&rcDevice, 2);
        rcDevice.NormalizeRect();
        const int cx = rcDevice.Width(), cy = rcDevice.Height();
        // A paint into a window takes the thread's buffer; its state is given back as it was found.
        HDC hShared = nullptr;
        if (cx > 0 && cy > 0 && (dwOpt & MemDcMonochrome) == 0 && ::GetObjectType(pDC->m_hDC) == OBJ_DC)
            hShared = t_buffer.Take(pDC->m_hDC, cx, cy);
        if (hShared != nullptr)
        {
            Attach(hShared);
            m_bSharedBuffer = TRUE;
            m_nSavedState = ::SaveDC(hShared);
            SetMapMode(pDC->GetMapMode());
            m_rect = rcDevice;
            ::DPtoLP(pDC->m_hAttribDC, (LPPOINT)&m_rect, 2);
            SetWindowOrg(m_rect.left, m_rect.top);
            bReady = true;
        }
        else if (cx > 0 && cy > 0 && CreateCompatibleDC(pDC))
        {
            const BOOL bBitmap = (dwOpt & MemDcMonochrome) != 0 ? m_bitmap.CreateBitmap(cx, cy, 1, 1, nullptr)
                                                                : m_bitmap.CreateCompatibleBitmap(pDC, cx, cy);
            if (bBitmap)
            {
                m_pOldBitmap = SelectObject(&m_bitmap);
                SetMapMode(pDC->GetMapMode());
                // Logical coordinates of the device rectangle's corners, top-left first, so the
                // window origin maps the target's top-left corner of the area onto pixel 0, 0.
                m_rect = rcDevice;
                ::DPtoLP(pDC->m_hAttribDC, (LPPOINT)&m_rect, 2);
                SetWindowOrg(m_rect.left, m_rect.top);
                bReady = true;
            }
            else
            {
                DeleteDC();
            }
        }
        if (!bReady)
        {
            m_bitmap.DeleteObject();
            m_bMemDC = FALSE;
        }
    }
    if (!m_bMemDC)
        BorrowTargetHandles();

    if ((dwOpt & MemDcFillBackground) != 0)
        FillSolidRect(m_rect, ::GetBkColor(pDC->m_hAttribDC));
}

CExtMemoryDC::~CExtMemoryDC()
{
    if (m_pDC != nullptr)
    {
        if (m_bMemDC)
        {
            m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                          SRCCOPY);
            if (m_bSharedBuffer)
            {
                ::RestoreDC(m_hDC, m_nSavedState);
                Detach();
                t_buffer.bInUse = false;
                m_bSharedBuffer = FALSE;
            }
            else
                SelectObject(m_pOldBitmap);
        }
        else
        {
            // The handles are the target's: forget them without deleting.
            m_hDC = nullptr;
            m_hAttribDC = nullptr;
        }
        m_pDC = nullptr;
        m_pOldBitmap = nullptr;
        m_rect.SetRectEmpty();
        m_bMemDC = FALSE;
    }
    m_bitmap.DeleteObject();
}
