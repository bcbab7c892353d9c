// CExtPopupInplaceDatePicker: creation with the menu font and the content, no activation.
#include "toolkit/extras/ExtPopupInplaceDatePicker.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtPopupInplaceDatePicker, CExtDatePickerWnd)

const UINT CExtPopupInplaceDatePicker::g_nMsgPopupDatePickerInitContent =
    ::RegisterWindowMessageW(L"CExtPopupInplaceDatePicker::g_nMsgPopupDatePickerInitContent");

CExtPopupInplaceDatePicker::CExtPopupInplaceDatePicker()
    : m_pCbContent(nullptr), m_pContentCookie(nullptr), m_pCbSelection(nullptr), m_pSelectionCookie(nullptr),
      m_lMessageCookie(0)
{}

CExtPopupInplaceDatePicker::~CExtPopupInplaceDatePicker() {}

HWND CExtPopupInplaceDatePicker::GetCmdReceiver() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(GetSafeHwnd()));
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
        return nullptr;
    return ((CExtPopupMenuWnd*)pParent)->GetCmdReceiverHWND();
}

LRESULT CExtPopupInplaceDatePicker::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE: return OnCreateMsg(wParam, lParam);
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: break;
    }
    return CExtDatePickerWnd::WindowProc(message, wParam, lParam);
}

LRESULT CExtPopupInplaceDatePicker::OnCreateMsg(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CExtDatePickerWnd::WindowProc(WM_CREATE, wParam, lParam);
    if (lResult == -1)
        return lResult;
    ::SendMessageW(GetSafeHwnd(), WM_SETFONT, (WPARAM)g_PaintManagerHolder->m_fontNormal.GetSafeHandle(), TRUE);
    if (m_pCbContent == nullptr || !m_pCbContent(*this, m_pContentCookie))
    {
        const HWND hWndReceiver = GetCmdReceiver();
        if (hWndReceiver != nullptr)
            ::SendMessageW(hWndReceiver, g_nMsgPopupDatePickerInitContent, (WPARAM)this, m_lMessageCookie);
    }
    return lResult;
}
