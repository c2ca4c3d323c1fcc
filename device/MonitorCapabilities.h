#pragma once
// What a monitor offers, decoded from its capability block. Plain record:
// zeroed before it is filled, copied whole.
#include "colour/ColorTables.h"
#include "framework/WinTypes.h"

#ifdef _WIN32
// winnt.h (included above) declares a power-information enumerator of this
// name, which would hide the record's type name; the program's own record
// takes the name from here on.
#define MonitorCapabilities TalvexMonitorCapabilities
#endif

struct MonitorCapabilities {
    WORD wColorAdjust[4];        // first word: 1 offers the colour adjustment dialog
    ULONGLONG qwModes;           // bit i = colour mode i offered
    DWORD dwTemperatures;        // bit i = colour temperature step i offered
    WORD wGammas;
    DWORD dwHotKeyCaps;          // 0x180 both set = the monitor takes hot keys
    DWORD dwHotKeyCaps2;         // 0x200 = hot-key type 1
    DWORD dwModeFeatures[ColorModeCount];   // adjustable controls per colour mode
    WORD wGameGammas;
};
