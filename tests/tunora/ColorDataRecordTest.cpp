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
// are recorded in order and change what later reads see.
class TableChannel : public CHIDMonitor {
public:
    struct Feature {
        BYTE bytes[2] = {};
        WORD maximum = 0;
        bool readable = true;
    };

    void Set(const FeatureAddress& f, WORD value, WORD maximum, BYTE flag = 0)
    {
        features[Key(f)] = {{LOBYTE(value), flag ? flag : HIBYTE(value)}, maximum, true};
    }
    void Unreadable(const FeatureAddress& f) { features[Key(f)].readable = false; }
    // Reads it still answers before it stops answering (-1: it never does).
    int answers = -1;
    WORD Value(const FeatureAddress& f) { return WORD(features[Key(f)].bytes[0] | (features[Key(f)].bytes[1] << 8)); }

    bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD*) override
    {
        std::memset(buffer, 0, static_cast<size_t>(size));
        WORD ignored = 0;
        WORD& max = maximum ? *maximum : ignored;
        max = 0;
        reads.push_back({usagePage, usage});
        auto it = features.find({usagePage, usage});
        if (answers == 0 || it == features.end() || !it->second.readable)
            return false;
        answers -= answers > 0;
        std::memcpy(buffer, it->second.bytes, 2);
        max = it->second.maximum;
        return true;
    }
    bool SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage) override
    {
        written.push_back({usagePage, usage});
        bytes.emplace_back(buffer, buffer + size);
        std::memcpy(features[{usagePage, usage}].bytes, buffer, 2);
        return true;
    }

    std::map<std::pair<WORD, BYTE>, Feature> features;
    std::vector<FeatureAddress> reads;
    std::vector<FeatureAddress> written;
    std::vector<std::vector<BYTE>> bytes;   // of each write

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

TEST(ColorDataRecordLayout, TextsStayInsideTheirFieldsAndShortFilesReadAsZero)
{
    ColorDataRecord record = Zeroed();
    record.SetModel("ABCDEFGHIJKL");
    EXPECT_EQ(record.Model(), "ABCDEFGHI");
    // A file without the NULs: the texts end with their fields.
    std::memset(record.szHeader, 'H', sizeof record.szHeader);
    std::memset(record.szModel, 'M', sizeof record.szModel);
    record.nMode = 0x4141;
    EXPECT_EQ(record.Header().GetLength(), 36);
    EXPECT_EQ(record.Model(), "MMMMMMMMMM");

    BYTE bytes[ColorDataRecord::Size];
    Valid().ToBytes(bytes);
    EXPECT_FALSE(record.FromBytes(bytes, 48)) << "only a whole record is one";
    EXPECT_EQ(record.nMode, 22);
    EXPECT_EQ(record.dwFeatureMask, 0u);
    EXPECT_FALSE(record.FromBytes(bytes, 205));
    record.FromBytes(nullptr, 204);
    EXPECT_EQ(record.Header(), "");
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
    // 0x95 0x5C is one character whose trail byte looks like a backslash.
    ASSERT_TRUE(CCodePage::Use(932));
    CString text("Software\\Orvel\\\x95\x5C V1");
    ColorDataRecord::ProductNameFromKey(text);
    EXPECT_EQ(text, "\x95\x5C");
    CCodePage::Use(0);
}

TEST(ColorDataRecordCheck, ProductModelModeAndMaskMustFit)
{
    Masks masks;
    masks.modes[22] = 0x4F;
    masks.modes[24] = 0x4F;
    masks.modes[40] = 0x4F;
    for (const char* header : {"Talvex V1.0x", "Talvex V9", "Quorra for Gaming V1.0x", "Quorra for Gaming x"})
        EXPECT_EQ(Valid(header).CheckFor("TP000001", masks.modes), ColorDataRecord::Check::Accepted) << header;
    for (const char* header : {"Talvex", "talvex V1.0x", "Quorra V1.0x", "Talvexx V1", ""})
        EXPECT_EQ(Valid(header).CheckFor("TP000001", masks.modes), ColorDataRecord::Check::OtherProduct) << header;
    EXPECT_EQ(Valid().CheckFor("tp000001", masks.modes), ColorDataRecord::Check::OtherModel);
    // A monitor whose model code could not be read matches no file, not even one without a model.
    ColorDataRecord unnamed = Valid();
    unnamed.SetModel("");
    EXPECT_EQ(unnamed.CheckFor("", masks.modes), ColorDataRecord::Check::OtherModel);

    ColorDataRecord record = Valid();
    for (short mode : {21, 25, 40, -1}) {
        record.nMode = mode;
        EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::NotUserMode) << mode;
    }
    record.nMode = 24;   // another user mode with the same mask
    EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::Accepted);
    record.nMode = 23;
    EXPECT_EQ(record.CheckFor("TP000001", masks.modes), ColorDataRecord::Check::OtherMask);
}

