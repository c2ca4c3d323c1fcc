#include "colour/TemperatureSteps.h"

TemperatureSteps::TemperatureSteps(DWORD temperatureMask) : m_mask(temperatureMask)
{
}

bool TemperatureSteps::Offers(int index) const
{
    return index >= 0 && index < BitCount && (m_mask & (DWORD(1) << index)) != 0;
}

int TemperatureSteps::Count() const
{
    int count = 0;
    for (int bit = 0; bit < BitCount; ++bit)
        count += Offers(bit) ? 1 : 0;
    return count;
}

int TemperatureSteps::PositionOf(WORD index) const
{
    if (!Offers(index))
        return index;
    int rank = 0;
    for (int bit = 0; bit < index; ++bit)
        rank += Offers(bit) ? 1 : 0;
    return rank;
}

bool TemperatureSteps::IndexAt(int position, WORD* index) const
{
    int rank = 0;
    for (int bit = 0; bit < BitCount; ++bit) {
        if (!Offers(bit))
            continue;
        if (rank == position) {
            *index = static_cast<WORD>(bit);
            return true;
        }
        ++rank;
    }
    return false;
}
