#include "standins/libdravo/DeviceBroadcaster.h"
#include "device/OrvelUsb.h"

#include <cstdio>
#include <cstring>
#include <dbt.h>
// The system header declares these calls without C linkage for C++.
extern "C" {
#include <hidsdi.h>
}

namespace {

// A window that no longer answers must not stall the simulator for ever.
constexpr UINT SendTimeoutMs = 10000;

BOOL CALLBACK collect(HWND window, LPARAM list)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId())
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

std::string DeviceBroadcaster::hidClassText()
{
    GUID guid;
    HidD_GetHidGuid(&guid);
    char text[40];
    std::snprintf(text, sizeof text, "{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                  guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

std::string DeviceBroadcaster::interfaceName(WORD productId, int monitor, int interfaceIndex)
{
    char text[160];
    std::snprintf(text, sizeof text, "\\\\?\\HID#VID_%04X&PID_%04X&MI_%02d#7&%06x&0&%04X#%s", OrvelUsbVendorId,
                  productId, interfaceIndex, 0x1a2b00 + monitor, interfaceIndex, hidClassText().c_str());
    return text;
}

std::vector<HWND> DeviceBroadcaster::processWindows()
{
    std::vector<HWND> windows;
    EnumWindows(&collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void DeviceBroadcaster::announce(const PlugEvent& event)
{
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    WPARAM kind = event.arrived ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    for (int i = 0; i < event.interfaces; ++i) {
        std::string name = interfaceName(event.productId, event.monitor, i);
        size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + name.size() + 1;
        std::vector<char> storage(size, 0);
        auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(storage.data());
        record->dbcc_size = static_cast<DWORD>(size);
        record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        record->dbcc_classguid = hidClass;
        std::memcpy(record->dbcc_name, name.c_str(), name.size() + 1);
        for (HWND window : processWindows()) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_DEVICECHANGE, kind, reinterpret_cast<LPARAM>(record),
                                SMTO_NORMAL | SMTO_ABORTIFHUNG, SendTimeoutMs, &ignored);
        }
    }
}
