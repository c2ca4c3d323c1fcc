// The colour-data record: its byte layout, the product name of a key, the
// import checks, and reading from and writing to a monitor through a
// channel that answers from a table.
#include "colour/ColorDataRecord.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"
#include "framework/CCodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A monitor behind a channel: each feature's 2 bytes and maximum; writes
// are recorded and change what later reads see.
class TableChannel : public CHIDMonitor {
public:
    struct Feature {
        BYTE bytes[2] = {};
        WORD maximum = 0;
        bool readable = true;
    };
    struct Write {
        FeatureAddress feature;
        std::vector<BYTE> bytes;
    };

    void Set(const FeatureAddress& feature, WORD value, WORD maximum, BYTE flag = 0)
    {
        Feature& f = features[Key(feature)];
        f.bytes[0] = LOBYTE(value);
        f.bytes[1] = flag ? flag : HIBYTE(value);
        f.maximum = maximum;
    }
    void Unreadable(const FeatureAddress& feature) { features[Key(feature)].readable = false; }
    WORD Value(const FeatureAddress& feature) { Feature& f = features[Key(feature)]; return WORD(f.bytes[0] | (f.bytes[1] << 8)); }
    std::vector<FeatureAddress> Written() const
    {
        std::vector<FeatureAddress> order;
        for (const Write& write : writes)
            order.push_back(write.feature);
        return order;
    }
    const Write* LastWriteOf(const FeatureAddress& feature) const
    {
        const Write* found = nullptr;
        for (const Write& write : writes)
            found = write.feature == feature ? &write : found;
        return found;
    }

    bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD* second) override
    {
        std::memset(buffer, 0, static_cast<size_t>(size));
        if (maximum)
            *maximum = 0;
        if (second)
            *second = 0;
        reads.push_back({usagePage, usage});
        auto it = features.find({usagePage, usage});
        if (it == features.end() || !it->second.readable)
            return false;
        std::memcpy(buffer, it->second.bytes, std::min<size_t>(static_cast<size_t>(size), 2));
        if (maximum)
            *maximum = it->second.maximum;
        return true;
    }
    bool SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage) override
    {
        writes.push_back({{usagePage, usage}, std::vector<BYTE>(buffer, buffer + size)});
        Feature& f = features[{usagePage, usage}];
        std::memcpy(f.bytes, buffer, std::min<size_t>(static_cast<size_t>(size), 2));
        return true;
    }

    std::map<std::pair<WORD, BYTE>, Feature> features;
    std::vector<FeatureAddress> reads;
    std::vector<Write> writes;

private:
    static std::pair<WORD, BYTE> Key(const FeatureAddress& f) { return {f.usagePage, f.usage}; }
};

struct Masks {
    DWORD modes[ColorModeCount] = {};
};

ColorDataRecord Zeroed()
{
    ColorDataRecord record;
    record.Clear();
    return record;
}

// A valid record of mode 22 for model code TP000001 with mask 0x4F.
ColorDataRecord Valid(LPCSTR header = "Talvex V1.0x")
{
    ColorDataRecord record = Zeroed();
    record.SetHeader(header);
    record.SetModel("TP000001");
    record.nMode = 22;
    record.dwFeatureMask = 0x4F;
    return record;
}

void Present(ColorDataRecord& record, int slot, short value, short maximum)
{
    record.slots[slot].bPresent = 1;
    record.slots[slot].nValue = value;
    record.slots[slot].nMax = maximum;
}

