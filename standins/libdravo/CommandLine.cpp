#include "standins/libdravo/CommandLine.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

bool CommandLine::split(const std::string& line, std::vector<std::string>& words, std::string& error)
{
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (std::isspace(c)) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            size_t close = line.find('"', i + 1);
            if (close == std::string::npos) {
                error = "unterminated quote";
                return false;
            }
            words.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            size_t end = i;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])))
                ++end;
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

bool CommandLine::toNumber(const std::string& word, uint64_t& value)
{
    if (word.empty() || word[0] == '-' || word[0] == '+' || std::isspace(static_cast<unsigned char>(word[0])))
        return false;
    bool hexadecimal = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const char* start = word.c_str() + (hexadecimal ? 2 : 0);
    if (!std::isxdigit(static_cast<unsigned char>(*start)))
        return false;
    char* end = nullptr;
    errno = 0;
    unsigned long long parsed = std::strtoull(start, &end, hexadecimal ? 16 : 10);
    if (errno == ERANGE || *end != '\0')
        return false;
    value = parsed;
    return true;
}

bool CommandLine::toSigned(const std::string& word, long long& value)
{
    bool negative = !word.empty() && word[0] == '-';
    uint64_t magnitude = 0;
    if (!toNumber(negative ? word.substr(1) : word, magnitude) || magnitude > 0x7FFFFFFFull)
        return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

bool CommandLine::toBytes(const std::string& word, std::vector<BYTE>& bytes)
{
    std::string digits;
    for (char c : word) {
        if (c == ' ' || c == '.' || c == '-')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        digits += c;
    }
    if (digits.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<BYTE>(std::strtoul(digits.substr(i, 2).c_str(), nullptr, 16)));
    return true;
}

std::string CommandLine::hex(const BYTE* data, size_t length)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(length * 2);
    for (size_t i = 0; i < length; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}
