#pragma once
// The words of one scenario or control line: blank-separated, "double
// quotes" keep blanks, # starts a comment. Numbers are decimal or 0x hex.
#include "framework/WinTypes.h"
#include <cstdint>
#include <string>
#include <vector>

class CommandLine {
public:
    static bool split(const std::string& line, std::vector<std::string>& words, std::string& error);
    static bool toNumber(const std::string& word, uint64_t& value);
    static bool toSigned(const std::string& word, long long& value);
    // Hex digits, optionally grouped with blanks, dots or dashes removed first.
    static bool toBytes(const std::string& word, std::vector<BYTE>& bytes);
    static std::string hex(const BYTE* data, size_t length);
};
