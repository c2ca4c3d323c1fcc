// Reports: delivered on the library's own thread with the callback's
// arguments, and KvReportOFF's promise that no callback runs or follows
// once it has returned, also under load and from inside a callback.
#include "SimTestSupport.h"
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>

using namespace simtest;

namespace {

class Reports : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::instance().take();
        handles = discover(sim);
        ASSERT_GT(sim.reportOn(handles[0], &ReportLog::callback, 0), 0);
    }
    std::vector<Received> received()
    {
        EXPECT_TRUE(sim.waitReports(10000));
        return ReportLog::instance().take();
    }

    Simulator sim;
    std::vector<DWORD> handles;
};

} // namespace

TEST_F(Reports, AChangeAtTheMonitorArrivesOnTheLibrarysThread)
{
    ASSERT_TRUE(act(sim, "set 1 mode 23"));
    std::vector<Received> got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].handle, handles[0]);
    EXPECT_EQ(got[0].page, 0xFF00);
    EXPECT_EQ(got[0].usage, 0x15);
    EXPECT_EQ(got[0].bitSize, 8);
    EXPECT_EQ(got[0].count, 2);
    EXPECT_EQ(got[0].data, (std::vector<BYTE>{23, 0}));
    EXPECT_NE(got[0].thread, std::this_thread::get_id());

    ASSERT_TRUE(act(sim, "set 1 brightness 5 quiet"));
    ASSERT_TRUE(act(sim, "set 2 mode 23"));
    ASSERT_TRUE(act(sim, "set 1 brightness 9 mode 40"));
    EXPECT_TRUE(received().empty()) << "quiet, another subscriber-less monitor, a mode not shown";
}

TEST_F(Reports, MonitorSideChangesAnnounceThemselves)
{
    writeWord(sim, handles[0], 0x82, 0x10, 33);
    writeWord(sim, handles[0], 0xFF01, 0xAA, 2);
    EXPECT_TRUE(received().empty()) << "host writes are not echoed by default";
    sim.writeValue(handles[0], 0xFF01, 0xA1, 1);
    std::vector<Received> got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].usage, 0x10);
    EXPECT_EQ(got[0].data, (std::vector<BYTE>{60, 0}));
    sim.writeValue(handles[0], 0xFF01, 0xA1, 10);
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].page, 0xFF01);
    EXPECT_EQ(got[0].usage, 0xAA);

    writeWord(sim, handles[0], 0xFF00, 0x0F, 0x0100);
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].data, (std::vector<BYTE>{23, 0})) << "the colour-mode key steps the mode";

    ASSERT_TRUE(act(sim, "set 1 modes 0x1C00000"));
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].usage, 0x25);
    EXPECT_EQ(got[0].data, (std::vector<BYTE>{0, 0, 0xC0, 1, 0, 0, 0, 0}));

    ASSERT_TRUE(act(sim, "set 1 adjust-enable 0"));
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].usage, 0xB8);

    ASSERT_TRUE(act(sim, "set 1 echo 1"));
    writeWord(sim, handles[0], 0xFF01, 0xA9, 1);
    got = received();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].usage, 0xA9);
}

TEST_F(Reports, RawReportsCarryTheGivenShape)
{
    ASSERT_TRUE(act(sim, "report 1 0xFF00:0xB8 0"));
    ASSERT_TRUE(act(sim, "report 1 0xFF00:0x15 0x04030201 bits 8 count 6"));
    ASSERT_TRUE(act(sim, "report 1 0xFF00:0x15 7 bits 4 count 1"));
    ASSERT_TRUE(act(sim, "report 1 0xFF02:0x01 bytes 0A0B"));
    std::vector<Received> got = received();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].data, (std::vector<BYTE>{0, 0}));
    EXPECT_EQ(got[1].data, (std::vector<BYTE>{1, 2, 3, 4, 0, 0}));
    EXPECT_EQ(got[2].bitSize, 4);
    EXPECT_TRUE(got[2].data.empty());
    EXPECT_EQ(got[3].page, 0xFF02);
    EXPECT_EQ(got[3].data, (std::vector<BYTE>{0x0A, 0x0B}));
    std::vector<BYTE> mode = readFeature(sim, handles[0], 0xFF00, 0x15);
    EXPECT_EQ(mode[0], 22) << "a raw report changes no stored value";
}

