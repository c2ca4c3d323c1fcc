#pragma once
// Message-map macros. A class declares DECLARE_MESSAGE_MAP() and defines its
// table with BEGIN_MESSAGE_MAP(theClass, baseClass) ... END_MESSAGE_MAP().
// Each ON_... entry builds a small thunk (a captureless lambda) that unpacks
// the message's parameters into the handler's usual signature.
#include "framework/CCmdTarget.h"

// Marks message handlers in class declarations; it expands to nothing.
#define afx_msg

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                              \
    {                                                                            \
        typedef theClass ThisClass;                                              \
        typedef baseClass TheBaseClass;                                          \
        (void)static_cast<ThisClass*>(nullptr);                                  \
        static const AFX_MSGMAP_ENTRY afxMessageEntries[] = {

#define END_MESSAGE_MAP()                                                        \
            {AfxEntryEnd, 0, 0, 0, 0, nullptr, nullptr}};                        \
        static const AFX_MSGMAP afxMessageMap = {&TheBaseClass::GetThisMessageMap, afxMessageEntries}; \
        return &afxMessageMap;                                                   \
    }

// A thunk that always handles the message, and one whose handler may decline.
#define AFX_MSG_THUNK(...)                                                \
    [](CCmdTarget* afxTarget, AFX_MSGCALL& afxCall) -> BOOL {             \
        ThisClass* afxThis = static_cast<ThisClass*>(afxTarget);          \
        (void)afxThis;                                                    \
        (void)afxCall;                                                    \
        __VA_ARGS__;                                                      \
        return TRUE;                                                      \
    }
#define AFX_MSG_THUNK_EX(...)                                             \
    [](CCmdTarget* afxTarget, AFX_MSGCALL& afxCall) -> BOOL {             \
        ThisClass* afxThis = static_cast<ThisClass*>(afxTarget);          \
        (void)afxThis;                                                    \
        (void)afxCall;                                                    \
        return (__VA_ARGS__);                                             \
    }

#define AFX_WPARAM_HWND() reinterpret_cast<HWND>(afxCall.wParam)
#define AFX_LPARAM_HWND() reinterpret_cast<HWND>(afxCall.lParam)
#define AFX_WPARAM_DC() CDC::FromHandle(reinterpret_cast<HDC>(afxCall.wParam))
#define AFX_CTLCOLOR_KIND() static_cast<UINT>(afxCall.message - WM_CTLCOLORMSGBOX)

inline BOOL AfxSetBrushResult(AFX_MSGCALL& call, HBRUSH brush)
{
    call.result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

// Private and registered messages: LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                             \
    {AfxEntryMessage, static_cast<UINT>(message), 0, 0, 0, nullptr,                \
     AFX_MSG_THUNK(afxCall.result = (afxThis->*(memberFxn))(afxCall.wParam, afxCall.lParam))},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                          \
    {AfxEntryRegistered, 0, 0, 0, 0, &(nMessageVariable),                          \
     AFX_MSG_THUNK(afxCall.result = (afxThis->*(memberFxn))(afxCall.wParam, afxCall.lParam))},

// Commands and control notifications (WM_COMMAND).
#define ON_COMMAND(id, memberFxn)                                                  \
    {AfxEntryCommand, WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))())},
#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                               \
    {AfxEntryCommand, WM_COMMAND, 0, static_cast<UINT>(idFirst), static_cast<UINT>(idLast), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))(LOWORD(afxCall.wParam)))},
#define ON_CONTROL(code, id, memberFxn)                                            \
    {AfxEntryCommand, WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))())},
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn)                         \
    {AfxEntryCommand, WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(idFirst), static_cast<UINT>(idLast), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))(LOWORD(afxCall.wParam)))},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

// WM_NOTIFY: void handler(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, memberFxn)                                             \
    {AfxEntryNotify, WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))(reinterpret_cast<NMHDR*>(afxCall.lParam), &afxCall.result))},
