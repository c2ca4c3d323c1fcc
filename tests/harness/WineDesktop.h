#pragma once
// Wine's desktop process (explorer.exe /desktop) is started by the first
// window of a session and ends a moment after the last program has gone,
// so a test program may meet it still starting; until it is up, the
// program's main window may not be made. Its tray window is the last thing
// it makes: a program started once that exists meets a whole desktop.
#include "tests/harness/WaitFor.h"

#include <windows.h>

#include <functional>

// Wine's tray: the first top-level "Shell_TrayWnd" of another process.
inline HWND WineTrayWindow()
{
    struct Search {
        DWORD ownPid;
        HWND found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char name[32] = {};
            DWORD pid = 0;
            GetClassNameA(window, name, sizeof name);
            GetWindowThreadProcessId(window, &pid);
            if (pid == s->ownPid || lstrcmpA(name, "Shell_TrayWnd") != 0)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Starts the desktop if it does not run (asking for the desktop window does)
// and waits until its tray window exists.
inline bool WaitForWineDesktop(int milliseconds, const std::function<void()>& pump = [] {})
{
    GetDesktopWindow();
    return WaitFor([] { return WineTrayWindow() != nullptr; }, milliseconds, pump);
}

// How long a fixture waits for it before it gives up on the run.
constexpr int WineDesktopWaitMs = 60000;
