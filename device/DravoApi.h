#pragma once
// The ten monitor-control library calls as one replaceable table. The program
// always goes through it; tests may install a scripted table to see exactly
// what the channel asks and sends (lengths, padding, ordering).
#include "device/DravoLibrary.h"

struct DravoApi {
    int (DRAVO_CALL* find)();
    int (DRAVO_CALL* update)();
    int (DRAVO_CALL* retrieve)(int index, DWORD* hDevice);
    int (DRAVO_CALL* release)();
    int (DRAVO_CALL* getFixedData)(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD reserved,
                                   DWORD* a, DWORD* b, DWORD* flag, DWORD* count);
    int (DRAVO_CALL* getFeatureArray)(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length);
    int (DRAVO_CALL* setFeatureArray)(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length);
    int (DRAVO_CALL* setFeatureValue)(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD value);
    int (DRAVO_CALL* reportOn)(DWORD hDevice, KvReportCallback callback, KvReportAuxCallback aux, DWORD reserved);
    int (DRAVO_CALL* reportOff)(DWORD hDevice);

    // The table in use.
    static const DravoApi& Active();
    // The library's own entry points.
    static const DravoApi& Library();
    // Replaces the table in use (user-interface thread, no call under way);
    // returns the one it replaces.
    static DravoApi Install(const DravoApi& api);
};
