// Packing a report's data into the record's 32-bit value, and the handles
// the report callback serves.
#include "device/HidReport.h"
#include "device/SubscribedHandles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

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

// The library need not wait for a callback that is running when reports
// stop: Clear must, so that the monitor array may go once it has returned.
TEST(SubscribedHandlesTest, ClearWaitsForARunningCallbackAndNoneFollows)
{
    SubscribedHandles handles;
    handles.Replace({7});
    std::mutex m;
    std::condition_variable changed;
    bool inside = false, release = false, cleared = false;
    std::thread callback([&] {
        handles.ForEachMatch(7, [&] {
            std::unique_lock<std::mutex> lock(m);
            inside = true;
            changed.notify_all();
            changed.wait(lock, [&] { return release; });
        });
    });
    std::unique_lock<std::mutex> lock(m);
    changed.wait(lock, [&] { return inside; });
    std::thread clearing([&] {
        handles.Clear();
        std::lock_guard<std::mutex> done(m);
        cleared = true;
        changed.notify_all();
    });
    // Time enough for a Clear that does not wait to return.
    EXPECT_FALSE(changed.wait_for(lock, std::chrono::milliseconds(100), [&] { return cleared; }));
    release = true;
    changed.notify_all();
    lock.unlock();
    callback.join();
    clearing.join();
    EXPECT_TRUE(cleared);
    int calls = 0;
    handles.ForEachMatch(7, [&] { ++calls; });
    EXPECT_EQ(calls, 0);
}

} // namespace
