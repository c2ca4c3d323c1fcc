#pragma once
// The other monitors' own values as a colour dialog found them at opening,
// kept by serial: what Cancel gives back to them. A device notification may
// rebuild the monitor list while the dialog is open, and the new monitor
// objects know nothing of what the dialog read from the old ones.
#include "device/CMonitorColor.h"

#include <string>
#include <utility>
#include <vector>

class CMonitorStatus;

class SameModelColors {
public:
    // Over whatever was kept for the monitor's serial before.
    void Keep(const CMonitorStatus& monitor, const CMonitorColor& color);
    // Null when nothing was kept for the monitor's serial.
    const CMonitorColor* Find(const CMonitorStatus& monitor) const;

private:
    std::vector<std::pair<std::string, CMonitorColor>> m_colors;
};
