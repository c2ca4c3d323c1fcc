// Discovery through the application object, and monitor reports from the
// simulated monitors' own thread into the locked queue and a target window:
// packing, matching, dropping, freeing, and a storm of reports across
// rebuilds of the monitor list while stopping does not wait for a callback.
#include "SimControl.h"
#include "device/DeviceDiscovery.h"
#include "device/DravoApi.h"
#include "device/MonitorReports.h"
#include "shell/CVantorApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <vector>

namespace {

// The report target: takes every record it is sent and keeps a copy.
class ReportWindow {
public:
    ReportWindow()
    {
        static const ATOM cls = Register();
        (void)cls;
        hwnd = CreateWindowExA(0, "DeviceTestReportTarget", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ReportWindow() { Destroy(); }
    void Destroy()
    {
        if (hwnd)
            DestroyWindow(hwnd);
        hwnd = nullptr;
    }

    HWND hwnd = nullptr;
    std::vector<HidReport> taken;
    int unknown = 0;   // messages whose record was not in the queue

private:
    static ATOM Register()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "DeviceTestReportTarget";
        return RegisterClassA(&wc);
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<ReportWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_HIDREPORT && self) {
            HidReport report;
            if (theApp.TakeReport(lParam, &report))
                self->taken.push_back(report);
            else
                ++self->unknown;
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Pumps until done() or the time is up.
template <class Done>
bool PumpUntil(Done done, int milliseconds = 10000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
    return true;
}

class AppReportsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SimFreshStart());
        theApp.m_bFoundOnce = FALSE;
        ASSERT_TRUE(theApp.FindDevices());
        for (POSITION p = theApp.m_listDevices.GetHeadPosition(); p;)
            handles.push_back(DeviceDiscovery::FromEntry(theApp.m_listDevices.GetNext(p)));
    }

    void TearDown() override
    {
        StopMonitorReports();
        SimRun("wait 5000");
        theApp.m_hWndReport = nullptr;
        Pump();
        theApp.PurgeReports();
        theApp.m_StatusAll.DeleteAll();
        theApp.ReleaseDevices();
    }

    // Lists monitors for the given handles (repeats allowed).
    void List(std::initializer_list<DWORD> listed)
    {
        for (DWORD handle : listed) {
            auto* monitor = new CMonitorStatus;
            monitor->m_hDevice = handle;
            theApp.m_StatusAll.m_arMonitors.Add(monitor);
        }
    }

    std::vector<DWORD> handles;
};

TEST_F(AppReportsTest, DiscoveryFillsTheHandleListAndReleaseEmptiesIt)
{
    EXPECT_EQ(theApp.m_nDevices, 3);
    ASSERT_EQ(handles.size(), 3u);
    EXPECT_TRUE(theApp.ReleaseDevices());
    EXPECT_TRUE(theApp.m_listDevices.IsEmpty());
    EXPECT_EQ(SimTraceWith("KvRelease").size(), 1u);
    ASSERT_TRUE(SimRun("fault discovery -1 times 1"));
    EXPECT_FALSE(theApp.FindDevices());
    EXPECT_EQ(theApp.m_nDevices, 0);
}

TEST_F(AppReportsTest, ReportsArePackedAndReachTheTarget)
{
    ReportWindow target;
    theApp.m_hWndReport = target.hwnd;
    List({handles[0]});
    StartMonitorReports();
    ASSERT_TRUE(SimRun("report 1 mode 5"));
    ASSERT_TRUE(SimRun("report 1 0xFF01:0x4A bytes 01020304050607"));
    ASSERT_TRUE(SimRun("report 1 0xFF00:0xB8 3 bits 4 count 2"));
    ASSERT_TRUE(SimRun("wait 5000"));
    ASSERT_TRUE(PumpUntil([&] { return target.taken.size() == 3; }));
    EXPECT_EQ(target.taken[0].hDevice, handles[0]);
    EXPECT_EQ(target.taken[0].usagePage, 0xFF00);
    EXPECT_EQ(target.taken[0].usage, 0x15);
    EXPECT_EQ(target.taken[0].value, 5u);
    EXPECT_EQ(target.taken[1].value, 0x04030201u);
    EXPECT_EQ(target.taken[2].value, 0u);   // below 8 bits per element nothing is packed
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
}

TEST_F(AppReportsTest, OnlyListedHandlesAreServedAndTwiceWhenListedTwice)
{
    ReportWindow target;
    theApp.m_hWndReport = target.hwnd;
    List({handles[0], handles[0]});
    StartMonitorReports();
    // Reports of another monitor come to the callback, but nothing lists it.
    ASSERT_GE(DravoApi::Library().reportOn(handles[1], OnMonitorReport, OnMonitorReportAux, 0), 0);
    ASSERT_TRUE(SimRun("report 2 mode 7"));
    ASSERT_TRUE(SimRun("report 1 mode 9"));
    ASSERT_TRUE(SimRun("wait 5000"));
    ASSERT_TRUE(PumpUntil([&] { return target.taken.size() >= 2; }));
    Pump();
    ASSERT_EQ(target.taken.size(), 2u);
    EXPECT_EQ(target.taken[0].value, 9u);
    EXPECT_EQ(target.taken[1].value, 9u);
    DravoApi::Library().reportOff(handles[1]);
}

TEST_F(AppReportsTest, NoTargetOrAFailedPostKeepsNothing)
{
    List({handles[0]});
    StartMonitorReports();
    theApp.m_hWndReport = nullptr;
    ASSERT_TRUE(SimRun("report 1 mode 1"));
    ASSERT_TRUE(SimRun("wait 5000"));
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);

