#include "device/CHIDMonitor.h"
#include "device/CFeatureClock.h"
#include "device/DravoApi.h"
#include "device/MonitorFeatures.h"

#include <algorithm>
#include <cstring>

namespace {

// Writes of this many payload bytes or more need the pause first.
constexpr DWORD LongWriteBytes = 8;

} // namespace

CHIDMonitor::CHIDMonitor() : m_hDevice(0)
{
}

CHIDMonitor::CHIDMonitor(const CHIDMonitor& other) : m_hDevice(other.m_hDevice)
{
}

CHIDMonitor::~CHIDMonitor()
{
    // The handle belongs to the library: nothing to release.
}

void CHIDMonitor::SetHandle(const DWORD& hDevice)
{
    m_hDevice = hDevice;
}

DWORD CHIDMonitor::GetHandle() const
{
    return m_hDevice;
}

bool CHIDMonitor::Describe(WORD usagePage, BYTE usage, Description& out) const
{
    DWORD a = 0, b = 0, flag = 0, count = 0;
    const int result = DravoApi::Active().getFixedData(m_hDevice, usagePage, usage, 0, &a, &b, &flag, &count);
    if (result < 0 || flag != 0)
        return false;
    // A description beyond any real payload is a broken reply, not a size to trust.
    if (count > MaxPayload)
        return false;
    out = {a, b, count};
    return true;
}

bool CHIDMonitor::GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD* second)
{
    if (!buffer)
        return false;
    if (maximum)
        *maximum = 0;
    if (second)
        *second = 0;
    if (size <= 0)
        return false;
    std::memset(buffer, 0, static_cast<size_t>(size));

    Description description;
    if (!Describe(usagePage, usage, description))
        return false;
    // Single-value features are read through a 1-byte array too.
    BYTE reply[MaxPayload + 1] = {};
    if (DravoApi::Active().getFeatureArray(m_hDevice, usagePage, usage, reply, description.count + 1) < 0)
        return false;

    const DWORD n = std::min<DWORD>(static_cast<DWORD>(size), description.count);
    std::memcpy(buffer, reply, n);
    if (maximum)
        *maximum = static_cast<WORD>(description.maximum & 0xFFFF);
    if (second)
        *second = static_cast<WORD>(description.second & 0xFFFF);
    return true;
}

bool CHIDMonitor::SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage)
{
    if (!buffer || size <= 0)
        return false;
    Description description;
    if (!Describe(usagePage, usage, description))
        return false;
    if (description.count > 0)
        return SendArray(buffer, size, usage, usagePage, description.count);
    // A single-value feature takes the caller's first byte, whatever the size.
    return DravoApi::Active().setFeatureValue(m_hDevice, usagePage, usage, buffer[0]) >= 0;
}

bool CHIDMonitor::SendArray(const BYTE* buffer, short size, BYTE usage, WORD usagePage, DWORD count)
{
    BYTE request[MaxPayload + 1] = {};
    const DWORD n = std::min<DWORD>(static_cast<DWORD>(size), count);
    std::memcpy(request, buffer, n);
    if (n >= LongWriteBytes)
        CFeatureClock::WaitOneMillisecond();
    return DravoApi::Active().setFeatureArray(m_hDevice, usagePage, usage, request, count + 1) >= 0;
}

bool CHIDMonitor::GetFeature(BYTE* buffer, short size, const FeatureAddress& feature, WORD* maximum)
{
    return GetFeature(buffer, size, feature.usage, feature.usagePage, maximum, nullptr);
}

bool CHIDMonitor::SetFeature(const BYTE* buffer, short size, const FeatureAddress& feature)
{
    return SetFeature(buffer, size, feature.usage, feature.usagePage);
}

int CHIDMonitor::IsFeatureAvailable(BYTE usage, WORD usagePage)
{
    DWORD a = 0, b = 0, flag = 0, count = 0;
    const int result = DravoApi::Active().getFixedData(m_hDevice, usagePage, usage, 0, &a, &b, &flag, &count);
    return (result >= 0 && flag == 0) ? 1 : 0;
}

int CHIDMonitor::IsFeatureAvailable(const FeatureAddress& feature)
{
    return IsFeatureAvailable(feature.usage, feature.usagePage);
}

bool CHIDMonitor::IsAdjustmentPermitted()
{
    // Neither result is tested: a failed read leaves zero, so a monitor that
    // cannot tell its enable word never permits, and a missing state alone
    // forbids nothing.
    BYTE enable[2] = {};
    BYTE state = 0;
    GetFeature(enable, 2, FEATURE_ADJUST_ENABLE);
    GetFeature(&state, 1, FEATURE_ADJUST_STATE);
    const WORD enableWord = static_cast<WORD>(enable[0] | (enable[1] << 8));
    return enableWord != 0 && state != AdjustStateForbidden;
}

bool CHIDMonitor::IsMonitorAnswering()
{
    BYTE mode[2] = {};
    return GetFeature(mode, 2, FEATURE_COLOR_MODE);
}
