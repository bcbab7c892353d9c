// CExtCmdProfile: filling the profile from menus, menu resources, tool-bar resources and tool bars.
#include "platform/Core.h"
#include "platform/Menu.h"
#include "platform/ToolBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdProfile.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <commctrl.h>
#include <vector>

namespace
{
// The tool-bar resource: version, button width, button height, count, then count ids (0: separator).
struct ToolBarResource
{
    int cx = 0;
    int cy = 0;
    std::vector<UINT> ids;
};

bool ReadToolBarResource(HMODULE hModule, HRSRC hResource, ToolBarResource& tb)
{
    const DWORD nSize = ::SizeofResource(hModule, hResource);
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const WORD* pWords = hGlobal != nullptr ? (const WORD*)::LockResource(hGlobal) : nullptr;
    if (pWords == nullptr || nSize < 4 * sizeof(WORD))
        return false;
    tb.cx = pWords[1];
    tb.cy = pWords[2];
    const UINT nCount = pWords[3];
    if (tb.cx == 0 || tb.cy == 0 || (nSize - 4 * sizeof(WORD)) / sizeof(WORD) < nCount)
        return false;
    tb.ids.assign(pWords + 4, pWords + 4 + nCount);
    return true;
}
} // namespace

bool CExtCmdProfile::UpdateFromMenu(HMENU hMenu, bool bReplace, bool bRecursive, bool bLoadTexts)
{
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return false;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; ++nPos)
    {
        wchar_t szText[TEXT_BUFFER_LENGTH] = {};
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = szText;
        mii.cch = TEXT_BUFFER_LENGTH - 1;
        if (!::GetMenuItemInfoW(hMenu, (UINT)nPos, TRUE, &mii) || (mii.fType & MFT_SEPARATOR) != 0)
            continue;
        if (mii.hSubMenu != nullptr)
        {
            if (bRecursive)
                UpdateFromMenu(mii.hSubMenu, bReplace, true, true);
            continue;
        }
        if ((int)mii.wID < 1)
            continue;
        CExtCmdItem cmd(mii.wID);
        CString sText(szText);
        sText.Remove(L'\n');
        sText.Remove(L'\r');
        sText.Trim();
        const int nTab = sText.Find(L'\t');
        if (nTab >= 0)
        {
            cmd.m_sMenuText = sText.Left(nTab);
            cmd.m_sMenuText.Trim();
            cmd.m_sAccelText = sText.Mid(nTab + 1);
            cmd.m_sAccelText.Trim();
        }
        else
        {
            cmd.m_sMenuText = sText;
        }
        if (bLoadTexts)
            cmd.LoadTextsFromResource();
        SetupCommand(cmd, bReplace);
    }
    return true;
}

bool CExtCmdProfile::UpdateFromMenuResource(UINT nResourceID, bool bReplace, bool bLoadTexts)
{
    CMenu menu;
    if (!g_ResourceManagerHolder->LoadMenu(menu, nResourceID))
        return false;
    const bool bResult = UpdateFromMenu(menu.GetSafeHmenu(), bReplace, true, bLoadTexts);
    menu.DestroyMenu();
    return bResult;
}