    ReportWindow gone;
    const HWND stale = gone.hwnd;
    gone.Destroy();
    theApp.m_hWndReport = stale;   // posts to it fail: the records are freed at once
    ASSERT_TRUE(SimRun("burst 1 50"));
    ASSERT_TRUE(SimRun("wait 5000"));
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
}

TEST_F(AppReportsTest, RecordsOfADestroyedTargetWaitForThePurge)
{
    List({handles[0]});
    StartMonitorReports();
    ReportWindow target;
    theApp.m_hWndReport = target.hwnd;
    ASSERT_TRUE(SimRun("burst 1 20"));
    ASSERT_TRUE(SimRun("wait 5000"));
    target.Destroy();   // its queued messages go with it, unhandled
    theApp.m_hWndReport = nullptr;
    Pump();
    EXPECT_EQ(theApp.GetQueuedReportCount(), 20);
    StopMonitorReports();
    theApp.PurgeReports();
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
}

// However many records wait for a target, one message is on its way to it:
// the next goes out as the target takes the one before. A target that takes
// its records all at once, or goes away, takes or frees its own alone.
TEST_F(AppReportsTest, OneMessageIsOnItsWayToATargetWhateverWaits)
{
    List({handles[0]});
    StartMonitorReports();
    ReportWindow first, second;
    theApp.m_hWndReport = first.hwnd;
    ASSERT_TRUE(SimRun("burst 1 500"));
    ASSERT_TRUE(SimRun("wait 5000"));
    theApp.m_hWndReport = second.hwnd;
    ASSERT_TRUE(SimRun("burst 1 300 brightness 7"));
    ASSERT_TRUE(SimRun("wait 5000"));
    theApp.m_hWndReport = nullptr;
    ASSERT_EQ(theApp.GetQueuedReportCount(), 800);

    for (size_t taken = 1; taken <= 2; ++taken) {
        MSG msg{}, more{};
        ASSERT_TRUE(PeekMessageA(&msg, first.hwnd, WM_HIDREPORT, WM_HIDREPORT, PM_REMOVE));
        EXPECT_FALSE(PeekMessageA(&more, first.hwnd, WM_HIDREPORT, WM_HIDREPORT, PM_NOREMOVE));
        DispatchMessageA(&msg);
        ASSERT_EQ(first.taken.size(), taken);
    }
    const std::vector<HidReport> all = theApp.TakeReportsFor(second.hwnd);
    ASSERT_EQ(all.size(), 300u);
    EXPECT_EQ(all.front().usage, 0x10);
    EXPECT_EQ(all.back().value, 7u);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 498);
    EXPECT_EQ(theApp.DiscardReportsFor(first.hwnd), 498);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
    Pump();   // the messages still on their way find nothing to read
    EXPECT_EQ(first.taken.size(), 2u);
    EXPECT_TRUE(second.taken.empty());
}

TEST_F(AppReportsTest, ARecordNotInTheQueueIsNeitherReadNorFreed)
{
    HidReport outside{1, 2, 3, 4};
    HidReport out{9, 9, 9, 9};
    EXPECT_FALSE(theApp.TakeReport(reinterpret_cast<LPARAM>(&outside), &out));
    EXPECT_EQ(out.hDevice, 9u);
    EXPECT_EQ(theApp.UnlinkReport(&outside), nullptr);
    EXPECT_FALSE(theApp.TakeReport(0, &out));

    auto* queued = new HidReport{5, 6, 7, 8};
    ASSERT_TRUE(theApp.QueueReport(queued));
    EXPECT_EQ(theApp.UnlinkReport(queued), queued);
    EXPECT_EQ(theApp.UnlinkReport(queued), nullptr);   // gone from the queue once unlinked
    delete queued;
}

