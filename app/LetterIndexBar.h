// CLetterIndexBar: a 240 x 17 strip showing "#ABCDEFGHIJKLMNOPQRSTUVWXYZ" (bitmap 170) in nine
// zones of three letters; a click picks a letter and tells the parent with WM_COMMAND.
#pragma once
#include "platform/Platform.h"

class CLetterIndexBar : public CWnd
{
    DECLARE_DYNAMIC(CLetterIndexBar)
public:
    static const int kWidth = 240;
    static const int kHeight = 17;
    static const int kZoneCount = 9;
    // The letters, three to a zone.
    static const wchar_t kLetters[];
    // Right edge of each zone in client pixels.
    static const int kZoneRight[kZoneCount];

    CLetterIndexBar();
    ~CLetterIndexBar() override;

    // Creates the bar as a child of pParent at (x, y) with its fixed size.
    BOOL Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID);
    // The letter picked last ("#" at first).
    wchar_t GetCurrentLetter() const { return m_chCurrent; }
    // The zone of a client x, or -1 outside the nine zones.
    static int ZoneOf(int x);
    // Picks the next letter of the zone under the point; false (nothing picked) outside the zones.
    bool PickAt(CPoint point);

    // Draws bitmap 170 at (0, 0) in the bar's size.
    void DoPaint(CDC& dc);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParent; // not owned
    UINT m_nID;
    wchar_t m_chCurrent;
    int m_nCycle[kZoneCount]; // 0 to 2: the letter a click in the zone takes next
};
