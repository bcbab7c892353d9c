// CImageList.
#include "platform/ImageList.h"
#include "platform/Dc.h"
#include "platform/Gdi.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CHandleMap<CImageList>* afxMapHIMAGELIST(BOOL bCreate)
{
    typedef CTempHandleWrapper<CImageList, HIMAGELIST, &CImageList::m_hImageList> Temp;
    return PlatformThreadHandleMap(&_AFX_THREAD_STATE::m_pmapHIMAGELIST, bCreate, &Temp::New, &Temp::Detach);
}

HIMAGELIST CImageList::AfxSafeHimagelist(const CImageList* p) { return p == nullptr ? nullptr : p->m_hImageList; }

CImageList::CImageList() : m_hImageList(nullptr) {}
CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST h)
{
    if (h == nullptr)
        return nullptr;
    return afxMapHIMAGELIST(TRUE)->FromHandle(h);
}
CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST h)
{
    CHandleMap<CImageList>* pMap = afxMapHIMAGELIST();
    return pMap != nullptr && h != nullptr ? pMap->LookupPermanent(h) : nullptr;
}
void PASCAL CImageList::DeleteTempMap()
{
    if (CHandleMap<CImageList>* pMap = afxMapHIMAGELIST())
        pMap->DeleteTemp();
}
BOOL CImageList::Attach(HIMAGELIST h)
{
    if (h == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = h;
    afxMapHIMAGELIST(TRUE)->SetPermanent(h, this);
    return TRUE;
}
HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != nullptr)
    {
        if (CHandleMap<CImageList>* pMap = afxMapHIMAGELIST())
            pMap->RemoveHandle(h, this);
    }
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}
BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask);
}
BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(::ImageList_LoadImageW(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}
BOOL CImageList::Create(CImageList* pImageList) { return Attach(::ImageList_Duplicate(pImageList->m_hImageList)); }
BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::SetImageCount(UINT uNewCount) { return ::ImageList_SetImageCount(m_hImageList, uNewCount); }
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ::ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}
int CImageList::Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
BOOL CImageList::Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                               (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Replace(int nImage, HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
HICON CImageList::ExtractIcon(int nImage) { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ::ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}
BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ::ImageList_DrawIndirect(pimldp);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const { return ::ImageList_GetBkColor(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const { return ::ImageList_GetIconSize(m_hImageList, cx, cy); }
BOOL CImageList::SetIconSize(int cx, int cy) { return ::ImageList_SetIconSize(m_hImageList, cx, cy); }
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ::ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}
BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return ::ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}
