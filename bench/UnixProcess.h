#pragma once
// A process of this Wine prefix seen from the Linux side, through Wine's Z:
// drive: Wine itself reports no CPU time of other processes, and the
// wineserver is no Windows process at all.
#include <windows.h>

#include <string>

class UnixProcess {
public:
    UnixProcess() = default;   // none
    // The process named comm ("talvex.exe", "wineserver") that runs with this
    // program's WINEPREFIX; an invalid object when there is none.
    static UnixProcess Find(const std::string& comm);

    bool Valid() const { return m_pid != 0; }
    unsigned long Pid() const { return m_pid; }
    // CPU time of all its threads in seconds, from the scheduler's
    // nanosecond counters; -1 when it cannot be read.
    double CpuSeconds() const;
    // A file of its procfs folder ("smaps"); empty when it cannot be read.
    std::string ProcFile(const std::string& name) const;

private:
    explicit UnixProcess(unsigned long pid) : m_pid(pid) {}

    unsigned long m_pid = 0;
};
