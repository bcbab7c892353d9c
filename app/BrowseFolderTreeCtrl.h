// CBrowseFolderTreeCtrl: the shell tree of the browse-folder dialog; while a folder loads it turns
// an animated cursor left of the "Loading..." item. CBrowseFolderProgressTreeCtrl adds a small
// progress bar right of it.
#pragma once
#include "app/ShellTreeCtrl.h"

class CBrowseFolderTreeCtrl : public CShellTreeCtrl
{
public:
    enum
    {
        kFrameCount = 10 // frames of the animated cursor
    };

    CBrowseFolderTreeCtrl();
    ~CBrowseFolderTreeCtrl() override;

    // The animated cursor drawn as feedback; not owned.
    void SetAnimatedCursor(HCURSOR hCursor) { m_hCursor = hCursor; }
    int GetFrame() const { return m_nFrame; }

protected:
    void PreAnimation(HTREEITEM hPlaceholder) override;
    void DoAnimation(BOOL bTimerTick, int nTotal, int nCurrent) override;
    void PostAnimation() override;
    // Draws the current frame over the background brush (the worker's or the GUI thread's call).
    void DrawFrame(HDC hDC);

    HBRUSH m_hBackground; // the tree's background colour, while loading
    CRect m_rcPicture;
    volatile LONG m_nFrame; // 0 .. kFrameCount - 1
    HCURSOR m_hCursor;
};

class CBrowseFolderProgressTreeCtrl : public CBrowseFolderTreeCtrl
{
public:
    enum
    {
        kBarWidth = 50 // pixels of a full bar's fill
    };

    CBrowseFolderProgressTreeCtrl();
    ~CBrowseFolderProgressTreeCtrl() override;

    // The filled width: current × 50 / total for a known total; with an unknown one (0 or less)
    // 50 × (1 + 0.2 × current − 0.5 × ln(e^(0.4 × current) + e² − 1)), from 0 towards 50.
    static int GetFilledWidth(int nTotal, int nCurrent);
    CRect GetBarRect() const { return m_rcBar; }

protected:
    void PreAnimation(HTREEITEM hPlaceholder) override;
    void DoAnimation(BOOL bTimerTick, int nTotal, int nCurrent) override;
    void PostAnimation() override;

    HBRUSH m_hFrameBrush; // black
    HBRUSH m_hFillBrush;  // red
    CRect m_rcBar;
};
