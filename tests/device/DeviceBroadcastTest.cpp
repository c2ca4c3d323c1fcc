// Decoding device-change broadcasts: ids, the upper-cased name, the events,
// and records that are short, foreign or malformed.
#include "device/CDeviceBroadcast.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr WPARAM Arrival = 0x8000;
constexpr WPARAM Removal = 0x8004;
constexpr WPARAM NodesChanged = 0x0007;

// A device-interface record of exactly its stated size, on the heap so that
// the sanitizer build sees any read past it.
class Broadcast {
public:
    // terminate = false leaves the name running to the end of the record.
    explicit Broadcast(const std::string& name, bool terminate = true, DWORD type = 5)
        : size(static_cast<DWORD>(28 + name.size() + (terminate ? 1 : 0))), bytes(new BYTE[size])
    {
        std::memset(bytes.get(), 0x5A, size);
        std::memcpy(bytes.get(), &size, 4);
        std::memcpy(bytes.get() + 4, &type, 4);
        std::memcpy(bytes.get() + 28, name.data(), name.size());
        if (terminate)
            bytes[size - 1] = 0;
    }
    const void* get() const { return bytes.get(); }
    void SetSize(DWORD value) { std::memcpy(bytes.get(), &value, 4); }

private:
    DWORD size;
    std::unique_ptr<BYTE[]> bytes;
};

DeviceIdInfo Untouched()
{
    DeviceIdInfo info;
    std::memset(&info, 0xCC, sizeof info);
    return info;
}

const char* HidName = "\\\\?\\HID#VID_2E7A&PID_0101&MI_00#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

TEST(DeviceBroadcastTest, ArrivalAndRemovalGiveIdsAndUpperCaseName)
{
    Broadcast record(HidName);
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, record.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0x2E7A);
    EXPECT_EQ(info.productId, 0x0101);
    EXPECT_STREQ(info.name,
                 "\\\\?\\HID#VID_2E7A&PID_0101&MI_00#7&1A2B3C&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030}");
    EXPECT_EQ(CDeviceBroadcast::Parse(Removal, record.get(), &info), 2);
}

TEST(DeviceBroadcastTest, LowerCaseMarkersGiveTheSameIds)
{
    Broadcast lower("\\\\?\\hid#vid_2e7a&pid_01af#x");
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, lower.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0x2E7A);
    EXPECT_EQ(info.productId, 0x01AF);
    EXPECT_STREQ(info.name, "\\\\?\\HID#VID_2E7A&PID_01AF#X");
}

TEST(DeviceBroadcastTest, MarkersWithoutFourCharactersGiveZero)
{
    DeviceIdInfo info = Untouched();
    Broadcast shortVendor("USB#VID_2E");
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, shortVendor.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0);
    EXPECT_EQ(info.productId, 0);
    EXPECT_STREQ(info.name, "USB#VID_2E");

    Broadcast noMarkers("ROOT#SYSTEM#0001");
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, noMarkers.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0);

    Broadcast exact("VID_1234PID_ABCD");
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, exact.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0x1234);
    EXPECT_EQ(info.productId, 0xABCD);

    Broadcast notHex("VID_12G4&PID_zz12");
    CDeviceBroadcast::Parse(Arrival, notHex.get(), &info);
    EXPECT_EQ(info.vendorId, 0x12);   // the leading hex digits, as a stream reads them
    EXPECT_EQ(info.productId, 0);
}

TEST(DeviceBroadcastTest, OtherEventsFillButReturnZero)
{
    Broadcast record(HidName);
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(NodesChanged, record.get(), &info), 0);
    EXPECT_EQ(info.vendorId, 0x2E7A);

    info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(0, record.get(), &info), 0);
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, nullptr, &info), 0);
    EXPECT_EQ(info.vendorId, 0xCCCC);
}

TEST(DeviceBroadcastTest, OtherDeviceTypesLeaveOutUntouched)
{
    Broadcast volume("ignored", true, 2);
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, volume.get(), &info), 0);
    EXPECT_EQ(info.vendorId, 0xCCCC);
    EXPECT_EQ(static_cast<BYTE>(info.name[0]), 0xCC);
}

TEST(DeviceBroadcastTest, NameEndsWithTheRecord)
{
    // No NUL: the name runs to the end of the stated size and no further.
    Broadcast unterminated("HID#VID_2E7A&PID_0101", false);
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, unterminated.get(), &info), 1);
    EXPECT_STREQ(info.name, "HID#VID_2E7A&PID_0101");
    EXPECT_EQ(info.productId, 0x0101);

    // A marker cut off by the record's end gives no id.
    Broadcast cut("HID#VID_2E7A&PID_01", false);
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, cut.get(), &info), 1);
    EXPECT_EQ(info.vendorId, 0x2E7A);
    EXPECT_EQ(info.productId, 0);

    // A record too short for its own head is refused.
    Broadcast tooShort("");
    tooShort.SetSize(20);
    info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, tooShort.get(), &info), 0);
    EXPECT_EQ(info.vendorId, 0xCCCC);
}

TEST(DeviceBroadcastTest, LongNamesAreCutAt511Characters)
{
    std::string name(700, 'a');
    name.replace(600, 13, "vid_2e7a&pid_");   // ids far beyond what is stored still count
    name.replace(613, 4, "0202");
    Broadcast record(name);
    DeviceIdInfo info = Untouched();
    EXPECT_EQ(CDeviceBroadcast::Parse(Arrival, record.get(), &info), 1);
    EXPECT_EQ(std::strlen(info.name), 511u);
    EXPECT_EQ(info.name[0], 'A');
    EXPECT_EQ(info.vendorId, 0x2E7A);
    EXPECT_EQ(info.productId, 0x0202);
}

} // namespace
