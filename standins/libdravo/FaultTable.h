#pragma once
// Faults asked for by the scenario or the control: per feature (its
// description fails or carries a non-zero flag, its read or its write
// fails), per monitor (it stops answering, KvRetrieve hands out 0), and
// for discovery and the information library. A count of times makes a
// fault wear off; without one it stays until cleared.
#include "framework/WinTypes.h"
#include <string>
#include <vector>

enum class FaultKind { Describe, Flag, Read, Write, Dead, ZeroHandle, Discovery, Seltu };

class FaultTable {
public:
    static const char* name(FaultKind kind);
    static bool fromName(const std::string& word, FaultKind& kind);

    // times < 0: until cleared. value: the discovery count to answer; for
    // seltu, 1 when the call is to succeed with no monitor.
    void add(FaultKind kind, int monitor, WORD page, WORD usage, int times, long long value = 0);
    // True when a fault applies; a counted one is used up by one.
    bool hit(FaultKind kind, int monitor, WORD page = 0, WORD usage = 0);
    bool active(FaultKind kind, int monitor) const;
    // hit for a fault of no monitor, with the value it was added with.
    bool hitValue(FaultKind kind, long long& value);
    void clear();
    void clearMonitor(int monitor);
    std::vector<std::string> describe() const;

private:
    struct Fault {
        FaultKind kind;
        int monitor;
        WORD page;
        WORD usage;
        int times;
        long long value;
    };
    std::vector<Fault>::iterator findFault(FaultKind kind, int monitor, WORD page, WORD usage);
    void use(std::vector<Fault>::iterator fault);

    std::vector<Fault> m_faults;
};
