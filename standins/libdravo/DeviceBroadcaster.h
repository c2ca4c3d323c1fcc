#pragma once
// What Windows would broadcast when a simulated monitor's USB HID
// interfaces come or go: WM_DEVICECHANGE (DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE) with a DEV_BROADCAST_DEVICEINTERFACE_A of the
// HID class, whose name carries the maker's VID and the model's PID. The
// real registrations cannot be seen, so it goes to every top-level window
// of this process; windows that did not register ignore it.
//
// A record lives until every window it was sent to has handled it, also
// when the broadcast stopped waiting for a window that is slow to answer.
#include "standins/libdravo/Simulator.h"
#include <windows.h>
#include <memory>
#include <string>
#include <vector>

class DeviceBroadcaster {
public:
    // "\\?\HID#VID_2E7A&PID_0101&MI_00#7&...&0&0000#{4d1e55b2-...}"
    static std::string interfaceName(WORD productId, int monitor, int interfaceIndex);
    static std::vector<HWND> processWindows();
    // One broadcast per interface of the monitor, waiting at most waitMs for
    // each window of another thread. The caller must hold no simulator lock,
    // as the receivers call back in.
    void announce(const PlugEvent& event, DWORD waitMs);

private:
    class Record;
    struct Courier;
    static std::string hidClassText();
    static void deliver(HWND window, WPARAM kind, const std::shared_ptr<Record>& record, DWORD waitMs);
    static DWORD WINAPI courierMain(LPVOID parameter);
    // Waits for the object; messages sent to this thread's windows meanwhile
    // are handled, so that a receiver sending back cannot deadlock.
    static void waitHandlingSentMessages(HANDLE object, DWORD waitMs);
};
