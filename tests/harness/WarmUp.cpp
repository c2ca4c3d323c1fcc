// Started once before a test run, with its output discarded: it brings up
// Wine's service and desktop processes, which then outlive it for the run
// (a persistent wineserver) without holding any test's output pipes open.
#include <windows.h>

int main()
{
    HWND wnd = CreateWindowExA(0, "STATIC", "warm-up", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (wnd)
        DestroyWindow(wnd);
    return wnd ? 0 : 1;
}
