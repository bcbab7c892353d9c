// The saved state of a frame's bars: one record per bar (CControlBarInfo) and the set of them
// (CDockState) with its archive format.
#pragma once
#include "platform/Collections.h"
#include "platform/Geometry.h"

class CControlBar;

class CControlBarInfo
{
public:
    CControlBarInfo();

    enum
    {
        kPlaceHolderBit = 0x80000000 // in m_arrBarID: the id holds a place, no bar
    };
    enum Flags
    {
        flagVisible = 1,
        flagFloating = 2,
        flagHorz = 4,
        flagDockBar = 8
    };

    // Writes or reads the record in the dock-state format; reading checks every count against
    // the bytes left.
    void Serialize(CArchive& ar);

    UINT m_nBarID = 0;
    BOOL m_bVisible = FALSE;
    BOOL m_bFloating = FALSE;
    BOOL m_bHorz = FALSE;
    BOOL m_bDockBar = FALSE;
    CPoint m_pointPos; // top-left in the parent's client (a floating frame: on the screen)
    int m_nMRUWidth = 32767;
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;
    CDWordArray m_arrBarID;        // a dock bar's entries after its first row break: 0 a row break
    CControlBar* m_pBar = nullptr; // run time only: the bar described (not owned)
};

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)
public:
    CDockState();
    virtual ~CDockState();

    enum
    {
        kVersion = 1
    };

    // Deletes every record.
    void Clear();
    // Loading replaces the records only when the whole state was read.
    virtual void Serialize(CArchive& ar) override;

    CPtrArray m_arrBarInfo; // CControlBarInfo*, owned
};
