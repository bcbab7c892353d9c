// The message list's place in the main frame.
#include "app/ListPane.h"

BEGIN_MESSAGE_MAP(CListPane, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CListPane::CListPane() {}

LRESULT CListPane::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect rect(lpLayout->rect);
    int nSplit = rect.top + rect.Height() / 2;
    rect.top = nSplit;
    lpLayout->rect.bottom = nSplit;
    lpLayout->sizeTotal.cy += rect.Height();
    lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, (LONG)rect.Width());
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}
