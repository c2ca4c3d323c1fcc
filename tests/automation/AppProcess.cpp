#include "AppProcess.h"

#include "tests/harness/WaitFor.h"

namespace {

std::string TestFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct Search {
    DWORD process;
    const std::string* title;
    HWND found;
};

} // namespace

AppProcess::AppProcess(const std::string& program, const std::vector<std::string>& specs)
{
    std::string command = "\"" + TestFolder() + program + "\"";
    for (const std::string& spec : specs)
        command += " " + spec;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info))
        return;
    m_windowsFound = WaitFor([&] { return FindWindows(specs); }, 10000, [] {});
}

AppProcess::~AppProcess()
{
    if (!m_info.hProcess)
        return;
    TerminateProcess(m_info.hProcess, 0);
    WaitForSingleObject(m_info.hProcess, 5000);
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

// Each window carries its spec as its title; the windows to be shown must
// be shown already.
bool AppProcess::FindWindows(const std::vector<std::string>& specs)
{
    m_windows.clear();
    for (const std::string& spec : specs) {
        Search search{m_info.dwProcessId, &spec, nullptr};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                char title[256] = {};
                GetWindowTextA(window, title, sizeof title);
                if (process == s->process && *s->title == title) {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found || (spec.rfind("hidden:", 0) != 0 && !IsWindowVisible(search.found)) ||
            (spec.rfind("min:", 0) == 0 && !IsIconic(search.found)))
            return false;
        m_windows.emplace_back(spec, search.found);
    }
    return true;
}

HWND AppProcess::Window(const std::string& spec) const
{
    for (const auto& [name, window] : m_windows) {
        if (name == spec)
            return window;
    }
    return nullptr;
}
