// The fixture of the dock-bar tests: a hidden docking host with its outer dock bars, helpers to
// reach circle dock bars, build containers and rows, and check the row model.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "DockingHost.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

class DockBarsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = NewHostFrame();
        ASSERT_TRUE(m_pFrame->CreateHost());
        ASSERT_TRUE(CExtControlBar::SetupFrameDocking(m_pFrame));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }

    // The host frame object, not created yet; a fixture gives a frame that answers more messages.
    virtual CDockingHostFrame* NewHostFrame() { return new CDockingHostFrame; }

    CExtDockBar* Outer(UINT nSide) const { return CExtDockBar::FindCircleDockBar(m_pFrame, 0, nSide); }
    CExtDockBar* Circle(UINT nCircle, UINT nSide, bool bCreate = true) const
    {
        return CExtDockBar::FindCircleDockBar(m_pFrame, nCircle, nSide, bCreate);
    }
    // A resizable bar created in the frame, not docked anywhere yet (parked in the top dock bar's
    // circle 0 as a new last row).
    CHostResizableBar* NewResizable(LPCTSTR pszText = L"Bar")
    {
        auto* pBar = new CHostResizableBar;
        m_pFrame->m_arrBars.push_back(pBar);
        if (!pBar->CreateInFrame(m_pFrame, m_pFrame->m_nNextId++, pszText))
            return nullptr;
        return pBar;
    }
    CHostFixedBar* NewFixed(int nCells = 6, LPCTSTR pszText = L"Tools")
    {
        auto* pBar = new CHostFixedBar;
        m_pFrame->m_arrBars.push_back(pBar);
        if (!pBar->CreateInFrame(m_pFrame, m_pFrame->m_nNextFixedId++, pszText, nCells))
            return nullptr;
        return pBar;
    }
    // A container (it deletes itself) docked into pDockBar as a new last row; its inner rows run
    // horizontally for a top or bottom id.
    CExtDynControlBar* NewContainer(CDockBar* pDockBar, UINT nID = AFX_IDW_DOCKBAR_TOP)
    {
        auto* pDyn = new CExtDynControlBar;
        pDyn->m_pDockSite = m_pFrame;
        if (!pDyn->Create(nullptr, m_pFrame, nID,
                          WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_BORDER_ANY))
            return nullptr;
        pDyn->EnableDocking(CBRS_ALIGN_ANY);
        if (pDockBar != nullptr)
            CExtDockBar::DockBarInto(pDockBar, pDyn, nullptr, false);
        return pDyn;
    }
    // A new floating frame holding a container of the given bars, in this order; nullptr when a window could not be
    // made. Not laid out.
    CExtDynControlBar* NewFloatingContainer(std::initializer_list<CControlBar*> bars, CExtMiniDockFrameWnd*& pMini)
    {
        pMini = new CExtMiniDockFrameWnd;
        if (!pMini->Create(m_pFrame, CBRS_ALIGN_TOP))
            return nullptr;
        CExtDynControlBar* pDyn = NewContainer(&pMini->m_wndDockBar);
        if (pDyn != nullptr)
            for (CControlBar* pBar : bars)
                CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, pBar, nullptr, false);
        return pDyn;
    }
    // Puts the given bars of pDockBar into one row, in this order, as the array's only row.
    static void MakeOneRow(CDockBar* pDockBar, std::initializer_list<CControlBar*> bars)
    {
        pDockBar->m_arrBars.RemoveAll();
        pDockBar->m_arrBars.Add(nullptr);
        for (CControlBar* p : bars)
            pDockBar->m_arrBars.Add(p);
        pDockBar->m_arrBars.Add(nullptr);
    }
    // The entries as text: "|" a row break, "#id" a placeholder, "b" + control id a bar.
    static std::string Entries(const CDockBar* pDockBar)
    {
        std::string s;
        for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i)
        {
            void* p = pDockBar->m_arrBars[i];
            if (p == nullptr)
                s += "|";
            else if (CDockBar::IsPlaceHolder(p))
                s += "#" + std::to_string((UINT_PTR)p) + " ";
            else
                s += "b" + std::to_string(static_cast<CControlBar*>(p)->GetDlgCtrlID()) + " ";
        }
        return s;
    }
    static CRect ClientRectIn(CWnd* pWnd, CWnd* pIn)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        pIn->ScreenToClient(&rc);
        return rc;
    }
    // Number of windows of the dock-bar class below hWnd.
    static int CountDockBarWindows(HWND hWnd)
    {
        int nCount = 0;
        ::EnumChildWindows(
            hWnd,
            [](HWND h, LPARAM lParam) -> BOOL {
                wchar_t sz[64] = {};
                ::GetClassNameW(h, sz, 64);
                if (wcscmp(sz, CExtDockBar::kWndClassName) == 0)
                    ++*reinterpret_cast<int*>(lParam);
                return TRUE;
            },
            (LPARAM)&nCount);
        return nCount;
    }
    static int CountContainers()
    {
        int n = 0;
        for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
            n += CExtControlBar::g_arrAllControlBars[i]->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)) ? 1 : 0;
        return n;
    }

    CDockingHostFrame* m_pFrame = nullptr;
};
