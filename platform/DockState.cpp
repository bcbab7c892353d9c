// The saved state of a frame's bars and its archive format: a version, a count, and per bar its
// id, flags, position, MRU values and (for a dock bar) its entries.
#include "platform/Platform.h"
#include "platform/DockState.h"
#include "platform/Archive.h"
#include "platform/Exceptions.h"
#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CDockState, CObject, 1)

namespace
{
// Bytes of a record without its entries: id, flags, position, MRU width, MRU dock id, MRU dock
// rectangle, MRU float style, MRU float point.
const UINT kInfoFixedBytes = 4 + 2 + 8 + 4 + 4 + 16 + 4 + 8;

LONG ReadLong(CArchive& ar)
{
    LONG l = 0;
    ar >> l;
    return l;
}

DWORD ReadDword(CArchive& ar)
{
    DWORD dw = 0;
    ar >> dw;
    return dw;
}
} // namespace

CControlBarInfo::CControlBarInfo() : m_pointPos(0, 0), m_rectMRUDockPos(0, 0, 0, 0), m_ptMRUFloatPos(-1, -1) {}

void CControlBarInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        WORD wFlags = (WORD)((m_bVisible ? flagVisible : 0) | (m_bFloating ? flagFloating : 0) |
                             (m_bHorz ? flagHorz : 0) | (m_bDockBar ? flagDockBar : 0));
        ar << (DWORD)m_nBarID << wFlags;
        ar << (LONG)m_pointPos.x << (LONG)m_pointPos.y;
        ar << (DWORD)m_nMRUWidth << (DWORD)m_uMRUDockID;
        ar << (LONG)m_rectMRUDockPos.left << (LONG)m_rectMRUDockPos.top << (LONG)m_rectMRUDockPos.right
           << (LONG)m_rectMRUDockPos.bottom;
        ar << m_dwMRUFloatStyle << (LONG)m_ptMRUFloatPos.x << (LONG)m_ptMRUFloatPos.y;
        if (m_bDockBar)
        {
            ar << (DWORD)m_arrBarID.GetSize();
            for (int i = 0; i < m_arrBarID.GetSize(); i++)
                ar << m_arrBarID[i];
        }
        return;
    }
    m_nBarID = ReadDword(ar);
    WORD wFlags = 0;
    ar >> wFlags;
    m_bVisible = (wFlags & flagVisible) != 0;
    m_bFloating = (wFlags & flagFloating) != 0;
    m_bHorz = (wFlags & flagHorz) != 0;
    m_bDockBar = (wFlags & flagDockBar) != 0;
    m_pointPos.x = ReadLong(ar);
    m_pointPos.y = ReadLong(ar);
    m_nMRUWidth = (int)ReadDword(ar);
    m_uMRUDockID = ReadDword(ar);
    m_rectMRUDockPos.left = ReadLong(ar);
    m_rectMRUDockPos.top = ReadLong(ar);
    m_rectMRUDockPos.right = ReadLong(ar);
    m_rectMRUDockPos.bottom = ReadLong(ar);
    m_dwMRUFloatStyle = ReadDword(ar);
    m_ptMRUFloatPos.x = ReadLong(ar);
    m_ptMRUFloatPos.y = ReadLong(ar);
    m_arrBarID.RemoveAll();
    if (m_bDockBar)
    {
        DWORD nCount = ReadDword(ar);
        ar.CheckCount(nCount, 4);
        // Grows as entries arrive: a count is never trusted for an allocation.
        for (DWORD i = 0; i < nCount; i++)
            m_arrBarID.Add(ReadDword(ar));
    }
    m_pBar = nullptr;
}

CDockState::CDockState() {}

CDockState::~CDockState() { Clear(); }

void CDockState::Clear()
{
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)kVersion << (DWORD)m_arrBarInfo.GetSize();
        for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
            static_cast<CControlBarInfo*>(m_arrBarInfo[i])->Serialize(ar);
        return;
    }
    DWORD dwVersion = ReadDword(ar);
    if (dwVersion != kVersion)
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    DWORD nCount = ReadDword(ar);
    ar.CheckCount(nCount, kInfoFixedBytes);
    // Read into a private list: a damaged state leaves the present one as it was.
    std::vector<std::unique_ptr<CControlBarInfo>> infos;
    for (DWORD i = 0; i < nCount; i++)
    {
        infos.emplace_back(new CControlBarInfo);
        infos.back()->Serialize(ar);
    }
    Clear();
    for (auto& p : infos)
        m_arrBarInfo.Add(p.release());
}