// Only the values of a user mode make a file: a mode the monitor did not
// tell, or any other mode, reads nothing more.
TEST(ColorDataRecordExport, FlagBytesStayOutAndOnlyAUserModeIsRead)
{
    Masks masks;
    masks.modes[0] = 0x401;
    masks.modes[40] = 0x401;
    masks.modes[22] = 0x401;
    TableChannel monitor;
    monitor.Set(FEATURE_BRIGHTNESS, 60, 100);
    monitor.Set(FEATURE_OVERDRIVE, 2, 2, 1);
    ColorDataRecord record = Zeroed();
    for (WORD mode : {47, 40, 21}) {
        monitor.Set(FEATURE_COLOR_MODE, mode, 46);
        monitor.reads.clear();
        EXPECT_FALSE(record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes)) << mode;
        EXPECT_EQ(monitor.reads.size(), 1u) << mode;
    }
    monitor.Unreadable(FEATURE_COLOR_MODE);   // not taken as mode 0
    monitor.reads.clear();
    EXPECT_FALSE(record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes));
    EXPECT_EQ(monitor.reads.size(), 1u);

    monitor.Set(FEATURE_COLOR_MODE, 22, 46);
    ASSERT_TRUE(record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes));
    EXPECT_EQ(record.nMode, 22);
    EXPECT_EQ(record.dwFeatureMask, 0x401u);
    EXPECT_EQ((std::vector<int>{int(record.slots[1].bPresent), record.slots[1].nValue, record.slots[1].nMax}),
              (std::vector<int>{1, 60, 100}));
    EXPECT_EQ(record.slots[12].nValue, 2) << "byte 0 only";
}

// No file from a monitor that stopped answering or left the mode while it
// was read, or whose model code no file can hold.
TEST(ColorDataRecordExport, OnlyValuesOfAMonitorThatKeptAnsweringInTheMode)
{
    Masks masks;
    masks.modes[22] = 0x7;
    TableChannel monitor;
    monitor.Set(FEATURE_COLOR_MODE, 22, 46);
    monitor.Set(FEATURE_COLOR_TEMPERATURE, 6, 15);
    monitor.Set(FEATURE_BRIGHTNESS, 60, 100);
    monitor.Set(FEATURE_CONTRAST, 50, 100);
    ColorDataRecord record = Zeroed();
    for (int answers : {1, 2, 4}) {   // the mode, then each value, then the mode again
        monitor.answers = answers;
        EXPECT_FALSE(record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes)) << answers;
    }
    monitor.answers = -1;
    monitor.Unreadable(FEATURE_BRIGHTNESS);   // absent on the model: left out
    EXPECT_TRUE(record.ReadFromMonitor(monitor, "SIM27Q01", masks.modes));
    EXPECT_EQ(record.slots[1].bPresent, 0u);
    EXPECT_EQ(record.slots[2].nValue, 50);
    EXPECT_FALSE(record.ReadFromMonitor(monitor, "SIM27Q0123", masks.modes)) << "cut to fit";
}

class ColorDataRecordApply : public ::testing::Test {
protected:
    void SetUp() override
    {
        masks.modes[22] = 0xFFFFFFFF;
        monitor.Set(FEATURE_COLOR_MODE, 22, 46);
    }
    Masks masks;
    TableChannel monitor;
};

TEST_F(ColorDataRecordApply, ScaledToTheTargetInTheRecordsModeOnlyWhereChangedThenCommitted)
{
    ColorDataRecord record = Valid();
    record.nMode = 24;
    masks.modes[24] = 0x1B;        // no Velocis
    Present(record, 1, 60, 100);   // brightness
    Present(record, 2, 50, 100);   // contrast: 15.5 truncated
    Present(record, 10, 60, 100);  // saturation: the same already
    Present(record, 4, 3, 252);    // gamma, unreadable: no maximum to fit in
    Present(record, 9, 1, 1);      // Velocis
    monitor.Set(FEATURE_BRIGHTNESS, 10, 50);
    monitor.Set(FEATURE_CONTRAST, 0, 31);
    monitor.Set(FEATURE_SATURATION, 60, 100);
    record.ApplyTo(monitor, masks.modes);

    EXPECT_EQ(monitor.written,
              (std::vector<FeatureAddress>{FEATURE_COLOR_MODE, FEATURE_BRIGHTNESS, FEATURE_CONTRAST, FEATURE_COMMIT}));
    EXPECT_EQ(monitor.bytes[0], (std::vector<BYTE>{24, 0}));
    EXPECT_EQ(monitor.Value(FEATURE_BRIGHTNESS), 30);
    EXPECT_EQ(monitor.Value(FEATURE_CONTRAST), 15);
    EXPECT_EQ(monitor.bytes.back(), (std::vector<BYTE>{0, 0}));

    monitor.written.clear();
    record.ApplyTo(monitor, masks.modes);   // everything is there now
    EXPECT_EQ(monitor.written, (std::vector<FeatureAddress>{FEATURE_COMMIT}));
}

