// The fixture of the docking-state tests: the dock-bar fixture with a registry key of its own per
// run (deleted at the end), byte helpers for archives and a rebuildable default layout.
#pragma once
#include "DockBarsFixture.h"
#include "platform/Archive.h"
#include "platform/DockState.h"
#include "platform/File.h"
#include "support/PrintRect.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <functional>
#include <map>
#include <set>

typedef std::vector<BYTE> Bytes;

// The bytes an archive operation stores.
inline Bytes StoreBytes(const std::function<void(CArchive&)>& fn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fn(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Runs a loading operation over the bytes; false when it raised an exception.
inline bool LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& fn)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    try
    {
        CArchive ar(&file, CArchive::load);
        fn(ar);
        return true;
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}

inline void PutDword(Bytes& b, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        b.push_back((BYTE)(dw >> (8 * i)));
}

// Refuses the window creations of this thread while it lives: every one, or those of one class.
class CRefuseWindows
{
public:
    explicit CRefuseWindows(LPCTSTR pszClass = nullptr)
    {
        s_pszClass = pszClass;
        m_hHook = ::SetWindowsHookExW(WH_CBT, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~CRefuseWindows() { ::UnhookWindowsHookEx(m_hHook); }
    CRefuseWindows(const CRefuseWindows&) = delete;
    CRefuseWindows& operator=(const CRefuseWindows&) = delete;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND)
        {
            const CREATESTRUCTW* pcs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            if (s_pszClass == nullptr || (!IS_INTRESOURCE(pcs->lpszClass) && wcscmp(pcs->lpszClass, s_pszClass) == 0))
                return 1;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
    static inline LPCTSTR s_pszClass = nullptr;
};

// Where and how large each pop-up window of this thread was made while it lives, and how often the program moved,
// sized or raised it before its first show.
class CPopupBirthPlaces
{
public:
    CPopupBirthPlaces()
        : m_hHook(::SetWindowsHookExW(WH_CBT, Proc, nullptr, ::GetCurrentThreadId())),
          m_hPosHook(::SetWindowsHookExW(WH_CALLWNDPROC, PosProc, nullptr, ::GetCurrentThreadId()))
    {
        s_places.clear();
        s_hiddenChanges.clear();
        s_shown.clear();
    }
    ~CPopupBirthPlaces()
    {
        ::UnhookWindowsHookEx(m_hHook);
        ::UnhookWindowsHookEx(m_hPosHook);
    }
    CRect Of(CWnd* pWnd) const { return s_places.count(pWnd->m_hWnd) ? s_places[pWnd->m_hWnd] : CRect(-1, -1, -1, -1); }
    int HiddenChangesOf(CWnd* pWnd) const
    {
        return s_hiddenChanges.count(pWnd->m_hWnd) ? s_hiddenChanges[pWnd->m_hWnd] : 0;
    }

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CREATESTRUCTW* pcs = nCode == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs : nullptr;
        if (pcs != nullptr && (pcs->style & WS_POPUP) != 0)
        {
            s_places[(HWND)wParam] = CRect(CPoint(pcs->x, pcs->y), CSize(pcs->cx, pcs->cy));
            s_hiddenChanges[(HWND)wParam] = 0;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static LRESULT CALLBACK PosProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        const auto it = s_hiddenChanges.find(p->hwnd);
        if (nCode == HC_ACTION && p->message == WM_WINDOWPOSCHANGED && it != s_hiddenChanges.end() &&
            s_shown.count(p->hwnd) == 0)
        {
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(p->lParam)->flags;
            if ((flags & SWP_SHOWWINDOW) != 0)
                s_shown.insert(p->hwnd);
            // The system's own moves of a hidden owned window in the window order, with its owner's, do not count.
            else if ((flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER)) != (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER) &&
                     (flags & SWP_NOSENDCHANGING) == 0)
                it->second++;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
    HHOOK m_hPosHook;
    static inline std::map<HWND, CRect> s_places;
    static inline std::map<HWND, int> s_hiddenChanges;
    static inline std::set<HWND> s_shown;
};

class DockingStateFixture : public DockBarsFixture
{
protected:
    void SetUp() override
    {
        DockBarsFixture::SetUp();
        m_sKey.Format(L"CorvaneStateTest%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
    }
    void TearDown() override
    {
        DockBarsFixture::TearDown();
        CString sRoot = L"Software\\" + m_sKey;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, sRoot);
    }

    bool Save(CFrameWnd* pFrame = nullptr, WINDOWPLACEMENT* pWp = nullptr)
    {
        return CExtControlBar::SaveFrameBarState(pFrame != nullptr ? pFrame : m_pFrame, m_sKey, kHostProfile,
                                                 kHostProfile, pWp);
    }
    bool Load(CFrameWnd* pFrame = nullptr, WINDOWPLACEMENT* pWp = nullptr)
    {
        return CExtControlBar::LoadFrameBarState(pFrame != nullptr ? pFrame : m_pFrame, m_sKey, kHostProfile,
                                                 kHostProfile, pWp);
    }
    CString Path() const
    {
        CString sPath;
        CExtCmdManager::BuildRegistryPath(sPath, L"ControlBar", kHostProfile, m_sKey, kHostProfile);
        return sPath;
    }
    // The stored archive, empty when there is none.
    Bytes StoredBlock() const
    {
        CMemFile file;
        if (!CExtCmdManager::RegistryArchiveRead(file, Path()))
            return Bytes();
        Bytes bytes((size_t)file.GetLength());
        file.SeekToBegin();
        if (!bytes.empty())
            file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }
    bool WriteBlock(const Bytes& bytes) const
    {
        CMemFile file;
        if (!bytes.empty())
            file.Write(bytes.data(), (UINT)bytes.size());
        file.SeekToBegin();
        return CExtCmdManager::RegistryArchiveWrite(file, Path());
    }
    // Destroys the frame and builds a new one at the same place, docking set up.
    void RebuildFrame()
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        ASSERT_TRUE(CExtControlBar::SetupFrameDocking(m_pFrame));
    }
    // Whether the frame's in-layout flag and every dock bar's lock are clear.
    bool FlagsClear() const
    {
        if (m_pFrame->m_bInRecalcLayout)
            return false;
        for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, m_pFrame->m_listControlBars.GetNext(pos));
            if (pDock != nullptr && pDock->IsLayoutLocked())
                return false;
        }
        return true;
    }

    CString m_sKey;
};
