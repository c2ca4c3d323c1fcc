#pragma once
// One run of the real talvex.exe of this build, started from the build's
// bin folder with a scenario and a trace file in its environment. A run
// that is still going when the object goes is ended, so that a failed
// check leaves no program behind.
#include <windows.h>

#include <string>

class TalvexProcess {
public:
    struct Memory {
        SIZE_T privateBytes = 0;     // private commit (PrivateUsage, else PagefileUsage)
        SIZE_T workingSet = 0;
    };

    TalvexProcess() = default;
    ~TalvexProcess();
    TalvexProcess(const TalvexProcess&) = delete;
    TalvexProcess& operator=(const TalvexProcess&) = delete;

    // scenario: a scenario file, or empty for the embedded default monitors.
    bool Start(const std::string& scenario, const std::string& trace, std::string& error);
    // A baseline program of the bin folder in place of talvex.exe: its main
    // window is its first top-level window of class windowClass.
    bool StartProgram(const std::string& file, const std::string& arguments, const std::string& windowClass,
                      std::string& error);

    DWORD Pid() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    LONGLONG StartTicks() const { return m_startTicks; }
    bool Running() const;
    // True when the program ended within the time; its exit code in code.
    bool WaitForExit(DWORD milliseconds, DWORD* code = nullptr) const;
    // Its main window: the dialog captioned "Talvex" of this process.
    // (For a baseline program, its window of the class it was started with.)
    HWND WaitForMainWindow(DWORD milliseconds);
    HWND MainWindow() const { return m_mainWindow; }
    // Returns once the program's thread has taken a sent message.
    bool Sync(DWORD milliseconds) const;
    Memory MemoryUse() const;

    // The folder of talvex.exe and of this program.
    static std::string BinFolder();
    static double Seconds(LONGLONG fromTicks, LONGLONG toTicks);
    static LONGLONG Now();

private:
    std::string Environment(const std::string& scenario, const std::string& trace) const;
    bool Launch(const std::string& file, const std::string& arguments, std::string environment, std::string& error);
    HWND FindMainWindow() const;
    void Close();

    PROCESS_INFORMATION m_info{};
    LONGLONG m_startTicks = 0;
    HWND m_mainWindow = nullptr;
    std::string m_windowClass;   // empty: talvex.exe's dialog
};
