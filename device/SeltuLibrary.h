#pragma once
// The maker's monitor-information library, as the program calls it: the
// monitors Windows drives, each with its serial and the Windows names of its
// screen. These two calls are all the program imports from libseltu.dll.
#include "framework/WinTypes.h"

#ifdef _WIN32
#define SELTU_CALL __cdecl
#ifdef SELTU_BUILDING_LIBRARY
#define SELTU_API __declspec(dllexport)
#else
#define SELTU_API __declspec(dllimport)
#endif
#else
#define SELTU_CALL
#define SELTU_API
#endif

// Layout of the record KvnGetMonitorInfo fills. No other byte is read.
namespace MonitorInfoRecord {
constexpr int Size = 660;
constexpr int SerialOffset = 0;          // serial text, compared over at most 8 characters
constexpr int SerialLength = 8;
constexpr int MonitorDeviceOffset = 54;  // "\\.\DISPLAYn\Monitorm", NUL-terminated
constexpr int MonitorDeviceLength = 32;
constexpr int DisplayDeviceOffset = 86;  // "\\.\DISPLAYn", NUL-terminated, to the end
constexpr int DisplayDeviceLength = Size - DisplayDeviceOffset;
}

extern "C" {
// count = the number of monitors; 0 or more = success. reserved is 0.
SELTU_API int SELTU_CALL KvnFindMonitors(int* count, DWORD reserved);
// Fills the 660-byte record of monitor index (0 to count - 1). reserved is 0.
SELTU_API int SELTU_CALL KvnGetMonitorInfo(int index, BYTE* record, DWORD reserved);
}
