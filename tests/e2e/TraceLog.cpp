#include "tests/e2e/TraceLog.h"

#include <cstdlib>
#include <sstream>

namespace {

bool SplitPair(const std::string& word, std::string& key, std::string& value)
{
    const size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    key = word.substr(0, equals);
    value = word.substr(equals + 1);
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The bytes of a hex text; false when it is not whole hex pairs.
bool HexBytes(const std::string& hex, std::vector<BYTE>& bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<BYTE>(high << 4 | low));
    }
    return true;
}

} // namespace

std::string TraceEntry::value(const std::string& key) const
{
    if (key == "result")
        return result;
    auto found = in.find(key);
    if (found != in.end())
        return found->second;
    found = out.find(key);
    return found != out.end() ? found->second : std::string();
}

bool TraceLog::ParseLine(const std::string& line, TraceEntry& entry)
{
    std::istringstream words(line);
    std::string sequence;
    if (!(words >> sequence >> entry.call))
        return false;
    char* end = nullptr;
    entry.sequence = std::strtol(sequence.c_str(), &end, 10);
    if (sequence.empty() || *end != '\0' || entry.sequence <= 0)
        return false;

    bool arrowSeen = false;
    for (std::string word; words >> word;) {
        std::string key, value;
        if (word == "->" && !arrowSeen) {
            arrowSeen = true;
            if (!(words >> entry.result))
                return false;
        } else if (arrowSeen) {
            if (SplitPair(word, key, value))
                entry.out[key] = value;
        } else {
            entry.words.push_back(word);
            if (SplitPair(word, key, value))
                entry.in[key] = value;
        }
    }
    entry.text = line;
    return arrowSeen;
}

void TraceLog::Parse(const std::string& text)
{
    m_entries.clear();
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        TraceEntry entry;
        if (ParseLine(line, entry))
            m_entries.push_back(std::move(entry));
    }
}

bool TraceLog::Matches(const TraceEntry& entry, const std::string& call, const TraceFilter& filter) const
{
    if (entry.call != call)
        return false;
    for (const auto& [key, wanted] : filter) {
        const bool anySuccess = key == "result" && wanted == AnySuccess;
        if (anySuccess ? !IsSuccess(entry.result) : entry.value(key) != wanted)
            return false;
    }
    return true;
}

bool TraceLog::IsSuccess(const std::string& result)
{
    char* end = nullptr;
    const long value = std::strtol(result.c_str(), &end, 10);
    return !result.empty() && *end == '\0' && value >= 0;
}

std::vector<const TraceEntry*> TraceLog::Find(const std::string& call, const TraceFilter& filter) const&
{
    std::vector<const TraceEntry*> found;
    for (const TraceEntry& entry : m_entries) {
        if (Matches(entry, call, filter))
            found.push_back(&entry);
    }
    return found;
}

const TraceEntry* TraceLog::FirstAfter(long sequence, const std::string& call, const TraceFilter& filter) const&
{
    for (const TraceEntry& entry : m_entries) {
        if (entry.sequence > sequence && Matches(entry, call, filter))
            return &entry;
    }
    return nullptr;
}

const TraceEntry* TraceLog::Last(const std::string& call, const TraceFilter& filter) const&
{
    const std::vector<const TraceEntry*> found = Find(call, filter);
    return found.empty() ? nullptr : found.back();
}

size_t TraceLog::Count(const std::string& call, const TraceFilter& filter) const
{
    return Find(call, filter).size();
}

long TraceLog::LastSequence() const
{
    return m_entries.empty() ? 0 : m_entries.back().sequence;
}

std::string TraceLog::HexText(const std::string& hex)
{
    std::vector<BYTE> bytes;
    if (!HexBytes(hex, bytes))
        return std::string();
    std::string text;
    for (BYTE byte : bytes) {
        if (byte == 0)
            break;
        text += static_cast<char>(byte);
    }
    return text;
}
