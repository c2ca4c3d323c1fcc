#pragma once
// A colour dialog whose monitor answers the reachability read of the
// opening, then fails the read of the mode that follows it.
#include "device/MonitorFeatures.h"

#include <cstring>

template <typename Dialog>
class ModeUnreadAtOpening : public Dialog {
public:
    bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD* second) override
    {
        if (FEATURE_COLOR_MODE.Is(usagePage, usage) && ++m_modeReads == 2) {
            std::memset(buffer, 0, static_cast<size_t>(size));
            return false;
        }
        return Dialog::GetFeature(buffer, size, usage, usagePage, maximum, second);
    }

private:
    int m_modeReads = 0;
};