TEST(ColorDataRecordLayout, FieldsLieWhereTheFileHasThem)
{
    EXPECT_EQ(sizeof(ColorDataRecord), 204u);
    EXPECT_EQ(offsetof(ColorDataRecord, szHeader), 0u);
    EXPECT_EQ(offsetof(ColorDataRecord, szModel), 36u);
    EXPECT_EQ(offsetof(ColorDataRecord, nMode), 46u);
    EXPECT_EQ(offsetof(ColorDataRecord, dwFeatureMask), 48u);
    EXPECT_EQ(offsetof(ColorDataRecord, slots), 52u);
    EXPECT_EQ(offsetof(ColorDataSlot, nValue), 4u);
    EXPECT_EQ(offsetof(ColorDataSlot, nMax), 6u);

    ColorDataRecord record = Valid();
    record.nMode = 23;
    record.dwFeatureMask = 0x0102034F;
    Present(record, 1, 60, 100);
    Present(record, 18, -2, 0x1234);
    BYTE bytes[ColorDataRecord::Size];
    std::memset(bytes, 0xAA, sizeof bytes);
    record.ToBytes(bytes);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes)), "Talvex V1.0x");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes + 36)), "TP000001");
    EXPECT_EQ(bytes[35], 0);
    const std::vector<BYTE> mode(bytes + 46, bytes + 52);
    EXPECT_EQ(mode, (std::vector<BYTE>{0x17, 0x00, 0x4F, 0x03, 0x02, 0x01}));
    const std::vector<BYTE> brightness(bytes + 60, bytes + 68);
    EXPECT_EQ(brightness, (std::vector<BYTE>{1, 0, 0, 0, 60, 0, 100, 0}));
    const std::vector<BYTE> glintara(bytes + 196, bytes + 204);
    EXPECT_EQ(glintara, (std::vector<BYTE>{1, 0, 0, 0, 0xFE, 0xFF, 0x34, 0x12}));
    EXPECT_EQ(bytes[52], 0) << "an absent slot is all zero";
}

TEST(ColorDataRecordLayout, SlotsFollowTheFileOrder)
{
    const std::pair<FeatureAddress, DWORD> expected[ColorDataRecord::SlotCount] = {
        {FEATURE_COLOR_TEMPERATURE, 0x4}, {FEATURE_BRIGHTNESS, 0x1},       {FEATURE_CONTRAST, 0x2},
        {FEATURE_BLACK_LEVEL, 0x1000},    {FEATURE_GAMMA, 0x8},            {FEATURE_GAIN_RED, 0x40},
        {FEATURE_GAIN_GREEN, 0x40},       {FEATURE_GAIN_BLUE, 0x40},       {FEATURE_CONTRAST_ENHANCER, 0x80},
        {FEATURE_VELOCIS, 0x80000},       {FEATURE_SATURATION, 0x10},      {FEATURE_HUE, 0x20},
        {FEATURE_OVERDRIVE, 0x400},       {FEATURE_NOISE_REDUCTION, 0x2000000}, {FEATURE_SENSORA, 0x200000},
        {FEATURE_CRISORA, 0x10000},       {FEATURE_SKIN_TONE, 0x400000},   {FEATURE_TEXT_ENHANCER, 0x800000},
        {FEATURE_GLINTARA, 0x40000},
    };
    for (int i = 0; i < ColorDataRecord::SlotCount; ++i) {
        EXPECT_TRUE(ColorDataRecord::Slots[i].feature == expected[i].first) << "slot " << i;
        EXPECT_EQ(ColorDataRecord::Slots[i].dwMaskBit, expected[i].second) << "slot " << i;
    }
}

TEST(ColorDataRecordLayout, TextsStayInsideTheirFields)
{
    ColorDataRecord record = Zeroed();
    record.SetModel("ABCDEFGHIJKL");
    EXPECT_EQ(record.Model(), "ABCDEFGHI");
    EXPECT_EQ(record.szModel[9], 0);
    record.SetHeader(std::string(50, 'h').c_str());
    EXPECT_EQ(record.Header().GetLength(), 35);

    // A file without the NULs: the texts end with their fields.
    std::memset(record.szHeader, 'H', sizeof record.szHeader);
    std::memset(record.szModel, 'M', sizeof record.szModel);
    record.nMode = 0x4141;
    EXPECT_EQ(record.Header().GetLength(), 36);
    EXPECT_EQ(record.Model(), "MMMMMMMMMM");
}

