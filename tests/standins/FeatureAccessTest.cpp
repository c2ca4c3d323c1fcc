// Reading and writing the features of a simulated monitor as the program
// does: descriptions, values kept per colour mode, commit and reset,
// refused writes, the monitor's own flags and its keys.
#include "SimTestSupport.h"
#include "standins/libdravo/SimErrors.h"
#include <gtest/gtest.h>

using namespace simtest;

namespace {

class FeatureAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        handles = discover(sim);
        ASSERT_EQ(handles.size(), 3u);
    }
    DWORD replug(int monitor)
    {
        act(sim, "unplug " + std::to_string(monitor));
        act(sim, "plug " + std::to_string(monitor));
        handles = discover(sim);
        return handles[monitor - 1];
    }
    std::string get(const std::string& feature, int monitor = 1)
    {
        std::string answer, error;
        EXPECT_TRUE(sim.get(monitor, *FeatureCatalog::lookup(feature), -1, answer, error)) << error;
        return answer;
    }

    Simulator sim;
    std::vector<DWORD> handles;
};

} // namespace

TEST_F(FeatureAccess, DescriptionsGiveTheRealSizesAndMaxima)
{
    struct Expect {
        WORD page, usage;
        DWORD count, maximum;
    };
    const Expect expected[] = {
        {0xFF00, 0x35, 24, 0}, {0xFF00, 0xC3, 8, 0},   {0xFF00, 0xCE, 256, 0}, {0x82, 0x10, 2, 100},
        {0xFF00, 0x15, 2, 46}, {0xFF00, 0xC9, 1, 255}, {0xFF01, 0x40, 1, 1},   {0xFF01, 0x68, 1, 1},
        {0xFF01, 0xA1, 0, 10}, {0xFF01, 0x41, 0, 255}, {0xFF01, 0xA0, 2, 0},   {0x0C, 0xE2, 2, 1},
    };
    for (const Expect& e : expected) {
        DWORD a = 7, b = 7, flag = 7, count = 7;
        ASSERT_GT(sim.describe(handles[0], e.page, e.usage, &a, &b, &flag, &count), 0)
            << FeatureCatalog::address(e.page, e.usage);
        EXPECT_EQ(count, e.count) << FeatureCatalog::address(e.page, e.usage);
        EXPECT_EQ(a & 0xFFFF, e.maximum) << FeatureCatalog::address(e.page, e.usage);
        EXPECT_EQ(flag, 0u);
    }
    DWORD a = 0, b = 0, flag = 0, count = 0;
    EXPECT_GT(sim.describe(handles[2], 0x82, 0x10, &a, &b, &flag, &count), 0);
    EXPECT_EQ(a, 31u) << "the other model has its own maximum";
    EXPECT_LT(sim.describe(handles[2], 0xFF01, 0xED, &a, &b, &flag, &count), 0) << "a feature this model lacks";
    EXPECT_LT(sim.describe(handles[0], 0xFF00, 0x25, &a, &b, &flag, &count), 0) << "report-only";
    EXPECT_LT(sim.describe(handles[0], 0xFF00, 0x99, &a, &b, &flag, &count), 0) << "not in the vocabulary";
    EXPECT_LT(sim.describe(handles[0], 0x1FF00, 0x15, &a, &b, &flag, &count), 0) << "page beyond 16 bits";
}

TEST_F(FeatureAccess, SuccessIsPositiveUnlessTheModeAsksForZero)
{
    DWORD h = handles[0], a = 0, b = 0, flag = 0, count = 0, given = 0;
    BYTE buffer[3] = {};
    auto answers = [&] {
        return std::vector<int>{sim.describe(h, 0xFF00, 0x15, &a, &b, &flag, &count),
                                sim.readArray(h, 0xFF00, 0x15, buffer, 3), writeWord(sim, h, 0x82, 0x10, 5),
                                sim.writeValue(h, 0xFF01, 0xA1, 1), sim.retrieve(0, &given),
                                sim.reportOn(h, &ReportLog::callback, 0), sim.reportOff(h)};
    };
    EXPECT_EQ(answers(), (std::vector<int>{1, 3, 3, 1, 1, 1, 1}));
    ASSERT_TRUE(act(sim, "library success zero"));
    EXPECT_EQ(answers(), std::vector<int>(7, 0));
    EXPECT_EQ(sim.writeValue(h, 0x82, 0x10, 1), SimBadBuffer) << "failures stay negative";

    std::string error;
    ASSERT_TRUE(sim.load(std::string(Scenario::defaultText()) + "library success zero\n", error)) << error;
    handles = discover(sim);
    h = handles[0];
    EXPECT_EQ(answers(), std::vector<int>(7, 0)) << "a scenario line switches from the start";
    ASSERT_TRUE(act(sim, "library success positive"));
    EXPECT_EQ(answers(), (std::vector<int>{1, 3, 3, 1, 1, 1, 1}));
    sim.reset();
    handles = discover(sim);
    h = handles[0];
    EXPECT_EQ(answers(), std::vector<int>(7, 0)) << "a reset returns to the scenario's choice";
}

