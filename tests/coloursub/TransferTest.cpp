// Reading a monitor into a record and writing a record back, against the
// simulated monitors: the order of the calls, which slots go, and the bytes.
#include "SimWrites.h"

#include "../device/SimControl.h"
#include "colour/ColorStatusTransfer.h"
#include "colour/ColorTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using S = ColorSlot;

namespace {

constexpr DWORD EveryBit = 0x3ED94FF;   // monitor 1's mask of mode 22

const std::vector<std::string> PictureOrder = {
    "0xFF00:0x07", "0x82:0x10", "0x82:0x12", "0xFF00:0x74", "0x82:0x16", "0x82:0x18", "0x82:0x1A",
    "0xFF00:0x66", "0xFF01:0xE0", "0xFF01:0xED", "0xFF00:0xB3", "0xFF00:0xB4", "0xFF01:0x4A", "0xFF01:0xAF",
};
const std::vector<std::string> FunctionOrder = {"0xFF01:0xA9", "0xFF01:0xAA", "0xFF01:0xAB", "0xFF01:0xAC",
                                                "0xFF01:0xAD"};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SimRun("reset default"));
        ASSERT_TRUE(SimFreshStart());
        m_handles = SimDiscover();
        ASSERT_EQ(m_handles.size(), 3u);
        m_channel.SetHandle(m_handles[0]);
    }

    void Sim(const std::string& command) { ASSERT_TRUE(SimRun(command)) << command; }

    // Monitor 1 as it is now, then the trace emptied.
    CMonitorColor Read()
    {
        CMonitorColor record;
        m_transfer.ReadAll(record);
        SimRun("trace clear");
        return record;
    }

    std::vector<DWORD> m_handles;
    CHIDMonitor m_channel;
    ColorStatusTransfer m_transfer{m_channel};
};

TEST_F(TransferTest, ReadAllTakesEverySlotModeFirst)
{
    Sim("set 1 brightness 40 quiet");
    Sim("set 1 overdrive 2 quiet");
    Sim("set 1 overdrive-flag 1 quiet");
    Sim("set 1 text-enhancer 1 quiet");
    Sim("set 1 text-enhancer-flag 1 quiet");
    Sim("fault 1 read contrast");
    SimRun("trace clear");
    CMonitorColor record;
    record.Value(S::Contrast) = 9;
    record.Max(S::Contrast) = 9;
    m_transfer.ReadAll(record);

    EXPECT_THAT(SimReads(1), ElementsAreArray(Joined({{"0xFF00:0x15"}, PictureOrder, FunctionOrder})));
    EXPECT_EQ(record.Value(S::Mode), 22);
    EXPECT_TRUE(record.Valid(S::Mode));
    EXPECT_EQ(record.Value(S::Brightness), 40);
    EXPECT_EQ(record.Max(S::Brightness), 100);
    EXPECT_EQ(record.Value(S::GainB), 204);
    EXPECT_EQ(record.Max(S::GainB), 255);
    EXPECT_EQ(record.Value(S::Hue), 32);
    EXPECT_EQ(record.Max(S::Hue), 63);
    EXPECT_EQ(record.Value(S::Overdrive), 2);
    EXPECT_EQ(record.m_byOverdriveFlag, 1);
    EXPECT_EQ(record.Value(S::TextEnhancer), 1);
    EXPECT_EQ(record.m_byTextEnhancerFlag, 1);
    // A read that failed leaves nothing of the old record behind.
    EXPECT_FALSE(record.Valid(S::Contrast));
    EXPECT_EQ(record.Value(S::Contrast), 0);
    EXPECT_EQ(record.Max(S::Contrast), 0);
}

TEST_F(TransferTest, AfterAResetOnlyThePictureValuesAreRead)
{
    CMonitorColor record = Read();
    record.Value(S::Mode) = 33;
    record.Value(S::Glintara) = 4;
    Sim("set 1 brightness 10 quiet");
    SimRun("trace clear");
    m_transfer.ReadPictureValues(record);
    EXPECT_THAT(SimReads(1), ElementsAreArray(PictureOrder));
    EXPECT_EQ(record.Value(S::Brightness), 10);
    EXPECT_EQ(record.Value(S::Mode), 33);
    EXPECT_EQ(record.Value(S::Glintara), 4);
}

TEST_F(TransferTest, RestoreWritesEveryValidAllowedSlotInOrder)
{
    CMonitorColor record = Read();
    record.Value(S::Brightness) = 35;
    record.Value(S::Overdrive) = 2;
    record.m_byOverdriveFlag = 1;      // never written back
    record.Valid(S::Hue) = FALSE;      // not read: not written
    m_transfer.Restore(record, EveryBit & ~MF_CONTRAST);

    // Temperature 6: the gains stay as they are.
    EXPECT_THAT(SimWrittenFeatures(1),
                ElementsAre("0xFF00:0x15", "0xFF00:0x07", "0x82:0x10", "0xFF00:0x74", "0xFF00:0x66", "0xFF01:0xE0",
                            "0xFF01:0xED", "0xFF00:0xB3", "0xFF01:0x4A", "0xFF01:0xAF", "0xFF01:0xA9", "0xFF01:0xAA",
                            "0xFF01:0xAB", "0xFF01:0xAC", "0xFF01:0xAD"));
    const std::vector<std::string> writes = SimWrites(1);
    EXPECT_EQ(writes[0], "0xFF00:0x15 160000");
    EXPECT_EQ(writes[2], "0x82:0x10 230000");
    EXPECT_EQ(writes[8], "0xFF01:0x4A 020000");
    EXPECT_EQ(SimValue(1, "brightness"), 35);
    EXPECT_EQ(SimValue(1, "overdrive"), 2);
}

