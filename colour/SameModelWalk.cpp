#include "colour/SameModelWalk.h"

#include "device/MonitorFeatures.h"

SameModelWalk::SameModelWalk(const CMonitorStatusAll& monitors, CHIDMonitor& channel, const MonitorIdentity& own)
    : m_monitors(monitors), m_channel(channel), m_own(own)
{
}

void SameModelWalk::ForEach(const Step& step)
{
    const CMonitorStatus* own = m_own.FindIn(m_monitors);
    if (!own)
        return;
    for (INT_PTR i = 0; i < m_monitors.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = m_monitors.m_arMonitors[i];
        if (!monitor || monitor == own || monitor->m_strModelName != own->m_strModelName)
            continue;
        m_channel.SetHandle(monitor->m_hDevice);
        BYTE mode[FeatureValueSize] = {};
        if (!m_channel.GetFeature(mode, FeatureValueSize, FEATURE_COLOR_MODE))
            continue;
        step(*monitor, static_cast<WORD>(mode[0] | (mode[1] << 8)));
    }
    m_channel.SetHandle(own->m_hDevice);
}
