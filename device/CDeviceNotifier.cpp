#include "device/CDeviceNotifier.h"
#include "device/CDeviceBroadcast.h"

// The header declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <cstring>

namespace {

const GUID UsbDeviceInterface = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

bool ClassOfKind(int kind, GUID& out)
{
    switch (kind) {
    case CDeviceNotifier::KindHid:
        HidD_GetHidGuid(&out);
        return true;
    case CDeviceNotifier::KindUsbDevice:
        out = UsbDeviceInterface;
        return true;
    default:
        return false;
    }
}

} // namespace

HDEVNOTIFY CDeviceNotifier::Register(HWND window, int kind)
{
    DEV_BROADCAST_DEVICEINTERFACE_A filter;
    std::memset(&filter, 0, sizeof filter);
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    if (!ClassOfKind(kind, filter.dbcc_classguid))
        return nullptr;
    return RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

BOOL CDeviceNotifier::Unregister(HDEVNOTIFY handle)
{
    return UnregisterDeviceNotification(handle);
}

int CDeviceNotifier::ParseDeviceChange(WPARAM event, PDEV_BROADCAST_HDR header, DeviceIdInfo* out)
{
    return CDeviceBroadcast::Parse(event, header, out);
}
