#include "colour/ColorValueText.h"

#include "colour/ColorTables.h"

bool ColorValueText::Number(Rule rule, WORD value, WORD maximum, short* out)
{
    const int v = value;
    const int max = maximum;
    switch (rule) {
    case Rule::Percentage:
        if (max == 0)
            return false;
        *out = static_cast<short>(v * 100 / max);
        return true;
    case Rule::SignedPercentage:
        if (max == 0)
            return false;
        *out = static_cast<short>(v * 100 / max - 50);
        return true;
    case Rule::Centred:
        *out = static_cast<short>(v - (max + 1) / 2);
        return true;
    case Rule::Temperature:
        break;
    }
    return false;
}

bool ColorValueText::TemperatureNameId(WORD value, WORD maximum, UINT* id)
{
    if (value == maximum) {
        *id = TemperatureNameIds[0];
        return true;
    }
    if (value >= TemperatureCount)
        return false;
    *id = TemperatureNameIds[value];
    return true;
}
