#pragma once
// The trace file a running program appends to, read while it writes.
#include "tests/e2e/TraceLog.h"

#include <windows.h>

#include <functional>
#include <string>

class TraceFile {
public:
    explicit TraceFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }
    // Removes the file, so that a run starts with an empty trace.
    bool Reset() const;
    std::string Text() const;
    TraceLog Read() const;
    // Reads until done holds or the time is up; the last reading in log.
    bool WaitFor(const std::function<bool(const TraceLog&)>& done, DWORD milliseconds, TraceLog& log) const;

private:
    std::string m_path;
};
