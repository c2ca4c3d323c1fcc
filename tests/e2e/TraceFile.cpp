#include "tests/e2e/TraceFile.h"

namespace {
constexpr DWORD PollMs = 10;
}

bool TraceFile::Reset() const
{
    return DeleteFileA(m_path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::string TraceFile::Text() const
{
    HANDLE file = CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

TraceLog TraceFile::Read() const
{
    TraceLog log;
    log.Parse(Text());
    return log;
}

bool TraceFile::WaitFor(const std::function<bool(const TraceLog&)>& done, DWORD milliseconds, TraceLog& log) const
{
    const DWORD deadline = GetTickCount() + milliseconds;
    for (;;) {
        log = Read();
        if (done(log))
            return true;
        if (GetTickCount() >= deadline)
            return false;
        Sleep(PollMs);
    }
}
