#include "colour/SameModelColors.h"

#include "device/CMonitorStatus.h"

void SameModelColors::Keep(const CMonitorStatus& monitor, const CMonitorColor& color)
{
    const std::string& serial = monitor.m_strSerial.str();
    for (auto& [key, kept] : m_colors) {
        if (key == serial) {
            kept = color;
            return;
        }
    }
    m_colors.emplace_back(serial, color);
}

const CMonitorColor* SameModelColors::Find(const CMonitorStatus& monitor) const
{
    for (const auto& [key, kept] : m_colors) {
        if (key == monitor.m_strSerial.str())
            return &kept;
    }
    return nullptr;
}
