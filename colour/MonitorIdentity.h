#pragma once
// Which monitor a colour dialog acts on, or kept values belong to, found
// again in a monitor list that may have been rebuilt meanwhile: its library
// handle and the serial it answered with. Monitors that report the same
// serial still differ by handle, and a monitor unplugged and plugged back
// comes with another handle: to the dialog it is another monitor.
#include "device/CMonitorStatusAll.h"

#include <string>

class MonitorIdentity {
public:
    MonitorIdentity() = default;
    explicit MonitorIdentity(const CMonitorStatus& monitor);
    // The list's current monitor; none when it has none.
    static MonitorIdentity CurrentOf(const CMonitorStatusAll& all);

    bool IsNone() const { return m_handle == 0; }
    DWORD Handle() const { return m_handle; }
    bool Is(const CMonitorStatus& monitor) const;
    // The list's entry that is this monitor; null when it has gone.
    CMonitorStatus* FindIn(const CMonitorStatusAll& all) const;
    // Whether the list's current monitor is still this one; with none, that
    // the list has none current either.
    bool IsCurrentIn(const CMonitorStatusAll& all) const;

private:
    DWORD m_handle = 0;
    std::string m_serial;
};
