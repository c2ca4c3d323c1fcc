// Discovery counts, handles over plugging and release, and every fault kind.
#include "SimTestSupport.h"
#include "standins/libdravo/SimErrors.h"
#include <gtest/gtest.h>
#include <set>

using namespace simtest;

TEST(Discovery, CountsThePluggedMonitorsAndHandsOutTheirHandles)
{
    Simulator sim;
    EXPECT_EQ(sim.update(), SimOutOfOrder) << "an update before the process's first KvFind";
    std::vector<DWORD> first = discover(sim);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(std::set<DWORD>(first.begin(), first.end()).size(), 3u);
    for (DWORD h : first)
        EXPECT_NE(h, 0u);
    EXPECT_EQ(sim.update(), 3);
    DWORD again = 0;
    EXPECT_EQ(sim.retrieve(1, &again), 1);
    EXPECT_EQ(again, first[1]) << "a monitor keeps its handle while it stays plugged";
    DWORD h = 0xDEAD;
    EXPECT_EQ(sim.retrieve(3, &h), SimNoDevice);
    EXPECT_EQ(h, 0u);
    EXPECT_EQ(sim.retrieve(-1, &h), SimNoDevice);
    EXPECT_EQ(sim.retrieve(0, nullptr), SimBadBuffer);
}

TEST(Discovery, UnpluggedHandlesDieAndAreNeverReused)
{
    Simulator sim;
    std::vector<PlugEvent> events;
    sim.setPlugListener([&](const PlugEvent& e) { events.push_back(e); });
    std::vector<DWORD> first = discover(sim);
    ASSERT_TRUE(act(sim, "unplug 2"));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_FALSE(events[0].arrived);
    EXPECT_EQ(events[0].productId, 0x0101);
    EXPECT_EQ(events[0].serial, "S27Q0002");
    EXPECT_EQ(readWord(sim, first[1], 0xFF00, 0x15), -1);
    EXPECT_EQ(sim.writeValue(first[1], 0xFF01, 0xA1, 1), SimNoDevice);
    EXPECT_EQ(sim.reportOn(first[1], &ReportLog::callback, 0), SimNoDevice);
    EXPECT_FALSE(act(sim, "unplug 2")) << "already out";

    std::vector<DWORD> second = discover(sim);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0], first[0]);
    EXPECT_EQ(second[1], first[2]);

    ASSERT_TRUE(act(sim, "plug 2"));
    EXPECT_TRUE(events.back().arrived);
    std::vector<DWORD> third = discover(sim);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_NE(third[1], first[1]) << "a plug-in gets a new handle";
    EXPECT_EQ(readWord(sim, first[1], 0xFF00, 0x15), -1) << "the old one stays dead";
    EXPECT_EQ(readWord(sim, third[1], 0xFF00, 0x15), 22);

    EXPECT_GT(sim.release(), 0);
    for (DWORD h : third)
        EXPECT_EQ(readWord(sim, h, 0xFF00, 0x15), -1);
    std::vector<DWORD> fourth = discover(sim);
    std::set<DWORD> seen(first.begin(), first.end());
    seen.insert(third.begin(), third.end());
    for (DWORD h : fourth)
        EXPECT_EQ(seen.count(h), 0u) << "released handles are not handed out again";

    sim.reset();
    for (DWORD h : discover(sim))
        EXPECT_EQ(seen.count(h) + std::count(fourth.begin(), fourth.end(), h), 0u) << "nor after a reset";
}

TEST(Discovery, HandleZeroIsNeverAValidDevice)
{
    Simulator sim;
    discover(sim);
    DWORD a = 0, b = 0, flag = 0, count = 0;
    EXPECT_EQ(sim.describe(0, 0xFF00, 0x15, &a, &b, &flag, &count), SimNoDevice);
}

