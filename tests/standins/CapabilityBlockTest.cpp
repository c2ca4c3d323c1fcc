// The capability block read back the way the program walks it: entries
// from offset 0, each ending within the first 255 bytes, type 0xFF ends.
#include "standins/libdravo/CapabilityBlock.h"
#include "standins/libdravo/Scenario.h"
#include <gtest/gtest.h>
#include <map>

namespace {

struct Walked {
    std::map<int, std::vector<BYTE>> entries; // last entry of each type
    int count = 0;
    bool terminated = false;
};

Walked walk(const CapabilityBlock::Bytes& block)
{
    Walked out;
    size_t offset = 0;
    while (true) {
        if (block[offset] == 0xFF) {
            out.terminated = true;
            break;
        }
        size_t length = block[offset + 1];
        out.entries[block[offset]] = std::vector<BYTE>(block.begin() + offset + 2, block.begin() + offset + 2 + length);
        ++out.count;
        offset += length + 2;
        if (offset > 254 || offset + block[offset + 1] + 2 > 255)
            break;
    }
    return out;
}

uint64_t value(const std::vector<BYTE>& data)
{
    uint64_t v = 0;
    for (size_t i = 0; i < data.size() && i < 8; ++i)
        v |= uint64_t(data[i]) << (8 * i);
    return v;
}

MonitorProfile defaultProfile(const char* name)
{
    Scenario scenario;
    std::string error;
    EXPECT_TRUE(scenario.parse(Scenario::defaultText(), error)) << error;
    return *scenario.profile(name);
}

} // namespace

TEST(CapabilityBlock, DefaultModelAnnouncesEverythingOfItsProfile)
{
    MonitorProfile p = defaultProfile("q27");
    CapabilityBlock::Bytes block;
    ASSERT_TRUE(CapabilityBlock::build(p, block));
    Walked w = walk(block);
    ASSERT_TRUE(w.terminated);
    EXPECT_EQ(value(w.entries[4]) & 0x200, 0x200u);
    EXPECT_EQ(value(w.entries[1]) & 0xFFFF, 1u);
    EXPECT_EQ(w.entries[5].size(), 8u);
    EXPECT_EQ(value(w.entries[5]), p.modes);
    EXPECT_EQ(value(w.entries[6]), 0x947Eu);
    EXPECT_EQ(value(w.entries[14]), 0x107Cu);
    EXPECT_EQ(value(w.entries[63]), 0x0F00u);
    EXPECT_EQ(value(w.entries[15]) & 0x180, 0x180u);
    EXPECT_EQ(value(w.entries[17]) & 0x200, 0x200u);
    EXPECT_EQ(value(w.entries[49]), 0x3ED94FFu);
    EXPECT_EQ(value(w.entries[62]), 0x8003u);
    EXPECT_EQ(value(w.entries[84]), 0xC940Bu);
    ASSERT_EQ(w.entries.count(86), 1u);
    EXPECT_EQ(value(w.entries[86]), 0u) << "a supported mode without adjustment still has its mask entry";
}

TEST(CapabilityBlock, OtherModelDiffersInModesMasksAndHotKeyType)
{
    CapabilityBlock::Bytes block;
    ASSERT_TRUE(CapabilityBlock::build(defaultProfile("u32"), block));
    Walked w = walk(block);
    EXPECT_EQ(value(w.entries[5]), (1ull << 22) | (1ull << 23) | (1ull << 33) | (1ull << 40) | (1ull << 41) | (1ull << 46));
    EXPECT_EQ(value(w.entries[17]) & 0x200, 0u);
    EXPECT_EQ(w.entries.count(51), 0u) << "mode 24 is neither supported nor masked";
    EXPECT_EQ(value(w.entries[49]), 0x2094FFu);
}

TEST(CapabilityBlock, MaskEntriesExistOnlyForTheirModes)
{
    EXPECT_EQ(MonitorProfile::maskEntryType(22), 49);
    EXPECT_EQ(MonitorProfile::maskEntryType(34), 62);
    EXPECT_EQ(MonitorProfile::maskEntryType(43), 80);
    EXPECT_EQ(MonitorProfile::maskEntryType(46), 86);
    EXPECT_EQ(MonitorProfile::maskEntryType(25), -1);
    EXPECT_EQ(MonitorProfile::maskEntryType(0), -1);
}

TEST(CapabilityBlock, ExtraEntriesFollowAndTheRunNeverReachesByte255)
{
    MonitorProfile p;
    p.extraEntries.push_back({52, {1, 2, 3, 4}});
    p.extraEntries.push_back({4, {0x00, 0x02}});
    CapabilityBlock::Bytes block;
    ASSERT_TRUE(CapabilityBlock::build(p, block));
    Walked w = walk(block);
    EXPECT_TRUE(w.terminated);
    EXPECT_EQ(w.entries[52], (std::vector<BYTE>{1, 2, 3, 4}));
    EXPECT_EQ(w.entries[4], (std::vector<BYTE>{0x00, 0x02})) << "a later type-4 entry replaces the first";

    // Fill until it no longer fits: the largest accepted block still ends in time.
    MonitorProfile full;
    std::string error;
    while (CapabilityBlock::build(full, block, &error))
        full.extraEntries.push_back({70, std::vector<BYTE>(10, 0xAB)});
    EXPECT_FALSE(error.empty());
    full.extraEntries.pop_back();
    ASSERT_TRUE(CapabilityBlock::build(full, block));
    Walked last = walk(block);
    EXPECT_TRUE(last.terminated);
    EXPECT_EQ(last.count, 8 + static_cast<int>(full.extraEntries.size()));
}

TEST(CapabilityBlock, RawBlockIsAnsweredAsGiven)
{
    MonitorProfile p;
    p.rawBlockSet = true;
    p.rawBlock.fill(0);
    p.rawBlock[0] = 0xFF;
    CapabilityBlock::Bytes block;
    ASSERT_TRUE(CapabilityBlock::build(p, block));
    EXPECT_EQ(block, p.rawBlock);
}