// Counts every call of the report callback on its way from the library, and
// holds one call inside the library's thread when asked to.
std::atomic<long> callbackCalls{0};
std::atomic<KvReportCallback> realCallback{nullptr};
std::atomic<bool> holdNext{false};
HANDLE held = nullptr;       // set when a call is held
HANDLE release = nullptr;    // lets it go on into the program's callback
HANDLE finished = nullptr;   // set when the program's callback has returned

int DRAVO_CALL CountingCallback(DWORD h, WORD page, WORD usage, WORD bits, WORD count, BYTE* data, DWORD context)
{
    ++callbackCalls;
    const bool hold = holdNext.exchange(false);
    if (hold) {
        SetEvent(held);
        WaitForSingleObject(release, 30000);
    }
    const int result = realCallback.load()(h, page, usage, bits, count, data, context);
    if (hold)
        SetEvent(finished);
    return result;
}

int DRAVO_CALL CountingReportOn(DWORD h, KvReportCallback callback, KvReportAuxCallback aux, DWORD reserved)
{
    realCallback = callback;
    return DravoApi::Library().reportOn(h, CountingCallback, aux, reserved);
}

// The library here only promises what KvReportOFF must: no report follows,
// but a callback running when it is called may still be finishing. The
// program must not rely on more while it rebuilds the monitor list.
TEST_F(AppReportsTest, StormOfReportsAcrossRebuildsWhenStoppingDoesNotWait)
{
    ASSERT_TRUE(SimRun("library report-off nowait"));
    DravoApi counted = DravoApi::Library();
    counted.reportOn = CountingReportOn;
    const DravoApi saved = DravoApi::Install(counted);
    callbackCalls = 0;
    held = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    release = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    finished = CreateEventA(nullptr, FALSE, FALSE, nullptr);

    ReportWindow target;
    theApp.m_hWndReport = target.hwnd;
    List({handles[0], handles[1]});
    StartMonitorReports();

    // A callback held in the library while the reports stop finishes after
    // the stop has returned: it posts nothing from the list being rebuilt.
    holdNext = true;
    ASSERT_TRUE(SimRun("report 1 mode 5"));
    ASSERT_EQ(WaitForSingleObject(held, 30000), WAIT_OBJECT_0);
    StopMonitorReports();
    SetEvent(release);
    ASSERT_EQ(WaitForSingleObject(finished, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0) << "a callback that outlived the stop posted its report";
    theApp.m_StatusAll.DeleteAll();
    List({handles[0], handles[1]});
    StartMonitorReports();

    // Stopping drops what the library still holds for a monitor, so bursts
    // go on until 100,000 reports have reached the callback. Each rebuild
    // deletes the listed monitors while a callback may still be running.
    constexpr long Wanted = 100000;
    constexpr int PerBurst = 1000;
    long rebuilds = 0;
    const long before = callbackCalls;
    for (int burst = 0; callbackCalls - before < Wanted; ++burst) {
        ASSERT_LT(burst, 1000) << callbackCalls << " reports delivered";
        ASSERT_TRUE(SimRun("burst " + std::to_string(1 + burst % 2) + " " + std::to_string(PerBurst)));
        PumpUntil([&] { return false; }, 2);
        if (burst % 10 == 5) {
            StopMonitorReports();
            theApp.m_StatusAll.DeleteAll();
            List({handles[0], handles[1]});
            Pump();
            StartMonitorReports();
            ++rebuilds;
        }
    }
    ASSERT_TRUE(SimRun("wait 60000"));
    StopMonitorReports();
    const long delivered = callbackCalls - before;
    // A callback running at a stop may have found nothing to serve: one per rebuild at most.
    ASSERT_TRUE(PumpUntil([&] { return static_cast<long>(target.taken.size()) >= delivered - rebuilds; }, 60000))
        << target.taken.size() << " of " << delivered;
    Pump();
    EXPECT_LE(static_cast<long>(target.taken.size()), delivered);
    EXPECT_EQ(target.unknown, 0);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
    EXPECT_GE(delivered, Wanted);
    DravoApi::Install(saved);
    CloseHandle(held);
    CloseHandle(release);
    CloseHandle(finished);
}

} // namespace