bool CExtCmdProfile::UpdateFromToolBarResource(UINT nResourceID, UINT** ppIDs, INT* pnIDCount, bool bReplace,
                                               bool bLoadTexts, COLORREF clrTransparent)
{
    if (ppIDs != nullptr)
        *ppIDs = nullptr;
    if (pnIDCount != nullptr)
        *pnIDCount = 0;
    if (nResourceID == 0)
        return false;
    HRSRC hToolBar = nullptr, hBitmapRes = nullptr;
    HMODULE hModuleToolBar = g_ResourceManagerHolder->FindResourcePreferred(
        MAKEINTRESOURCEW(RESOURCE_TYPE_TOOLBAR), MAKEINTRESOURCEW(nResourceID), nullptr, &hToolBar);
    HMODULE hModuleBitmap =
        g_ResourceManagerHolder->FindResourcePreferred(RT_BITMAP, MAKEINTRESOURCEW(nResourceID), nullptr, &hBitmapRes);
    if (hToolBar == nullptr || hBitmapRes == nullptr)
        return false;
    ToolBarResource tb;
    if (!ReadToolBarResource(hModuleToolBar, hToolBar, tb))
        return false;
    // Only commands without an icon take their image (all, when replacing): an icon the profile holds
    // stays, and no image is cut from the strip to be thrown away. The strip is loaded only for those.
    std::vector<bool> needsImage;
    bool bAnyImage = false;
    for (UINT nCmdID : tb.ids)
    {
        if (nCmdID == 0)
            continue;
        needsImage.push_back(bReplace || GetCommandIcon(nCmdID) == nullptr);
        bAnyImage = bAnyImage || needsImage.back();
    }
    HBITMAP hBitmap = bAnyImage ? CExtPaintManager::LoadBitmapFromResource(hModuleBitmap, hBitmapRes) : nullptr;
    if (bAnyImage && hBitmap == nullptr)
        return false;
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(bm), &bm) != (int)sizeof(bm))
        bm = BITMAP{};
    // Each needed button's image, all cut from the strip in one pass.
    std::vector<RECT> parts;
    LONGLONG nImage = 0;
    for (bool bNeeded : needsImage)
    {
        // Sizes come from the resource: the image's place is computed without overflow.
        const LONGLONG nLeft = nImage * tb.cx, nRight = nLeft + tb.cx;
        ++nImage;
        // An image that does not lie inside the bitmap gives no icon.
        if (!bNeeded || nRight > bm.bmWidth || tb.cy > bm.bmHeight)
            parts.push_back(RECT{0, 0, 0, 0});
        else
            parts.push_back(RECT{(LONG)nLeft, 0, (LONG)nRight, tb.cy});
    }
    const std::vector<HBITMAP> images =
        hBitmap != nullptr ? CExtPaintManager::CopyBitmapParts(hBitmap, parts) : std::vector<HBITMAP>(parts.size());
    size_t nPart = 0;
    for (UINT nCmdID : tb.ids)
    {
        if (nCmdID == 0)
            continue;
        HBITMAP hImage = images[nPart++];
        CExtCmdItem cmd(nCmdID);
        if (bLoadTexts)
            cmd.LoadTextsFromResource();
        if (hImage == nullptr)
        {
            // A command whose icon stays is registered all the same.
            if (!needsImage[nPart - 1])
                SetupCommand(cmd, bReplace);
            continue;
        }
        CExtCmdIcon* pIcon = new CExtCmdIcon(hImage, clrTransparent, nullptr, false);
        if (pIcon->IsEmpty())
        {
            delete pIcon;
            continue;
        }
        if (SetupCommand(cmd, bReplace))
            SetCommandIcon(nCmdID, pIcon, true);
        else
            delete pIcon;
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (ppIDs != nullptr)
    {
        *ppIDs = new UINT[tb.ids.empty() ? 1 : tb.ids.size()];
        for (size_t i = 0; i < tb.ids.size(); ++i)
            (*ppIDs)[i] = tb.ids[i];
    }
    if (pnIDCount != nullptr)
        *pnIDCount = (INT)tb.ids.size();
    return true;
}

bool CExtCmdProfile::UpdateFromToolBarWindow(CToolBar* pToolBar, bool bReplace, bool bLoadTexts)
{
    HWND hWnd = pToolBar != nullptr ? pToolBar->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return false;
    HIMAGELIST hImageList = pToolBar->GetImageList();
    if (hImageList == nullptr)
        return false;
    const int nCount = pToolBar->GetCount();
    for (int nIndex = 0; nIndex < nCount; ++nIndex)
    {
        const UINT nCmdID = pToolBar->GetItemID(nIndex);
        if (nCmdID == 0)
            continue;
        wchar_t szText[TEXT_BUFFER_LENGTH] = {};
        TBBUTTONINFOW tbi = {};
        tbi.cbSize = sizeof(tbi);
        tbi.dwMask = TBIF_IMAGE | TBIF_TEXT;
        tbi.pszText = szText;
        tbi.cchText = TEXT_BUFFER_LENGTH - 1;
        int nImage = -1;
        if (::SendMessageW(hWnd, TB_GETBUTTONINFOW, nCmdID, (LPARAM)&tbi) >= 0)
        {
            nImage = tbi.iImage;
        }
        else
        {
            UINT nID = 0, nStyle = 0;
            pToolBar->GetButtonInfo(nIndex, nID, nStyle, nImage);
            szText[0] = 0;
        }
        CExtCmdItem cmd(nCmdID);
        cmd.m_sToolbarText = szText;
        if (bLoadTexts)
            cmd.LoadTextsFromResource();
        if (!SetupCommand(cmd, bReplace) || nImage < 0)
            continue;
        CExtCmdItem* pItem = LookupCommand(nCmdID);
        if (pItem == nullptr || pItem->m_nIconIdx >= 0)
            continue;
        HICON hIcon = ::ImageList_GetIcon(hImageList, nImage, ILD_NORMAL);
        if (hIcon == nullptr)
            continue;
        pItem->m_nIconIdx = (int)m_icons.Add(new CExtCmdIcon(hIcon, false));
    }
    return true;
}