TEST(Faults, FeatureFaultsHitOnlyTheirFeatureAndWearOff)
{
    Simulator sim;
    std::vector<DWORD> h = discover(sim);
    DWORD a = 0, b = 0, flag = 0, count = 0;

    ASSERT_TRUE(act(sim, "fault 1 describe 0xFF00:0x15 times 1"));
    EXPECT_EQ(sim.describe(h[0], 0xFF00, 0x15, &a, &b, &flag, &count), SimInjected);
    EXPECT_GT(sim.describe(h[0], 0xFF00, 0x15, &a, &b, &flag, &count), 0) << "used up";

    ASSERT_TRUE(act(sim, "fault 1 flag mode"));
    EXPECT_GT(sim.describe(h[0], 0xFF00, 0x15, &a, &b, &flag, &count), 0);
    EXPECT_EQ(flag, 1u);
    EXPECT_GT(sim.describe(h[1], 0xFF00, 0x15, &a, &b, &flag, &count), 0);
    EXPECT_EQ(flag, 0u) << "another monitor";

    ASSERT_TRUE(act(sim, "fault 1 read brightness"));
    BYTE buffer[3] = {};
    EXPECT_EQ(sim.readArray(h[0], 0x82, 0x10, buffer, 3), SimInjected);
    EXPECT_GT(sim.readArray(h[0], 0x82, 0x12, buffer, 3), 0);

    ASSERT_TRUE(act(sim, "fault 1 write brightness"));
    EXPECT_EQ(writeWord(sim, h[0], 0x82, 0x10, 10), SimInjected);
    EXPECT_EQ(sim.writeValue(h[0], 0x82, 0x10, 10), SimInjected);
    ASSERT_TRUE(act(sim, "fault clear 1"));
    EXPECT_EQ(readWord(sim, h[0], 0x82, 0x10), 60) << "the refused write stored nothing";
    EXPECT_GT(sim.describe(h[0], 0xFF00, 0x15, &a, &b, &flag, &count), 0);
    EXPECT_EQ(flag, 0u);
}

TEST(Faults, AMonitorThatStopsAnsweringStaysPlugged)
{
    Simulator sim;
    std::vector<DWORD> h = discover(sim);
    ASSERT_TRUE(act(sim, "fault 2 dead"));
    EXPECT_EQ(sim.find(), 3);
    DWORD a = 0, b = 0, flag = 0, count = 0;
    EXPECT_EQ(sim.describe(h[1], 0xFF00, 0x15, &a, &b, &flag, &count), SimNotAnswering);
    EXPECT_EQ(writeWord(sim, h[1], 0x82, 0x10, 1), SimNotAnswering);
    EXPECT_EQ(sim.reportOn(h[1], &ReportLog::callback, 0), SimNotAnswering);
    EXPECT_FALSE(act(sim, "report 2 mode 23")) << "a silent monitor sends no report";
    EXPECT_EQ(readWord(sim, h[0], 0xFF00, 0x15), 22);
    ASSERT_TRUE(act(sim, "fault clear"));
    EXPECT_EQ(readWord(sim, h[1], 0xFF00, 0x15), 22);
}

TEST(Faults, DiscoveryAnswersAndZeroHandles)
{
    Simulator sim;
    ASSERT_TRUE(act(sim, "fault discovery -1 times 1"));
    EXPECT_EQ(sim.find(), -1);
    DWORD h = 5;
    EXPECT_EQ(sim.retrieve(0, &h), SimNoDevice);
    EXPECT_EQ(sim.update(), 3);

    ASSERT_TRUE(act(sim, "fault discovery 5"));
    EXPECT_EQ(sim.update(), 5);
    EXPECT_EQ(sim.retrieve(4, &h), SimNoDevice) << "more counted than there are";
    ASSERT_TRUE(act(sim, "fault clear"));

    ASSERT_TRUE(act(sim, "fault 2 zero-handle"));
    std::vector<DWORD> handles = discover(sim);
    ASSERT_EQ(handles.size(), 3u);
    EXPECT_EQ(handles[1], 0u);
    EXPECT_NE(handles[2], 0u);
}

TEST(Faults, TheInformationLibraryFailsItsFirstCalls)
{
    Simulator sim;
    EXPECT_FALSE(sim.seltuCallFails());
    ASSERT_TRUE(act(sim, "fault seltu 1"));
    EXPECT_TRUE(sim.seltuCallFails());
    EXPECT_FALSE(sim.seltuCallFails());
}

TEST(Faults, BadFaultCommandsAreRefused)
{
    Simulator sim;
    for (const char* line : {"fault", "fault 1", "fault 1 read", "fault 1 read nosuch", "fault 1 explode",
                             "fault discovery", "fault discovery x", "fault seltu", "fault seltu 1 full", "fault 1 dead times 0",
                             "fault 9 dead", "fault 1 read power"})
        EXPECT_FALSE(act(sim, line)) << line;
}
