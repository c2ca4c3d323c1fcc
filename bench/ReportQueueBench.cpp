// Monitor reports per second from the library's thread, through the locked
// report queue, to a target window that takes every record queued for it at
// each message, as the program's windows do; beside it, a plain thread
// posting one heap record per message to a window that frees it, the least
// a delivery of each report across threads costs.
// Run: build-dev/wine-run build-dev/bin/bench_report_queue.exe [reports]
#include "device/DeviceDiscovery.h"
#include "device/MonitorReports.h"
#include "shell/CVantorApp.h"
#include "standins/libdravo/DravoSim.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr UINT WM_PLAIN = WM_APP + 1;

long taken = 0;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HIDREPORT) {
        taken += static_cast<long>(theApp.TakeReportsFor(hwnd).size());
        return 0;
    }
    if (message == WM_PLAIN) {
        delete reinterpret_cast<HidReport*>(lParam);
        ++taken;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateTarget()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ReportQueueBenchTarget";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Sends reports in bursts and pumps until the window has taken them all.
double Run(long reports, int perBurst)
{
    taken = 0;
    char answer[256];
    const auto start = std::chrono::steady_clock::now();
    for (long sent = 0; sent < reports; sent += perBurst) {
        SimCommand(("burst 1 " + std::to_string(perBurst)).c_str(), answer, sizeof answer);
        Pump();
    }
    MSG msg;
    while (taken < reports && GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The same bursts from a plain thread of its own, like the library's: each
// burst asks for more, the thread posts one heap record per message.
double RunPlain(HWND target, long reports, int perBurst)
{
    taken = 0;
    std::atomic<long> requested{0};
    std::atomic<long> failed{0};
    const auto start = std::chrono::steady_clock::now();
    std::thread poster([&] {
        for (long posted = 0; posted < reports;) {
            if (posted == requested.load()) {
                std::this_thread::yield();
                continue;
            }
            auto* record = new HidReport{1, 2, 3, 4};
            if (!PostMessageA(target, WM_PLAIN, 0, reinterpret_cast<LPARAM>(record))) {
                delete record;
                ++failed;
            }
            ++posted;
        }
    });
    for (long sent = 0; sent < reports; sent += perBurst) {
        requested += perBurst;
        Pump();
    }
    MSG msg;
    while (taken + failed < reports && GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    poster.join();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const long reports = argc > 1 ? std::atol(argv[1]) : 200000;
    if (!theApp.FindDevices()) {
        std::printf("no monitor found\n");
        return 1;
    }
    auto* monitor = new CMonitorStatus;
    monitor->m_hDevice = DeviceDiscovery::FromEntry(theApp.m_listDevices.GetHead());
    theApp.m_StatusAll.m_arMonitors.Add(monitor);
    StartMonitorReports();

    // The library alone: reports reach the callback, which drops them for want of a target.
    {
        theApp.m_hWndReport = nullptr;
        char answer[256];
        const auto start = std::chrono::steady_clock::now();
        for (long sent = 0; sent < reports; sent += 1000)
            SimCommand("burst 1 1000", answer, sizeof answer);
        SimWaitReports(600000);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%ld reports to the callback, no target: %9.0f per second\n", reports, reports / seconds);
    }
    theApp.m_hWndReport = CreateTarget();
    for (int perBurst : {100, 1000, 10000}) {
        const double seconds = Run(reports, perBurst);
        const double plain = RunPlain(theApp.m_hWndReport, reports, perBurst);
        std::printf("%ld reports in bursts of %5d: %9.0f per second, %.2f us each, %lld left queued; "
                    "plain posts %.2f us each, ratio %.2f\n",
                    reports, perBurst, reports / seconds, seconds * 1e6 / reports,
                    static_cast<long long>(theApp.GetQueuedReportCount()), plain * 1e6 / reports, seconds / plain);
    }
    StopMonitorReports();
    theApp.PurgeReports();
    theApp.m_StatusAll.DeleteAll();
    theApp.ReleaseDevices();
    return 0;
}
