// CExtMemoryDC: an off-screen device context that stands in for a target DC for one paint and
// copies its bitmap to the target when it goes out of scope.
#pragma once
#include "platform/Dc.h"

class CExtMemoryDC : public CDC
{
public:
    enum : DWORD
    {
        MemDcBuffer = 0x01,         // paint into an off-screen bitmap (never for a printing target)
        MemDcFillBackground = 0x02, // start with the rectangle filled in the target's background colour
        MemDcMonochrome = 0x04,     // the bitmap has one plane of one bit
    };

    // pRect is in the target's logical coordinates; null buffers the target's clip box.
    CExtMemoryDC(CDC* pDC = nullptr, const RECT* pRect = nullptr, DWORD dwOpt = MemDcBuffer | MemDcFillBackground);
    ~CExtMemoryDC() override;

    // When the memory DC or its bitmap cannot be made (an empty or huge rectangle, no resources)
    // the object paints straight through to the target, as without MemDcBuffer.
    void InitMemoryDC(CDC* pDC, const RECT* pRect = nullptr, DWORD dwOpt = MemDcBuffer | MemDcFillBackground);

    // ---- state -----------------------------------------------------------------------------
    bool IsBuffering() const { return m_bMemDC != FALSE; }
    CDC* GetTargetDC() const { return m_pDC; }
    const CRect& GetBufferedRect() const { return m_rect; }

protected:
    // Takes over the target's handles (not owned) so that painting lands on the target.
    void BorrowTargetHandles();

    CBitmap m_bitmap;             // the off-screen bitmap (owned)
    CBitmap* m_pOldBitmap;        // what the memory DC held before m_bitmap
    CDC* m_pDC;                   // the target (not owned)
    CRect m_rect;                 // buffered area in the target's logical coordinates
    BOOL m_bMemDC;                // painting goes to m_bitmap, or to the thread's shared buffer
    BOOL m_bSharedBuffer = FALSE; // the DC is the thread's shared buffer (not owned)
    int m_nSavedState = 0;        // the shared buffer's state before this paint

private:
    CExtMemoryDC(const CExtMemoryDC&) = delete;
    CExtMemoryDC& operator=(const CExtMemoryDC&) = delete;
};
