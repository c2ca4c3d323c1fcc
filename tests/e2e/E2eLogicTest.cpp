// What the end-to-end driver reads back: trace lines and tray requests.
// A misread here would make the end-to-end checks pass or fail for nothing.
#include "tests/e2e/TraceLog.h"
#include "tests/e2e/TrayRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(TraceLogTest, SplitsCallArgumentsResultAndOutputs)
{
    TraceEntry entry;
    ASSERT_TRUE(TraceLog::ParseLine(
        "8 KvGetFixedData handle=0x1001 monitor=1 feature=0xFF00:0x15 -> 0 a=46 b=0 flag=0 count=2", entry));
    EXPECT_EQ(entry.sequence, 8);
    EXPECT_EQ(entry.call, "KvGetFixedData");
    EXPECT_EQ(entry.value("feature"), "0xFF00:0x15");
    EXPECT_EQ(entry.value("result"), "0");
    EXPECT_EQ(entry.value("count"), "2");
    EXPECT_EQ(entry.value("absent"), "");

    ASSERT_TRUE(TraceLog::ParseLine("13 Sim set 1 mode 23 -> ok", entry = TraceEntry{}));
    EXPECT_EQ(entry.call, "Sim");
    EXPECT_EQ(entry.words, (std::vector<std::string>{"set", "1", "mode", "23"}));
    EXPECT_EQ(entry.result, "ok");

    ASSERT_TRUE(TraceLog::ParseLine(
        "18 KvnGetMonitorInfo index=0 -> 0 serial=S27Q0001 monitor=\\\\.\\DISPLAY1\\Monitor0 display=\\\\.\\DISPLAY1",
        entry = TraceEntry{}));
    EXPECT_EQ(entry.value("display"), "\\\\.\\DISPLAY1");
}

TEST(TraceLogTest, RefusesLinesWithoutSequenceOrResult)
{
    TraceEntry entry;
    EXPECT_FALSE(TraceLog::ParseLine("", entry));
    EXPECT_FALSE(TraceLog::ParseLine("KvFind -> 3", entry));
    EXPECT_FALSE(TraceLog::ParseLine("0 KvFind -> 3", entry));
    EXPECT_FALSE(TraceLog::ParseLine("4x KvFind -> 3", entry));
    EXPECT_FALSE(TraceLog::ParseLine("4 KvFind", entry));
    EXPECT_FALSE(TraceLog::ParseLine("4 KvFind ->", entry));
}

TEST(TraceLogTest, KeepsWholeLinesAndFindsByFilterAndOrder)
{
    TraceLog log;
    log.Parse("3 KvFind -> 3\r\n"
              "noise without shape\n"
              "5 KvReportON handle=0x1001 monitor=1 -> 0\n"
              "6 KvReportON handle=0x1002 monitor=2 -> -1\n"
              "7 KvReportOFF handle=0x1001 monitor=1 -> 0\n"
              "8 KvRelea");   // still being written
    ASSERT_EQ(log.Entries().size(), 4u);
    EXPECT_EQ(log.LastSequence(), 7);
    EXPECT_EQ(log.Count("KvReportON"), 2u);
    EXPECT_EQ(log.Count("KvReportON", {{"result", "0"}}), 1u);
    EXPECT_EQ(log.Count("KvReportON", {{"result", AnySuccess}}), 1u);
    EXPECT_EQ(log.Count("KvFind", {{"result", AnySuccess}}), 1u) << "any number from 0 up";
    EXPECT_EQ(log.Count("KvReportON", {{"monitor", "2"}, {"result", "0"}}), 0u);
    EXPECT_EQ(log.Count("KvRelease"), 0u);
    const TraceEntry* off = log.FirstAfter(5, "KvReportOFF", {{"handle", "0x1001"}});
    ASSERT_NE(off, nullptr);
    EXPECT_EQ(off->sequence, 7);
    EXPECT_EQ(log.FirstAfter(7, "KvReportOFF"), nullptr);
    EXPECT_EQ(log.Last("KvReportON")->sequence, 6);
    EXPECT_EQ(log.Last("KvFind", {{"result", "4"}}), nullptr);
}