// The gains go back only under temperature 0 or 15, and only where the
// monitor's own gain differs.
TEST_F(TransferTest, RestoreTakesTheGainsOnlyUnderTheirTemperatures)
{
    CMonitorColor record = Read();
    record.Value(S::GainR) = 100;
    record.Value(S::GainB) = 150;
    for (WORD temperature : {WORD(0), WORD(15)}) {
        Sim("set 1 gain-red 204 quiet");
        Sim("set 1 gain-blue 204 quiet");
        SimRun("trace clear");
        record.Value(S::Temperature) = temperature;
        m_transfer.Restore(record, EveryBit);
        const std::vector<std::string> features = SimWrittenFeatures(1);
        ASSERT_GE(features.size(), 5u) << temperature;
        EXPECT_THAT(std::vector<std::string>(features.begin(), features.begin() + 5),
                    ElementsAre("0xFF00:0x15", "0xFF00:0x07", "0x82:0x10", "0x82:0x16", "0x82:0x1A"))
            << temperature;
        EXPECT_EQ(SimValue(1, "gain-red"), 100);
        EXPECT_EQ(SimValue(1, "gain-green"), 204);
        EXPECT_EQ(SimValue(1, "gain-blue"), 150);
    }
    // A gain the monitor does not answer is not written.
    Sim("set 1 gain-red 204 quiet");
    Sim("fault 1 read gain-red");
    m_transfer.Restore(record, EveryBit);
    EXPECT_EQ(SimValue(1, "gain-red"), 204);
}

TEST_F(TransferTest, ApplyWritesOnlyWhatDiffers)
{
    CMonitorColor record = Read();
    m_transfer.Apply(record, EveryBit, false);
    EXPECT_TRUE(SimWrites(1).empty());

    record.Value(S::Brightness) = 20;
    record.Value(S::Gamma) = 247;
    record.Value(S::Glintara) = 3;   // a function: not in a partial write
    record.Value(S::Mode) = 23;      // nor the mode
    m_transfer.Apply(record, EveryBit & ~MF_GAMMA, false);
    EXPECT_THAT(SimWrites(1), ElementsAre("0x82:0x10 140000"));
    EXPECT_EQ(SimValue(1, "mode"), 22);
}

TEST_F(TransferTest, FullApplyAddsTheModeAndTheFunctions)
{
    Sim("set 1 glintara 1 quiet");
    Sim("set 1 glintara 3 mode 23 quiet");
    Sim("set 1 text-enhancer 1 mode 23 quiet");
    CMonitorColor record = Read();   // mode 22's values
    record.Value(S::Mode) = 23;
    record.Value(S::TextEnhancer) = 1;
    Sim("set 1 mode 23 quiet");
    SimRun("trace clear");
    m_transfer.Apply(record, EveryBit, true);
    // Mode 23 holds brightness 70 and Glintara 3; the mode is written
    // without a look at what the monitor has.
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x15 170000", "0x82:0x10 3C0000", "0xFF01:0xAD 010000"));
    EXPECT_EQ(SimValue(1, "glintara"), 1);
    EXPECT_EQ(SimValue(1, "brightness"), 60);
}

// The flag byte of the reply is part of the comparison.
TEST_F(TransferTest, ApplyCountsASetFlagByteAsADifference)
{
    CMonitorColor record = Read();
    Sim("set 1 overdrive-flag 1 quiet");
    Sim("set 1 text-enhancer-flag 2 quiet");
    SimRun("trace clear");
    m_transfer.Apply(record, EveryBit, true);
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x15 160000", "0xFF01:0x4A 010000", "0xFF01:0xAC 000000"));
}

TEST_F(TransferTest, NothingGoesWithoutTheMaskBitOrTheValidFlag)
{
    CMonitorColor record = Read();
    for (int slot = 1; slot < CMonitorColor::SlotCount; ++slot)
        record.m_wValue[slot] = 1;
    record.Value(S::Temperature) = 0;
    m_transfer.Apply(record, 0, true);
    m_transfer.Restore(record, 0);
    EXPECT_THAT(SimWrittenFeatures(1), ElementsAre("0xFF00:0x15", "0xFF00:0x15"));

    record.ClearValid();
    m_transfer.Apply(record, EveryBit, true);
    m_transfer.Restore(record, EveryBit);
    EXPECT_THAT(SimWrittenFeatures(1), ElementsAre("0xFF00:0x15", "0xFF00:0x15"));
}

TEST_F(TransferTest, CommitAndResetCommands)
{
    Sim("set 1 brightness 10 quiet");
    EXPECT_TRUE(m_transfer.Reset());
    EXPECT_EQ(SimValue(1, "brightness"), 60);
    EXPECT_TRUE(m_transfer.Commit());
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF01:0xA1 =1", "0xFF01:0xA0 000000"));
}

} // namespace
