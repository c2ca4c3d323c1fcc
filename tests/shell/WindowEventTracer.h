#pragma once
// Notes window events of this thread in the simulated monitors' trace, so
// that they can be ordered against the library calls: a dialog created on
// a tab control (a settings page) and a window put on top of the z-order.
#include <windows.h>

class WindowEventTracer
{
public:
    WindowEventTracer();
    ~WindowEventTracer();
    WindowEventTracer(const WindowEventTracer&) = delete;
    WindowEventTracer& operator=(const WindowEventTracer&) = delete;

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnCallWndProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_cbt;
    HHOOK m_callWndProc;
};
