// The feature channel against a scripted library: what is copied, zeroed,
// padded and sent, when the pause before long writes happens, and the two
// monitor tests built on the channel.
#include "ScriptedLibrary.h"
#include "device/CFeatureClock.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

namespace {

constexpr WORD Page = 0xFF00;
constexpr BYTE Usage = 0x42;

class ChannelTest : public ::testing::Test {
protected:
    ScriptedLibrary lib;
    CHIDMonitor channel;

    ScriptedLibrary::Feature& Feature(DWORD count, std::vector<BYTE> data = {})
    {
        auto& f = lib.At(Page, Usage);
        f.count = count;
        f.data = std::move(data);
        return f;
    }
};

TEST_F(ChannelTest, ReadCopiesAtMostCountBytesAndZeroesTheRest)
{
    Feature(1, {0x37, 0x99});
    BYTE buffer[2] = {0xAA, 0xAA};
    ASSERT_TRUE(channel.GetFeature(buffer, 2, Usage, Page));
    EXPECT_EQ(buffer[0], 0x37);
    EXPECT_EQ(buffer[1], 0);
    EXPECT_EQ(lib.Last('R')->length, 2u);

    Feature(3, {1, 2, 3, 4});
    BYTE wide[6];
    std::memset(wide, 0xAA, sizeof wide);
    ASSERT_TRUE(channel.GetFeature(wide, 6, Usage, Page));
    const BYTE expected[6] = {1, 2, 3, 0, 0, 0};
    EXPECT_EQ(std::memcmp(wide, expected, 6), 0);
    EXPECT_EQ(lib.Last('R')->length, 4u);

    Feature(8, {1, 2, 3, 4, 5, 6, 7, 8});
    BYTE narrow[3] = {};
    ASSERT_TRUE(channel.GetFeature(narrow, 3, Usage, Page));
    EXPECT_EQ(narrow[2], 3);
}

TEST_F(ChannelTest, SingleValueReadSucceedsEmptyAndStillGivesTheMaximum)
{
    auto& f = Feature(0, {0x55});
    f.a = 0x12345;
    f.b = 0xABCDEF;
    BYTE buffer[2] = {0xAA, 0xAA};
    WORD maximum = 0, second = 0;
    ASSERT_TRUE(channel.GetFeature(buffer, 2, Usage, Page, &maximum, &second));
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0);
    EXPECT_EQ(maximum, 0x2345);
    EXPECT_EQ(second, 0xCDEF);
    EXPECT_EQ(lib.Last('R')->length, 1u);
}

TEST_F(ChannelTest, FailedReadsLeaveZeroAndNoMaximum)
{
    auto& f = Feature(2, {7, 7});
    f.a = 100;
    BYTE buffer[2] = {0xAA, 0xAA};
    WORD maximum = 9, second = 9;

    f.flag = 1;   // described but not usable: no data call follows
    EXPECT_FALSE(channel.GetFeature(buffer, 2, Usage, Page, &maximum, &second));
    EXPECT_EQ(lib.CountOf('R'), 0);
    EXPECT_EQ(buffer[0] | buffer[1], 0);
    EXPECT_EQ(maximum, 0);
    EXPECT_EQ(second, 0);

    f.flag = 0;
    f.describeResult = -5;
    maximum = 9;
    EXPECT_FALSE(channel.GetFeature(buffer, 2, Usage, Page, &maximum));
    EXPECT_EQ(maximum, 0);

    f.describeResult = 0;
    f.readResult = -1;
    buffer[0] = buffer[1] = 0xAA;
    maximum = 9;
    EXPECT_FALSE(channel.GetFeature(buffer, 2, Usage, Page, &maximum));
    EXPECT_EQ(buffer[0] | buffer[1], 0);
    EXPECT_EQ(maximum, 0);
}

