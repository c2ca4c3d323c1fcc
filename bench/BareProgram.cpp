// The baselines of the benchmarks: a bare Win32 program, a hidden window and
// its message loop, with one of the two things talvex.exe keeps while idle.
//   bench_bare.exe tray     adds a tray icon (start-up and memory baseline)
//   bench_bare.exe timers   runs two 100 ms timers, as talvex.exe's timers 10
//                           and 14 (idle baseline); the second starts half a
//                           period after the first, so that each wakes the
//                           program on its own, as the program's timers do
//                           (they start at different moments of its start-up)
// WM_CLOSE to its window ends it.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace {

constexpr char WindowClass[] = "TalvexBenchBare";
constexpr UINT TrayCallback = WM_APP;
constexpr UINT TimerPeriodMs = 100;
constexpr UINT_PTR TimerIds[] = {10, 14};

NOTIFYICONDATAA TrayIcon(HWND window)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallback;
    data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(data.szTip, "bare", sizeof data.szTip);
    return data;
}

bool withTray = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        return 0;
    case WM_DESTROY: {
        if (withTray) {
            NOTIFYICONDATAA data = TrayIcon(window);
            Shell_NotifyIconA(NIM_DELETE, &data);
        }
        PostQuitMessage(0);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const bool withTimers = argc > 1 && std::strcmp(argv[1], "timers") == 0;
    withTray = argc > 1 && std::strcmp(argv[1], "tray") == 0;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassA(&windowClass))
        return 2;
    HWND window = CreateWindowExA(0, WindowClass, "bare", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window)
        return 2;
    if (withTray) {
        NOTIFYICONDATAA data = TrayIcon(window);
        if (!Shell_NotifyIconA(NIM_ADD, &data))
            return 3;
    }
    if (withTimers) {
        SetTimer(window, TimerIds[0], TimerPeriodMs, nullptr);
        Sleep(TimerPeriodMs / 2);
        SetTimer(window, TimerIds[1], TimerPeriodMs, nullptr);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
