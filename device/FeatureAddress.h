#pragma once
// Where a monitor control lives: a HID usage page and a usage. Only usages
// 0x00 to 0xFF are ever addressed, so the usage is one byte wide.
#include "framework/WinTypes.h"

struct FeatureAddress {
    WORD usagePage;
    BYTE usage;

    // Reports carry page and usage as two 16-bit words.
    constexpr bool Is(WORD page, WORD use) const { return usagePage == page && usage == use; }
    constexpr bool operator==(const FeatureAddress& other) const
    {
        return usagePage == other.usagePage && usage == other.usage;
    }
};
