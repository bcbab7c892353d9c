// COlePicture: a picture file (GIF, JPEG, BMP, what the system's picture loader reads) drawn scaled.
#pragma once
#include "platform/Platform.h"
#include <ocidl.h>
#include <olectl.h>

class COlePicture
{
public:
    COlePicture();
    ~COlePicture();
    COlePicture(const COlePicture&) = delete;
    COlePicture& operator=(const COlePicture&) = delete;

    // Reads the whole file and loads it; false (and no picture) when the file cannot be opened or
    // read whole, its buffer cannot be had, or the loader refuses it.
    bool Load(LPCTSTR lpszPath);
    bool LoadFromBuffer(const BYTE* pBytes, DWORD nSize);
    // Renders at (x, y) in its nominal pixel size for the device times the scale; false without
    // a picture or when rendering fails.
    bool Draw(CDC* pDC, int x, int y, double dScale);
    // The size Draw renders at scale 1.0 on the device.
    CSize GetPixelSize(CDC* pDC) const;
    void Free();
    bool HasPicture() const { return m_pPicture != nullptr; }

private:
    IPicture* m_pPicture;
};
