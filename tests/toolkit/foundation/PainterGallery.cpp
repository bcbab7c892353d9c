// The developer gallery of the frame painters: edits, combos, tab strips in four orientations with
// their buttons, bar captions and grippers, floating frames, the status bar, text fields,
// date-picker parts and every docking-marker image with its tints, per style, written to
// build/gallery/painters_<style>.png and markers_<style>.png (looked at, not compared).
#include "GalleryStyles.h"
#include "toolkit/docking/ExtControlBar.h"
#include <gtest/gtest.h>
#include <string>

namespace
{

typedef CExtPaintManager PM;

void PaintEditsAndCombos(PM& pm, CDC& dc, int y)
{
    for (int i = 0; i < 4; i++)
    {
        PM::EditFramePaintData edit(nullptr, CRect(10 + i * 90, y + 5, 90 + i * 90, y + 25), true, (i & 1) != 0, i != 3,
                                    (i & 2) != 0);
        pm.PaintEditFrame(dc, edit);
        PM::ComboFramePaintData combo(nullptr, CRect(5 + i * 90, y + 40, 95 + i * 90, y + 62), i == 1, i == 2, i != 3);
        pm.PaintComboFrame(dc, combo);
    }
}

void PaintTabStrips(PM& pm, CDC& dc, int y)
{
    const wchar_t* kTexts[3] = {L"Inbox", L"Outbox", L"Sent"};
    for (int nOrientation = 0; nOrientation < 4; nOrientation++)
    {
        const bool bHorz = nOrientation < 2, bTopLeft = nOrientation == 0 || nOrientation == 2;
        const int x0 = 10 + nOrientation * 150;
        const CRect rcClient = bHorz ? CRect(x0, y, x0 + 140, y + 26) : CRect(x0, y, x0 + 26, y + 140);
        CRect rcNear = rcClient;
        if (nOrientation == 0)
            rcNear.top = rcNear.bottom - 4;
        else if (nOrientation == 1)
            rcNear.bottom = rcNear.top + 4;
        else if (nOrientation == 2)
            rcNear.left = rcNear.right - 4;
        else
            rcNear.right = rcNear.left + 4;
        pm.PaintTabClientArea(dc, rcClient, rcClient, rcNear, nOrientation, false, nullptr, 0);
        // Each item as long as its text and a margin, as a tab window lays items out.
        int nPos = 2;
        for (int i = 0; i < 3; i++)
        {
            CFont* pOldFont = dc.SelectObject(&pm.m_fontNormal);
            const CSize size = dc.GetTextExtent(kTexts[i], lstrlenW(kTexts[i]));
            dc.SelectObject(pOldFont);
            const int nLength = size.cx + 10;
            CRect rcItem = bHorz ? CRect(x0 + nPos, y + 2, x0 + nPos + nLength, y + 22)
                                 : CRect(x0 + 2, y + nPos, x0 + 22, y + nPos + nLength);
            nPos += nLength + 2;
            if (!bTopLeft)
                rcItem.OffsetRect(bHorz ? 0 : 2, bHorz ? 2 : 0);
            pm.PaintTabItem(dc, rcClient, bTopLeft, bHorz, i == 0, false, false, false, false, rcItem, size,
                            bHorz ? &pm.m_fontNormal : &pm.m_fontNormalRot270, kTexts[i], i, nullptr, nullptr, 0);
        }
    }
    for (int i = 0; i < 5; i++)
        pm.PaintTabButton(dc, CRect(620 + i * 18, y + 4, 636 + i * 18, y + 20), PM::kTabButtonScrollStart - i, true,
                          true, i != 1, i == 2, i == 3, false, nullptr, 0);
}

void PaintBarFrames(PM& pm, CDC& dc, int y)
{
    CExtControlBar bar;
    PM::CaptionPaintData gripH(&bar, CRect(10, y, 19, y + 26), CRect(10, y, 19, y + 26), false, false, false, false);
    pm.PaintControlBarFrame(dc, gripH);
    PM::CaptionPaintData gripV(&bar, CRect(30, y, 100, y + 9), CRect(30, y, 100, y + 9), false, false, true, false);
    pm.PaintControlBarFrame(dc, gripV);
    PM::CaptionPaintData active(nullptr, CRect(110, y, 300, y + 18), CRect(114, y, 296, y + 18), true, false, false,
                                true, L"Folders");
    pm.PaintControlBarFrame(dc, active);
    PM::CaptionPaintData inactive(nullptr, CRect(310, y, 500, y + 18), CRect(314, y, 496, y + 18), false, false, false,
                                  true, L"SMS List");
    pm.PaintControlBarFrame(dc, inactive);
    for (int i = 0; i < 3; i++)
    {
        const CRect rcWindow(510 + i * 70, y, 570 + i * 70, y + 60);
        const CRect rcClient(516 + i * 70, y + 6, 564 + i * 70, y + 54);
        const int nSaved = dc.SaveDC();
        PM::DockingFramePaintData frame(nullptr, rcWindow, rcClient, i != 2, i == 1, false);
        pm.PaintDockingFrame(dc, frame);
        dc.RestoreDC(nSaved);
    }
}

void PaintStatusAndFields(PM& pm, CDC& dc, int y)
{
    PM::StatusBarPanePaintData bar(nullptr, 1, 0x0F80, CRect(10, y, 600, y + 24));
    pm.PaintStatusBarPane(dc, bar);
    for (int i = 0; i < 4; i++)
    {
        PM::StatusBarPanePaintData pane(nullptr, 2, 0, CRect(14 + i * 140, y + 4, 150 + i * 140, y + 20));
        pm.PaintStatusBarPane(dc, pane);
    }
    pm.PaintResizingGripper(dc, CRect(582, y + 4, 598, y + 22), nullptr, 0);
    for (int i = 0; i < 4; i++)
    {
        const CRect rcButton(10 + i * 150, y + 34, 150 + i * 150, y + 56);
        const CRect rcField(12 + i * 150, y + 36, 130 + i * 150, y + 54);
        PM::TextFieldPaintData field(nullptr, L"0812", rcButton, rcField, (i & 1) != 0, i == 1, false, i != 3);
        pm.PaintTextField(dc, field);
    }
}

void PaintDatePickerParts(PM& pm, CDC& dc, int y)
{
    pm.PaintDatePickerPart77(dc, CRect(10, y, 200, y + 28), L"Desember 2026");
    pm.PaintDatePickerPart80(dc, CRect(210, y, 400, y + 20), L"Hari ini: 7/12/2026");
    pm.PaintDatePickerPart82(dc, CRect(410, y, 600, y + 12));
    pm.PaintDatePickerPart75(dc, CRect(10, y + 34, 60, y + 52), L"Sen", L"", true, false, false);
    pm.PaintDatePickerPart75(dc, CRect(70, y + 34, 120, y + 52), L"Sel", L"", false, false, true);
    pm.PaintDatePickerPart74(dc, CRect(130, y + 34, 180, y + 52));
    pm.PaintDatePickerPart87(dc, CRect(190, y + 34, 240, y + 70), nullptr, 0);
    pm.PaintDatePickerPart88(dc, CRect(250, y + 34, 300, y + 52), nullptr, 0);
    pm.PaintDatePickerPart85(dc, CRect(310, y + 34, 360, y + 52), nullptr, 0);
    pm.PaintDatePickerPart81(dc, CRect(370, y + 34, 390, y + 52));
}

void PaintMarkers(PM& pm, const std::wstring& name)
{
    DibCanvas c(560, 190, RGB(255, 255, 255));
    int x = 10;
    for (int t : {0, 1, 2, 3, 4, 8})
    {
        DWORD dwSize = 0;
        const BYTE* p = PM::DockMarker::GetImageData(t, &dwSize);
        CBitmap b1, b2;
        b1.Attach(PM::LoadBitmapFromMemory(p, dwSize));
        b2.Attach(PM::LoadBitmapFromMemory(p, dwSize));
        pm.AdjustDockMarkerColors(t, b1, 0x00FF00, b2, 0x00FF00);
        BITMAP bm = {};
        b1.GetBitmap(&bm);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&c.dc);
        CBitmap* pOld = dcMem.SelectObject(&b1);
        c.dc.BitBlt(x, 10, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(&b2);
        c.dc.BitBlt(x, 10 + bm.bmHeight + 6, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
        x += bm.bmWidth + 12;
    }
    EXPECT_TRUE(painthost::SaveToGallery(c, (L"markers_" + name).c_str())) << name.c_str();
}

void PaintStyle(const std::wstring& name, PM& pm)
{
    DibCanvas c(720, 560, pm.GetTranslatedColor(XCLR_FACE_NORMAL));
    PaintEditsAndCombos(pm, c.dc, 10);
    PaintTabStrips(pm, c.dc, 90);
    PaintBarFrames(pm, c.dc, 250);
    PaintStatusAndFields(pm, c.dc, 330);
    PaintDatePickerParts(pm, c.dc, 410);
    // The edit's window-coloured rings are there, whatever the style.
    EXPECT_EQ(c.At(10, 15), pm.GetTranslatedColor(COLOR_WINDOW)) << name.c_str();
    EXPECT_TRUE(painthost::SaveToGallery(c, (L"painters_" + name).c_str())) << name.c_str();
    PaintMarkers(pm, name);
}

} // namespace

TEST(PainterGallery, EachStyleWritesItsFramesTabsBarsFieldsAndMarkers)
{
    painthost::ScopedStyle restore;
    gallery::ForEachStyle(PaintStyle);
}
