// Command targets: static message maps, command routing and command-UI updates.
#pragma once
#include "platform/Core.h"
#include "platform/Object.h"
#include "platform/String.h"

// Marks message handlers in class declarations (no effect).
#ifndef afx_msg
#define afx_msg
#endif
#ifndef AFXAPI
#define AFXAPI
#endif

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

// Control notifications travelling through OnCmdMsg.
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT             ((UINT)(-2))

// Private framework messages.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
#define WM_QUERYAFXWNDPROC    0x0360
#define WM_SIZEPARENT         0x0361
#define WM_SETMESSAGESTRING   0x0362
#define WM_IDLEUPDATECMDUI    0x0363
#define WM_INITIALUPDATE      0x0364
#define WM_COMMANDHELP        0x0365
#define WM_HELPHITTEST        0x0366
#define WM_EXITHELPMODE       0x0367
#define WM_RECALCPARENT       0x0368
#define WM_SIZECHILD          0x0369
#define WM_KICKIDLE           0x036A
#define WM_QUERYCENTERWND     0x036B
#define WM_DISABLEMODAL       0x036C
#define WM_FLOATSTATUS        0x036D
#define WM_ACTIVATETOPLEVEL   0x036E
#define WM_SOCKET_NOTIFY      0x0373
#define WM_SOCKET_DEAD        0x0374
#define WM_POPMESSAGESTRING   0x0375
#define WM_HELPPROMPTADDR     0x0376
#define WM_OCC_LOADFROMSTREAM 0x0377
#define WM_RECALCLAYOUT_      0x037A
#define WM_REFLECT_BASE       0xBC00

typedef void (CCmdTarget::*AFX_PMSG)(void);