TEST_F(ColorDataRecordApply, GainsOnlyBesideTemperatureZeroOrFifteen)
{
    for (short temperature : {0, 15, 7, 14}) {
        ColorDataRecord record = Valid();
        Present(record, 5, 100, 200);
        Present(record, 6, 50, 200);
        record.slots[0].nValue = temperature;   // counts even while absent
        monitor.Set(FEATURE_GAIN_RED, 1, 255);
        monitor.Set(FEATURE_GAIN_GREEN, 1, 255);
        record.ApplyTo(monitor, masks.modes);
        const bool applied = temperature == 0 || temperature == 15;
        EXPECT_EQ(monitor.Value(FEATURE_GAIN_RED), applied ? 127 : 1) << temperature;
        EXPECT_EQ(monitor.Value(FEATURE_GAIN_GREEN), applied ? 63 : 1) << temperature;
    }
    EXPECT_EQ(std::count(monitor.written.begin(), monitor.written.end(), FEATURE_GAIN_BLUE), 0) << "absent";
}

TEST_F(ColorDataRecordApply, FailedReadsFlagBytesAndMissingScales)
{
    ColorDataRecord record = Valid();
    Present(record, 3, 40, 100);   // black level, unreadable: left alone
    Present(record, 1, 0, 100);    // brightness, unreadable: 0 of maximum 0, as read
    Present(record, 11, 10, 0);    // hue without a maximum: no scale
    Present(record, 12, 2, 2);     // overdrive: byte 0 changes, the flag stays
    Present(record, 17, 1, 1);     // text enhancer: byte 0 is 1 already
    monitor.Unreadable(FEATURE_BLACK_LEVEL);
    monitor.Unreadable(FEATURE_BRIGHTNESS);
    monitor.Set(FEATURE_HUE, 5, 63);
    monitor.Set(FEATURE_OVERDRIVE, 0, 2, 1);
    monitor.Set(FEATURE_TEXT_ENHANCER, 1, 1, 1);
    record.ApplyTo(monitor, masks.modes);
    EXPECT_EQ(monitor.written, (std::vector<FeatureAddress>{FEATURE_OVERDRIVE, FEATURE_COMMIT}));
    EXPECT_EQ(monitor.bytes[0], (std::vector<BYTE>{2, 1}));

    WORD scaled = 7;
    EXPECT_FALSE(ColorDataRecord::Scale(10, -5, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(-1, 100, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(101, 100, 100, &scaled));
    EXPECT_FALSE(ColorDataRecord::Scale(1, 2, 0x8000, &scaled)) << "a maximum no record can hold";
    EXPECT_EQ(scaled, 7);
    EXPECT_TRUE(ColorDataRecord::Scale(32767, 32767, 32767, &scaled));
    EXPECT_EQ(scaled, 32767);
}

// Values kept as they are must fit the target's own range too.
TEST_F(ColorDataRecordApply, UnscaledValuesOnlyWithinTheTargetsMaximum)
{
    ColorDataRecord record = Valid();
    Present(record, 0, 15, 15);    // temperature above the target's 14
    Present(record, 9, 2, 1);      // Velocis above 1
    Present(record, 8, -1, 2);     // contrast enhancer below 0
    Present(record, 12, 3, 2);     // overdrive above 2
    Present(record, 17, 1, 1);     // text enhancer: fits
    Present(record, 18, 5, 5);     // Glintara: the maximum itself fits
    monitor.Set(FEATURE_COLOR_TEMPERATURE, 6, 14);
    monitor.Set(FEATURE_VELOCIS, 0, 1);
    monitor.Set(FEATURE_CONTRAST_ENHANCER, 1, 2);
    monitor.Set(FEATURE_OVERDRIVE, 1, 2);
    monitor.Set(FEATURE_TEXT_ENHANCER, 0, 1, 1);
    monitor.Set(FEATURE_GLINTARA, 0, 5);
    record.ApplyTo(monitor, masks.modes);
    EXPECT_EQ(monitor.written,
              (std::vector<FeatureAddress>{FEATURE_TEXT_ENHANCER, FEATURE_GLINTARA, FEATURE_COMMIT}));
    EXPECT_EQ(monitor.bytes[0], (std::vector<BYTE>{1, 1}));
    EXPECT_EQ(monitor.Value(FEATURE_GLINTARA), 5);
}

} // namespace
