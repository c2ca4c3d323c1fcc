#pragma once
// The maker's USB vendor id: device notifications of other vendors are
// ignored. Shared by the program and the simulated monitors.
#include <cstdint>

constexpr uint16_t OrvelUsbVendorId = 0x2E7A;