TEST_F(ChannelTest, RefusesBadBuffersAndSizesWithoutAskingTheLibrary)
{
    Feature(2, {1, 2});
    WORD maximum = 9;
    EXPECT_FALSE(channel.GetFeature(nullptr, 2, Usage, Page, &maximum));
    EXPECT_EQ(maximum, 9);   // a null buffer writes nothing at all
    EXPECT_FALSE(channel.SetFeature(nullptr, 2, Usage, Page));

    BYTE guard[2] = {0xAA, 0xAA};
    EXPECT_FALSE(channel.GetFeature(guard, 0, Usage, Page));
    EXPECT_FALSE(channel.GetFeature(guard, -3, Usage, Page));
    EXPECT_FALSE(channel.SetFeature(guard, 0, Usage, Page));
    EXPECT_FALSE(channel.SetFeature(guard, -1, Usage, Page));
    EXPECT_EQ(guard[0], 0xAA);
    EXPECT_TRUE(lib.calls.empty());
}

TEST_F(ChannelTest, RefusesDescriptionsBeyondAnyRealPayload)
{
    Feature(256, std::vector<BYTE>(256, 0x11));
    BYTE block[256] = {};
    ASSERT_TRUE(channel.GetFeature(block, 256, Usage, Page));
    EXPECT_EQ(block[255], 0x11);

    for (DWORD count : {DWORD(CHIDMonitor::MaxPayload + 1), DWORD(0x7FFFFFFF), DWORD(0xFFFFFFFF)}) {
        Feature(count, {1});
        BYTE buffer[4] = {0xAA};
        EXPECT_FALSE(channel.GetFeature(buffer, 4, Usage, Page)) << count;
        EXPECT_EQ(buffer[0], 0);
        EXPECT_FALSE(channel.SetFeature(buffer, 4, Usage, Page)) << count;
    }
    EXPECT_EQ(lib.CountOf('R'), 1);
    EXPECT_EQ(lib.CountOf('W') + lib.CountOf('V'), 0);
}

