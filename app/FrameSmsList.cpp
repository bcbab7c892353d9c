// CFrameSmsList: the message list's place in the main frame's layout.
#include "app/FrameSmsList.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CFrameSmsList, CSmsListCtrl)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CFrameSmsList::CFrameSmsList() {}

LRESULT CFrameSmsList::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect rect(lpLayout->rect);
    const int nSplit = rect.top + rect.Height() / 2;
    rect.top = nSplit;
    lpLayout->rect.bottom = nSplit;
    lpLayout->sizeTotal.cy += rect.Height();
    lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, (LONG)rect.Width());
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}
