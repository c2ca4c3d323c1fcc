#pragma once
// What the colour adjustment dialog shows beside a slider: a percentage of
// the monitor's maximum, a signed or centred number, or a colour
// temperature's name. Integer arithmetic truncating toward zero; the result
// is taken as a signed 16-bit number.
#include "framework/WinTypes.h"

class ColorValueText {
public:
    enum class Rule {
        Percentage,         // v * 100 / max
        SignedPercentage,   // v * 100 / max - 50
        Centred,            // v - (max + 1) / 2
        Temperature,        // a name from the string table
    };

    // The number shown for a value; false when there is none to show: a
    // maximum of 0 under the percentage rules, or the temperature rule.
    static bool Number(Rule rule, WORD value, WORD maximum, short* out);

    // The string id of a temperature index: "OFF" for the maximum, else the
    // index's own name. False for an index past the name table.
    static bool TemperatureNameId(WORD value, WORD maximum, UINT* id);
};
