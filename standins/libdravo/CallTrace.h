#pragma once
// The call trace: one line per library call, report and control action,
// numbered in the order they happened. Lines go to a file (appended,
// flushed per line) when one is named, and the latest ones stay in memory
// for the test interface. Safe to use from several threads.
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

class CallTrace {
public:
    explicit CallTrace(size_t kept = 20000) : m_kept(kept) {}
    ~CallTrace();
    CallTrace(const CallTrace&) = delete;
    CallTrace& operator=(const CallTrace&) = delete;

    bool openFile(const std::string& path);
    void closeFile();
    // Writes "<sequence> <text>".
    void write(const std::string& text);
    std::vector<std::string> lines() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::FILE* m_file = nullptr;
    std::deque<std::string> m_lines;
    size_t m_kept;
    unsigned long m_sequence = 0;
};
