#pragma once
// A scripted stand-in for the monitor-control library, installed through
// DravoApi for the life of the object: features are described and answered
// from a table, and every call is recorded with the bytes it carried. It is
// as strict as the simulated monitors: success is a positive value (1, or
// the length for array calls), an array length other than count + 1 and a
// single value for a feature with a payload are refused.
#include "device/DravoApi.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

class ScriptedLibrary {
public:
    struct Feature {
        int describeResult = 1;
        DWORD a = 0, b = 0, flag = 0, count = 0;
        // Unset: the library's own success, the length for arrays and 1 for
        // a value. A refused length or value write fails whatever is set.
        std::optional<int> readResult;
        std::optional<int> writeResult;
        std::vector<BYTE> data;   // what a read returns from byte 0
    };
    struct Call {
        char kind;   // 'D' describe, 'R' read, 'W' array write, 'V' value write
        DWORD hDevice, usagePage, usage;
        DWORD length;                // array length or the written value
        std::vector<BYTE> bytes;     // array write payload
    };

    ScriptedLibrary();
    ~ScriptedLibrary();
    ScriptedLibrary(const ScriptedLibrary&) = delete;
    ScriptedLibrary& operator=(const ScriptedLibrary&) = delete;

    Feature& At(WORD usagePage, BYTE usage) { return features[{usagePage, usage}]; }
    int CountOf(char kind) const;
    const Call* Last(char kind) const;

    std::map<std::pair<DWORD, DWORD>, Feature> features;
    std::vector<Call> calls;
    // Called inside an array write, before it is recorded.
    void (*onArrayWrite)() = nullptr;

private:
    DravoApi previous;
};
