// Stays up without a visible window until it is asked to close.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HWND wnd = CreateWindowExA(0, "STATIC", "Talvex", WS_POPUP, 0, 0, 0, 0,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!wnd)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_CLOSE && msg.hwnd == wnd)
            break;
        DispatchMessageA(&msg);
    }
    DestroyWindow(wnd);
    return 0;
}
