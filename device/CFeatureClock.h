#pragma once
// The clock behind the pause before long feature writes: the performance
// counter on Windows, a monotonic clock elsewhere. Tests may install their own
// source to watch how the pause reads it.
#include "framework/WinTypes.h"

class CFeatureClock {
public:
    struct Source {
        ULONGLONG (*frequency)();   // ticks per second
        ULONGLONG (*counter)();     // current tick count, never going back
    };

    static const Source& System();
    static Source Install(const Source& source);   // returns the one replaced

    // Spins without sleeping until at least 1 ms has passed: monitors drop a
    // long feature report that follows the previous one too closely.
    static void WaitOneMillisecond();
};
