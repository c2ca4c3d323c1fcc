#include "device/HidReport.h"

#include <algorithm>

DWORD HidReport::PackValue(WORD bitSize, WORD count, const BYTE* data)
{
    const DWORD bytes = static_cast<DWORD>(bitSize / 8) * count;
    if (!data)
        return 0;
    DWORD value = 0;
    for (DWORD i = 0; i < std::min<DWORD>(bytes, 4); ++i)
        value |= static_cast<DWORD>(data[i]) << (8 * i);
    return value;
}
