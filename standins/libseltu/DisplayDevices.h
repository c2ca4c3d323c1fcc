#pragma once
// The display adapters Windows shows attached to the desktop, each with its
// monitor devices, as EnumDisplayDevicesA lists them.
#include "standins/libdravo/MonitorInfoJoin.h"
#include <vector>

class DisplayDevices {
public:
    static std::vector<DisplayAdapter> attached();
};
