#pragma once
// Every feature the simulated monitors answer, with its wire size, its
// access, whether each colour mode keeps its own value, and its maximum.
// Besides the real features there are a few simulator-only values (power,
// menu shown, the supported-mode mask ...) that the control verbs can get
// and set but no library call reaches.
#include "framework/WinTypes.h"
#include <string>
#include <vector>

enum class FeatureScope {
    PerMode,   // each colour mode keeps its own value
    Global,    // one value for the monitor
    Fixed,     // identity, model code, capability block
    Command,   // write-only: key presses, commit, reset, clear
    ReportOnly // arrives only as a report
};

enum class ResetGroup { None, Picture, Functions };

struct FeatureInfo {
    const char* name;      // control-verb name, e.g. "brightness"
    WORD page;
    WORD usage;
    WORD size;             // payload bytes; 0 = single-value command
    bool readable;
    bool writable;
    FeatureScope scope;
    DWORD maximum;
    DWORD defaultValue;
    ResetGroup group;
    bool flagByte;         // byte 1 of the reply is a monitor-side flag, not part of the value
    bool simulatorOnly;    // no page:usage on the wire
};

class FeatureCatalog {
public:
    // Simulator-only entries use page 0.
    static const std::vector<FeatureInfo>& all();
    static const FeatureInfo* find(WORD page, WORD usage);
    static const FeatureInfo* findByName(const std::string& name);
    // A name or "page:usage" (e.g. 0xFF00:0x15); null when unknown.
    static const FeatureInfo* lookup(const std::string& token);
    // Index among the per-mode entries, -1 for any other scope.
    static int perModeSlot(const FeatureInfo& info);
    static int perModeCount();
    // Reads "0xFF00:0x15" (hex words with the 0x prefix), known or not.
    static bool parseAddress(const std::string& token, WORD& page, WORD& usage);
    // "0xFF00:0x15", as the trace and the control answers print addresses.
    static std::string address(WORD page, WORD usage);
};