#define ON_NOTIFY_RANGE(code, idFirst, idLast, memberFxn)                          \
    {AfxEntryNotify, WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(idFirst), static_cast<UINT>(idLast), nullptr, \
     AFX_MSG_THUNK((afxThis->*(memberFxn))(static_cast<UINT>(reinterpret_cast<NMHDR*>(afxCall.lParam)->idFrom), \
                                             reinterpret_cast<NMHDR*>(afxCall.lParam), &afxCall.result))},

// Notifications a control receives back from its parent (reflection). The
// _EX forms return BOOL: FALSE lets the parent handle the message as well.
#define ON_CONTROL_REFLECT(code, memberFxn)                                        \
    {AfxEntryReflectCommand, WM_COMMAND, static_cast<UINT>(code), 0, 0, nullptr,   \
     AFX_MSG_THUNK((afxThis->*(memberFxn))())},
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                     \
    {AfxEntryReflectCommand, WM_COMMAND, static_cast<UINT>(code), 0, 0, nullptr,   \
     AFX_MSG_THUNK_EX((afxThis->*(memberFxn))())},
#define ON_NOTIFY_REFLECT(code, memberFxn)                                         \
    {AfxEntryReflectNotify, WM_NOTIFY, static_cast<UINT>(code), 0, 0, nullptr,     \
     AFX_MSG_THUNK((afxThis->*(memberFxn))(reinterpret_cast<NMHDR*>(afxCall.lParam), &afxCall.result))},
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                      \
    {AfxEntryReflectNotify, WM_NOTIFY, static_cast<UINT>(code), 0, 0, nullptr,     \
     AFX_MSG_THUNK_EX((afxThis->*(memberFxn))(reinterpret_cast<NMHDR*>(afxCall.lParam), &afxCall.result))},
// HBRUSH CtlColor(CDC*, UINT nCtlColor); a null brush leaves the colour to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                   \
    {AfxEntryReflectMessage, AFX_WM_CTLCOLOR, 0, 0, 0, nullptr,                    \
     AFX_MSG_THUNK_EX(AfxSetBrushResult(afxCall, afxThis->CtlColor(AFX_WPARAM_DC(), AFX_CTLCOLOR_KIND())))},
#define ON_WM_HSCROLL_REFLECT()                                                    \
    {AfxEntryReflectMessage, WM_HSCROLL, 0, 0, 0, nullptr,                         \
     AFX_MSG_THUNK(afxThis->HScroll(LOWORD(afxCall.wParam), HIWORD(afxCall.wParam)))},
#define ON_WM_VSCROLL_REFLECT()                                                    \
    {AfxEntryReflectMessage, WM_VSCROLL, 0, 0, 0, nullptr,                         \
     AFX_MSG_THUNK(afxThis->VScroll(LOWORD(afxCall.wParam), HIWORD(afxCall.wParam)))},

// Window messages with their usual handler signatures.
#define AFX_ON_WM(message, ...) {AfxEntryMessage, message, 0, 0, 0, nullptr, AFX_MSG_THUNK(__VA_ARGS__)},