TEST_F(FeatureAccess, IdentityAndModelCodeCarryTheScenarioNames)
{
    std::vector<BYTE> identity = readFeature(sim, handles[0], 0xFF00, 0x35);
    ASSERT_EQ(identity.size(), 24u);
    EXPECT_EQ(std::string(identity.begin(), identity.begin() + 8), "S27Q0001");
    EXPECT_EQ(std::string(identity.begin() + 8, identity.end()), "SIM-27Q         ");
    std::vector<BYTE> code = readFeature(sim, handles[2], 0xFF00, 0xC3);
    EXPECT_EQ(std::string(code.begin(), code.end()), "SIM32U01");
    BYTE buffer[32] = {};
    EXPECT_EQ(sim.readArray(handles[0], 0xFF00, 0x35, buffer, 4), SimBadBuffer) << "a buffer shorter than 24";
    EXPECT_EQ(sim.readArray(handles[0], 0xFF00, 0x35, buffer, 24), SimBadBuffer) << "the payload without its byte";
    EXPECT_EQ(sim.readArray(handles[0], 0xFF00, 0x35, buffer, 26), SimBadBuffer) << "longer than count + 1";
    EXPECT_EQ(sim.readArray(handles[0], 0xFF00, 0x35, buffer, 25), 25);
}

TEST_F(FeatureAccess, EachColourModeKeepsItsOwnValues)
{
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0x15), 22);
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 60);
    ASSERT_GT(writeWord(sim, handles[0], 0xFF00, 0x15, 23), 0);
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 70) << "mode 23 has its own default";
    ASSERT_GT(writeWord(sim, handles[0], 0x82, 0x10, 33), 0);
    ASSERT_GT(writeWord(sim, handles[0], 0xFF00, 0x15, 22), 0);
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 60);
    ASSERT_GT(writeWord(sim, handles[0], 0xFF00, 0x15, 23), 0);
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 33);
    EXPECT_EQ(readWord(sim, handles[1], 0x82, 0x10), 60) << "the other monitor of the model is untouched";
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0x66), 4);
    ASSERT_GT(writeWord(sim, handles[0], 0xFF00, 0x15, 40), 0);
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0x66), 244);
}

TEST_F(FeatureAccess, CommitKeepsValuesAcrossAReplugAndUncommittedOnesAreLost)
{
    ASSERT_GT(writeWord(sim, handles[0], 0x82, 0x10, 33), 0);
    DWORD again = replug(1);
    EXPECT_EQ(readWord(sim, again, 0x82, 0x10), 60) << "not committed";
    ASSERT_GT(writeWord(sim, again, 0x82, 0x10, 33), 0);
    ASSERT_GT(writeWord(sim, again, 0xFF01, 0xAA, 3), 0);
    ASSERT_GT(writeWord(sim, again, 0xFF01, 0xA0, 0), 0);
    ASSERT_GT(writeWord(sim, again, 0x82, 0x10, 44), 0);
    again = replug(1);
    EXPECT_EQ(readWord(sim, again, 0x82, 0x10), 33);
    EXPECT_EQ(readWord(sim, again, 0xFF01, 0xAA), 3);
    EXPECT_EQ(writeWord(sim, again, 0xFF01, 0xA0, 1), SimOutOfRange) << "commit takes 0 only";
}

