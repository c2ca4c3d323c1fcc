#pragma once
// The colour temperature slider walks only the steps a monitor offers: bit i
// of its temperature mask (bits 0 to 15) offers temperature index i, and the
// slider's positions are the offered indexes, lowest first.
#include "framework/WinTypes.h"

class TemperatureSteps {
public:
    static constexpr int BitCount = 16;

    explicit TemperatureSteps(DWORD temperatureMask);

    // Offered steps: the slider's range is 0 to Count() - 1.
    int Count() const;
    // The slider position of an index: its rank among the offered steps, or
    // the index itself when the monitor does not offer it.
    int PositionOf(WORD index) const;
    // The index at a slider position; false when no offered step is there.
    bool IndexAt(int position, WORD* index) const;

private:
    bool Offers(int index) const;

    DWORD m_mask;
};
