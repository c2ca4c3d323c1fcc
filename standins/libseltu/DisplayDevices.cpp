#include "standins/libseltu/DisplayDevices.h"

#include <windows.h>

std::vector<DisplayAdapter> DisplayDevices::attached()
{
    std::vector<DisplayAdapter> adapters;
    DISPLAY_DEVICEA adapter{};
    adapter.cb = sizeof adapter;
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &adapter, 0); ++i, adapter.cb = sizeof adapter) {
        if (!(adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
            continue;
        DisplayAdapter entry{adapter.DeviceName, {}};
        DISPLAY_DEVICEA monitor{};
        monitor.cb = sizeof monitor;
        for (DWORD j = 0; EnumDisplayDevicesA(adapter.DeviceName, j, &monitor, 0); ++j, monitor.cb = sizeof monitor)
            entry.monitors.push_back(monitor.DeviceName);
        adapters.push_back(entry);
    }
    return adapters;
}