TEST_F(FeatureAccess, ResetReturnsTheCurrentModesGroupToItsDefaults)
{
    DWORD h = handles[0];
    ASSERT_GT(writeWord(sim, h, 0xFF00, 0x15, 23), 0);
    writeWord(sim, h, 0x82, 0x10, 33);
    writeWord(sim, h, 0xFF00, 0x66, 2);
    writeWord(sim, h, 0xFF01, 0xA9, 1);
    writeWord(sim, h, 0xFF01, 0xAD, 4);
    ASSERT_GT(sim.writeValue(h, 0xFF01, 0xA1, 1), 0);
    EXPECT_EQ(readWord(sim, h, 0x82, 0x10), 70);
    EXPECT_EQ(readWord(sim, h, 0xFF00, 0x66), 4);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0xA9), 1) << "reset 1 leaves the enhancement functions";
    ASSERT_GT(sim.writeValue(h, 0xFF01, 0xA1, 10), 0);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0xA9), 0);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0xAD), 0);
    EXPECT_EQ(sim.writeValue(h, 0xFF01, 0xA1, 11), SimOutOfRange);
}

TEST_F(FeatureAccess, WritesOutsideTheRangeAreRefusedAndNotStored)
{
    DWORD h = handles[0];
    EXPECT_EQ(writeWord(sim, h, 0x82, 0x10, 101), SimOutOfRange);
    EXPECT_EQ(readWord(sim, h, 0x82, 0x10), 60);
    EXPECT_EQ(writeWord(sim, handles[2], 0x82, 0x10, 32), SimOutOfRange);
    EXPECT_EQ(writeWord(sim, h, 0xFF00, 0x15, 25), SimOutOfRange) << "a mode the monitor lacks";
    EXPECT_EQ(writeWord(sim, h, 0xFF00, 0x15, 47), SimOutOfRange);
    EXPECT_EQ(readWord(sim, h, 0xFF00, 0x15), 22);
    EXPECT_EQ(sim.writeValue(h, 0xFF01, 0x41, 256), SimOutOfRange) << "a single value is a byte";
    EXPECT_EQ(sim.writeValue(h, 0x82, 0x10, 99), SimBadBuffer) << "a single value to a feature with a payload";
    EXPECT_EQ(sim.writeValue(h, 0xFF01, 0x68, 0), SimBadBuffer) << "also a one-byte payload";
    EXPECT_EQ(readWord(sim, h, 0x82, 0x10), 60);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x68), 1);
    EXPECT_EQ(writeWord(sim, h, 0xFF00, 0x35, 0), SimNotPermitted);
    EXPECT_EQ(writeWord(sim, h, 0xFF00, 0xB8, 0), SimNotPermitted);
    BYTE buffer[3] = {};
    EXPECT_EQ(sim.readArray(h, 0xFF01, 0xA0, buffer, 3), SimNotPermitted);
    EXPECT_EQ(sim.writeArray(h, 0x82, 0x10, nullptr, 3), SimBadBuffer);
    EXPECT_EQ(sim.writeArray(h, 0x82, 0x10, buffer, 1), SimBadBuffer);
    EXPECT_EQ(sim.writeArray(h, 0x82, 0x10, buffer, 2), SimBadBuffer) << "the payload without its byte";
    BYTE longer[4] = {7, 0, 0, 0};
    EXPECT_EQ(sim.writeArray(h, 0x82, 0x10, longer, 4), SimBadBuffer) << "longer than count + 1";
    EXPECT_EQ(sim.writeArray(h, 0xFF01, 0xA1, longer, 2), SimBadBuffer) << "a single-value feature takes 1";
    EXPECT_EQ(readWord(sim, h, 0x82, 0x10), 60) << "no refused write stored anything";
    EXPECT_EQ(sim.writeArray(h, 0x82, 0x10, longer, 3), 3) << "success answers the bytes written";
}

TEST_F(FeatureAccess, FlagBytesBelongToTheMonitor)
{
    ASSERT_TRUE(act(sim, "set 1 overdrive-flag 1"));
    std::vector<BYTE> overdrive = readFeature(sim, handles[0], 0xFF01, 0x4A);
    EXPECT_EQ(overdrive, (std::vector<BYTE>{1, 1}));
    BYTE write[3] = {2, 0, 0};
    ASSERT_GT(sim.writeArray(handles[0], 0xFF01, 0x4A, write, 3), 0);
    EXPECT_EQ(readFeature(sim, handles[0], 0xFF01, 0x4A), (std::vector<BYTE>{2, 1}));
    BYTE over[3] = {3, 0, 0};
    EXPECT_EQ(sim.writeArray(handles[0], 0xFF01, 0x4A, over, 3), SimOutOfRange);
    BYTE withFlag[3] = {1, 5, 0};
    EXPECT_GT(sim.writeArray(handles[0], 0xFF01, 0xAC, withFlag, 3), 0) << "the written flag byte is ignored";
    EXPECT_EQ(readFeature(sim, handles[0], 0xFF01, 0xAC), (std::vector<BYTE>{1, 0}));
}

