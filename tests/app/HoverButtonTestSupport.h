// The hover button's tests: real mouse input under Xvfb with a pump between the steps, and a fixture
// with a shown top-level parent that the button is created in.
#pragma once
#include "app/HoverButton.h"
#include "tests/support/InputScript.h"
#include <functional>

#include <gtest/gtest.h>

namespace hovertest
{
// Pumps this thread's messages (through the pre-translation of their windows) for ms milliseconds.
void Pump(DWORD ms = 30);
// Pumps as Pump until pred holds, at most ms; false when it never did.
bool PumpUntil(const std::function<bool()>& pred, DWORD ms = kInputWaitMs);
// Pumps until every message posted to this thread before the call has been handled (a marker posted
// last has come through); false when that did not happen within the wait's bound.
bool PumpPosted();
// Moves the real pointer to the client point of the window and pumps until the move is handled.
void MoveMouseTo(HWND hWnd, CPoint ptClient);
// Moves the pointer there and clicks the left button, pumping until the click is handled (a loop it
// starts, such as a menu, included).
void ClickAt(HWND hWnd, CPoint ptClient);

// A shown top-most parent of 400 x 300 at (100, 100) that takes double clicks.
class ButtonParent : public CWnd
{
public:
    BOOL CreateParent();
    HWND m_hButton = nullptr; // the button the fixture created last
};

// The parent (a ButtonParent) created in front and painted, with the pointer parked in its far corner.
template <class TParent> struct ButtonOnParentTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateParent());
        ::SetForegroundWindow(parent.m_hWnd);
        ::SetActiveWindow(parent.m_hWnd);
        parent.UpdateWindow();
        MoveMouseTo(parent.m_hWnd, CPoint(390, 290));
    }
    void TearDown() override
    {
        if (parent.m_hWnd)
            parent.DestroyWindow();
    }
    void CreateButton(CHoverButton& button, DWORD dwStyle = BS_PUSHBUTTON, UINT nId = 1070)
    {
        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, 10, 60, 50), &parent, nId));
        parent.m_hButton = button.m_hWnd;
    }
    TParent parent;
};
} // namespace hovertest
