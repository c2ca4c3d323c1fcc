#include "ChildJobs.h"

namespace {

std::string ExecutablePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    return path;
}

} // namespace

int ChildJobs::Run(const char* argument, DWORD timeoutMs)
{
    std::string commandLine = "\"" + ExecutablePath() + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int ChildJobs::RunAgain()
{
    std::string commandLine = GetCommandLineA();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string ChildJobs::ExecutableName()
{
    const std::string path = ExecutablePath();
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// 1 digit for the answers (bit 0 the check, bit 1 the start-up), one for the
// product type, one for the minor version and the rest for the major
// version; negative codes stay invalid.
int ChildJobs::EncodeOs(const OsAnswer& answer)
{
    return answer.major * 1000 + answer.minor * 100 + answer.productType * 10 + (answer.supported ? 1 : 0) +
           (answer.started ? 2 : 0);
}

ChildJobs::OsAnswer ChildJobs::DecodeOs(int code)
{
    OsAnswer answer;
    if (code < 0)
        return answer;
    answer.supported = (code % 10 & 1) != 0;
    answer.started = (code % 10 & 2) != 0;
    answer.productType = code / 10 % 10;
    answer.minor = code / 100 % 10;
    answer.major = code / 1000;
    return answer;
}
