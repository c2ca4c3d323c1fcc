#pragma once
// A device-change broadcast as Windows sends it to the main window: a
// device-interface record with a device name, or a bare header of another
// device type.
#include <windows.h>
#include <dbt.h>

#include <string>
#include <vector>

class DeviceBroadcast
{
public:
    // A HID interface of the given USB vendor and product.
    static DeviceBroadcast Interface(WORD vendor, WORD product);
    // A volume header (another device type).
    static DeviceBroadcast Volume();

    LRESULT SendTo(HWND window, WPARAM event) const;

private:
    std::vector<BYTE> m_record;
};