TEST_F(ChannelTest, SingleValueWriteSendsOnlyTheFirstByte)
{
    Feature(0);
    const BYTE word[2] = {0x00, 0x01};   // 0x0100
    ASSERT_TRUE(channel.SetFeature(word, 2, Usage, Page));
    ASSERT_EQ(lib.CountOf('W'), 0);
    EXPECT_EQ(lib.Last('V')->length, 0u);

    const BYTE value[4] = {0xC8, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(channel.SetFeature(value, 4, Usage, Page));
    EXPECT_EQ(lib.Last('V')->length, 0xC8u);
}

TEST_F(ChannelTest, ArrayWriteSendsCountPlusOneBytesPaddedWithZero)
{
    Feature(4);
    const BYTE shortData[2] = {0x11, 0x22};
    ASSERT_TRUE(channel.SetFeature(shortData, 2, Usage, Page));
    EXPECT_EQ(lib.Last('W')->bytes, (std::vector<BYTE>{0x11, 0x22, 0, 0, 0}));

    const BYTE longData[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(channel.SetFeature(longData, 6, Usage, Page));
    EXPECT_EQ(lib.Last('W')->bytes, (std::vector<BYTE>{1, 2, 3, 4, 0}));
    EXPECT_EQ(lib.Last('W')->length, 5u);

    lib.At(Page, Usage).writeResult = -2;
    EXPECT_FALSE(channel.SetFeature(longData, 6, Usage, Page));
    lib.At(Page, Usage).describeResult = -1;
    const size_t sent = lib.calls.size();
    EXPECT_FALSE(channel.SetFeature(longData, 6, Usage, Page));
    EXPECT_EQ(lib.calls.size(), sent + 1);   // the description only
}

TEST_F(ChannelTest, AnyResultOfZeroOrMoreIsSuccess)
{
    for (int success : {0, 1, 0x7FFFFFFF}) {
        auto& f = Feature(2, {0x34, 0x12});
        f.describeResult = success;
        f.readResult = success;
        f.writeResult = success;
        f.a = 50;
        BYTE buffer[2] = {};
        WORD maximum = 0;
        EXPECT_TRUE(channel.GetFeature(buffer, 2, Usage, Page, &maximum)) << success;
        EXPECT_EQ(buffer[1], 0x12);
        EXPECT_EQ(maximum, 50);
        EXPECT_TRUE(channel.SetFeature(buffer, 2, Usage, Page)) << success;
        EXPECT_EQ(channel.IsFeatureAvailable(Usage, Page), 1) << success;
        f.count = 0;
        EXPECT_TRUE(channel.SetFeature(buffer, 2, Usage, Page)) << success;
    }
    EXPECT_EQ(lib.CountOf('V'), 3);
}

TEST_F(ChannelTest, HandleGoesToTheLibraryAsGiven)
{
    Feature(1, {1});
    BYTE b = 0;
    channel.GetFeature(&b, 1, Usage, Page);
    EXPECT_EQ(lib.Last('D')->hDevice, 0u);
    channel.SetHandle(0xBEEF);
    CHIDMonitor copy(channel);
    EXPECT_EQ(copy.GetHandle(), 0xBEEFu);
    copy.GetFeature(&b, 1, FEATURE_COLOR_MODE);
    EXPECT_EQ(lib.Last('D')->hDevice, 0xBEEFu);
    EXPECT_EQ(lib.Last('D')->usagePage, 0xFF00u);
    EXPECT_EQ(lib.Last('D')->usage, 0x15u);
}

TEST_F(ChannelTest, AvailabilityFollowsTheDescriptionOnly)
{
    auto& f = Feature(1);
    EXPECT_EQ(channel.IsFeatureAvailable(Usage, Page), 1);
    f.flag = 3;
    EXPECT_EQ(channel.IsFeatureAvailable(Usage, Page), 0);
    f.flag = 0;
    f.describeResult = -1;
    EXPECT_EQ(channel.IsFeatureAvailable(Usage, Page), 0);
    EXPECT_EQ(channel.IsFeatureAvailable(FEATURE_CONNECT_FLAG), 0);
    EXPECT_EQ(lib.CountOf('R') + lib.CountOf('W') + lib.CountOf('V'), 0);
}

// A clock that moves 1000 ticks per reading at 10 MHz: 1 ms is 10 readings.
struct SteppingClock {
    static inline ULONGLONG now = 0;
    static inline int readings = 0;
    static inline ULONGLONG atWrite = 0;
    static ULONGLONG Frequency() { return 10000000; }
    static ULONGLONG Counter()
    {
        ++readings;
        return now += 1000;
    }
    static void NoteWrite() { atWrite = now; }
};

class ChannelWaitTest : public ChannelTest {
protected:
    CFeatureClock::Source saved;
    void SetUp() override
    {
        saved = CFeatureClock::Install({SteppingClock::Frequency, SteppingClock::Counter});
        SteppingClock::now = 0;
        SteppingClock::readings = 0;
        lib.onArrayWrite = SteppingClock::NoteWrite;
    }
    void TearDown() override { CFeatureClock::Install(saved); }
};

TEST_F(ChannelWaitTest, EightBytesOrMoreWaitAtLeastOneMillisecond)
{
    Feature(16);
    const BYTE data[16] = {};
    ASSERT_TRUE(channel.SetFeature(data, 8, Usage, Page));
    // The first reading is the start; the write comes 10,000 ticks later at the earliest.
    EXPECT_GE(SteppingClock::atWrite, 1000u + 10000u);
    EXPECT_GE(SteppingClock::readings, 11);

    SteppingClock::readings = 0;
    ASSERT_TRUE(channel.SetFeature(data, 16, Usage, Page));
    EXPECT_GE(SteppingClock::readings, 11);
}

TEST_F(ChannelWaitTest, SevenBytesOrFewerGoWithoutWaiting)
{
    Feature(16);
    const BYTE data[16] = {};
    ASSERT_TRUE(channel.SetFeature(data, 7, Usage, Page));
    Feature(7);
    ASSERT_TRUE(channel.SetFeature(data, 16, Usage, Page));   // only 7 copied
    Feature(0);
    ASSERT_TRUE(channel.SetFeature(data, 16, Usage, Page));   // a single value
    BYTE read[16];
    Feature(16);
    ASSERT_TRUE(channel.GetFeature(read, 16, Usage, Page));
    EXPECT_EQ(SteppingClock::readings, 0);
}

std::chrono::steady_clock::time_point writeSeen;
void NoteRealWrite()
{
    writeSeen = std::chrono::steady_clock::now();
}

TEST_F(ChannelTest, RealClockPausesAtLeastOneMillisecond)
{
    Feature(24);
    lib.onArrayWrite = NoteRealWrite;
    const BYTE data[24] = {};
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(channel.SetFeature(data, 24, Usage, Page));
        EXPECT_GE(writeSeen - start, std::chrono::milliseconds(1));
    }
}

class MonitorTestsTest : public ChannelTest {
protected:
    void Permission(std::vector<BYTE> enable, std::vector<BYTE> state)
    {
        lib.features.clear();
        if (!enable.empty()) {
            auto& f = lib.At(FEATURE_ADJUST_ENABLE.usagePage, FEATURE_ADJUST_ENABLE.usage);
            f.count = 2;
            f.data = enable;
        }
        if (!state.empty()) {
            auto& f = lib.At(FEATURE_ADJUST_STATE.usagePage, FEATURE_ADJUST_STATE.usage);
            f.count = 1;
            f.data = state;
        }
    }
};

TEST_F(MonitorTestsTest, AdjustmentPermittedTestsTheWholeWordAndOnlyStateTwo)
{
    Permission({0x00, 0x01}, {0});
    EXPECT_TRUE(channel.IsAdjustmentPermitted());   // 0x0100: low byte 0 still permits
    Permission({0x01, 0x00}, {1});
    EXPECT_TRUE(channel.IsAdjustmentPermitted());
    Permission({0x01, 0x00}, {3});
    EXPECT_TRUE(channel.IsAdjustmentPermitted());
    Permission({0x01, 0x00}, {2});
    EXPECT_FALSE(channel.IsAdjustmentPermitted());
    Permission({0x00, 0x00}, {0});
    EXPECT_FALSE(channel.IsAdjustmentPermitted());
    Permission({}, {0});
    EXPECT_FALSE(channel.IsAdjustmentPermitted());   // no enable word: never
    Permission({0x05, 0x00}, {});
    EXPECT_TRUE(channel.IsAdjustmentPermitted());    // a missing state alone forbids nothing
}

TEST_F(MonitorTestsTest, MonitorAnswersWhenItsModeCanBeRead)
{
    EXPECT_FALSE(channel.IsMonitorAnswering());
    auto& f = lib.At(FEATURE_COLOR_MODE.usagePage, FEATURE_COLOR_MODE.usage);
    f.count = 2;
    f.data = {23, 0};
    EXPECT_TRUE(channel.IsMonitorAnswering());
    f.readResult = -1;
    EXPECT_FALSE(channel.IsMonitorAnswering());
}

// Windows that derive from the channel may replace its reads; the monitor
// tests must go through the replacement.
class CountingChannel : public CHIDMonitor {
public:
    int reads = 0;
    bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD* second) override
    {
        ++reads;
        return CHIDMonitor::GetFeature(buffer, size, usage, usagePage, maximum, second);
    }
    using CHIDMonitor::GetFeature;
};

TEST_F(MonitorTestsTest, MonitorTestsUseTheVirtualRead)
{
    CountingChannel counting;
    counting.IsAdjustmentPermitted();
    counting.IsMonitorAnswering();
    EXPECT_EQ(counting.reads, 3);
}

} // namespace
