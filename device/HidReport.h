#pragma once
// One monitor report as the report target receives it: posted with
// WM_HIDREPORT, its address in lParam.
#include "framework/WinTypes.h"

constexpr UINT WM_HIDREPORT = 0x467;   // WM_USER + 103

struct HidReport {
    DWORD hDevice;
    WORD usagePage;
    WORD usage;
    DWORD value;   // the report's data bytes, little-endian, at most four

    // Packs the data of count elements of bitSize bits each: the first four
    // of its (bitSize / 8) * count bytes, byte 0 lowest. Below 8 bits per
    // element nothing is taken.
    static DWORD PackValue(WORD bitSize, WORD count, const BYTE* data);
};

static_assert(sizeof(HidReport) == 12, "the report record is 12 bytes");
