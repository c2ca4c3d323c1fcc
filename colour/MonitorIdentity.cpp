#include "colour/MonitorIdentity.h"

MonitorIdentity::MonitorIdentity(const CMonitorStatus& monitor)
    : m_handle(monitor.m_hDevice), m_serial(monitor.m_strSerial.str())
{
}

MonitorIdentity MonitorIdentity::CurrentOf(const CMonitorStatusAll& all)
{
    const CMonitorStatus* current = all.GetCurrent();
    if (!current || all.m_hCurDevice == 0 || current->m_hDevice != all.m_hCurDevice)
        return MonitorIdentity();
    return MonitorIdentity(*current);
}

bool MonitorIdentity::Is(const CMonitorStatus& monitor) const
{
    return !IsNone() && monitor.m_hDevice == m_handle && monitor.m_strSerial.str() == m_serial;
}

CMonitorStatus* MonitorIdentity::FindIn(const CMonitorStatusAll& all) const
{
    for (INT_PTR i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (monitor && Is(*monitor))
            return monitor;
    }
    return nullptr;
}

bool MonitorIdentity::IsCurrentIn(const CMonitorStatusAll& all) const
{
    if (IsNone())
        return all.m_hCurDevice == 0;
    const CMonitorStatus* current = all.GetCurrent();
    return current && Is(*current) && all.m_hCurDevice == m_handle;
}