TEST(ColorDataRecordLayout, ShortFileLeavesTheRestZero)
{
    ColorDataRecord source = Valid();
    Present(source, 0, 6, 15);
    BYTE bytes[ColorDataRecord::Size];
    source.ToBytes(bytes);

    ColorDataRecord read = Valid();
    read.FromBytes(bytes, 50);   // header, model, mode, half the mask
    EXPECT_EQ(read.Model(), "TP000001");
    EXPECT_EQ(read.nMode, 22);
    EXPECT_EQ(read.dwFeatureMask, 0x4Fu);   // its upper bytes were zero anyway
    EXPECT_EQ(read.slots[0].bPresent, 0u);

    read.FromBytes(bytes, 10);
    EXPECT_EQ(read.Header(), "Talvex V1.");
    EXPECT_EQ(read.nMode, 0);
    read.FromBytes(nullptr, 204);
    EXPECT_EQ(read.Header(), "");
}

TEST(ProductNameFromKey, LastPathPartWithoutItsVersion)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Software\\Orvel\\Talvex V1.0x", "Talvex"},
        {"Talvex V1.0x", "Talvex"},
        {"Software\\Orvel\\Quorra for Gaming V1.0x", "Quorra for Gaming"},
        {"Talvex", ""},
        {"Software\\Orvel\\", ""},
        {"", ""},
        {"A\\B C\\D E F", "D E"},
        {"Talvex ", "Talvex"},
    };
    for (const auto& [key, product] : cases) {
        CString text(key);
        ColorDataRecord::ProductNameFromKey(text);
        EXPECT_EQ(text, product) << key;
    }
}

TEST(ProductNameFromKey, DoubleByteTrailBytesAreNoSeparators)
{
    ASSERT_TRUE(CCodePage::Use(932));
    // 0x95 0x5C is one character whose trail byte looks like a backslash.
    CString text("Software\\Orvel\\\x95\x5C V1");
    ColorDataRecord::ProductNameFromKey(text);
    EXPECT_EQ(text, "\x95\x5C");
    CCodePage::Use(0);
}

TEST(ColorDataRecordCheck, HeaderOfEitherProductWithAnyVersion)
{
    Masks masks;
    masks.modes[22] = 0x4F;
    for (const char* header : {"Talvex V1.0x", "Talvex V9", "Quorra for Gaming V1.0x", "Quorra for Gaming x"})
        EXPECT_EQ(Valid(header).CheckFor("TP000001", masks.modes), ColorDataRecord::Check::Accepted) << header;
    for (const char* header : {"Talvex", "talvex V1.0x", "TALVEX V1.0x", "Quorra V1.0x", "Talvexx V1", ""})
        EXPECT_EQ(Valid(header).CheckFor("TP000001", masks.modes), ColorDataRecord::Check::OtherProduct) << header;
}

TEST(ColorDataRecordCheck, ModelModeAndMaskMustFitTheMonitor)
{
    Masks masks;
    masks.modes[22] = 0x4F;
    masks.modes[24] = 0x4F;
    masks.modes[40] = 0x4F;
    EXPECT_EQ(Valid().CheckFor("TP000002", masks.modes), ColorDataRecord::Check::OtherModel);
    EXPECT_EQ(Valid().CheckFor("tp000001", masks.modes), ColorDataRecord::Check::OtherModel);

    ColorDataRecord record = Valid();
    for (short mode : {21, 25, 40, 0, -1}) {
        record.nMode = mode;
        EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::NotUserMode) << mode;
    }
    record.nMode = 24;
    EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::Accepted);
    record.nMode = 23;   // its mask is 0 on this monitor
    EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::OtherMask);
    record.nMode = 22;
    record.dwFeatureMask = 0x4E;
    EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::OtherMask);
}

