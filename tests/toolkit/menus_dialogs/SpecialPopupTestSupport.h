// Shared pieces of the special popup tests: a hidden window that records the registered messages
// the popups send or post to it, and a paint manager that records push buttons and captions.
#pragma once
#include "PopupTestSupport.h"
#include <vector>

struct RecordedMessage
{
    UINT m_nMsg;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

// A hidden top-level window recording every registered message (0xC000 and above) it gets.
class CMessageRecorder
{
public:
    CMessageRecorder();
    ~CMessageRecorder();
    // The recorded messages of one kind.
    std::vector<RecordedMessage> Of(UINT nMsg) const;
    size_t Count(UINT nMsg) const { return Of(nMsg).size(); }

    HWND m_hWnd = nullptr;
    std::vector<RecordedMessage> m_messages;
    // Answers a message when set (the recorder answers 0 otherwise).
    std::function<LRESULT(UINT, WPARAM, LPARAM)> m_onMessage;
};

// A visible top-level window under the test menus (500, 200)-(900, 600) that counts the wheel
// messages it gets.
class CWheelCounter : public CWnd
{
public:
    int m_nWheels = 0;
    bool Create();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The menu test paint manager that also records the undo/redo captions and the texts of the menu
// items' edit parts it paints.
class CRecordingPaintManager : public CMenuTestPaintManager
{
    DECLARE_DYNCREATE(CRecordingPaintManager)
public:
    void PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc, LPARAM lParam) override;
    void PaintMenuItem(CDC& dc, MenuItemPaintData& data) override;
    static std::vector<std::pair<CString, CRect>> s_captions;
    static std::vector<CString> s_editTexts; // the edit-part texts of painted menu items
};

// The popup fixture over the recording paint manager.
class SpecialPopupTest : public PopupTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Tracks a popup at the point without animation; false when tracking failed.
    static bool Show(CExtPopupMenuWnd* pPopup, int x = 700, int y = 300, UINT nFlags = 0);
};
