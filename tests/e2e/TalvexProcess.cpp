#include "tests/e2e/TalvexProcess.h"
#include "tests/e2e/RemoteWindow.h"

#include <psapi.h>

#include <cstring>

namespace {

constexpr DWORD PollMs = 10;
constexpr DWORD EndWaitMs = 10000;

// The variables this driver sets for the program; inherited values are dropped.
bool IsOwnVariable(const char* entry)
{
    const char* names[] = {"TALVEX_SIM=", "TALVEX_SIM_TRACE="};
    for (const char* name : names) {
        if (_strnicmp(entry, name, std::strlen(name)) == 0)
            return true;
    }
    return false;
}

} // namespace

TalvexProcess::~TalvexProcess()
{
    if (Running()) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, EndWaitMs);
    }
    Close();
}

void TalvexProcess::Close()
{
    if (m_info.hProcess)
        CloseHandle(m_info.hProcess);
    if (m_info.hThread)
        CloseHandle(m_info.hThread);
    m_info = PROCESS_INFORMATION{};
}

std::string TalvexProcess::BinFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

LONGLONG TalvexProcess::Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double TalvexProcess::Seconds(LONGLONG fromTicks, LONGLONG toTicks)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(toTicks - fromTicks) / static_cast<double>(frequency.QuadPart);
}

std::string TalvexProcess::Environment(const std::string& scenario, const std::string& trace) const
{
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; entry && *entry; entry += std::strlen(entry) + 1) {
        if (!IsOwnVariable(entry))
            block.append(entry).push_back('\0');
    }
    FreeEnvironmentStringsA(strings);
    if (!scenario.empty())
        block.append("TALVEX_SIM=" + scenario).push_back('\0');
    if (!trace.empty())
        block.append("TALVEX_SIM_TRACE=" + trace).push_back('\0');
    block.push_back('\0');
    return block;
}

bool TalvexProcess::Start(const std::string& scenario, const std::string& trace, std::string& error)
{
    return Launch("talvex.exe", "", Environment(scenario, trace), error);
}

bool TalvexProcess::StartProgram(const std::string& file, const std::string& arguments,
                                 const std::string& windowClass, std::string& error)
{
    m_windowClass = windowClass;
    return Launch(file, arguments, Environment("", ""), error);
}

bool TalvexProcess::Launch(const std::string& file, const std::string& arguments, std::string environment,
                           std::string& error)
{
    if (m_info.hProcess) {
        error = "this run was started already";
        return false;
    }
    const std::string folder = BinFolder();
    std::string commandLine = "\"" + folder + file + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    m_startTicks = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        folder.c_str(), &startup, &m_info)) {
        error = file + " did not start (error " + std::to_string(GetLastError()) + ")";
        m_info = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool TalvexProcess::Running() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool TalvexProcess::WaitForExit(DWORD milliseconds, DWORD* code) const
{
    if (!m_info.hProcess || WaitForSingleObject(m_info.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    if (code)
        GetExitCodeProcess(m_info.hProcess, code);
    return true;
}

HWND TalvexProcess::WaitForMainWindow(DWORD milliseconds)
{
    const DWORD deadline = GetTickCount() + milliseconds;
    do {
        if (HWND found = FindMainWindow())
            return m_mainWindow = found;
        if (!Running())
            return nullptr;
        Sleep(PollMs);
    } while (GetTickCount() < deadline);
    return nullptr;
}

HWND TalvexProcess::FindMainWindow() const
{
    if (m_windowClass.empty())
        return RemoteWindow::FindDialog(Pid(), "Talvex");
    for (HWND window = FindWindowExA(nullptr, nullptr, m_windowClass.c_str(), nullptr); window;
         window = FindWindowExA(nullptr, window, m_windowClass.c_str(), nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == Pid())
            return window;
    }
    return nullptr;
}

bool TalvexProcess::Sync(DWORD milliseconds) const
{
    DWORD_PTR result = 0;
    return m_mainWindow &&
           SendMessageTimeoutA(m_mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}

TalvexProcess::Memory TalvexProcess::MemoryUse() const
{
    Memory memory;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(m_info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return memory;
    // Wine fills the basic record only; its commit charge is the private bytes.
    memory.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    memory.workingSet = counters.WorkingSetSize;
    return memory;
}