TEST(TraceLogTest, ReadsHexPayloads)
{
    EXPECT_EQ(TraceLog::HexText("533237513030303153494D2D323751"), "S27Q0001SIM-27Q");
    EXPECT_EQ(TraceLog::HexText("41420043"), "AB");
    EXPECT_EQ(TraceLog::HexText("4"), "");
    EXPECT_EQ(TraceLog::HexText("4G"), "");
}

namespace {

std::vector<BYTE> TrayData(LONG owner, UINT id, UINT flags, const char* tip, size_t iconBytes)
{
    std::vector<BYTE> data(TrayRecord::HeaderSize + iconBytes, 0);
    std::memcpy(&data[TrayRecord::OwnerOffset], &owner, 4);
    std::memcpy(&data[TrayRecord::IdOffset], &id, 4);
    std::memcpy(&data[TrayRecord::FlagsOffset], &flags, 4);
    const UINT callback = 0x464;
    std::memcpy(&data[TrayRecord::CallbackOffset], &callback, 4);
    for (size_t i = 0; tip[i]; ++i)
        data[TrayRecord::TipOffset + 2 * i] = static_cast<BYTE>(tip[i]);
    const UINT size = 32;
    std::memcpy(&data[TrayRecord::IconWidthOffset], &size, 4);
    std::memcpy(&data[TrayRecord::IconHeightOffset], &size, 4);
    for (size_t i = 0; i < iconBytes; ++i)
        data[TrayRecord::HeaderSize + i] = static_cast<BYTE>(i);
    return data;
}

} // namespace

TEST(TrayRecordTest, DecodesHeaderTipAndIcon)
{
    const std::vector<BYTE> data = TrayData(0x10066, 0, 7, "Talvex Ver1.0.1", 64);
    TrayRecord record;
    ASSERT_TRUE(TrayRecord::Decode(1, data.data(), data.size(), record));
    EXPECT_EQ(record.message, 1u);
    EXPECT_EQ(record.owner, 0x10066);
    EXPECT_EQ(record.id, 0u);
    EXPECT_EQ(record.flags, 7u);
    EXPECT_EQ(record.callback, 0x464u);
    EXPECT_EQ(record.tip, "Talvex Ver1.0.1");
    EXPECT_EQ(record.iconWidth, 32u);
    EXPECT_NE(record.iconHash, 0u);

    std::vector<BYTE> other = data;
    other.back() ^= 1;
    TrayRecord changed;
    ASSERT_TRUE(TrayRecord::Decode(1, other.data(), other.size(), changed));
    EXPECT_NE(changed.iconHash, record.iconHash) << "another picture, another hash";
}

TEST(TrayRecordTest, NoIconWithoutTheFlagAndShortDataRefused)
{
    const std::vector<BYTE> data = TrayData(5, 3, 4, "", 64);
    TrayRecord record;
    ASSERT_TRUE(TrayRecord::Decode(2, data.data(), data.size(), record));
    EXPECT_EQ(record.iconHash, 0u);
    EXPECT_EQ(record.iconWidth, 0u);
    EXPECT_EQ(record.tip, "");

    TrayRecord untouched;
    untouched.id = 99;
    EXPECT_FALSE(TrayRecord::Decode(0, data.data(), TrayRecord::HeaderSize - 1, untouched));
    EXPECT_FALSE(TrayRecord::Decode(0, nullptr, data.size(), untouched));
    EXPECT_EQ(untouched.id, 99u);
}

TEST(TrayRecordTest, TipStopsAtItsFieldAndMasksNonAscii)
{
    std::vector<BYTE> data = TrayData(1, 0, 4, "", 0);
    for (size_t unit = 0; unit < TrayRecord::TipUnits; ++unit)
        data[TrayRecord::TipOffset + 2 * unit] = 'a';   // no terminator within the field
    data[TrayRecord::TipOffset + 1] = 0x30;            // U+3061
    TrayRecord record;
    ASSERT_TRUE(TrayRecord::Decode(0, data.data(), data.size(), record));
    EXPECT_EQ(record.tip.size(), TrayRecord::TipUnits);
    EXPECT_EQ(record.tip[0], '?');
}
