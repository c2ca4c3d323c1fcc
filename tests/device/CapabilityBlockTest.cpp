// The capability block walk, the supported-monitor test and the parse, with
// well-formed and malformed blocks. Blocks live in exactly 256 heap bytes so
// that the sanitizer build catches any read past the end.
#include "ScriptedLibrary.h"
#include "device/CCapabilityBlock.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <random>

namespace {

class Block {
public:
    Block() : bytes(new BYTE[256]) { std::memset(bytes.get(), 0xFF, 256); }
    // Appends type, length, data at the running offset.
    Block& Entry(BYTE type, std::initializer_list<BYTE> data) { return Entry(type, static_cast<BYTE>(data.size()), data); }
    Block& Entry(BYTE type, BYTE length, std::initializer_list<BYTE> data)
    {
        bytes[at] = type;
        bytes[at + 1] = length;
        int i = at + 2;
        for (BYTE b : data)
            bytes[i++] = b;
        at += length + 2;
        return *this;
    }
    // Fills with skipped type-2 entries up to the offset.
    Block& PadTo(int offset)
    {
        while (at < offset) {
            const int length = std::min(offset - at - 2, 200);
            Entry(2, static_cast<BYTE>(length), {});
        }
        return *this;
    }
    const BYTE* get() const { return bytes.get(); }
    BYTE* raw() { return bytes.get(); }

private:
    std::unique_ptr<BYTE[]> bytes;
    int at = 0;
};

MonitorCapabilities Zero()
{
    MonitorCapabilities caps;
    std::memset(&caps, 0, sizeof caps);
    return caps;
}

bool IsZero(const MonitorCapabilities& caps)
{
    const MonitorCapabilities zero = Zero();
    return std::memcmp(&caps, &zero, sizeof caps) == 0;
}

TEST(CapabilityBlockTest, EndMarkerFirstMeansNothing)
{
    Block block;
    EXPECT_FALSE(CCapabilityBlock::IsSupportedMonitor(block.get()));
    EXPECT_TRUE(IsZero(CCapabilityBlock::Parse(block.get())));
}

TEST(CapabilityBlockTest, SupportedFlagIsFoundInAnyFlagsEntry)
{
    Block shortFlags;
    shortFlags.Entry(4, {0x00, 0x02});
    EXPECT_TRUE(CCapabilityBlock::IsSupportedMonitor(shortFlags.get()));

    Block twoEntries;
    twoEntries.Entry(1, {1, 0}).Entry(4, {0x00, 0x01, 0, 0}).Entry(4, {0x00, 0x02, 0, 0});
    EXPECT_TRUE(CCapabilityBlock::IsSupportedMonitor(twoEntries.get()));

    Block otherBits;
    otherBits.Entry(4, {0xFF, 0xFD, 0xFF, 0xFF}).Entry(5, {0x00, 0x02});
    EXPECT_FALSE(CCapabilityBlock::IsSupportedMonitor(otherBits.get()));
}

TEST(CapabilityBlockTest, FieldsTakeAtMostTheirRoomLittleEndian)
{
    Block block;
    block.Entry(5, {1, 2, 3, 4, 5, 6, 7, 8})
        .Entry(6, 200, {0x11, 0x22, 0x33, 0x44, 0x55})
        .Entry(1, {1, 0, 9, 9})
        .Entry(15, {0x80, 0x01})
        .Entry(17, {0x00, 0x02, 0x00, 0x00})
        .Entry(14, {0x34, 0x12, 0x99, 0x99, 0x99, 0x99});   // must not reach the hot-key words behind it
    const MonitorCapabilities caps = CCapabilityBlock::Parse(block.get());
    EXPECT_EQ(caps.qwModes, 0x0807060504030201ULL);
    EXPECT_EQ(caps.dwTemperatures, 0x44332211u);
    EXPECT_EQ(caps.wColorAdjust[0], 1);
    EXPECT_EQ(caps.wColorAdjust[1], 0x0909);
    EXPECT_EQ(caps.wColorAdjust[2], 0);
    EXPECT_EQ(caps.dwHotKeyCaps, 0x180u);
    EXPECT_EQ(caps.dwHotKeyCaps2, 0x200u);
    EXPECT_EQ(caps.wGammas, 0x1234);

    Block shortModes;
    shortModes.Entry(5, {0xAA, 0xBB, 0xCC});
    EXPECT_EQ(CCapabilityBlock::Parse(shortModes.get()).qwModes, 0xCCBBAAULL);
}

TEST(CapabilityBlockTest, ModeMasksGoToTheirModesAndOthersAreSkipped)
{
    const std::pair<BYTE, int> table[] = {{49, 22}, {50, 23}, {51, 24}, {61, 33}, {62, 34}, {77, 40},
                                          {78, 41}, {79, 42}, {80, 43}, {84, 44}, {85, 45}, {86, 46}};
    Block block;
    for (const auto& [type, mode] : table)
        block.Entry(type, {static_cast<BYTE>(mode), 0, 0, 0x80});
    block.Entry(52, {0xFF, 0xFF, 0xFF, 0xFF}).Entry(0, {1, 1}).Entry(254, {1});
    const MonitorCapabilities caps = CCapabilityBlock::Parse(block.get());
    for (int mode = 0; mode < ColorModeCount; ++mode) {
        DWORD expected = 0;
        for (const auto& [type, m] : table) {
            if (m == mode)
                expected = 0x80000000u | static_cast<DWORD>(mode);
        }
        EXPECT_EQ(caps.dwModeFeatures[mode], expected) << "mode " << mode;
    }
}

TEST(CapabilityBlockTest, LaterEntriesOfATypeReplaceOnlyTheirOwnBytes)
{
    Block block;
    block.Entry(6, {0x11, 0x22, 0x33, 0x44}).Entry(6, {0xAA}).Entry(63, {0x34, 0x12}).Entry(63, {0x56});
    const MonitorCapabilities caps = CCapabilityBlock::Parse(block.get());
    EXPECT_EQ(caps.dwTemperatures, 0x443322AAu);
    // The gamma words are whole values: a one-byte entry leaves no stale high byte.
    EXPECT_EQ(caps.wGameGammas, 0x0056);
}

TEST(CapabilityBlockTest, WalkStaysInsideTheFirst255Bytes)
{
    Block at250;
    at250.PadTo(250).Entry(6, {1, 2, 3, 4});
    EXPECT_EQ(CCapabilityBlock::Parse(at250.get()).dwTemperatures, 0u);

    Block endsAt255;
    endsAt255.PadTo(249).Entry(6, {1, 2, 3, 4});
    EXPECT_EQ(CCapabilityBlock::Parse(endsAt255.get()).dwTemperatures, 0x04030201u);

    // A gamma entry of length 0 at offset 253: nothing may be read beyond it.
    Block emptyGamma;
    emptyGamma.PadTo(253).Entry(14, {});
    EXPECT_EQ(CCapabilityBlock::Parse(emptyGamma.get()).wGammas, 0);
    Block oneByteGamma;
    oneByteGamma.PadTo(252).Entry(14, {0x7F});
    EXPECT_EQ(CCapabilityBlock::Parse(oneByteGamma.get()).wGammas, 0x7F);

    int visited = 0;
    Block full;
    full.PadTo(254);
    CCapabilityBlock::Walk(full.get(), [&](const BYTE* entry) {
        EXPECT_LE(entry - full.get() + entry[1] + 2, 255);
        ++visited;
        return true;
    });
    EXPECT_GT(visited, 1);
}

TEST(CapabilityBlockTest, FirstEntryIsHandledWhateverItsLength)
{
    // Length 255 claims bytes past the block; only the room is copied and the
    // walk ends at once.
    Block block;
    block.raw()[0] = 6;
    block.raw()[1] = 255;
    block.raw()[2] = 0x78;
    block.raw()[3] = 0x56;
    block.raw()[4] = 0x34;
    block.raw()[5] = 0x12;
    block.raw()[6] = 4;   // would be a flags entry if the walk went on
    EXPECT_EQ(CCapabilityBlock::Parse(block.get()).dwTemperatures, 0x12345678u);

    Block gamma;
    gamma.raw()[0] = 14;
    gamma.raw()[1] = 255;
    gamma.raw()[2] = 0xCD;
    gamma.raw()[3] = 0xAB;
    EXPECT_EQ(CCapabilityBlock::Parse(gamma.get()).wGammas, 0xABCD);
}

TEST(CapabilityBlockTest, RandomBlocksNeverLeaveTheBlock)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 20000; ++round) {
        Block block;
        for (int i = 0; i < 256; ++i)
            block.raw()[i] = static_cast<BYTE>(random());
        // Bias towards short, plausible lengths so that walks get long.
        for (int i = 1; i < 256; i += 2)
            block.raw()[i] %= (round % 2) ? 12 : 255;
        CCapabilityBlock::IsSupportedMonitor(block.get());
        CCapabilityBlock::Parse(block.get());
    }
}

