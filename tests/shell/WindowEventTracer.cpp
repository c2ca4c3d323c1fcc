#include "WindowEventTracer.h"

#include "SimTrace.h"

#include <commctrl.h>

namespace {

bool IsTabControl(HWND window)
{
    char name[32] = {};
    return window && GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, WC_TABCONTROLA) == 0;
}

} // namespace

WindowEventTracer::WindowEventTracer()
    : m_cbt(SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId())),
      m_callWndProc(SetWindowsHookExA(WH_CALLWNDPROC, OnCallWndProc, nullptr, GetCurrentThreadId()))
{
}

WindowEventTracer::~WindowEventTracer()
{
    if (m_cbt)
        UnhookWindowsHookEx(m_cbt);
    if (m_callWndProc)
        UnhookWindowsHookEx(m_callWndProc);
}

LRESULT CALLBACK WindowEventTracer::OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (IsTabControl(create->lpcs->hwndParent))
            SimTrace::Note("Test page created");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WindowEventTracer::OnCallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (message->message == WM_WINDOWPOSCHANGING) {
            const auto* position = reinterpret_cast<WINDOWPOS*>(message->lParam);
            if (!(position->flags & SWP_NOZORDER) && position->hwndInsertAfter == HWND_TOPMOST)
                SimTrace::Note("Test topmost");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
