#include "colour/SameModelColors.h"

#include "colour/ColorTables.h"
#include "device/CMonitorStatus.h"

void SameModelColors::Keep(const CMonitorStatus& monitor, const CMonitorColor& color)
{
    for (auto& [identity, kept] : m_colors) {
        if (identity.Is(monitor)) {
            kept = color;
            return;
        }
    }
    m_colors.emplace_back(MonitorIdentity(monitor), color);
}

const CMonitorColor* SameModelColors::Find(const CMonitorStatus& monitor) const
{
    for (const auto& [identity, kept] : m_colors) {
        if (identity.Is(monitor))
            return &kept;
    }
    return nullptr;
}

void SameModelColors::ForEachInMode(SameModelWalk& walk, WORD mode, const Step& step) const
{
    if (m_colors.empty())
        return;
    walk.ForEach([&](CMonitorStatus& monitor, WORD current) {
        const CMonitorColor* kept = Find(monitor);
        if (kept && current == mode)
            step(monitor, *kept);
    });
}

CMonitorColor SameModelColors::ReadByBoth(const CMonitorColor& source, const CMonitorColor& kept)
{
    CMonitorColor both = source;
    for (int i = 0; i < CMonitorColor::SlotCount; ++i)
        both.m_bValid[i] = source.m_bValid[i] && kept.m_bValid[i];
    return both;
}

bool SameModelColors::Takes(const CMonitorStatus& monitor, const CMonitorColor& kept, WORD mode, DWORD bit,
                            BYTE usage, WORD usagePage)
{
    if ((ModeFeatureMask(monitor.m_Caps.dwModeFeatures, mode) & bit) == 0)
        return false;
    for (int i = 0; i < CMonitorColor::SlotCount; ++i) {
        if (CMonitorColor::FeatureOf(static_cast<ColorSlot>(i)).Is(usagePage, usage))
            return kept.m_bValid[i] != FALSE;
    }
    return true;
}
