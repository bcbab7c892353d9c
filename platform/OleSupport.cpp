#include "platform/Platform.h"
#include "platform/OleSupport.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace
{
bool g_oleInitialized = false;
void UninitializeOle()
{
    if (g_oleInitialized)
    {
        OleUninitialize();
        g_oleInitialized = false;
    }
}
} // namespace

BOOL AfxOleInit()
{
    if (g_oleInitialized)
        return TRUE;
    HRESULT hr = OleInitialize(nullptr);
    if (FAILED(hr))
        return FALSE;
    g_oleInitialized = true;
    atexit(UninitializeOle);
    return TRUE;
}

BOOL AfxOleIsInitialized() { return g_oleInitialized; }

// ------------------------------------------------------------------------------ COleDataObject

void COleDataObject::Attach(IDataObject* lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

IDataObject* COleDataObject::Detach()
{
    IDataObject* p = m_lpDataObject;
    m_lpDataObject = nullptr;
    return p;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != nullptr && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = nullptr;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC fe = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return m_lpDataObject->QueryGetData(lpFormatEtc ? lpFormatEtc : &fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return nullptr;
    FORMATETC fe = {cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(m_lpDataObject->GetData(lpFormatEtc ? lpFormatEtc : &fe, &medium)) || medium.tymed != TYMED_HGLOBAL)
        return nullptr;
    // The caller owns the copy.
    SIZE_T size = GlobalSize(medium.hGlobal);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (copy != nullptr)
    {
        memcpy(GlobalLock(copy), GlobalLock(medium.hGlobal), size);
        GlobalUnlock(copy);
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return copy;
}

// ------------------------------------------------------------------------------ COleDropTarget

class COleDropTarget::XDropTarget : public IDropTarget
{
public:
    explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
    virtual ~XDropTarget() {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropTarget)
        {
            *ppv = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG n = --m_refs;
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (m_pOwner == nullptr)
            return E_UNEXPECTED;
        m_data.Attach(pDataObj, FALSE);
        *pdwEffect = m_pOwner->OnDragEnter(Window(), &m_data, grfKeyState, ClientPoint(pt));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (m_pOwner == nullptr)
            return E_UNEXPECTED;
        *pdwEffect = m_pOwner->OnDragOver(Window(), &m_data, grfKeyState, ClientPoint(pt));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        if (m_pOwner != nullptr)
            m_pOwner->OnDragLeave(Window());
        m_data.Detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (m_pOwner == nullptr)
            return E_UNEXPECTED;
        m_data.Attach(pDataObj, FALSE);
        CPoint point = ClientPoint(pt);
        DROPEFFECT effect = m_pOwner->OnDragOver(Window(), &m_data, grfKeyState, point);
        DROPEFFECT result = m_pOwner->OnDropEx(Window(), &m_data, effect, *pdwEffect, point);
        if (result == (DROPEFFECT)-1)
            result = m_pOwner->OnDrop(Window(), &m_data, effect, point) ? effect : DROPEFFECT_NONE;
        *pdwEffect = result;
        m_data.Detach();
        return S_OK;
    }
    COleDropTarget* m_pOwner;

private:
    CWnd* Window() const { return CWnd::FromHandle(m_pOwner->m_hWnd); }
    CPoint ClientPoint(POINTL pt) const
    {
        POINT p = {pt.x, pt.y};
        ::ScreenToClient(m_pOwner->m_hWnd, &p);
        return CPoint(p);
    }
    ULONG m_refs = 1;
    COleDataObject m_data;
};

COleDropTarget::COleDropTarget() {}

COleDropTarget::~COleDropTarget() { Revoke(); }

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_pSite = new XDropTarget(this);
    if (FAILED(RegisterDragDrop(pWnd->GetSafeHwnd(), m_pSite)))
    {
        m_pSite->m_pOwner = nullptr;
        m_pSite->Release();
        m_pSite = nullptr;
        return FALSE;
    }
    m_hWnd = pWnd->GetSafeHwnd();
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd != nullptr)
    {
        if (::IsWindow(m_hWnd))
            RevokeDragDrop(m_hWnd);
        m_hWnd = nullptr;
    }
    if (m_pSite != nullptr)
    {
        m_pSite->m_pOwner = nullptr;
        m_pSite->Release();
        m_pSite = nullptr;
    }
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    (void)pWnd, (void)pDataObject, (void)dwKeyState, (void)point;
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    (void)pWnd, (void)pDataObject, (void)dwKeyState, (void)point;
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    (void)pWnd, (void)pDataObject, (void)dropEffect, (void)point;
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    (void)pWnd, (void)pDataObject, (void)dropDefault, (void)dropList, (void)point;
    return (DROPEFFECT)-1; // not handled: OnDrop decides
}

void COleDropTarget::OnDragLeave(CWnd* pWnd) { (void)pWnd; }
