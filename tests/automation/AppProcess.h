#pragma once
// A stand-in application started for a test (WindowApp.cpp): its process
// and its top-level windows by class. Ended when the object goes.
#include <windows.h>

#include <string>
#include <vector>

class AppProcess
{
public:
    // program: a path below the test's own folder ("arcade.exe",
    // "shellapp\\explorer.exe"); specs: the windows, as WindowApp takes them.
    AppProcess(const std::string& program, const std::vector<std::string>& specs);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    bool Started() const { return m_windowsFound; }
    DWORD ProcessId() const { return m_info.dwProcessId; }
    // The window made from that spec; null when there is none.
    HWND Window(const std::string& spec) const;

private:
    bool FindWindows(const std::vector<std::string>& specs);

    PROCESS_INFORMATION m_info{};
    std::vector<std::pair<std::string, HWND>> m_windows;
    bool m_windowsFound = false;
};
