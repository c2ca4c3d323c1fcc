#pragma once
// The maker's monitor-control library, as the program calls it. These ten
// calls are all the program imports from libdravo.dll; any library that
// exports them with these arguments and results can stand in its place.
// Every call answers 0 or more on success and a negative value on failure.
// A device handle is an opaque 32-bit value; 0 means no device.
#include "framework/WinTypes.h"

#ifdef _WIN32
#define DRAVO_CALL __cdecl
#ifdef DRAVO_BUILDING_LIBRARY
#define DRAVO_API __declspec(dllexport)
#else
#define DRAVO_API __declspec(dllimport)
#endif
#else
#define DRAVO_CALL
#define DRAVO_API
#endif

extern "C" {

// Report callback: device handle, usage page, usage, bit size of one
// element, element count, data of (bit size / 8) * count bytes, context.
typedef int (DRAVO_CALL *KvReportCallback)(DWORD hDevice, WORD usagePage, WORD usage,
                                           WORD bitSize, WORD count, BYTE* data, DWORD context);
// Second callback handed to KvReportON; the library may call it, it does nothing.
typedef void (DRAVO_CALL *KvReportAuxCallback)(DWORD, DWORD);

// Discovery: the number of monitors found (first discovery / later ones).
DRAVO_API int DRAVO_CALL KvFind();
DRAVO_API int DRAVO_CALL KvUpdate();
// The handle of monitor index (0 to count-1), or 0 to skip it.
DRAVO_API int DRAVO_CALL KvRetrieve(int index, DWORD* hDevice);
// Releases every monitor at exit.
DRAVO_API int DRAVO_CALL KvRelease();

// Describes a feature: count = payload length in bytes (0 = single value),
// low 16 bits of a = the feature's maximum; usable only when flag is 0.
DRAVO_API int DRAVO_CALL KvGetFixedData(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD reserved,
                                        DWORD* a, DWORD* b, DWORD* flag, DWORD* count);
// Array reads and writes take count + 1 bytes; the payload starts at byte 0.
DRAVO_API int DRAVO_CALL KvGetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage,
                                           BYTE* buffer, DWORD length);
DRAVO_API int DRAVO_CALL KvSetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage,
                                           BYTE* buffer, DWORD length);
// Writes one value, 0 to 255, to a single-value feature.
DRAVO_API int DRAVO_CALL KvSetFeatureValue(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD value);

// Reports of one monitor: the library may call the callback on a thread of
// its own. KvReportOFF stops them: no callback for that handle follows, but
// one that is running when it is called may still be finishing.
DRAVO_API int DRAVO_CALL KvReportON(DWORD hDevice, KvReportCallback callback,
                                    KvReportAuxCallback aux, DWORD reserved);
DRAVO_API int DRAVO_CALL KvReportOFF(DWORD hDevice);

} // extern "C"
