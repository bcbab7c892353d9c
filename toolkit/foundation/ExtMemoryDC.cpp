// CExtMemoryDC: set-up over a target DC, fall-back to painting through, and the flush.
#include "toolkit/foundation/ExtMemoryDC.h"

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
        if (cx > 0 && cy > 0 && CreateCompatibleDC(pDC))
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
