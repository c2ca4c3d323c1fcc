#pragma once
// How the simulated library answers where its description leaves room. The
// results are strict by default; KvReportOFF by default waits for a running
// callback, more than the library promises. A scenario or control line
// ("library ...") switches either way.
#include "framework/WinTypes.h"

struct LibraryMode {
    enum class Switch { Success, ReportOff, BroadcastWait };

    // Success answers a positive value, so that a caller testing for 0
    // rather than for "0 or more" is caught ("library success zero": 0).
    bool zeroSuccess = false;
    // KvReportOFF waits for a callback of that handle that is running
    // ("library report-off nowait": it only ends the subscription).
    bool reportOffWaits = true;
    // How long a device-change broadcast waits for each window of another
    // thread ("library broadcast-wait <ms>"); the record outlives the wait.
    DWORD broadcastWaitMs = 10000;

    // value: 1 = zero / wait, 0 = positive / nowait; milliseconds.
    void set(Switch which, DWORD value)
    {
        if (which == Switch::Success)
            zeroSuccess = value != 0;
        else if (which == Switch::ReportOff)
            reportOffWaits = value != 0;
        else
            broadcastWaitMs = value;
    }
};
