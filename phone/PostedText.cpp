// CPostedText: the registry of live posted texts, posting and receiving them.
#include "phone/PostedText.h"
#include <mutex>
#include <vector>

namespace
{

// The registry of live objects. It is never destroyed (it outlives every static object that
// might still delete a CPostedText); objects left at exit are deleted once by a cleanup hook.
class CPostedTextRegistry
{
public:
    void Register(CPostedText* p)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CPostedText* q : m_items)
            if (q == p)
                return;
        m_items.push_back(p);
    }
    void Unregister(CPostedText* p)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bClearing)
            return;
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == p)
            {
                m_items.erase(m_items.begin() + (ptrdiff_t)i);
                return;
            }
    }
    bool Contains(const void* p)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CPostedText* q : m_items)
            if (q == p)
                return true;
        return false;
    }
    int Count()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return (int)m_items.size();
    }
    void DeleteAll()
    {
        std::vector<CPostedText*> items;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_bClearing)
                return;
            m_bClearing = true;
            items.swap(m_items);
        }
        for (CPostedText* p : items)
            delete p;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bClearing = false;
    }

private:
    std::mutex m_mutex;
    std::vector<CPostedText*> m_items;
    bool m_bClearing = false;
};

CPostedTextRegistry& Registry()
{
    static CPostedTextRegistry* s_pRegistry = [] {
        CPostedTextRegistry* p = new CPostedTextRegistry;
        atexit([] { Registry().DeleteAll(); });
        return p;
    }();
    return *s_pRegistry;
}

} // namespace

CPostedText::CPostedText() { Registry().Register(this); }

CPostedText::CPostedText(const CString& strText) : m_strText(strText) { Registry().Register(this); }

CPostedText::~CPostedText() { Registry().Unregister(this); }

BOOL CPostedText::Post(HWND hWnd, UINT nMsg, LPARAM lParam)
{
    DWORD dwProcess = 0;
    if (!hWnd || !GetWindowThreadProcessId(hWnd, &dwProcess) || dwProcess != GetCurrentProcessId())
        return FALSE;
    return PostMessageW(hWnd, nMsg, (WPARAM)this, lParam);
}

BOOL CPostedText::PostOrDelete(HWND hWnd, UINT nMsg, LPARAM lParam)
{
    if (Post(hWnd, nMsg, lParam))
        return TRUE;
    delete this;
    return FALSE;
}

BOOL CPostedText::IsAlive(const void* p) { return p && Registry().Contains(p); }

int CPostedText::GetLiveCount() { return Registry().Count(); }

LRESULT TakePostedText(WPARAM wParam, CString& strText)
{
    CPostedText* p = (CPostedText*)wParam;
    if (!CPostedText::IsAlive(p))
        return POSTED_TEXT_NOT_ALIVE;
    strText = p->m_strText;
    delete p;
    return 0;
}