TEST(ColorDataRecordExport, ReadsTheSlotsOfTheModesMask)
{
    Masks masks;
    masks.modes[23] = 0x4F | 0x400 | 0x800000;
    TableChannel monitor;
    monitor.Set(FEATURE_COLOR_MODE, 23, 46);
    monitor.Set(FEATURE_COLOR_TEMPERATURE, 15, 15);
    monitor.Set(FEATURE_BRIGHTNESS, 60, 100);
    monitor.Set(FEATURE_CONTRAST, 40, 100);
    monitor.Set(FEATURE_GAMMA, 252, 252);
    monitor.Set(FEATURE_GAIN_RED, 200, 255);
    monitor.Set(FEATURE_GAIN_GREEN, 201, 255);
    monitor.Unreadable(FEATURE_GAIN_BLUE);
    monitor.Set(FEATURE_OVERDRIVE, 2, 2, 1);        // flag byte 1
    monitor.Set(FEATURE_TEXT_ENHANCER, 1, 1, 1);
    monitor.Set(FEATURE_SATURATION, 33, 100);         // not in the mask

    ColorDataRecord record = Valid();
    Present(record, 10, 9, 9);   // what was there before is gone
    record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes);

    EXPECT_EQ(record.Header(), "Talvex V1.0x");
    EXPECT_EQ(record.Model(), "SIM27Q01");
    EXPECT_EQ(record.nMode, 23);
    EXPECT_EQ(record.dwFeatureMask, masks.modes[23]);
    const std::pair<int, std::vector<int>> expected[] = {
        {0, {1, 15, 15}}, {1, {1, 60, 100}}, {2, {1, 40, 100}}, {4, {1, 252, 252}}, {5, {1, 200, 255}},
        {6, {1, 201, 255}}, {7, {0, 0, 0}}, {12, {1, 2, 2}}, {17, {1, 1, 1}},
    };
    for (int i = 0; i < ColorDataRecord::SlotCount; ++i) {
        std::vector<int> want{0, 0, 0};
        for (const auto& [slot, values] : expected)
            want = slot == i ? values : want;
        const ColorDataSlot& s = record.slots[i];
        EXPECT_EQ((std::vector<int>{int(s.bPresent), s.nValue, s.nMax}), want) << "slot " << i;
    }
    EXPECT_TRUE(monitor.writes.empty());
}

TEST(ColorDataRecordExport, ModeWithoutMaskReadsNothingMore)
{
    Masks masks;
    for (DWORD& mask : masks.modes)
        mask = 0xFFFFFFFF;
    TableChannel monitor;
    monitor.Set(FEATURE_COLOR_MODE, 47, 46);
    ColorDataRecord record = Zeroed();
    record.ReadFromMonitor(monitor, "TP000001", masks.modes);
    EXPECT_EQ(record.nMode, 47);
    EXPECT_EQ(record.dwFeatureMask, 0u);
    EXPECT_EQ(monitor.reads.size(), 1u);

    monitor.Unreadable(FEATURE_COLOR_MODE);   // a failed read counts as mode 0
    record.ReadFromMonitor(monitor, "TP000001", masks.modes);
    EXPECT_EQ(record.nMode, 0);
    EXPECT_EQ(record.dwFeatureMask, 0xFFFFFFFFu);
}

class ColorDataRecordApply : public ::testing::Test {
protected:
    void SetUp() override
    {
        masks.modes[22] = 0xFFFFFFFF;
        masks.modes[24] = 0xFFFFFFFF;
        monitor.Set(FEATURE_COLOR_MODE, 22, 46);
    }
    Masks masks;
    TableChannel monitor;
};

TEST_F(ColorDataRecordApply, ScalesToTheTargetsMaximumAndWritesOnlyChanges)
{
    ColorDataRecord record = Valid();
    Present(record, 1, 60, 100);    // brightness
    Present(record, 2, 50, 100);    // contrast: 15.5 truncated
    Present(record, 10, 60, 100);   // saturation: the same already
    monitor.Set(FEATURE_BRIGHTNESS, 10, 50);
    monitor.Set(FEATURE_CONTRAST, 0, 31);
    monitor.Set(FEATURE_SATURATION, 60, 100);
    record.ApplyTo(monitor, masks.modes);

    EXPECT_EQ(monitor.Value(FEATURE_BRIGHTNESS), 30);
    EXPECT_EQ(monitor.Value(FEATURE_CONTRAST), 15);
    EXPECT_EQ(monitor.Written(),
              (std::vector<FeatureAddress>{FEATURE_BRIGHTNESS, FEATURE_CONTRAST, FEATURE_COMMIT}));
    EXPECT_EQ(monitor.writes.back().bytes, (std::vector<BYTE>{0, 0}));
}

