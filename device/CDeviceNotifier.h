#pragma once
// Tells a window when a device of a given interface class comes or goes, and
// decodes the broadcasts it then receives.
#include <windows.h>
#include <dbt.h>

#include "device/DeviceIdInfo.h"

class CDeviceNotifier {
public:
    static constexpr int KindHid = 0;         // the HID device-interface class
    static constexpr int KindUsbDevice = 1;   // GUID_DEVINTERFACE_USB_DEVICE

    // The registration handle; null on failure or for any other kind.
    HDEVNOTIFY Register(HWND window, int kind);
    BOOL Unregister(HDEVNOTIFY handle);
    // 1 arrival, 2 removal complete, 0 otherwise; out is untouched unless the
    // broadcast is a device-interface record.
    int ParseDeviceChange(WPARAM event, PDEV_BROADCAST_HDR header, DeviceIdInfo* out);
};
