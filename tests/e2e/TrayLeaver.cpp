// Adds a tray icon and ends: with "clean" it deletes the icon first, as a
// well-behaved program does; without, it leaves that to Wine.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

int main(int argc, char** argv)
{
    const bool clean = argc > 1 && std::strcmp(argv[1], "clean") == 0;
    HWND window = CreateWindowExA(0, "STATIC", "tray leaver", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return 2;
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_APP;
    data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(data.szTip, "tray leaver", sizeof data.szTip);
    if (!Shell_NotifyIconA(NIM_ADD, &data))
        return 3;
    if (clean)
        Shell_NotifyIconA(NIM_DELETE, &data);
    DestroyWindow(window);
    return 0;
}
