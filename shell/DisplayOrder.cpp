#include "shell/DisplayOrder.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

namespace {

constexpr size_t MaxDisplayNameLength = 32;
constexpr std::string_view DisplayMarker = "DISPLAY";

std::string UpperCopy(std::string_view text)
{
    std::string upper(text.substr(0, MaxDisplayNameLength));
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number as the C runtime reads it: leading blanks, one sign, then
// digits; 0 when no digit follows. Saturates instead of overflowing.
int ReadNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    constexpr long long Limit = (INT_MAX - 9) / 10;   // order = n * 10 + digit must fit
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), Limit);
    return static_cast<int>(negative ? -value : value);
}

std::string NumberText(const char* format, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

DisplayOrder ParseDisplayOrder(std::string_view displayDeviceName)
{
    DisplayOrder result;
    const std::string name = UpperCopy(displayDeviceName);
    const size_t marker = name.find(DisplayMarker);
    if (marker == std::string::npos)
        return result;
    result.hasDisplay = true;

    const std::string_view rest = std::string_view(name).substr(marker + DisplayMarker.size());
    result.displayNumber = ReadNumber(rest);
    result.order = result.displayNumber * 10;
    result.label = NumberText("%d", result.displayNumber);

    // The sub-number is the first digit from the second character after
    // "DISPLAY" on; the first character is skipped whatever it is.
    const std::string_view tail = rest.size() > 1 ? rest.substr(1) : std::string_view();
    if (tail.empty())
        return result;
    for (char c : tail) {
        if (IsDigit(c)) {
            result.order += c - '0';
            result.label += NumberText("-%d", c - '0');
            return result;
        }
    }
    result.tailWithoutDigit = true;
    return result;
}
