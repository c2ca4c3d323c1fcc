// Packing a report's data into the record's 32-bit value.
#include "device/HidReport.h"

#include <gtest/gtest.h>

namespace {

TEST(HidReportTest, PacksUpToFourBytesLittleEndian)
{
    const BYTE one[] = {0x05};
    EXPECT_EQ(HidReport::PackValue(8, 1, one), 5u);
    const BYTE four[] = {0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(HidReport::PackValue(8, 4, four), 0x04030201u);
    const BYTE six[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
    EXPECT_EQ(HidReport::PackValue(8, 6, six), HidReport::PackValue(8, 4, six));
    // Two 16-bit elements are four bytes too.
    EXPECT_EQ(HidReport::PackValue(16, 2, four), 0x04030201u);
    EXPECT_EQ(HidReport::PackValue(16, 1, four), 0x0201u);
    EXPECT_EQ(HidReport::PackValue(32, 1, four), 0x04030201u);
}

TEST(HidReportTest, ElementsBelowEightBitsCarryNothing)
{
    const BYTE data[] = {0xFF, 0xFF};
    EXPECT_EQ(HidReport::PackValue(7, 2, data), 0u);
    EXPECT_EQ(HidReport::PackValue(1, 16, data), 0u);
    EXPECT_EQ(HidReport::PackValue(8, 0, data), 0u);
    // 12-bit elements count one byte each (integer division).
    EXPECT_EQ(HidReport::PackValue(12, 2, data), 0xFFFFu);
    EXPECT_EQ(HidReport::PackValue(8, 4, nullptr), 0u);
}

TEST(HidReportTest, RecordLayoutIsTwelveBytesInFieldOrder)
{
    HidReport report{0x11223344, 0xFF00, 0x15, 0xA1B2C3D4};
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&report);
    EXPECT_EQ(bytes[0], 0x44);
    EXPECT_EQ(bytes[4], 0x00);
    EXPECT_EQ(bytes[5], 0xFF);
    EXPECT_EQ(bytes[6], 0x15);
    EXPECT_EQ(bytes[8], 0xD4);
    EXPECT_EQ(WM_HIDREPORT, 0x467u);
}

} // namespace
