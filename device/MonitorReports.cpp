#include "device/MonitorReports.h"
#include "device/DravoApi.h"
#include "shell/CVantorApp.h"

namespace {

template <class Action>
void ForEachListedHandle(Action action)
{
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (INT_PTR i = 0; i < monitors.GetSize(); ++i) {
        if (const CMonitorStatus* monitor = monitors[i])
            action(monitor->m_hDevice);
    }
}

} // namespace

void StartMonitorReports()
{
    ForEachListedHandle([](DWORD hDevice) {
        DravoApi::Active().reportOn(hDevice, OnMonitorReport, OnMonitorReportAux, 0);
    });
}

void StopMonitorReports()
{
    ForEachListedHandle([](DWORD hDevice) { DravoApi::Active().reportOff(hDevice); });
}

int DRAVO_CALL OnMonitorReport(DWORD hDevice, WORD usagePage, WORD usage, WORD bitSize, WORD count,
                               BYTE* data, DWORD /*context*/)
{
    // Nothing may unwind into the library's thread.
    try {
        const HidReport report{hDevice, usagePage, usage, HidReport::PackValue(bitSize, count, data)};
        // A handle listed twice is served twice.
        ForEachListedHandle([&](DWORD listed) {
            if (listed == hDevice)
                theApp.PostReport(report);
        });
    } catch (...) {
    }
    return 0;
}

void DRAVO_CALL OnMonitorReportAux(DWORD, DWORD)
{
}
