// Discovery and the feature channel against the simulated monitors, through
// the library's own entry points.
#include "SimControl.h"
#include "device/CCapabilityBlock.h"
#include "device/CHIDMonitor.h"
#include "device/DeviceDiscovery.h"
#include "device/MonitorFeatures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class SimulatorDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SimFreshStart());
    }

    // Handles of a first discovery on a fresh list.
    std::vector<DWORD> Discover(BOOL foundOnce = FALSE)
    {
        CList<void*, void*> list;
        int count = 0;
        DeviceDiscovery::Find(foundOnce, list, count);
        std::vector<DWORD> handles;
        for (POSITION p = list.GetHeadPosition(); p;)
            handles.push_back(DeviceDiscovery::FromEntry(list.GetNext(p)));
        return handles;
    }
};

TEST_F(SimulatorDeviceTest, FirstDiscoveryFindsAndLaterOnesUpdate)
{
    CList<void*, void*> list;
    int count = -7;
    ASSERT_TRUE(DeviceDiscovery::Find(FALSE, list, count));
    EXPECT_EQ(count, 3);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(SimTraceWith("KvFind").size(), 1u);
    EXPECT_TRUE(SimTraceWith("KvUpdate").empty());
    std::set<DWORD> distinct;
    for (POSITION p = list.GetHeadPosition(); p;)
        distinct.insert(DeviceDiscovery::FromEntry(list.GetNext(p)));
    EXPECT_EQ(distinct.size(), 3u);
    EXPECT_EQ(distinct.count(0), 0u);

    // The list is appended to, never emptied here.
    ASSERT_TRUE(DeviceDiscovery::Find(TRUE, list, count));
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_EQ(SimTraceWith("KvUpdate").size(), 1u);
    EXPECT_EQ(SimTraceWith("KvFind").size(), 1u);
}

TEST_F(SimulatorDeviceTest, ZeroHandlesAreSkippedAndTheCountStays)
{
    ASSERT_TRUE(SimRun("fault 2 zero-handle"));
    CList<void*, void*> list;
    int count = 0;
    ASSERT_TRUE(DeviceDiscovery::Find(FALSE, list, count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(SimTraceWith("KvRetrieve").size(), 3u);

    ASSERT_TRUE(SimRun("fault 1 zero-handle"));
    ASSERT_TRUE(SimRun("fault 3 zero-handle"));
    CList<void*, void*> none;
    EXPECT_FALSE(DeviceDiscovery::Find(TRUE, none, count));
    EXPECT_EQ(count, 0);   // nothing kept: no devices
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(SimulatorDeviceTest, NegativeOrAbsurdCountsRetrieveLittleOrNothing)
{
    ASSERT_TRUE(SimRun("fault discovery -2 times 1"));
    CList<void*, void*> list;
    int count = 5;
    EXPECT_FALSE(DeviceDiscovery::Find(FALSE, list, count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(SimTraceWith("KvRetrieve").empty());

    ASSERT_TRUE(SimRun("fault discovery 2000000000 times 1"));
    ASSERT_TRUE(SimRun("trace clear"));
    EXPECT_TRUE(DeviceDiscovery::Find(TRUE, list, count));
    EXPECT_EQ(count, 2000000000);
    EXPECT_EQ(SimTraceWith("KvRetrieve").size(), static_cast<size_t>(DeviceDiscovery::MaxDevices));
    EXPECT_EQ(list.GetCount(), 3);
}

TEST_F(SimulatorDeviceTest, ChannelReadsIdentityAndCapabilities)
{
    const std::vector<DWORD> handles = Discover();
    ASSERT_EQ(handles.size(), 3u);
    CHIDMonitor channel;
    channel.SetHandle(handles[0]);
    char identity[FeatureIdentitySize + 1] = {};
    ASSERT_TRUE(channel.GetFeature(reinterpret_cast<BYTE*>(identity), FeatureIdentitySize, FEATURE_IDENTITY));
    EXPECT_EQ(std::string(identity + 8, 7), "SIM-27Q");
    EXPECT_TRUE(CCapabilityBlock::IsSupportedMonitor(channel));
    const MonitorCapabilities caps = CCapabilityBlock::Read(channel);
    EXPECT_TRUE(caps.qwModes & (1ULL << 22));
    EXPECT_EQ(caps.dwHotKeyCaps & 0x180u, 0x180u);
    EXPECT_NE(caps.dwModeFeatures[22], 0u);
    EXPECT_TRUE(channel.IsMonitorAnswering());
    EXPECT_TRUE(channel.IsAdjustmentPermitted());
}

TEST_F(SimulatorDeviceTest, ChannelWritesWithinTheMaximumOnly)
{
    const std::vector<DWORD> handles = Discover();
    ASSERT_FALSE(handles.empty());
    CHIDMonitor channel;
    channel.SetHandle(handles[0]);
    WORD value = 42;
    ASSERT_TRUE(channel.SetFeature(reinterpret_cast<BYTE*>(&value), 2, FEATURE_BRIGHTNESS));
    WORD read = 0, maximum = 0;
    ASSERT_TRUE(channel.GetFeature(reinterpret_cast<BYTE*>(&read), 2, FEATURE_BRIGHTNESS, &maximum));
    EXPECT_EQ(read, 42);
    EXPECT_EQ(maximum, 100);
    EXPECT_FALSE(SimTraceWith("KvSetFeatureArray").empty());
    EXPECT_NE(SimTraceWith("KvSetFeatureArray").back().find("length=3"), std::string::npos);

    value = 101;
    EXPECT_FALSE(channel.SetFeature(reinterpret_cast<BYTE*>(&value), 2, FEATURE_BRIGHTNESS));
    ASSERT_TRUE(channel.GetFeature(reinterpret_cast<BYTE*>(&read), 2, FEATURE_BRIGHTNESS));
    EXPECT_EQ(read, 42);

    // A single-value command takes the first byte only.
    const BYTE reset[2] = {ResetColorAdjustment, 0x01};
    EXPECT_TRUE(channel.SetFeature(reset, 2, FEATURE_RESET));
    EXPECT_NE(SimTraceWith("KvSetFeatureValue").back().find("value=1"), std::string::npos);
}

TEST_F(SimulatorDeviceTest, ChannelFailuresLeaveZero)
{
    const std::vector<DWORD> handles = Discover();
    ASSERT_FALSE(handles.empty());
    CHIDMonitor channel;
    channel.SetHandle(handles[0]);
    BYTE buffer[2] = {0xAA, 0xAA};
    WORD maximum = 9;

    ASSERT_TRUE(SimRun("fault 1 read brightness times 1"));
    EXPECT_FALSE(channel.GetFeature(buffer, 2, FEATURE_BRIGHTNESS, &maximum));
    EXPECT_EQ(buffer[0] | buffer[1], 0);
    EXPECT_EQ(maximum, 0);

    ASSERT_TRUE(SimRun("fault 1 flag mode"));
    EXPECT_FALSE(channel.IsMonitorAnswering());
    EXPECT_EQ(channel.IsFeatureAvailable(FEATURE_COLOR_MODE), 0);
    ASSERT_TRUE(SimRun("fault 1 describe adjust-enable"));
    EXPECT_FALSE(channel.IsAdjustmentPermitted());

    ASSERT_TRUE(SimRun("fault clear"));
    ASSERT_TRUE(SimRun("fault 1 dead"));
    EXPECT_FALSE(channel.IsMonitorAnswering());
    EXPECT_FALSE(CCapabilityBlock::IsSupportedMonitor(channel));

    channel.SetHandle(0);
    EXPECT_FALSE(channel.IsMonitorAnswering());
}

} // namespace
