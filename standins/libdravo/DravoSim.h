#pragma once
// The in-process test interface of the simulated monitors, exported by
// libdravo.dll beside the ten library calls. Every call answers 0 or more
// on success and a negative value on failure (SimLastError tells why).
// Monitors are named by their scenario number (1, 2, ...); mode -1 means
// the monitor's current colour mode.
#include "framework/WinTypes.h"

#ifdef _WIN32
#ifdef DRAVO_BUILDING_LIBRARY
#define SIM_API __declspec(dllexport)
#else
#define SIM_API __declspec(dllimport)
#endif
#define SIM_CALL __cdecl
#else
#define SIM_API
#define SIM_CALL
#endif

extern "C" {

typedef struct SimMonitorDesc {
    int number;
    char serial[9];
    char modelName[17];
    char modelCode[9];
    WORD productId;
    int display;        // the display the scenario asked for
    int plugged;
    DWORD handle;       // 0 until discovered, and after an unplug or KvRelease
    int mode;
} SimMonitorDesc;

typedef struct SimInfoPlacement {
    char serial[9];     // may be empty
    int display;
    int monitorIndex;   // -1: a simulated monitor, placed by the library
    int extra;          // 1: an extra record of the scenario
} SimInfoPlacement;

// Scenario text (format: the README); a refused text changes nothing.
// A null text loads the embedded default scenario.
SIM_API int SIM_CALL SimLoadScenario(const char* text);
SIM_API int SIM_CALL SimLoadScenarioFile(const char* path);
// Back to the start of the loaded scenario: all handles die.
SIM_API int SIM_CALL SimReset(void);
// The reason of the last failed Sim call, NUL-terminated; answers its length.
SIM_API int SIM_CALL SimLastError(char* text, int size);

// One line of the control language (as on the pipe); the answer lines,
// status line included, go to answer. Answers 0 for "ok", -1 for "error".
SIM_API int SIM_CALL SimCommand(const char* line, char* answer, int size);

SIM_API int SIM_CALL SimMonitorCount(void);
SIM_API int SIM_CALL SimMonitorAt(int index, SimMonitorDesc* out);
// Plug a monitor in or out; the device-change broadcast goes to every
// top-level window of the process before these return.
SIM_API int SIM_CALL SimPlug(int monitor);
SIM_API int SIM_CALL SimUnplug(int monitor);
// Any stored value of a feature that keeps one, per mode.
SIM_API int SIM_CALL SimGetValue(int monitor, WORD page, WORD usage, int mode, DWORD* value);
// A change at the monitor itself; report != 0 sends its report too.
SIM_API int SIM_CALL SimSetValue(int monitor, WORD page, WORD usage, int mode, DWORD value, int report);
// A raw report of (bitSize / 8) * count bytes; nothing stored changes.
SIM_API int SIM_CALL SimSendReport(int monitor, WORD page, WORD usage, WORD bitSize, WORD count, const BYTE* data);
// The words after "fault" in the control language, e.g. "1 read 0xFF00:0x15".
SIM_API int SIM_CALL SimFault(const char* words);
// Until every queued report is delivered; negative after the time-out.
SIM_API int SIM_CALL SimWaitReports(DWORD timeoutMs);

// The trace lines kept in memory, each ended by "\n"; answers the length
// the whole text needs (without the NUL), so a short buffer can be retried.
SIM_API int SIM_CALL SimTraceLines(char* text, int size);
SIM_API int SIM_CALL SimTraceClear(void);
SIM_API void SIM_CALL SimTraceNote(const char* line);

// What the monitor-information library needs: placements, in record order.
SIM_API int SIM_CALL SimInfoPlacementCount(void);
SIM_API int SIM_CALL SimInfoPlacementAt(int index, SimInfoPlacement* out);
// How this KvnFindMonitors call is to answer (uses up one fault): 0 with
// the records, or one of these.
enum { SimSeltuFails = 1, SimSeltuFindsNone = 2 };
SIM_API int SIM_CALL SimSeltuCallFails(void);

// "\\.\pipe\TalvexSim-<pid>" of this process.
SIM_API int SIM_CALL SimControlPipeName(char* text, int size);
}
