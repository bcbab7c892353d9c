// Placement of resizable windows in the application's registry profile.
#include "ResizableTestSupport.h"

namespace
{
const wchar_t kSection[] = L"WindowPos";
const wchar_t kEntry[] = L"TestDialog";
} // namespace

class ResizablePlacement : public ResizableTest
{
protected:
    void TearDown() override
    {
        ResizableTest::TearDown();
        CString sKey;
        sKey.Format(L"Software\\%s", (LPCTSTR)ResizableTestApp().m_sRegistryKey);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, sKey);
    }
    static void Store(LPCWSTR lpszText) { ResizableTestApp().WriteProfileString(kSection, kEntry, lpszText); }
    static CString Stored() { return ResizableTestApp().GetProfileString(kSection, kEntry); }
    static WINDOWPLACEMENT Placement(CWnd* pWnd)
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        pWnd->GetWindowPlacement(&wp);
        return wp;
    }
    // A fresh dialog that restores the stored placement.
    CTestResizableDialog* Restore(bool bForceHide = false)
    {
        CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
        pDlg->EnableSaveRestore(kSection, kEntry, bForceHide);
        return pDlg;
    }
};

TEST_F(ResizablePlacement, ThePlacementIsSavedAtDestroyInTheRegistry)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->MoveWindow(15, 25, 533, 422);
    pDlg->EnableSaveRestore(kSection, kEntry);
    const WINDOWPLACEMENT wp = Placement(pDlg);
    pDlg->DestroyWindow();
    CString sExpected;
    sExpected.Format(L"%d,%d,%d,%d,%d,%d", (int)wp.rcNormalPosition.left, (int)wp.rcNormalPosition.top,
                     (int)wp.rcNormalPosition.right, (int)wp.rcNormalPosition.bottom, (int)wp.showCmd, (int)wp.flags);
    EXPECT_EQ(Stored(), sExpected);
    EXPECT_EQ(CRect(wp.rcNormalPosition).Size(), CSize(533, 422));
    // The value is a string under HKCU\Software\<key>\<application>\<section>.
    CString sKey;
    sKey.Format(L"Software\\%s\\ResizableTest\\%s", (LPCTSTR)ResizableTestApp().m_sRegistryKey, kSection);
    wchar_t szValue[128] = {};
    DWORD cb = sizeof(szValue), dwType = 0;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, sKey, kEntry, RRF_RT_ANY, &dwType, szValue, &cb), ERROR_SUCCESS);
    EXPECT_EQ(dwType, (DWORD)REG_SZ);
    EXPECT_STREQ(szValue, sExpected);
}

TEST_F(ResizablePlacement, SixNumbersRestoreTheNormalRectangleShownOrHidden)
{
    Store(L"10,20,410,320,1,0");
    CTestResizableDialog* pDlg = Restore();
    WINDOWPLACEMENT wp = Placement(pDlg);
    EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(10, 20, 410, 320));
    EXPECT_EQ(wp.showCmd, (UINT)SW_SHOWNORMAL);
    EXPECT_TRUE(pDlg->IsWindowVisible());

    CTestResizableDialog* pHidden = Restore(true);
    wp = Placement(pHidden);
    EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(10, 20, 410, 320));
    EXPECT_FALSE(pHidden->IsWindowVisible());
}

TEST_F(ResizablePlacement, DamagedTextsAreIgnoredButTheWindowIsStillRedrawn)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->ShowWindow(SW_SHOWNA);
    pDlg->UpdateWindow();
    const CRect rcBefore = Placement(pDlg).rcNormalPosition;
    // Five numbers, an inverted rectangle, an empty one, a showCmd that is no SW_ value, words.
    for (LPCWSTR lpszText : {L"10,20,410,320,1", L"410,320,10,20,1,0", L"10,20,10,320,1,0", L"10,20,410,320,99,0",
                             L"10,20,410,320,-1,0", L"left,top,right,bottom,1,0"})
    {
        Store(lpszText);
        const int nPaints = pDlg->m_nPaints;
        pDlg->EnableSaveRestore(kSection, kEntry);
        EXPECT_EQ(CRect(Placement(pDlg).rcNormalPosition), rcBefore) << lpszText;
        EXPECT_GT(pDlg->m_nPaints, nPaints) << lpszText;
    }
    EXPECT_TRUE(pDlg->IsWindowVisible());
}

TEST_F(ResizablePlacement, AMinimisedOrFarAwayPlacementComesBackNormalOnAScreen)
{
    Store(L"10,20,410,320,2,0"); // SW_SHOWMINIMIZED
    CTestResizableDialog* pDlg = Restore();
    EXPECT_FALSE(pDlg->IsIconic());
    EXPECT_EQ(Placement(pDlg).showCmd, (UINT)SW_SHOWNORMAL);
    EXPECT_EQ(CRect(Placement(pDlg).rcNormalPosition), CRect(10, 20, 410, 320));

    Store(L"9000,8000,9400,8300,1,0");
    CTestResizableDialog* pFar = Restore();
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcWnd;
    pFar->GetWindowRect(&rcWnd);
    CRect rcCommon;
    EXPECT_TRUE(rcCommon.IntersectRect(&rcWnd, &rcWork));
    EXPECT_EQ(rcWnd.Size(), CSize(400, 300));
}

TEST_F(ResizablePlacement, AMissingTextDoesNothing)
{
    CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
    pDlg->ShowWindow(SW_SHOWNA);
    pDlg->UpdateWindow();
    const int nPaints = pDlg->m_nPaints;
    const CRect rcBefore = Placement(pDlg).rcNormalPosition;
    pDlg->EnableSaveRestore(kSection, L"NeverWritten");
    EXPECT_EQ(pDlg->m_nPaints, nPaints);
    EXPECT_EQ(CRect(Placement(pDlg).rcNormalPosition), rcBefore);
    EXPECT_NE(pDlg->m_nWsFlags & CTestResizableDialog::kWsSaveRestore, 0);
}
