// CWnd: the window procedure, the creation hook, message dispatch with
// reflection, and the default handlers of the message-map entries.
#include "framework/CWnd.h"

#include "framework/AfxGlobals.h"
#include "framework/CDC.h"
#include "framework/CWinApp.h"

namespace {

// The message being handled, for Default(); saved and restored around each
// call of the window procedure, so nested sends do not disturb it.
thread_local MSG t_currentMessage;

// The object waiting for the window it is about to create.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hCbtHook = nullptr;
thread_local int t_hookDepth = 0;

bool IsImeWindow(HWND hWnd)
{
    char className[32] = {};
    if (::GetClassNameA(hWnd, className, sizeof className) <= 0)
        return false;
    return lstrcmpiA(className, "IME") == 0 || lstrcmpiA(className, "MSCTFIME UI") == 0;
}

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool IsCheckBoxOrRadio(HWND hWnd)
{
    char className[16] = {};
    if (::GetClassNameA(hWnd, className, sizeof className) <= 0 || lstrcmpiA(className, "Button") != 0)
        return false;
    switch (::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return (::GetWindowLongA(hWnd, GWL_STYLE) & BS_PUSHLIKE) == 0;
    default:
        return false;
    }
}

// Under Wine a check box draws its dotted focus rectangle, which inverts
// what is under it, again at each change of its pressed or checked state
// without clearing it first: every click would show or hide the cue. Drawn
// whole once the click is over, it shows exactly while it has the focus.
void RepaintClickedBox(HWND hWndControl, UINT code)
{
    if (code == BN_CLICKED && IsCheckBoxOrRadio(hWndControl))
        ::InvalidateRect(hWndControl, nullptr, TRUE);
}

}  // namespace

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        // The input method may create its own window first; it is not ours.
        if (!IsImeWindow(hWnd)) {
            CWnd* pWnd = t_pWndInit;
            t_pWndInit = nullptr;
            pWnd->AttachAndHook(hWnd);
        }
    }
    return ::CallNextHookEx(t_hCbtHook, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_hookDepth++ == 0)
        t_hCbtHook = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    t_pWndInit = pWnd;
}

void AfxUnhookWindowCreate()
{
    t_pWndInit = nullptr;
    if (t_hookDepth > 0 && --t_hookDepth == 0 && t_hCbtHook) {
        ::UnhookWindowsHookEx(t_hCbtHook);
        t_hCbtHook = nullptr;
    }
}

void CWnd::AttachAndHook(HWND hWnd)
{
    if (!Attach(hWnd))
        return;
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (previous != &AfxWndProc)
        m_pfnSuper = previous;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    MSG saved = t_currentMessage;
    t_currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's code that called us.
        AfxReportCurrentException();
        result = message == WM_CREATE ? -1 : 0;
    }
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->FinishNcDestroy();
    t_currentMessage = saved;
    return result;
}

void CWnd::FinishNcDestroy()
{
    UnsubclassWindow();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        // The main window's end is the program's end.
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    try {
        PostNcDestroy();
    } catch (...) {
        AfxReportCurrentException();
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &result);
    } else if (IsCtlColor(message)) {
        handled = DispatchCtlColor(message, wParam, lParam, &result);
    } else if (message == WM_HSCROLL || message == WM_VSCROLL) {
        handled = DispatchScroll(message, wParam, lParam, &result);
    } else if (message == WM_DRAWITEM) {
        handled = DispatchDrawItem(message, wParam, lParam, &result);
    } else {
        AFX_MSGCALL call{message, wParam, lParam, 0};
        UINT kind = message >= 0xC000 ? AfxEntryRegistered : AfxEntryMessage;
        handled = DispatchToMap(kind, message, 0, 0, call);
        result = call.result;
    }
    if (handled && pResult)
        *pResult = result;
    return handled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_currentMessage.message, t_currentMessage.wParam, t_currentMessage.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    (void)pMsg;
    return FALSE;
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_MSGCALL call{message, wParam, lParam, 0};
    BOOL handled = FALSE;
    if (message == WM_COMMAND)
        handled = DispatchToMap(AfxEntryReflectCommand, WM_COMMAND, HIWORD(wParam), 0, call);
    else if (message == WM_NOTIFY)
        handled = DispatchToMap(AfxEntryReflectNotify, WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0, call);
    else
        handled = DispatchToMap(AfxEntryReflectMessage, IsCtlColor(message) ? AFX_WM_CTLCOLOR : message, 0, 0, call);
    if (handled && pResult)
        *pResult = call.result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    UINT code = HIWORD(wParam);
    if (hWndControl) {
        RepaintClickedBox(hWndControl, code);
        if (hWndControl != m_hWnd && ReflectToChild(hWndControl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    } else {
        code = 0;  // menu items and accelerators alike
    }
    AFX_MSGCALL call{WM_COMMAND, wParam, lParam, 0};
    return DispatchToMap(AfxEntryCommand, WM_COMMAND, code, LOWORD(wParam), call);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (header->hwndFrom && header->hwndFrom != m_hWnd &&
        ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_MSGCALL call{WM_NOTIFY, wParam, lParam, 0};
    if (!DispatchToMap(AfxEntryNotify, WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), call))
        return FALSE;
    if (pResult)
        *pResult = call.result;
    return TRUE;
}

BOOL CWnd::DispatchCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_MSGCALL call{message, wParam, lParam, 0};
    if (DispatchToMap(AfxEntryMessage, AFX_WM_CTLCOLOR, 0, 0, call)) {
        *pResult = call.result;
        return TRUE;
    }
    HBRUSH brush = OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                              FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX);
    *pResult = reinterpret_cast<LRESULT>(brush);
    return TRUE;
}

BOOL CWnd::DispatchScroll(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl && hWndControl != m_hWnd && ReflectToChild(hWndControl, message, wParam, lParam, pResult))
        return TRUE;
    AFX_MSGCALL call{message, wParam, lParam, 0};
    if (!DispatchToMap(AfxEntryMessage, message, 0, 0, call))
        return FALSE;
    *pResult = call.result;
    return TRUE;
}

BOOL CWnd::DispatchDrawItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* item = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (wParam != 0 && item && item->CtlType != ODT_MENU && item->hwndItem != m_hWnd &&
        ReflectToChild(item->hwndItem, message, wParam, lParam, nullptr)) {
        *pResult = TRUE;
        return TRUE;
    }
    AFX_MSGCALL call{message, wParam, lParam, 0};
    if (!DispatchToMap(AfxEntryMessage, message, 0, 0, call))
        return FALSE;
    *pResult = call.result;
    return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    UINT message = WM_CTLCOLORMSGBOX + nCtlColor;
    WPARAM wParam = reinterpret_cast<WPARAM>(pDC ? pDC->m_hDC : nullptr);
    LPARAM lParam = reinterpret_cast<LPARAM>(pWnd ? pWnd->m_hWnd : nullptr);
    // The control may colour itself (a reflected colour handler).
    LRESULT brush = 0;
    if (pWnd && pWnd->m_hWnd != m_hWnd && ReflectToChild(pWnd->m_hWnd, message, wParam, lParam, &brush))
        return reinterpret_cast<HBRUSH>(brush);
    return reinterpret_cast<HBRUSH>(DefWindowProc(message, wParam, lParam));
}

// The remaining defaults only do the window's own processing.
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR) { return static_cast<BOOL>(Default()); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnEndSession(BOOL) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnNcDestroy() { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
