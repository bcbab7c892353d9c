// OLE support of the layer: initialisation, control containment, drop targets.
#pragma once
#include "platform/Wnd.h"
#include <ole2.h>

typedef DWORD DROPEFFECT;

// Initialises OLE on the calling thread (undone at exit). FALSE when that fails.
BOOL AfxOleInit();
BOOL AfxOleIsInitialized();

// The data offered by a drag and drop operation.
class COleDataObject
{
public:
    COleDataObject() {}
    ~COleDataObject() { Release(); }
    void Attach(IDataObject* lpDataObject, BOOL bAutoRelease = TRUE);
    IDataObject* Detach();
    void Release();
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    IDataObject* m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = TRUE;
};

// A window that accepts drops: register it and override the OnDrag/OnDrop operations.
class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);

    HWND m_hWnd = nullptr;

private:
    class XDropTarget;
    XDropTarget* m_pSite = nullptr;
    friend class XDropTarget;
};
