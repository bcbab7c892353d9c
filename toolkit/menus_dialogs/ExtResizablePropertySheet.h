// CExtResizablePropertySheet: the toolkit's resizable property sheet (anchoring and state layers
// over CExtResPS): a sizeable frame, a stretching tab control, toolkit buttons kept to the
// bottom-right corner, pages stretched over the tab area and kept in place by wizard navigation.
#pragma once
#include "toolkit/foundation/ExtResPS.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtWA.h"

class CExtResizablePropertySheet : public CExtWA<CExtWS<CExtResPS, 301>>
{
    DECLARE_DYNCREATE(CExtResizablePropertySheet)
public:
    typedef CExtWA<CExtWS<CExtResPS, 301>> Layers_t;

    // A toolkit button over one of the sheet's own buttons; it lives as long as the button window.
    class CButtonInSheetHook : public CExtButton
    {
    public:
        CButtonInSheetHook();
        ~CButtonInSheetHook() override;
        // Hooks alive in the process.
        static int GetLiveCount() { return g_nLive; }

    protected:
        void PostNcDestroy() override;

    private:
        inline static int g_nLive = 0;
    };

    // Bits of m_nSheetFlags.
    enum : BYTE
    {
        kSheetSetUp = 0x01, // the deferred set-up ran (cleared at WM_DESTROY and WM_NCDESTROY)
    };
    // The private message that runs the set-up once the sheet is created.
    static const UINT kMsgSetUp = WM_USER + 10;
    // Wizard navigation commands of the common controls' sheet.
    static const UINT kIdWizBack = 0x3023;
    static const UINT kIdWizNext = 0x3024;

    CExtResizablePropertySheet();
    ~CExtResizablePropertySheet() override;

    // Anchors the page (null or without window: the active one) over the tab area, on the place of
    // a page anchored before, unless it is anchored already; then re-lays the children.
    void AnchorPage(CPropertyPage* pPage);
    // Adds the clip style and restores the placement (popup sheets) or lays out an embedded sheet,
    // refreshes the frame and re-lays the children.
    virtual void ArrangeLayout();
    // Where a derived sheet embedded as a child lays out its content; nothing here.
    virtual void AdjustChildLayout();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    BYTE m_nSheetFlags = 0; // kSheet... bits

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetUp();
    void HookChildren(HWND hWndTab);
    // Puts the page on the rectangle of another page (sheet client coordinates).
    void MovePageOnto(CPropertyPage* pPage, HWND hWndOldPage);
    void FitTabControl(int cx, int cy);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()
};