TEST(CapabilityBlockTest, CopyReplyPayloadCopiesTheSmallerOfLengthAndRoom)
{
    const BYTE entry[] = {5, 3, 0xA1, 0xA2, 0xA3, 0xEE};
    DWORD room = 0;
    CCapabilityBlock::CopyReplyPayload(entry, &room, sizeof room);
    EXPECT_EQ(room, 0xA3A2A1u);
    BYTE two[2] = {};
    CCapabilityBlock::CopyReplyPayload(entry, two, sizeof two);
    EXPECT_EQ(two[1], 0xA2);
}

TEST(CapabilityBlockTest, ReadingThroughTheChannel)
{
    ScriptedLibrary lib;
    CHIDMonitor channel;
    channel.SetHandle(7);
    // No such feature: not supported, every field 0.
    EXPECT_FALSE(CCapabilityBlock::IsSupportedMonitor(channel));
    EXPECT_TRUE(IsZero(CCapabilityBlock::Read(channel)));

    Block block;
    block.Entry(4, {0x00, 0x02}).Entry(5, {0xFF});
    auto& f = lib.At(FEATURE_CAPABILITIES.usagePage, FEATURE_CAPABILITIES.usage);
    f.count = 256;
    f.data.assign(block.get(), block.get() + 256);
    EXPECT_TRUE(CCapabilityBlock::IsSupportedMonitor(channel));
    EXPECT_EQ(CCapabilityBlock::Read(channel).qwModes, 0xFFu);
    EXPECT_EQ(lib.Last('R')->length, 257u);
    EXPECT_EQ(lib.Last('R')->hDevice, 7u);
}

} // namespace
