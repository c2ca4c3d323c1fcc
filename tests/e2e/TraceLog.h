#pragma once
// The call trace of the simulated monitors, read back as records:
// "<sequence> <call> <key=value>... -> <result> <key=value>...".
// Lines that do not have that shape (a torn last line, a note) are kept out.
#include "framework/WinTypes.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct TraceEntry {
    long sequence = 0;
    std::string call;                            // "KvGetFeatureArray", "Sim", "Report", ...
    std::vector<std::string> words;              // the words between the call and "->"
    std::map<std::string, std::string> in;       // the key=value words among them
    std::string result;                          // the first word after "->"
    std::map<std::string, std::string> out;      // key=value words after the result
    std::string text;                            // the whole line

    // A value of either side, empty when the line has no such key.
    std::string value(const std::string& key) const;
};

// key=value pairs a line must hold (either side); "result" names the result.
using TraceFilter = std::vector<std::pair<std::string, std::string>>;
// The wanted result that every success matches: any number from 0 up.
constexpr const char* AnySuccess = ">=0";

class TraceLog {
public:
    static bool ParseLine(const std::string& line, TraceEntry& entry);
    // Takes whole lines only: text after the last line end is still being written.
    void Parse(const std::string& text);

    const std::vector<TraceEntry>& Entries() const { return m_entries; }
    bool Matches(const TraceEntry& entry, const std::string& call, const TraceFilter& filter) const;
    // The entries found point into this log: not to be asked of a temporary.
    std::vector<const TraceEntry*> Find(const std::string& call, const TraceFilter& filter = {}) const&;
    std::vector<const TraceEntry*> Find(const std::string&, const TraceFilter& = {}) const&& = delete;
    // The first match with a sequence above the given one; null when none.
    const TraceEntry* FirstAfter(long sequence, const std::string& call, const TraceFilter& filter = {}) const&;
    const TraceEntry* FirstAfter(long, const std::string&, const TraceFilter& = {}) const&& = delete;
    const TraceEntry* Last(const std::string& call, const TraceFilter& filter = {}) const&;
    const TraceEntry* Last(const std::string&, const TraceFilter& = {}) const&& = delete;
    size_t Count(const std::string& call, const TraceFilter& filter = {}) const;
    long LastSequence() const;

    // A numeric result of 0 or more.
    static bool IsSuccess(const std::string& result);
    // The bytes of a hex field ("533237..."), as text up to the first NUL.
    static std::string HexText(const std::string& hex);

private:
    std::vector<TraceEntry> m_entries;
};