#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, afxThis->OnActivate(LOWORD(afxCall.wParam), CWnd::FromHandle(AFX_LPARAM_HWND()), HIWORD(afxCall.wParam) != 0))
#define ON_WM_CAPTURECHANGED() AFX_ON_WM(WM_CAPTURECHANGED, afxThis->OnCaptureChanged(CWnd::FromHandle(AFX_LPARAM_HWND())))
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, afxThis->OnChar(static_cast<UINT>(afxCall.wParam), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, afxThis->OnClose())
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, afxThis->OnContextMenu(CWnd::FromHandle(AFX_WPARAM_HWND()), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, afxCall.result = afxThis->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(afxCall.lParam)))
#define ON_WM_CTLCOLOR() AFX_ON_WM(AFX_WM_CTLCOLOR, afxCall.result = reinterpret_cast<LRESULT>(afxThis->OnCtlColor(AFX_WPARAM_DC(), CWnd::FromHandle(AFX_LPARAM_HWND()), AFX_CTLCOLOR_KIND())))
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, afxThis->OnDestroy())
#define ON_WM_DEVICECHANGE() AFX_ON_WM(WM_DEVICECHANGE, afxCall.result = afxThis->OnDeviceChange(static_cast<UINT>(afxCall.wParam), static_cast<DWORD_PTR>(afxCall.lParam)))
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, afxThis->OnDrawItem(static_cast<int>(afxCall.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(afxCall.lParam)); afxCall.result = TRUE)
#define ON_WM_ENDSESSION() AFX_ON_WM(WM_ENDSESSION, afxThis->OnEndSession(afxCall.wParam != 0))
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, afxCall.result = afxThis->OnEraseBkgnd(AFX_WPARAM_DC()))
#define ON_WM_GETMINMAXINFO() AFX_ON_WM(WM_GETMINMAXINFO, afxThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(afxCall.lParam)))
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, afxThis->OnHScroll(LOWORD(afxCall.wParam), HIWORD(afxCall.wParam), reinterpret_cast<CScrollBar*>(CWnd::FromHandle(AFX_LPARAM_HWND()))))
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, afxThis->OnVScroll(LOWORD(afxCall.wParam), HIWORD(afxCall.wParam), reinterpret_cast<CScrollBar*>(CWnd::FromHandle(AFX_LPARAM_HWND()))))
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, afxThis->OnKeyDown(static_cast<UINT>(afxCall.wParam), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, afxThis->OnKeyUp(static_cast<UINT>(afxCall.wParam), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_SYSKEYDOWN() AFX_ON_WM(WM_SYSKEYDOWN, afxThis->OnSysKeyDown(static_cast<UINT>(afxCall.wParam), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, afxThis->OnKillFocus(CWnd::FromHandle(AFX_WPARAM_HWND())))
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, afxThis->OnSetFocus(CWnd::FromHandle(AFX_WPARAM_HWND())))
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, afxThis->OnLButtonDown(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, afxThis->OnLButtonUp(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, afxThis->OnLButtonDblClk(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, afxThis->OnRButtonDown(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, afxThis->OnRButtonUp(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, afxThis->OnMouseMove(static_cast<UINT>(afxCall.wParam), CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, afxThis->OnMouseLeave())
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, afxThis->OnMeasureItem(static_cast<int>(afxCall.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(afxCall.lParam)); afxCall.result = TRUE)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, afxThis->OnMove(static_cast<SHORT>(LOWORD(afxCall.lParam)), static_cast<SHORT>(HIWORD(afxCall.lParam))))
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, afxThis->OnNcDestroy())
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, afxCall.result = afxThis->OnNcHitTest(CPoint::FromLParam(afxCall.lParam)))
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, afxThis->OnPaint())
#define ON_WM_QUERYENDSESSION() AFX_ON_WM(WM_QUERYENDSESSION, afxCall.result = afxThis->OnQueryEndSession())
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, afxCall.result = afxThis->OnSetCursor(CWnd::FromHandle(AFX_WPARAM_HWND()), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, afxThis->OnShowWindow(afxCall.wParam != 0, static_cast<UINT>(afxCall.lParam)))
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, afxThis->OnSize(static_cast<UINT>(afxCall.wParam), LOWORD(afxCall.lParam), HIWORD(afxCall.lParam)))
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, afxThis->OnSysCommand(static_cast<UINT>(afxCall.wParam), afxCall.lParam))
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, afxThis->OnTimer(static_cast<UINT_PTR>(afxCall.wParam)))
#define ON_WM_WINDOWPOSCHANGED() AFX_ON_WM(WM_WINDOWPOSCHANGED, afxThis->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(afxCall.lParam)))
#define ON_WM_WINDOWPOSCHANGING() AFX_ON_WM(WM_WINDOWPOSCHANGING, afxThis->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(afxCall.lParam)))
