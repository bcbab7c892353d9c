// The toolkit gallery's pages: each page is a child window of the gallery frame, made by a
// factory that registers itself in the page list from its own source file.
#pragma once
#include "platform/Wnd.h"
#include <vector>

struct GalleryPage
{
    const wchar_t* m_pszTitle;
    // Creates the page's window over rc in the parent; null on failure.
    CWnd* (*m_pfnCreate)(CWnd* pParent, const CRect& rc);
};

// Every registered page, in registration order.
std::vector<GalleryPage>& GalleryPages();

// Registers a page from a page source: static GalleryPageRegistrar s_reg(L"Title", &CreateFn);
struct GalleryPageRegistrar
{
    GalleryPageRegistrar(const wchar_t* pszTitle, CWnd* (*pfnCreate)(CWnd*, const CRect&))
    {
        GalleryPages().push_back({pszTitle, pfnCreate});
    }
};
