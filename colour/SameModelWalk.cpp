#include "colour/SameModelWalk.h"

#include "device/MonitorFeatures.h"

SameModelWalk::SameModelWalk(const CMonitorStatusAll& monitors, CHIDMonitor& channel)
    : m_monitors(monitors), m_channel(channel)
{
}

void SameModelWalk::ForEach(const Step& step)
{
    const CMonitorStatus* current = m_monitors.GetCurrent();
    if (!current)
        return;
    for (INT_PTR i = 0; i < m_monitors.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = m_monitors.m_arMonitors[i];
        if (!monitor || monitor == current || monitor->m_strModelName != current->m_strModelName)
            continue;
        m_channel.SetHandle(monitor->m_hDevice);
        BYTE mode[FeatureValueSize] = {};
        if (!m_channel.GetFeature(mode, FeatureValueSize, FEATURE_COLOR_MODE))
            continue;
        step(*monitor, static_cast<WORD>(mode[0] | (mode[1] << 8)));
    }
    m_channel.SetHandle(current->m_hDevice);
}
