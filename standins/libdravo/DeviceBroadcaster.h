#pragma once
// What Windows would broadcast when a simulated monitor's USB HID
// interfaces come or go: WM_DEVICECHANGE (DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE) with a DEV_BROADCAST_DEVICEINTERFACE_A of the
// HID class, whose name carries the maker's VID and the model's PID. The
// real registrations cannot be seen, so it goes to every top-level window
// of this process; windows that did not register ignore it.
#include "standins/libdravo/Simulator.h"
#include <windows.h>
#include <string>
#include <vector>

class DeviceBroadcaster {
public:
    // "\\?\HID#VID_2E7A&PID_0101&MI_00#7&...&0&0000#{4d1e55b2-...}"
    static std::string interfaceName(WORD productId, int monitor, int interfaceIndex);
    static std::vector<HWND> processWindows();
    // One broadcast per interface of the monitor. Sent synchronously: the
    // caller must hold no simulator lock, as the receivers call back in.
    void announce(const PlugEvent& event);

private:
    static std::string hidClassText();
};
