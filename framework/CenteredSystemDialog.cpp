#include "framework/CenteredSystemDialog.h"

#include "framework/CWnd.h"

namespace {

// One hook per thread for however many nested dialogs; the innermost one is
// the dialog being opened.
thread_local HHOOK t_hook = nullptr;
thread_local CenteredSystemDialog* t_innermost = nullptr;

}  // namespace

CenteredSystemDialog::CenteredSystemDialog(HWND owner)
    : m_owner(owner ? ::GetAncestor(owner, GA_ROOT) : nullptr), m_outer(t_innermost)
{
    if (!t_hook)
        t_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProcHook, nullptr, ::GetCurrentThreadId());
    t_innermost = this;
}

CenteredSystemDialog::~CenteredSystemDialog()
{
    t_innermost = m_outer;
    if (!t_innermost && t_hook) {
        ::UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
}

// Both dialogs are of the dialog class and owned by the top-level window of
// the owner they were given; the owner itself may be a dialog too.
bool CenteredSystemDialog::IsTheDialog(HWND hWnd) const
{
    char className[16] = {};
    return !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && ::GetWindow(hWnd, GW_OWNER) == m_owner &&
           ::GetClassNameA(hWnd, className, sizeof className) > 0 && lstrcmpA(className, "#32770") == 0;
}

// Moved as it is about to be shown: the dialog has its final size by then
// (the file dialog is activated, hidden, before it takes the size it last had).
LRESULT CALLBACK CenteredSystemDialog::CallWndProcHook(int code, WPARAM wParam, LPARAM lParam)
{
    CenteredSystemDialog* placement = t_innermost;
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && placement && !placement->m_done && call->message == WM_SHOWWINDOW && call->wParam &&
        placement->IsTheDialog(call->hwnd)) {
        placement->m_done = true;
        CWnd::CenterWindowOn(call->hwnd, placement->m_owner);
    }
    return ::CallNextHookEx(t_hook, code, wParam, lParam);
}
