#include "device/CMonitorStatusAll.h"

CMonitorStatusAll::CMonitorStatusAll()
{
}

CMonitorStatusAll::~CMonitorStatusAll()
{
}

void CMonitorStatusAll::DeleteAll()
{
    for (INT_PTR i = 0; i < m_arMonitors.GetSize(); ++i)
        delete m_arMonitors[i];
    m_arMonitors.RemoveAll();
}

CMonitorStatus* CMonitorStatusAll::GetCurrent() const
{
    if (m_nCurMonitor < 0 || m_nCurMonitor >= m_arMonitors.GetSize())
        return nullptr;
    return m_arMonitors[m_nCurMonitor];
}
