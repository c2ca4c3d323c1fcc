// The monitor-information records: simulated monitors placed on the
// displays that exist, extra records after them, and the record layout.
#include "standins/libdravo/MonitorInfoJoin.h"
#include <cstring>
#include <gtest/gtest.h>

namespace {

const DisplayAdapter One{"\\\\.\\DISPLAY1", {"\\\\.\\DISPLAY1\\Monitor0"}};
const DisplayAdapter Two{"\\\\.\\DISPLAY2", {"\\\\.\\DISPLAY2\\Monitor0", "\\\\.\\DISPLAY2\\Monitor1"}};

std::string text(const BYTE* record, int offset)
{
    return reinterpret_cast<const char*>(record + offset);
}

} // namespace

TEST(MonitorInfoJoin, MonitorsStandOnTheirDisplayOrTheHighestThatExists)
{
    std::vector<InfoPlacement> placements = {
        {"S1", 1, -1, false}, {"S2", 2, -1, false}, {"S3", 2, -1, false}, {"S4", 7, -1, false}};
    std::vector<MonitorInfo> both = MonitorInfoJoin::join({One, Two}, placements);
    ASSERT_EQ(both.size(), 4u);
    EXPECT_EQ(both[0].displayDevice, "\\\\.\\DISPLAY1");
    EXPECT_EQ(both[0].monitorDevice, "\\\\.\\DISPLAY1\\Monitor0");
    EXPECT_EQ(both[1].monitorDevice, "\\\\.\\DISPLAY2\\Monitor0");
    EXPECT_EQ(both[2].monitorDevice, "\\\\.\\DISPLAY2\\Monitor1") << "the second monitor on a display";
    EXPECT_EQ(both[3].displayDevice, "\\\\.\\DISPLAY2") << "display 7 does not exist";
    EXPECT_EQ(both[3].monitorDevice, "\\\\.\\DISPLAY2\\Monitor0") << "fewer monitor devices than monitors";

    std::vector<MonitorInfo> single = MonitorInfoJoin::join({One}, placements);
    for (const MonitorInfo& info : single)
        EXPECT_EQ(info.displayDevice, "\\\\.\\DISPLAY1");

    std::vector<MonitorInfo> none = MonitorInfoJoin::join({}, placements);
    EXPECT_EQ(none[1].displayDevice, "\\\\.\\DISPLAY2") << "no display at all: the asked-for name";
}

TEST(MonitorInfoJoin, ExtraRecordsFollowAsWritten)
{
    std::vector<MonitorInfo> records =
        MonitorInfoJoin::join({One}, {{"S1", 1, -1, false}, {"", 1, 0, true}, {"OTHER001", 3, 2, true}});
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].serial, "");
    EXPECT_EQ(records[1].displayDevice, "\\\\.\\DISPLAY1");
    EXPECT_EQ(records[2].monitorDevice, "\\\\.\\DISPLAY3\\Monitor2") << "extras need no real display";
}

TEST(MonitorInfoJoin, RecordLayout)
{
    BYTE record[MonitorInfoRecord::Size];
    std::memset(record, 0xEE, sizeof record);
    MonitorInfo{"ABCDEFGH", "\\\\.\\DISPLAY2\\Monitor1", "\\\\.\\DISPLAY2"}.toRecord(record);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), "ABCDEFGH");
    for (int i = 8; i < MonitorInfoRecord::MonitorDeviceOffset; ++i)
        EXPECT_EQ(record[i], 0) << i;
    EXPECT_EQ(text(record, MonitorInfoRecord::MonitorDeviceOffset), "\\\\.\\DISPLAY2\\Monitor1");
    EXPECT_EQ(text(record, MonitorInfoRecord::DisplayDeviceOffset), "\\\\.\\DISPLAY2");
    EXPECT_EQ(record[MonitorInfoRecord::Size - 1], 0);

    std::string longName(100, 'x');
    MonitorInfo{"TOOLONGSERIAL", longName, longName}.toRecord(record);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), "TOOLONGS");
    EXPECT_EQ(record[8], 0);
    EXPECT_EQ(text(record, MonitorInfoRecord::MonitorDeviceOffset).size(), 31u) << "cut to its 32-byte field";
    EXPECT_EQ(record[MonitorInfoRecord::DisplayDeviceOffset + 100], 0);
}

TEST(MonitorInfoJoin, DisplayNumbers)
{
    EXPECT_EQ(MonitorInfoJoin::displayNumber("\\\\.\\DISPLAY12"), 12);
    EXPECT_EQ(MonitorInfoJoin::displayNumber("\\\\.\\DISPLAY"), 0);
    EXPECT_EQ(MonitorInfoJoin::displayNumber("nothing"), 0);
}
