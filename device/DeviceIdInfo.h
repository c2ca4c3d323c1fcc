#pragma once
// What a device-change broadcast says about the device: its USB ids and its
// device-interface name, upper-cased.
#include "framework/WinTypes.h"

struct DeviceIdInfo {
    WORD vendorId;
    WORD productId;
    char name[512];
};
