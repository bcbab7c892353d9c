// Shared pieces of the special popup tests.
#include "SpecialPopupTestSupport.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CRecordingPaintManager, CMenuTestPaintManager)

std::vector<std::pair<CString, CRect>> CRecordingPaintManager::s_captions;
std::vector<CString> CRecordingPaintManager::s_editTexts;

void CRecordingPaintManager::PaintMenuItem(CDC& dc, MenuItemPaintData& data)
{
    if (data.m_nLayoutValues[2] > data.m_nLayoutValues[0])
        s_editTexts.push_back(data.m_strCustomText);
    CMenuTestPaintManager::PaintMenuItem(dc, data);
}

void CRecordingPaintManager::PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc,
                                                  LPARAM lParam)
{
    s_captions.emplace_back(CString(pszText), CRect(rc));
    CMenuTestPaintManager::PaintUndoRedoCaption(dc, rc, pszText, pHelperSrc, lParam);
}

namespace
{
LRESULT CALLBACK RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pRecorder = (CMessageRecorder*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
    if (pRecorder != nullptr && message >= 0xC000 && message <= 0xFFFF)
    {
        pRecorder->m_messages.push_back({message, wParam, lParam});
        return pRecorder->m_onMessage ? pRecorder->m_onMessage(message, wParam, lParam) : 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}
} // namespace

CMessageRecorder::CMessageRecorder()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &RecorderProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvaneMessageRecorder";
    ::RegisterClassW(&wc);
    m_hWnd =
        ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

CMessageRecorder::~CMessageRecorder()
{
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hWnd);
}

std::vector<RecordedMessage> CMessageRecorder::Of(UINT nMsg) const
{
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : m_messages)
        if (m.m_nMsg == nMsg)
            out.push_back(m);
    return out;
}

void SpecialPopupTest::SetUp()
{
    PopupTest::SetUp();
    g_PaintManagerHolder.InstallPaintManager(new CRecordingPaintManager);
    CRecordingPaintManager::s_captions.clear();
    CRecordingPaintManager::s_editTexts.clear();
}

void SpecialPopupTest::TearDown() { PopupTest::TearDown(); }

bool SpecialPopupTest::Show(CExtPopupMenuWnd* pPopup, int x, int y, UINT nFlags)
{
    if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION | nFlags, x, y))
        return false;
    pPopup->OnTimerAnimation();
    pPopup->UpdateWindow();
    Pump();
    return true;
}

bool CWheelCounter::Create()
{
    return CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(500, 200, 900, 600), nullptr, 0) !=
           FALSE;
}

LRESULT CWheelCounter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEWHEEL)
        ++m_nWheels;
    return CWnd::WindowProc(message, wParam, lParam);
}
