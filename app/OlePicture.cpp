// COlePicture: loading through a stream on global memory, drawing through IPicture::Render.
#include "app/OlePicture.h"
#include <new>
#include <vector>

COlePicture::COlePicture() : m_pPicture(nullptr) {}

COlePicture::~COlePicture() { Free(); }

void COlePicture::Free()
{
    if (m_pPicture != nullptr)
    {
        m_pPicture->Release();
        m_pPicture = nullptr;
    }
}

bool COlePicture::Load(LPCTSTR lpszPath)
{
    Free();
    HANDLE hFile = ::CreateFileW(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool bOk = ::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart < 0x7FFFFFFF;
    std::vector<BYTE> bytes;
    if (bOk)
    {
        try
        {
            bytes.resize((size_t)size.QuadPart);
        }
        catch (const std::bad_alloc&)
        {
            bOk = false;
        }
    }
    // Only a file read whole is loaded.
    DWORD nRead = 0;
    if (bOk)
        bOk = ::ReadFile(hFile, bytes.data(), (DWORD)bytes.size(), &nRead, nullptr) && nRead == bytes.size();
    ::CloseHandle(hFile);
    return bOk && LoadFromBuffer(bytes.data(), (DWORD)bytes.size());
}

bool COlePicture::LoadFromBuffer(const BYTE* pBytes, DWORD nSize)
{
    Free();
    if (pBytes == nullptr || nSize == 0)
        return false;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hGlobal == nullptr)
        return false;
    void* pData = ::GlobalLock(hGlobal);
    if (pData == nullptr)
    {
        ::GlobalFree(hGlobal);
        return false;
    }
    memcpy(pData, pBytes, nSize);
    ::GlobalUnlock(hGlobal);
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream)))
    {
        ::GlobalFree(hGlobal);
        return false;
    }
    HRESULT hr = ::OleLoadPicture(pStream, (LONG)nSize, FALSE, IID_IPicture, (void**)&m_pPicture);
    pStream->Release();
    if (FAILED(hr))
        m_pPicture = nullptr;
    return m_pPicture != nullptr;
}

CSize COlePicture::GetPixelSize(CDC* pDC) const
{
    if (m_pPicture == nullptr || pDC == nullptr)
        return CSize(0, 0);
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    m_pPicture->get_Width(&cx);
    m_pPicture->get_Height(&cy);
    return CSize(MulDiv(cx, pDC->GetDeviceCaps(LOGPIXELSX), 2540), MulDiv(cy, pDC->GetDeviceCaps(LOGPIXELSY), 2540));
}

bool COlePicture::Draw(CDC* pDC, int x, int y, double dScale)
{
    if (m_pPicture == nullptr || pDC == nullptr)
        return false;
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    m_pPicture->get_Width(&cx);
    m_pPicture->get_Height(&cy);
    const CSize size = GetPixelSize(pDC);
    const int nWidth = (int)(size.cx * dScale);
    const int nHeight = (int)(size.cy * dScale);
    return SUCCEEDED(m_pPicture->Render(pDC->GetSafeHdc(), x, y, nWidth, nHeight, 0, cy, cx, -cy, nullptr));
}
