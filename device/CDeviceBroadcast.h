#pragma once
// Decodes one device-change broadcast: the event, and for device-interface
// records the USB vendor and product ids and the upper-cased interface name.
// The record is untrusted: nothing is read past the size it states.
#include "device/DeviceIdInfo.h"

class CDeviceBroadcast {
public:
    static constexpr WPARAM EventArrival = 0x8000;          // DBT_DEVICEARRIVAL
    static constexpr WPARAM EventRemoveComplete = 0x8004;   // DBT_DEVICEREMOVECOMPLETE
    static constexpr DWORD TypeDeviceInterface = 5;         // DBT_DEVTYP_DEVICEINTERFACE

    static constexpr int ResultOther = 0;
    static constexpr int ResultArrival = 1;
    static constexpr int ResultRemoval = 2;

    // header: the broadcast record (DEV_BROADCAST_HDR and what follows).
    // Returns 1 arrival, 2 removal complete, 0 otherwise; out is filled for
    // every well-formed device-interface record, whatever the event.
    static int Parse(WPARAM event, const void* header, DeviceIdInfo* out);

private:
    static WORD ReadId(const char* name, size_t length, const char* marker);
};
