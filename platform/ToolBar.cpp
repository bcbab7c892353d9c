// CToolBar: the common-control tool bar as a control bar.
#include "platform/Platform.h"
#include "platform/ToolBar.h"
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() {}

CToolBar::~CToolBar() {}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    const DWORD dwWndStyle = (dwStyle & ~(CBRS_ALIGN_ANY | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY)) | WS_CHILD |
                             CCS_NOPARENTALIGN | CCS_NORESIZE | TBSTYLE_FLAT;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEW, nullptr, dwWndStyle, 0, 0, 0, 0, AfxSafeHwnd(pParentWnd),
                        (HMENU)(UINT_PTR)nID, nullptr))
        return FALSE;
    ::SendMessageW(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        return FALSE;
    while (::SendMessageW(m_hWnd, TB_DELETEBUTTON, 0, 0))
    {}
    std::vector<TBBUTTON> buttons((size_t)nIDCount);
    int nImage = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        TBBUTTON& b = buttons[(size_t)i];
        b.idCommand = (int)lpIDArray[i];
        b.fsState = TBSTATE_ENABLED;
        if (lpIDArray[i] == 0)
        {
            b.fsStyle = BTNS_SEP;
            b.iBitmap = 0;
        }
        else
        {
            b.fsStyle = BTNS_BUTTON;
            b.iBitmap = nImage++;
        }
        b.iString = -1;
    }
    return nIDCount == 0 || ::SendMessageW(m_hWnd, TB_ADDBUTTONSW, (WPARAM)nIDCount, (LPARAM)buttons.data()) != 0;
}

int CToolBar::GetCount() const { return m_hWnd != nullptr ? (int)::SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0) : 0; }

BOOL CToolBar::GetButton(int nIndex, TBBUTTON& button) const
{
    button = TBBUTTON{};
    return m_hWnd != nullptr && ::SendMessageW(m_hWnd, TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button) != 0;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return 0;
    return (button.fsStyle & BTNS_SEP) ? 0 : (UINT)button.idCommand;
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, button))
    {
        nID = 0;
        nStyle = 0;
        iImage = -1;
        return;
    }
    nID = (button.fsStyle & BTNS_SEP) ? 0 : (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    const UINT nID = GetItemID(nIndex);
    if (nID == 0)
        return CString();
    wchar_t szText[1024] = {};
    TBBUTTONINFOW tbi = {};
    tbi.cbSize = sizeof(tbi);
    tbi.dwMask = TBIF_TEXT;
    tbi.pszText = szText;
    tbi.cchText = 1023;
    if (::SendMessageW(m_hWnd, TB_GETBUTTONINFOW, nID, (LPARAM)&tbi) < 0)
        return CString();
    return CString(szText);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    const UINT nID = GetItemID(nIndex);
    if (nID == 0)
        return FALSE;
    TBBUTTONINFOW tbi = {};
    tbi.cbSize = sizeof(tbi);
    tbi.dwMask = TBIF_TEXT;
    tbi.pszText = const_cast<LPWSTR>(lpszText);
    return ::SendMessageW(m_hWnd, TB_SETBUTTONINFOW, nID, (LPARAM)&tbi) != 0;
}

HIMAGELIST CToolBar::SetImageList(HIMAGELIST hImageList)
{
    if (m_hWnd == nullptr)
        return nullptr;
    return (HIMAGELIST)::SendMessageW(m_hWnd, TB_SETIMAGELIST, 0, (LPARAM)hImageList);
}

HIMAGELIST CToolBar::GetImageList() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return (HIMAGELIST)::SendMessageW(m_hWnd, TB_GETIMAGELIST, 0, 0);
}
