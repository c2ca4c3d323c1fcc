// A stand-in application for the watcher's tests: a process of its own
// (the watcher ignores windows of the program itself) whose top-level
// windows carry the classes given on the command line. "min:" makes a
// window minimised, "hidden:" leaves it invisible, "plain:" leaves out its
// system menu. The windows' titles are the arguments as given. It ends
// after two minutes at the latest; the tests end it sooner.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

constexpr UINT_PTR LifetimeTimer = 1;
constexpr UINT LifetimeMs = 120000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == LifetimeTimer)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

bool TakePrefix(std::string& spec, const char* prefix)
{
    const size_t length = std::strlen(prefix);
    if (spec.compare(0, length, prefix) != 0)
        return false;
    spec.erase(0, length);
    return true;
}

HWND MakeWindow(HINSTANCE instance, const char* argument, int index)
{
    std::string windowClass(argument);
    const bool minimised = TakePrefix(windowClass, "min:");
    const bool hidden = TakePrefix(windowClass, "hidden:");
    const bool plain = TakePrefix(windowClass, "plain:");
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = windowClass.c_str();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);   // a second window of one class finds it registered
    const DWORD style = plain ? (WS_OVERLAPPED | WS_CAPTION) : WS_OVERLAPPEDWINDOW;
    HWND window = CreateWindowExA(0, windowClass.c_str(), argument, style, 40 + 20 * index, 40 + 20 * index, 320, 200,
                                  nullptr, nullptr, instance, nullptr);
    if (window && !hidden)
        ShowWindow(window, minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    return window;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    HWND first = nullptr;
    for (int i = 1; i < __argc; ++i) {
        HWND window = MakeWindow(instance, __argv[i], i);
        first = first ? first : window;
    }
    if (!first)
        return 1;
    SetTimer(first, LifetimeTimer, LifetimeMs, nullptr);
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