TEST_F(ColorDataRecordApply, ModeIsWrittenWhenItDiffersAndGivesTheMask)
{
    ColorDataRecord record = Valid();
    record.nMode = 24;
    Present(record, 4, 3, 252);   // gamma
    Present(record, 9, 1, 1);     // Velocis: not in mode 24's mask
    masks.modes[24] = 0x8;
    record.ApplyTo(monitor, masks.modes);
    EXPECT_EQ(monitor.Written(), (std::vector<FeatureAddress>{FEATURE_COLOR_MODE, FEATURE_GAMMA, FEATURE_COMMIT}));
    EXPECT_EQ(monitor.writes[0].bytes, (std::vector<BYTE>{24, 0}));

    monitor.writes.clear();
    record.ApplyTo(monitor, masks.modes);   // mode and gamma are there now
    EXPECT_EQ(monitor.Written(), (std::vector<FeatureAddress>{FEATURE_COMMIT}));
}

TEST_F(ColorDataRecordApply, GainsOnlyBesideTemperatureZeroOrFifteen)
{
    for (short temperature : {0, 15, 7, 14}) {
        ColorDataRecord record = Valid();
        Present(record, 5, 100, 200);
        Present(record, 6, 50, 200);
        record.slots[0].nValue = temperature;   // counts even while absent
        monitor.writes.clear();
        monitor.Set(FEATURE_GAIN_RED, 1, 255);
        monitor.Set(FEATURE_GAIN_GREEN, 1, 255);
        monitor.Unreadable(FEATURE_GAIN_BLUE);
        record.ApplyTo(monitor, masks.modes);
        const bool applied = temperature == 0 || temperature == 15;
        EXPECT_EQ(monitor.Value(FEATURE_GAIN_RED), applied ? 127 : 1) << temperature;
        EXPECT_EQ(monitor.Value(FEATURE_GAIN_GREEN), applied ? 63 : 1) << temperature;
        EXPECT_EQ(monitor.LastWriteOf(FEATURE_GAIN_BLUE), nullptr) << "an absent gain is never written";
    }
}

TEST_F(ColorDataRecordApply, BlackLevelNeedsItsReadOtherScaledValuesDoNot)
{
    ColorDataRecord record = Valid();
    Present(record, 3, 40, 100);   // black level
    Present(record, 11, 10, 0);    // hue without a maximum: no scale
    Present(record, 1, 0, 100);    // brightness, unreadable: 0 of maximum 0, as "read"
    monitor.Unreadable(FEATURE_BLACK_LEVEL);
    monitor.Unreadable(FEATURE_BRIGHTNESS);
    monitor.Set(FEATURE_HUE, 5, 63);
    record.ApplyTo(monitor, masks.modes);
    EXPECT_EQ(monitor.Written(), (std::vector<FeatureAddress>{FEATURE_COMMIT}));
}

TEST_F(ColorDataRecordApply, FirstByteFeaturesKeepTheirFlag)
{
    ColorDataRecord record = Valid();
    Present(record, 12, 2, 2);    // overdrive
    Present(record, 17, 1, 1);    // text enhancer: byte 0 already 1
    monitor.Set(FEATURE_OVERDRIVE, 0, 2, 1);
    monitor.Set(FEATURE_TEXT_ENHANCER, 1, 1, 1);
    record.ApplyTo(monitor, masks.modes);
    ASSERT_NE(monitor.LastWriteOf(FEATURE_OVERDRIVE), nullptr);
    EXPECT_EQ(monitor.LastWriteOf(FEATURE_OVERDRIVE)->bytes, (std::vector<BYTE>{2, 1}));
    EXPECT_EQ(monitor.LastWriteOf(FEATURE_TEXT_ENHANCER), nullptr);
}

TEST_F(ColorDataRecordApply, StoredValuesOutsideTheirRangeAreNotScaled)
{
    WORD scaled = 7;
    EXPECT_FALSE(ColorDataRecord::Scale(10, 0, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(10, -5, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(-1, 100, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(101, 100, 100, &scaled));
    EXPECT_EQ(scaled, 7);
    EXPECT_TRUE(ColorDataRecord::Scale(32767, 32767, 32767, &scaled));
    EXPECT_EQ(scaled, 32767);
    EXPECT_TRUE(ColorDataRecord::Scale(100, 100, 0, &scaled));
    EXPECT_EQ(scaled, 0);
}

} // namespace
