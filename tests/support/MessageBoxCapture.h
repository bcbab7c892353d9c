// Test helper: records every message box shown while it lives and answers a chosen button; a real box
// answered as a user does.
#pragma once
#include "platform/MessageBox.h"
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// A message box handler: the real box, answered with OK from a timer of its own loop.
inline int ShowBoxAnsweredWithOk(HWND owner, LPCWSTR text, LPCWSTR title, UINT type)
{
    static std::wstring s_title;
    s_title = title;
    const UINT_PTR id = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND hBox = ::FindWindowW(L"#32770", s_title.c_str());
        if (hBox != nullptr && ::GetWindowThreadProcessId(hBox, nullptr) == ::GetCurrentThreadId())
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    });
    const int nResult = ::MessageBoxW(owner, text, title, type);
    ::KillTimer(nullptr, id);
    return nResult;
}

class MessageBoxCapture
{
public:
    struct Box
    {
        HWND owner;
        std::wstring text;
        std::wstring title;
        UINT type;
        UINT Icon() const { return type & MB_ICONMASK; }
        UINT Buttons() const { return type & MB_TYPEMASK; }
    };

    explicit MessageBoxCapture(int defaultAnswer = IDOK) : m_default(defaultAnswer)
    {
        m_previous = SetMessageBoxHandler([this](HWND owner, LPCWSTR text, LPCWSTR title, UINT type) {
            std::lock_guard<std::mutex> g(m_lock);
            m_boxes.push_back(Box{owner, text ? text : L"", title ? title : L"", type});
            if (!m_answers.empty())
            {
                int a = m_answers.front();
                m_answers.pop_front();
                return a;
            }
            return m_default;
        });
    }
    ~MessageBoxCapture() { SetMessageBoxHandler(std::move(m_previous)); }
    MessageBoxCapture(const MessageBoxCapture&) = delete;
    MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

    // Answers for the next boxes, in order; afterwards the default answer.
    void QueueAnswer(int answer)
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_answers.push_back(answer);
    }
    void SetDefaultAnswer(int answer)
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_default = answer;
    }
    std::vector<Box> Boxes() const
    {
        std::lock_guard<std::mutex> g(m_lock);
        return m_boxes;
    }
    size_t Count() const
    {
        std::lock_guard<std::mutex> g(m_lock);
        return m_boxes.size();
    }
    Box Last() const
    {
        std::lock_guard<std::mutex> g(m_lock);
        return m_boxes.empty() ? Box{nullptr, L"", L"", 0} : m_boxes.back();
    }
    void Clear()
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_boxes.clear();
    }

private:
    mutable std::mutex m_lock;
    std::vector<Box> m_boxes;
    std::deque<int> m_answers;
    int m_default;
    MessageBoxHandler m_previous;
};
