#include "bench/UnixProcess.h"

#include "tests/e2e/TraceFile.h"

#include <cstdlib>
#include <vector>

namespace {

const std::string ProcFolder = "Z:\\proc\\";

// procfs files report no size: read to the end, as a file being written.
std::string ReadWhole(const std::string& path)
{
    return TraceFile(path).Text();
}

// The numeric entries of a procfs folder: process or thread ids.
std::vector<unsigned long> NumericEntries(const std::string& folder)
{
    std::vector<unsigned long> ids;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return ids;
    do {
        char* end = nullptr;
        const unsigned long id = std::strtoul(found.cFileName, &end, 10);
        if (id != 0 && end && *end == '\0')
            ids.push_back(id);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ids;
}

std::string OwnPrefix()
{
    char prefix[MAX_PATH] = {};
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    return prefix;
}

// The environment block: entries each ended by a zero byte.
bool HasPrefix(const std::string& environment, const std::string& prefix)
{
    const std::string wanted = "WINEPREFIX=" + prefix;
    size_t at = 0;
    while (at < environment.size()) {
        size_t end = environment.find('\0', at);
        if (end == std::string::npos)
            end = environment.size();
        if (environment.compare(at, end - at, wanted) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

} // namespace

UnixProcess UnixProcess::Find(const std::string& comm)
{
    const std::string prefix = OwnPrefix();
    for (unsigned long pid : NumericEntries(ProcFolder)) {
        const std::string folder = ProcFolder + std::to_string(pid) + "\\";
        std::string name = ReadWhole(folder + "comm");
        if (!name.empty() && name.back() == '\n')
            name.pop_back();
        if (name == comm && HasPrefix(ReadWhole(folder + "environ"), prefix))
            return UnixProcess(pid);
    }
    return UnixProcess(0);
}

std::string UnixProcess::ProcFile(const std::string& name) const
{
    return m_pid ? ReadWhole(ProcFolder + std::to_string(m_pid) + "\\" + name) : std::string();
}

double UnixProcess::CpuSeconds() const
{
    if (!m_pid)
        return -1;
    const std::string tasks = ProcFolder + std::to_string(m_pid) + "\\task\\";
    unsigned long long nanoseconds = 0;
    bool any = false;
    for (unsigned long tid : NumericEntries(tasks)) {
        const std::string stat = ReadWhole(tasks + std::to_string(tid) + "\\schedstat");
        if (stat.empty())
            continue;
        nanoseconds += std::strtoull(stat.c_str(), nullptr, 10);
        any = true;
    }
    return any ? nanoseconds / 1e9 : -1;
}