TEST_F(FeatureAccess, AssociationAndConnectFlags)
{
    DWORD h = handles[0];
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x40), 0);
    ASSERT_TRUE(act(sim, "set 1 assoc-invalid 1"));
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x40), 1);
    ASSERT_GT(sim.writeValue(h, 0xFF01, 0x41, 0), 0);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x40), 0);

    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x68), 1);
    BYTE zero[2] = {0, 0};
    ASSERT_GT(sim.writeArray(h, 0xFF01, 0x68, zero, 2), 0);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0x68), 0);
    EXPECT_EQ(readWord(sim, replug(1), 0xFF01, 0x68), 1) << "raised again by the next plug-in";
}

TEST_F(FeatureAccess, KeyPressesActOnTheMonitor)
{
    DWORD h = handles[0];
    ASSERT_GT(writeWord(sim, h, 0xFF00, 0x0F, 0x0080), 0);
    EXPECT_EQ(get("power"), "0");
    writeWord(sim, h, 0xFF00, 0x0F, 0x0100);
    EXPECT_EQ(readWord(sim, h, 0xFF00, 0x15), 22) << "in standby only the power key works";
    writeWord(sim, h, 0xFF00, 0x0F, 0x0080);
    EXPECT_EQ(get("power"), "1");
    writeWord(sim, h, 0xFF00, 0x0F, 0x0100);
    EXPECT_EQ(readWord(sim, h, 0xFF00, 0x15), 23) << "the next supported mode";
    writeWord(sim, h, 0xFF00, 0x0F, 0x4000);
    EXPECT_EQ(get("osd"), "1");
    writeWord(sim, h, 0xFF00, 0x0F, 0x8000);
    EXPECT_EQ(get("osd"), "0");
    writeWord(sim, h, 0xFF01, 0x3D, 0x0080);
    EXPECT_EQ(get("screensize"), "1");
    writeWord(sim, h, 0xFF01, 0x3D, 0x0100);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0xAD), 1) << "Glintara 2 on";
    writeWord(sim, h, 0xFF01, 0x3D, 0x0100);
    EXPECT_EQ(readWord(sim, h, 0xFF01, 0xAD), 0) << "and off";
    ASSERT_GT(writeWord(sim, h, 0x0C, 0xE2, 1), 0);
    EXPECT_EQ(get("mute"), "1");
    EXPECT_EQ(writeWord(sim, h, 0x0C, 0xE2, 2), SimOutOfRange);

    ASSERT_TRUE(act(sim, "set 1 mode 46"));
    writeWord(sim, h, 0xFF00, 0x0F, 0x0100);
    EXPECT_EQ(readWord(sim, h, 0xFF00, 0x15), 22) << "wraps to the lowest mode";
}

TEST_F(FeatureAccess, AdjustmentPermissionValues)
{
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0xB8), 1);
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0xC9), 0);
    ASSERT_TRUE(act(sim, "set 1 adjust-enable 0x0100"));
    ASSERT_TRUE(act(sim, "set 1 adjust-state 2"));
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0xB8), 0x0100);
    EXPECT_EQ(readWord(sim, handles[0], 0xFF00, 0xC9), 2);
}

TEST_F(FeatureAccess, ControlSetsReachOtherModesAndTheModeList)
{
    ASSERT_TRUE(act(sim, "set 1 brightness 11 mode 24"));
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 60) << "mode 22 is shown";
    ASSERT_GT(writeWord(sim, handles[0], 0xFF00, 0x15, 24), 0);
    EXPECT_EQ(readWord(sim, handles[0], 0x82, 0x10), 11);
    EXPECT_FALSE(act(sim, "set 1 brightness 101"));
    EXPECT_FALSE(act(sim, "set 1 identity 1"));

    ASSERT_TRUE(act(sim, "set 1 modes 0x400000"));
    std::vector<BYTE> block = readFeature(sim, handles[0], 0xFF00, 0xCE);
    ASSERT_EQ(block.size(), 256u);
    // Type 4 (6 bytes) and type 1 (10 bytes) come first, then type 5.
    ASSERT_EQ(block[16], 5);
    EXPECT_EQ(block[18 + 2], 0x40);
    EXPECT_EQ(writeWord(sim, handles[0], 0xFF00, 0x15, 23), SimOutOfRange) << "mode 23 was withdrawn";
}