TEST_F(Reports, ABurstArrivesWholeAndInOrder)
{
    ASSERT_TRUE(act(sim, "burst 1 500"));
    ASSERT_TRUE(act(sim, "burst 1 3 brightness 9"));
    std::vector<Received> got = received();
    ASSERT_EQ(got.size(), 503u);
    EXPECT_EQ(got[0].usage, 0x15);
    EXPECT_EQ(got[502].usage, 0x10);
    EXPECT_EQ(got[502].data, (std::vector<BYTE>{9, 0}));
}

TEST_F(Reports, NothingIsDeliveredAfterOff)
{
    ASSERT_GT(sim.reportOff(handles[0]), 0);
    ASSERT_TRUE(act(sim, "burst 1 20"));
    EXPECT_TRUE(received().empty());
}

// A callback that holds on until the test lets it go.
namespace held {
std::mutex mutex;
std::condition_variable changed;
bool entered = false;
bool release = false;
std::atomic<int> calls{0};
std::atomic<bool> offReturned{false};
std::atomic<bool> ranAfterOff{false};

int DRAVO_CALL callback(DWORD, WORD, WORD, WORD, WORD, BYTE*, DWORD)
{
    ++calls;
    std::unique_lock<std::mutex> lock(mutex);
    entered = true;
    changed.notify_all();
    changed.wait(lock, [] { return release; });
    if (offReturned)
        ranAfterOff = true;
    return 0;
}
} // namespace held

TEST_F(Reports, OffWaitsForTheRunningCallback)
{
    held::entered = held::release = false;
    held::offReturned = held::ranAfterOff = false;
    Simulator other;
    std::vector<DWORD> h = discover(other);
    ASSERT_GT(other.reportOn(h[0], &held::callback, 0), 0);
    ASSERT_TRUE(act(other, "burst 1 3"));
    {
        std::unique_lock<std::mutex> lock(held::mutex);
        held::changed.wait(lock, [] { return held::entered; });
    }
    std::thread off([&] {
        other.reportOff(h[0]);
        held::offReturned = true;
    });
    // OFF is either waiting for the callback, or wrongly back already.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (other.offCallsWaiting() == 0 && !held::offReturned && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    EXPECT_FALSE(held::offReturned);
    EXPECT_EQ(other.offCallsWaiting(), 1);
    {
        std::lock_guard<std::mutex> lock(held::mutex);
        held::release = true;
        held::changed.notify_all();
    }
    off.join();
    EXPECT_TRUE(held::offReturned);
    EXPECT_FALSE(held::ranAfterOff) << "the callback finished before OFF returned";
    EXPECT_TRUE(other.waitReports(10000));

    // Without waiting, OFF only ends the subscription: the running callback
    // goes on after it has returned, and is the last one.
    held::entered = held::release = false;
    held::offReturned = held::ranAfterOff = false;
    held::calls = 0;
    ASSERT_TRUE(act(other, "library report-off nowait"));
    ASSERT_GT(other.reportOn(h[0], &held::callback, 0), 0);
    ASSERT_TRUE(act(other, "burst 1 3"));
    {
        std::unique_lock<std::mutex> lock(held::mutex);
        held::changed.wait(lock, [] { return held::entered; });
    }
    EXPECT_GT(other.reportOff(h[0]), 0);
    held::offReturned = true;
    {
        std::lock_guard<std::mutex> lock(held::mutex);
        held::release = true;
        held::changed.notify_all();
    }
    EXPECT_TRUE(other.waitReports(10000));
    EXPECT_TRUE(held::ranAfterOff);
    EXPECT_EQ(held::calls, 1);
    EXPECT_EQ(other.offCallsWaiting(), 0);
}

namespace inside {
Simulator* simulator = nullptr;
std::atomic<int> calls{0};
int DRAVO_CALL callback(DWORD handle, WORD, WORD, WORD, WORD, BYTE*, DWORD)
{
    ++calls;
    // Reading back and unsubscribing from inside the callback must not deadlock.
    readWord(*simulator, handle, 0xFF00, 0x15);
    simulator->reportOff(handle);
    return 0;
}
} // namespace inside

