#pragma once
// Watches the notification area from outside the program. Wine's shell
// sends every Shell_NotifyIcon request to the first top-level window of
// class "Shell_TrayWnd"; the spy puts such a window in front of Wine's own
// tray, records each request with the time it came and whether its owner
// window still existed, and hands it on to the real tray, whose answer the
// caller gets. Wine removes the icons of a destroyed window by itself, so
// only the requests show whether a program deleted its icon.
#include "tests/e2e/TrayRecord.h"

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TraySpy {
public:
    struct Call {
        TrayRecord record;
        HWND owner = nullptr;
        DWORD ownerPid = 0;        // 0 when the owner was no window any more
        bool ownerAlive = false;
        LRESULT answer = 0;        // what the real tray said
        LONGLONG ticks = 0;        // performance counter when it came
    };

    TraySpy() = default;
    ~TraySpy();
    TraySpy(const TraySpy&) = delete;
    TraySpy& operator=(const TraySpy&) = delete;

    // Starts the spy's thread and window once Wine's tray exists; false with
    // the reason when the spy is not the window the shell finds first.
    bool Start(std::string& error);
    void Stop();

    std::vector<Call> Calls() const;
    std::vector<Call> CallsFor(HWND owner) const;
    // Waits until the recorded calls satisfy the predicate.
    bool WaitFor(const std::function<bool(const std::vector<Call>&)>& done, DWORD milliseconds) const;

    // The icons Wine's tray shows now: one window each.
    static std::vector<HWND> ShownIcons();
    static int ShownIconCount();
    // Wine's own tray window: the first "Shell_TrayWnd" of another process.
    static HWND RealTray();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Relay(HWND window, WPARAM wParam, const COPYDATASTRUCT* data);
    void Run();

    std::thread m_thread;
    HWND m_window = nullptr;
    std::string m_startError;
    bool m_started = false;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<Call> m_calls;
};
