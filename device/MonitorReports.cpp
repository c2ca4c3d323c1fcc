#include "device/MonitorReports.h"
#include "device/DravoApi.h"
#include "device/SubscribedHandles.h"
#include "shell/CVantorApp.h"

#include <new>

namespace {

// What the callback serves. The library only promises that KvReportOFF
// stops the reports, not that a callback running at that moment has
// returned, so the callback must not read the monitor array.
SubscribedHandles subscribed;

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
    std::vector<DWORD> handles;
    try {
        ForEachListedHandle([&](DWORD hDevice) { handles.push_back(hDevice); });
    } catch (const std::bad_alloc&) {
        handles.clear();   // reports are then dropped rather than matched against a partial list
    }
    subscribed.Replace(std::move(handles));
    ForEachListedHandle([](DWORD hDevice) {
        DravoApi::Active().reportOn(hDevice, OnMonitorReport, OnMonitorReportAux, 0);
    });
}

void StopMonitorReports()
{
    ForEachListedHandle([](DWORD hDevice) { DravoApi::Active().reportOff(hDevice); });
    // Served until here, as the list still stands; a callback the library is
    // still finishing finds nothing from now on.
    subscribed.Clear();
}

int DRAVO_CALL OnMonitorReport(DWORD hDevice, WORD usagePage, WORD usage, WORD bitSize, WORD count,
                               BYTE* data, DWORD /*context*/)
{
    // Nothing may unwind into the library's thread.
    try {
        const HidReport report{hDevice, usagePage, usage, HidReport::PackValue(bitSize, count, data)};
        subscribed.ForEachMatch(hDevice, [&] { theApp.PostReport(report); });
    } catch (...) {
    }
    return 0;
}

void DRAVO_CALL OnMonitorReportAux(DWORD, DWORD)
{
}