TEST_F(Reports, OffFromInsideTheCallbackEndsTheSubscription)
{
    inside::simulator = &sim;
    inside::calls = 0;
    ASSERT_GT(sim.reportOn(handles[1], &inside::callback, 0), 0);
    ASSERT_TRUE(act(sim, "burst 2 5"));
    EXPECT_TRUE(sim.waitReports(10000));
    EXPECT_EQ(inside::calls, 1);
}

namespace stress {
constexpr int Handles = 3;
std::atomic<bool> off[Handles];
std::atomic<int> violations{0};
std::atomic<int> delivered{0};
DWORD handles[Handles];

void check(DWORD handle)
{
    for (int i = 0; i < Handles; ++i)
        if (handles[i] == handle && off[i])
            ++violations;
}

std::atomic<int> started[Handles];

// Runs a little while, so that OFF calls land in the middle of callbacks.
int DRAVO_CALL callback(DWORD handle, WORD, WORD, WORD, WORD, BYTE*, DWORD)
{
    check(handle);
    for (int i = 0; i < Handles; ++i)
        if (handles[i] == handle)
            ++started[i];
    auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(300);
    while (std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    check(handle);
    ++delivered;
    return 0;
}
} // namespace stress

TEST_F(Reports, OffKeepsItsPromiseUnderLoad)
{
    stress::violations = stress::delivered = 0;
    for (int i = 0; i < stress::Handles; ++i) {
        stress::handles[i] = handles[i];
        stress::off[i] = true;
    }
    std::atomic<bool> stop{false};
    std::vector<std::thread> producers;
    for (int m = 1; m <= stress::Handles; ++m)
        producers.emplace_back([&, m] {
            while (!stop)
                act(sim, "burst " + std::to_string(m) + " 20");
        });
    std::vector<std::thread> togglers;
    for (int i = 0; i < stress::Handles; ++i)
        togglers.emplace_back([&, i] {
            for (int round = 0; round < 200; ++round) {
                stress::off[i] = false;
                int before = stress::started[i];
                sim.reportOn(handles[i], &stress::callback, 0);
                // Mostly OFF while one of this handle's callbacks runs.
                auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
                while (stress::started[i] == before && std::chrono::steady_clock::now() < deadline)
                    std::this_thread::yield();
                sim.reportOff(handles[i]);
                stress::off[i] = true;
            }
        });
    for (std::thread& t : togglers)
        t.join();
    stop = true;
    for (std::thread& t : producers)
        t.join();
    EXPECT_TRUE(sim.waitReports(10000));
    EXPECT_EQ(stress::violations, 0);
    EXPECT_GT(stress::delivered, 0) << "the stress delivered something";
}

namespace releasing {
Simulator* simulator = nullptr;
std::atomic<int> calls{0};
int DRAVO_CALL callback(DWORD, WORD, WORD, WORD, WORD, BYTE*, DWORD)
{
    if (++calls == 1)
        simulator->release();
    return 0;
}
} // namespace releasing

TEST(ReportsRelease, ReleaseFromInsideACallbackEndsReportsAndTheyCanStartAgain)
{
    Simulator sim;
    releasing::simulator = &sim;
    releasing::calls = 0;
    std::vector<DWORD> first = discover(sim);
    ASSERT_GT(sim.reportOn(first[0], &releasing::callback, 0), 0);
    ASSERT_TRUE(act(sim, "burst 1 10"));
    ASSERT_TRUE(sim.waitReports(10000));
    EXPECT_EQ(releasing::calls, 1) << "nothing after the release";

    std::vector<DWORD> second = discover(sim);
    ASSERT_GT(sim.reportOn(second[0], &releasing::callback, 0), 0);
    ASSERT_TRUE(act(sim, "burst 1 4"));
    ASSERT_TRUE(sim.waitReports(10000));
    EXPECT_EQ(releasing::calls, 5) << "a new thread delivers again";
}
