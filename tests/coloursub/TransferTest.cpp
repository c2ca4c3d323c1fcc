// Reading a monitor into a record and writing a record back, against the
// simulated monitors: the order of the calls, which slots go, and the bytes.
#include "SimWrites.h"

#include "../device/SimControl.h"
#include "colour/ColorStatusTransfer.h"
#include "colour/ColorTables.h"
#include "device/DeviceDiscovery.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using S = ColorSlot;

namespace {

constexpr DWORD EveryBit = 0x3ED94FF;

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SimRun("reset default"));
        ASSERT_TRUE(SimFreshStart());
        CList<void*, void*> handles;
        int count = 0;
        ASSERT_TRUE(DeviceDiscovery::Find(FALSE, handles, count));
        m_channel.SetHandle(DeviceDiscovery::FromEntry(handles.GetHead()));   // monitor 1, mode 22
    }

    static void Sim(const std::string& command) { ASSERT_TRUE(SimRun(command)) << command; }

    // Monitor 1 as it is now; the trace starts again after the read.
    CMonitorColor Read()
    {
        CMonitorColor record;
        m_transfer.ReadAll(record);
        SimRun("trace clear");
        return record;
    }

    CHIDMonitor m_channel;
    ColorStatusTransfer m_transfer{m_channel};
};

TEST_F(TransferTest, ReadsEverySlotModeFirstAndOnlyThePictureAfterAReset)
{
    Sim("set 1 overdrive 2 quiet");
    Sim("set 1 overdrive-flag 1 quiet");
    Sim("set 1 text-enhancer-flag 1 quiet");
    Sim("fault 1 read contrast");
    SimRun("trace clear");
    CMonitorColor record;
    record.Value(S::Contrast) = 9;
    record.Max(S::Contrast) = 9;
    m_transfer.ReadAll(record);
    const std::vector<std::string> picture = {
        "0xFF00:0x07", "0x82:0x10",   "0x82:0x12",   "0xFF00:0x74", "0x82:0x16",   "0x82:0x18",   "0x82:0x1A",
        "0xFF00:0x66", "0xFF01:0xE0", "0xFF01:0xED", "0xFF00:0xB3", "0xFF00:0xB4", "0xFF01:0x4A", "0xFF01:0xAF"};
    std::vector<std::string> all = {"0xFF00:0x15"};
    all.insert(all.end(), picture.begin(), picture.end());
    all.insert(all.end(), {"0xFF01:0xA9", "0xFF01:0xAA", "0xFF01:0xAB", "0xFF01:0xAC", "0xFF01:0xAD"});
    EXPECT_EQ(SimReads(1), all);
    EXPECT_EQ(record.Value(S::Mode), 22);
    EXPECT_EQ(record.Max(S::Hue), 63);
    EXPECT_EQ(record.Value(S::Overdrive), 2);
    EXPECT_EQ(record.m_byOverdriveFlag, 1);
    EXPECT_EQ(record.m_byTextEnhancerFlag, 1);
    EXPECT_FALSE(record.Valid(S::Contrast));   // nothing of the old record is left
    EXPECT_EQ(record.Value(S::Contrast) + record.Max(S::Contrast), 0);

    SimRun("trace clear");
    record.Value(S::Mode) = 33;
    m_transfer.ReadPictureValues(record);
    EXPECT_EQ(SimReads(1), picture);
    EXPECT_EQ(record.Value(S::Mode), 33);
}

TEST_F(TransferTest, RestoreWritesEveryValidAllowedSlotInOrder)
{
    CMonitorColor record = Read();
    record.Value(S::Brightness) = 35;
    record.m_byOverdriveFlag = 1;   // never written back
    record.Valid(S::Hue) = FALSE;
    m_transfer.Restore(record, EveryBit & ~MF_CONTRAST);
    // Temperature 6: the gains are left to the monitor.
    EXPECT_THAT(SimWrittenFeatures(1),
                ElementsAre("0xFF00:0x15", "0xFF00:0x07", "0x82:0x10", "0xFF00:0x74", "0xFF00:0x66", "0xFF01:0xE0",
                            "0xFF01:0xED", "0xFF00:0xB3", "0xFF01:0x4A", "0xFF01:0xAF", "0xFF01:0xA9", "0xFF01:0xAA",
                            "0xFF01:0xAB", "0xFF01:0xAC", "0xFF01:0xAD"));
    EXPECT_EQ(SimWrites(1)[2], "0x82:0x10 230000");
    EXPECT_EQ(SimWrites(1)[8], "0xFF01:0x4A 010000");

    // Under temperature 0 or 15 the gains that differ go back, right after brightness.
    record.Value(S::GainR) = 100;
    for (WORD temperature : {WORD(0), WORD(15)}) {
        Sim("set 1 gain-red 204 quiet");
        SimRun("trace clear");
        record.Value(S::Temperature) = temperature;
        m_transfer.Restore(record, EveryBit);
        EXPECT_EQ(SimWrittenFeatures(1)[3], "0x82:0x16") << temperature;
        EXPECT_EQ(SimWrittenFeatures(1)[4], "0x82:0x12") << temperature;
        EXPECT_EQ(SimValue(1, "gain-red"), 100);
    }
}

TEST_F(TransferTest, ApplyWritesOnlyWhatDiffers)
{
    CMonitorColor record = Read();
    m_transfer.Apply(record, EveryBit, true);
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x15 160000"));   // the mode, unread

    SimRun("trace clear");
    record.Value(S::Brightness) = 20;
    record.Value(S::Gamma) = 247;    // not allowed below
    record.Value(S::Glintara) = 3;   // a function: full writes only
    m_transfer.Apply(record, EveryBit & ~MF_GAMMA, false);
    EXPECT_THAT(SimWrites(1), ElementsAre("0x82:0x10 140000"));

    // The flag byte of a reply counts as a difference; a function goes when full.
    SimRun("trace clear");
    Sim("set 1 overdrive-flag 1 quiet");
    Sim("fault 1 read saturation");
    record.Value(S::Saturation) = 1;   // unanswered: not written
    m_transfer.Apply(record, EveryBit & ~MF_GAMMA, true);
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x15 160000", "0xFF01:0x4A 010000", "0xFF01:0xAD 030000"));
}

} // namespace
