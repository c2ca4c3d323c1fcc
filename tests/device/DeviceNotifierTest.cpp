// Registration for device-interface notifications on a real window, and the
// decode of a broadcast in the system's own record layout.
#include "device/CDeviceNotifier.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

class DeviceNotifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = CreateWindowExA(0, "STATIC", "notify", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
    CDeviceNotifier notifier;
};

TEST_F(DeviceNotifierTest, RegistersTheTwoKindsOnlyAndUnregisters)
{
    HDEVNOTIFY hid = notifier.Register(window, CDeviceNotifier::KindHid);
    ASSERT_NE(hid, nullptr);
    HDEVNOTIFY usb = notifier.Register(window, CDeviceNotifier::KindUsbDevice);
    ASSERT_NE(usb, nullptr);
    EXPECT_EQ(notifier.Register(window, 2), nullptr);
    EXPECT_EQ(notifier.Register(window, -1), nullptr);
    EXPECT_NE(notifier.Unregister(hid), FALSE);
    EXPECT_NE(notifier.Unregister(usb), FALSE);
}

TEST_F(DeviceNotifierTest, DecodesTheSystemsRecordLayout)
{
    static_assert(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) == 28, "name follows a 28-byte head");
    const char name[] = "\\\\?\\hid#vid_2e7a&pid_0102#1&2&3#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    alignas(DEV_BROADCAST_DEVICEINTERFACE_A) BYTE storage[sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + sizeof name] = {};
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(storage);
    record->dbcc_size = static_cast<DWORD>(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + sizeof name);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(record->dbcc_name, name, sizeof name);

    DeviceIdInfo info = {};
    auto* header = reinterpret_cast<PDEV_BROADCAST_HDR>(record);
    EXPECT_EQ(notifier.ParseDeviceChange(DBT_DEVICEARRIVAL, header, &info), 1);
    EXPECT_EQ(info.vendorId, 0x2E7A);
    EXPECT_EQ(info.productId, 0x0102);
    EXPECT_EQ(std::strncmp(info.name, "\\\\?\\HID#VID_2E7A&PID_0102", 25), 0);
    EXPECT_EQ(notifier.ParseDeviceChange(DBT_DEVICEREMOVECOMPLETE, header, &info), 2);
    EXPECT_EQ(notifier.ParseDeviceChange(DBT_DEVNODES_CHANGED, header, &info), 0);
}

} // namespace
