// CFrameFolderTree: the main frame's folder tree: a one-pixel themed frame, painted off-screen
// without erasing, and the left strip of the frame's layout.
#pragma once
#include "app/FolderTreeCtrl.h"

class CFrameFolderTree : public CFolderTreeCtrl
{
public:
    CFrameFolderTree();
    // Width of the strip the tree takes at the frame's left edge.
    enum
    {
        kStripWidth = 150
    };

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSizeParentStrip(LPARAM lParam);
    void PaintFrame();
    void PaintBuffered();
};