// One line of a message map. nSig names the handler's signature (AfxSig); for a registered
// message nMessage is 0xC000 and nSig holds the address of the UINT that keeps its number.
struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT_PTR nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled instead of calling the handler when OnCmdMsg is only asked whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Passed as pExtra with WM_NOTIFY routing.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Reflected WM_CTLCOLORxxx (WM_REFLECT_BASE + WM_CTLCOLOR): lParam points at this.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Handler signatures. The letters tell the return and the parameters as decoded from the message.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    // commands and notifications
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT nID)
    AfxSigCmd_EX,       // BOOL (UINT nID)
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigCmdUI_RANGE,  // void (CCmdUI*)  (range)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT nID, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT nID, NMHDR*, LRESULT*)
    // window messages
    AfxSig_lwl,            // LRESULT (WPARAM, LPARAM)
    AfxSig_vWPLP,          // void (WPARAM, LPARAM)  thread messages
    AfxSig_is,             // int (LPCREATESTRUCT)
    AfxSig_bs,             // BOOL (LPCREATESTRUCT)
    AfxSig_vv,             // void ()
    AfxSig_bv,             // BOOL ()
    AfxSig_wv,             // UINT ()
    AfxSig_lv,             // LRESULT ()
    AfxSig_hv,             // HCURSOR ()
    AfxSig_vwii,           // void (UINT, int, int)   wParam, LOWORD, HIWORD of lParam
    AfxSig_vii,            // void (int, int)         signed x, y of lParam
    AfxSig_bD,             // BOOL (CDC*)
    AfxSig_vt,             // void (UINT_PTR)
    AfxSig_vwp,            // void (UINT, CPoint)
    AfxSig_bwsp,           // BOOL (UINT, short, CPoint)
    AfxSig_bWww,           // BOOL (CWnd*, UINT, UINT)
    AfxSig_vWl,            // void (CWnd*)  from lParam
    AfxSig_vWw,            // void (CWnd*)  from wParam
    AfxSig_vwww,           // void (UINT, UINT, UINT)  wParam, LOWORD, HIWORD of lParam
    AfxSig_vwWb,           // void (UINT, CWnd*, BOOL)
    AfxSig_vbh,            // void (BOOL, DWORD)
    AfxSig_bb,             // BOOL (BOOL)
    AfxSig_vbn,            // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_lp,             // LRESULT (CPoint)
    AfxSig_vPOS,           // void (WINDOWPOS*)
    AfxSig_vMMI,           // void (MINMAXINFO*)
    AfxSig_vbw,            // void (BOOL, UINT)
    AfxSig_vWp,            // void (CWnd*, CPoint)
    AfxSig_vwl,            // void (UINT, LPARAM)
    AfxSig_vws,            // void (UINT, LPCTSTR)
    AfxSig_hDWw,           // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,            // HBRUSH (CDC*, UINT)  reflected
    AfxSig_vDRAWITEM,      // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASUREITEM,   // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vDELETEITEM,    // void (int, LPDELETEITEMSTRUCT)
    AfxSig_iCOMPAREITEM,   // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDRAWITEM_R,    // void (LPDRAWITEMSTRUCT)  reflected
    AfxSig_vMEASUREITEM_R, // void (LPMEASUREITEMSTRUCT)  reflected
    AfxSig_vDELETEITEM_R,  // void (LPDELETEITEMSTRUCT)  reflected
    AfxSig_iCOMPAREITEM_R, // int (LPCOMPAREITEMSTRUCT)  reflected
    AfxSig_vwwx,           // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,            // void (UINT, UINT)  LOWORD, HIWORD of wParam (reflected scrolls, UI state)
    AfxSig_vMwb,           // void (CMenu*, UINT, BOOL)
    AfxSig_vM,             // void (CMenu*)
    AfxSig_vwwh,           // void (UINT, UINT, HMENU)
    AfxSig_vwW,            // void (UINT, CWnd*)
    AfxSig_vwpr,           // void (UINT, LPRECT)
    AfxSig_iWww,           // int (CWnd*, UINT, UINT)
    AfxSig_vb,             // void (BOOL)
    AfxSig_viSS,           // void (int, LPSTYLESTRUCT)
    AfxSig_vHDROP,         // void (HDROP)
    AfxSig_bWCDS,          // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_vbWW,           // void (BOOL, CWnd*, CWnd*)  MDI activation
    AfxSig_bHELPINFO,      // BOOL (HELPINFO*)
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                                     \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const                         \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap()                           \
    {                                                                                                                  \
        typedef theClass<type_name> ThisClass;                                                                         \
        typedef baseClass TheBaseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0                                                                            \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

// In every entry memberFxn is the handler's name, as declared in the class of the map or, qualified,
// in one of its bases (OnFileNew or CWinApp::OnFileNew), never an "&" expression.
// Member-pointer conversion used by every map entry: checks the handler's signature against
// the one its entry promises, then stores it in the common AFX_PMSG form.
#define AFX_MSG_CAST(sigType, memberFxn) (reinterpret_cast<AFX_PMSG>(static_cast<sigType>(memberFxn)))

// ---- commands -------------------------------------------------------------------------------
#define ON_COMMAND(id, memberFxn)                                                                                      \
    {WM_COMMAND, CN_COMMAND,  (UINT)(id),                                                                              \
     (UINT)(id), AfxSigCmd_v, AFX_MSG_CAST(void(CCmdTarget::*)(), &ThisClass::memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    {WM_COMMAND,     CN_COMMAND,      (UINT)(id),                                                                      \
     (UINT)(idLast), AfxSigCmd_RANGE, AFX_MSG_CAST(void(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)                                                                                   \
    {WM_COMMAND, CN_COMMAND,   (UINT)(id),                                                                             \
     (UINT)(id), AfxSigCmd_EX, AFX_MSG_CAST(BOOL(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                                     \
    {WM_COMMAND,     CN_COMMAND,   (UINT)(id),                                                                         \
     (UINT)(idLast), AfxSigCmd_EX, AFX_MSG_CAST(BOOL(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id),                                                                     \
     (UINT)(id), AfxSigCmdUI,          AFX_MSG_CAST(void(CCmdTarget::*)(CCmdUI*), &ThisClass::memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,     CN_UPDATE_COMMAND_UI, (UINT)(id),                                                                 \
     (UINT)(idLast), AfxSigCmdUI_RANGE,    AFX_MSG_CAST(void(CCmdTarget::*)(CCmdUI*), &ThisClass::memberFxn)},

// Command UI of a control handled by the control itself (UpdateDialogControls asks it first).
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                                     \
     (UINT)(WORD)CN_UPDATE_COMMAND_UI,                                                                                 \
     0,                                                                                                                \
     0,                                                                                                                \
     AfxSigCmdUI,                                                                                                      \
     AFX_MSG_CAST(void(CCmdTarget::*)(CCmdUI*), &ThisClass::memberFxn)},

// ---- control notifications (WM_COMMAND from a child) ----------------------------------------
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                         \
    {WM_COMMAND,  (UINT)(WORD)(wNotifyCode),                                                                           \
     (UINT)(id),  (UINT)(id),                                                                                          \
     AfxSigCmd_v, AFX_MSG_CAST(void(CCmdTarget::*)(), &ThisClass::memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
    {WM_COMMAND,     (UINT)(WORD)(wNotifyCode), (UINT)(id),                                                            \
     (UINT)(idLast), AfxSigCmd_RANGE,           AFX_MSG_CAST(void(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                                     \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                                     \
     (UINT)(WORD)(wNotifyCode),                                                                                        \
     0,                                                                                                                \
     0,                                                                                                                \
     AfxSigCmd_v,                                                                                                      \
     AFX_MSG_CAST(void(CCmdTarget::*)(), &ThisClass::memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                                  \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                                     \
     (UINT)(WORD)(wNotifyCode),                                                                                        \
     0,                                                                                                                \
     0,                                                                                                                \
     AfxSigCmd_b,                                                                                                      \
     AFX_MSG_CAST(BOOL(CCmdTarget::*)(), &ThisClass::memberFxn)},

#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)      ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)     ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn)       ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn)       ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn)       ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn)     ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn)    ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn)       ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn)   ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)     ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn)      ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn)       ON_CONTROL(STN_DBLCLK, id, memberFxn)

// ---- WM_NOTIFY --------------------------------------------------------------------------------
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
    {WM_NOTIFY,      (UINT)(WORD)(int)(wNotifyCode),                                                                   \
     (UINT)(id),     (UINT)(id),                                                                                       \
     AfxSigNotify_v, AFX_MSG_CAST(void(CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                            \
    {WM_NOTIFY,          (UINT)(WORD)(int)(wNotifyCode),                                                               \
     (UINT)(id),         (UINT)(idLast),                                                                               \
     AfxSigNotify_RANGE, AFX_MSG_CAST(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                                       \
    {WM_NOTIFY,       (UINT)(WORD)(int)(wNotifyCode),                                                                  \
     (UINT)(id),      (UINT)(id),                                                                                      \
     AfxSigNotify_EX, AFX_MSG_CAST(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::memberFxn)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                                         \
    {WM_NOTIFY,       (UINT)(WORD)(int)(wNotifyCode),                                                                  \
     (UINT)(id),      (UINT)(idLast),                                                                                  \
     AfxSigNotify_EX, AFX_MSG_CAST(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                                      \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                                      \
     (UINT)(WORD)(int)(wNotifyCode),                                                                                   \
     0,                                                                                                                \
     0,                                                                                                                \
     AfxSigNotify_v,                                                                                                   \
     AFX_MSG_CAST(void(CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                                   \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                                      \
     (UINT)(WORD)(int)(wNotifyCode),                                                                                   \
     0,                                                                                                                \
     0,                                                                                                                \
     AfxSigNotify_b,                                                                                                   \
     AFX_MSG_CAST(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn)},

// ---- user and registered messages ---------------------------------------------------------------
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    {(UINT)(message), 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST(LRESULT(CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn)},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
    {0xC000,                                                                                                           \
     0,                                                                                                                \
     0,                                                                                                                \
     0,                                                                                                                \
     (UINT_PTR)(const UINT*)(&nMessageVariable),                                                                       \
     AFX_MSG_CAST(LRESULT(CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn)},
#define ON_THREAD_MESSAGE(message, memberFxn)                                                                          \
    {(UINT)(message), 0, 0, 0, AfxSig_vWPLP, AFX_MSG_CAST(void(CWinThread::*)(WPARAM, LPARAM), &ThisClass::memberFxn)},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn)                                                      \
    {0xC000,                                                                                                           \
     0,                                                                                                                \
     0,                                                                                                                \
     1,                                                                                                                \
     (UINT_PTR)(const UINT*)(&nMessageVariable),                                                                       \
     AFX_MSG_CAST(void(CWinThread::*)(WPARAM, LPARAM), &ThisClass::memberFxn)},

class CWinThread;

// Base of every object that receives commands.
class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Routes a command, a command-UI update, a control notification or a WM_NOTIFY through
    // this object's message map. nCode: CN_COMMAND, CN_UPDATE_COMMAND_UI, a control
    // notification code, or MAKELONG(code, message) for WM_NOTIFY and reflected messages.
    // With pHandlerInfo only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Wait cursor helpers.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Dispatches one command entry (static: the same for every target).
    static BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig,
                               AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Finds the entry for (message, code, id) in one map's entries.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID);

// State of a user-interface item (menu item, tool-bar button, control) during a command-UI
// update: the handlers set it through Enable, SetCheck, SetRadio and SetText.
class CCmdUI
{
public:
    UINT m_nID;
    UINT m_nIndex;     // menu item or other index
    CMenu* m_pMenu;    // not null for a menu item
    CMenu* m_pSubMenu; // sub-menu of the item when it opens one
    CWnd* m_pOther;    // not null for a window (control, bar)
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax; // last index + 1 for iterating m_nIndex
    CMenu* m_pParentMenu;

    CCmdUI();
    virtual ~CCmdUI() {}

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    void ContinueRouting();

    // Asks pTarget for the state; when no handler set the enable state and
    // bDisableIfNoHndler is given, disables the item unless a command handler exists.
    // Answers whether an update handler took the item (TRUE for the ids 0 and 0xFFFF, which
    // are never asked about).
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Wait cursor for the life of the object.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();

private:
    HCURSOR m_hOld;
};
