// libseltu.dll against Wine's real display devices: each simulated monitor
// stands on its scenario display, or the highest one that exists.
#include "device/SeltuLibrary.h"
#include "standins/libdravo/DravoSim.h"
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace {

struct Display {
    int number;
    std::vector<std::string> monitors;
};

std::map<std::string, Display> attachedDisplays()
{
    std::map<std::string, Display> out;
    DISPLAY_DEVICEA adapter{};
    adapter.cb = sizeof adapter;
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &adapter, 0); ++i, adapter.cb = sizeof adapter) {
        if (!(adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
            continue;
        Display d{std::atoi(adapter.DeviceName + 11), {}};
        DISPLAY_DEVICEA monitor{};
        monitor.cb = sizeof monitor;
        for (DWORD j = 0; EnumDisplayDevicesA(adapter.DeviceName, j, &monitor, 0); ++j, monitor.cb = sizeof monitor)
            d.monitors.push_back(monitor.DeviceName);
        out[adapter.DeviceName] = d;
    }
    return out;
}

struct Record {
    std::string serial, monitor, display;
};

Record record(int index)
{
    BYTE bytes[MonitorInfoRecord::Size];
    std::memset(bytes, 0xEE, sizeof bytes);
    EXPECT_EQ(KvnGetMonitorInfo(index, bytes, 0), 0);
    auto text = [&](int offset) { return std::string(reinterpret_cast<char*>(bytes + offset)); };
    return {std::string(reinterpret_cast<char*>(bytes), strnlen(reinterpret_cast<char*>(bytes), 8)),
            text(MonitorInfoRecord::MonitorDeviceOffset), text(MonitorInfoRecord::DisplayDeviceOffset)};
}

} // namespace

TEST(Libseltu, RecordsJoinTheRealDisplaysToTheSimulatedSerials)
{
    ASSERT_EQ(SimLoadScenario(nullptr), 0);
    std::map<std::string, Display> displays = attachedDisplays();
    ASSERT_FALSE(displays.empty()) << "Wine shows no display";
    std::string highest;
    for (const auto& d : displays)
        if (highest.empty() || d.second.number > displays[highest].number)
            highest = d.first;

    int count = -1;
    ASSERT_EQ(KvnFindMonitors(&count, 0), 0);
    ASSERT_EQ(count, 3);
    const char* serials[] = {"S27Q0001", "S27Q0002", "S32U0001"};
    const int wanted[] = {1, 2, 2};
    for (int i = 0; i < count; ++i) {
        Record r = record(i);
        EXPECT_EQ(r.serial, serials[i]);
        std::string asked = "\\\\.\\DISPLAY" + std::to_string(wanted[i]);
        std::string expected = displays.count(asked) ? asked : highest;
        EXPECT_EQ(r.display, expected) << i;
        const std::vector<std::string>& monitors = displays[expected].monitors;
        if (!monitors.empty()) {
            EXPECT_NE(std::find(monitors.begin(), monitors.end(), r.monitor), monitors.end()) << r.monitor;
        }
    }
    BYTE bytes[MonitorInfoRecord::Size];
    std::memset(bytes, 0xEE, sizeof bytes);
    EXPECT_LT(KvnGetMonitorInfo(count, bytes, 0), 0);
    EXPECT_EQ(bytes[0], 0) << "an index past the end leaves no stale serial";
    EXPECT_LT(KvnGetMonitorInfo(0, nullptr, 0), 0);
    EXPECT_LT(KvnFindMonitors(nullptr, 0), 0);
}

TEST(Libseltu, ExtraRecordsAndFailingFirstCalls)
{
    ASSERT_EQ(SimLoadScenario("profile p\n  modes 22\nend\nmonitor 1 p ONLY0001\n"
                              "info - 1\ninfo OTHER001 4 monitor 2\nfault seltu 2\n"),
              0);
    int count = 7;
    EXPECT_LT(KvnFindMonitors(&count, 0), 0);
    EXPECT_EQ(count, 0);
    EXPECT_LT(KvnFindMonitors(&count, 0), 0);
    ASSERT_EQ(KvnFindMonitors(&count, 0), 0);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(record(0).serial, "ONLY0001");
    EXPECT_EQ(record(1).serial, "");
    Record other = record(2);
    EXPECT_EQ(other.serial, "OTHER001");
    EXPECT_EQ(other.monitor, "\\\\.\\DISPLAY4\\Monitor2");
    EXPECT_EQ(other.display, "\\\\.\\DISPLAY4");
    ASSERT_EQ(SimReset(), 0) << "the scenario's failures come back with it";
    EXPECT_LT(KvnFindMonitors(&count, 0), 0);
    ASSERT_EQ(SimLoadScenario(nullptr), 0);
    ASSERT_EQ(KvnFindMonitors(&count, 0), 0);
    EXPECT_EQ(count, 3) << "the default scenario again";

    // A call that succeeds with no monitor leaves no record to read.
    ASSERT_GE(SimFault("seltu 1 empty"), 0);
    EXPECT_EQ(KvnFindMonitors(&count, 0), 0);
    EXPECT_EQ(count, 0);
    BYTE bytes[MonitorInfoRecord::Size] = {};
    EXPECT_LT(KvnGetMonitorInfo(0, bytes, 0), 0);
    ASSERT_EQ(KvnFindMonitors(&count, 0), 0);
    EXPECT_EQ(count, 3) << "worn off after one call";
}
