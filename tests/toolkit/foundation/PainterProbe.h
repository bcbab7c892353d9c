// A paint manager of any style whose neighbouring painters (docker backgrounds, push buttons,
// glyphs, tab-item content) mark the canvas and record their calls, so that the painters under
// test are checked by their own geometry and colours.
#pragma once
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <string>
#include <vector>

namespace probe
{

const COLORREF kDocker = RGB(1, 2, 3); // what the probe's docker background paints
const COLORREF kWhite = RGB(255, 255, 255);

struct GlyphCall
{
    const CExtPaintManagerGlyph* pGlyph;
    CRect rc;
    COLORREF clr; // colour of index 1
};

struct PushCall
{
    std::wstring sText;
    CRect rc;
    bool bHot, bPushed, bEnabled, bFlat;
    LOGFONT lf;
};

template <class Base> class CPainterProbe : public Base
{
public:
    bool m_bGradient = true;
    int m_nScheme = -1; // >= 0 replaces the system scheme
    bool m_bThemeColors = false;
    CSize m_sizeBarExtra = CSize(4, 4);
    int m_nDockerCalls = 0;
    CWnd* m_pDockerWnd = nullptr;
    std::vector<CRect> m_dockerAreas;
    std::vector<GlyphCall> m_glyphs;
    std::vector<PushCall> m_pushes;
    int m_nContentCalls = 0;

    int GetSystemThemeScheme() override { return m_nScheme >= 0 ? m_nScheme : Base::GetSystemThemeScheme(); }
    bool UseSystemThemeColors() override { return m_bThemeColors || Base::UseSystemThemeColors(); }
    bool IsDockerGradientAvailable(CObject*, LPARAM) override
    {
        return m_bGradient && CExtPaintManager::GetDisplayBitsPerPixel() > 8;
    }
    bool PaintDockerBackground(bool, CDC& dc, CWnd* pWnd, LPARAM) override
    {
        m_nDockerCalls++;
        m_pDockerWnd = pWnd;
        CRect rc;
        dc.GetClipBox(&rc);
        dc.FillSolidRect(&rc, kDocker);
        return true;
    }
    bool PaintDockerArea(bool, CDC& dc, const RECT& rc, const RECT&, LPARAM) override
    {
        m_dockerAreas.push_back(CRect(rc));
        dc.FillSolidRect(&rc, kDocker);
        return true;
    }
    void PaintGlyphCentered(CDC&, const RECT& rc, const CExtPaintManagerGlyph& glyph, const COLORREF* pColors) override
    {
        m_glyphs.push_back(GlyphCall{&glyph, CRect(rc), pColors[1]});
    }
    void PaintPushButton(CDC& dc, CExtPaintManager::PushButtonPaintData& data) override
    {
        PushCall call{data.m_pszText != nullptr ? data.m_pszText : L"",
                      data.m_rcButton,
                      data.m_bHot,
                      data.m_bPushed,
                      data.m_bEnabled,
                      data.m_bFlat,
                      {}};
        if (data.m_hFont != nullptr)
            ::GetObjectW(data.m_hFont, sizeof(LOGFONT), &call.lf);
        m_pushes.push_back(call);
    }
    void PaintTabItemContent(CDC&, bool, const CString&, CExtCmdIcon*, const RECT&, RECT&, bool, bool, bool,
                             int) override
    {
        m_nContentCalls++;
    }
    CSize GetBarButtonExtraSize() override { return m_sizeBarExtra; }
};

// Installs a probe of the style as the global paint manager (the holder owns it).
template <class Base> CPainterProbe<Base>* Install()
{
    auto* p = new CPainterProbe<Base>;
    EXPECT_TRUE(g_PaintManagerHolder.InstallPaintManager(p));
    return p;
}

// Runs f(pm, name) with a probe of each of the four styles installed in turn.
template <class F> void ForEachStyle(F f)
{
    f(*Install<CExtPaintManager>(), "base");
    f(*Install<CExtPaintManagerXP>(), "xp");
    f(*Install<CExtPaintManagerOffice2003>(), "office2003");
    f(*Install<CExtPaintManagerStudio2005>(), "studio2005");
}

inline COLORREF T(CExtPaintManager& pm, int nColor) { return pm.GetTranslatedColor(nColor); }

// Pixels of a canvas area that are not the colour.
inline int CountOther(const DibCanvas& c, const CRect& r, COLORREF clr)
{
    return r.Width() * r.Height() - c.Count(r, clr);
}

} // namespace probe
