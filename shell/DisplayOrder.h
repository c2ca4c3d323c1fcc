#pragma once
// The display order and label of a monitor, read from the Windows name of
// the screen it is bound to ("\\.\DISPLAY" and the display number, possibly
// followed by more): order = display number * 10 + sub-number, label "n" or
// "n-m". The smallest order marks the default monitor.
#include <string>
#include <string_view>

struct DisplayOrder {
    bool hasDisplay = false;       // "DISPLAY" found in the name
    int displayNumber = 0;         // n, the number right after "DISPLAY"
    int order = 0;                 // n * 10 (+ m)
    std::string label;             // "n" or "n-m"
    bool tailWithoutDigit = false; // text after the number but no sub-number digit in it

    // A name the program can place a monitor by.
    bool IsPlaceable() const { return hasDisplay && !tailWithoutDigit; }
};

// Names longer than the Windows limit of 32 characters are cut there.
DisplayOrder ParseDisplayOrder(std::string_view displayDeviceName);
