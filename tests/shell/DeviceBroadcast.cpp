#include "DeviceBroadcast.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

DeviceBroadcast DeviceBroadcast::Interface(WORD vendor, WORD product)
{
    char name[160];
    std::snprintf(name, sizeof name,
                  "\\\\?\\HID#VID_%04X&PID_%04X&MI_00#7&5e1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  vendor, product);
    const size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + std::strlen(name) + 1;
    DeviceBroadcast broadcast;
    broadcast.m_record.assign(size < sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) ? sizeof(DEV_BROADCAST_DEVICEINTERFACE_A)
                                                                             : size,
                              0);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(broadcast.m_record.data());
    record->dbcc_size = static_cast<DWORD>(size);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(record->dbcc_name, name, std::strlen(name) + 1);
    return broadcast;
}

DeviceBroadcast DeviceBroadcast::Volume()
{
    DeviceBroadcast broadcast;
    broadcast.m_record.assign(sizeof(DEV_BROADCAST_VOLUME), 0);
    auto* record = reinterpret_cast<DEV_BROADCAST_VOLUME*>(broadcast.m_record.data());
    record->dbcv_size = sizeof(DEV_BROADCAST_VOLUME);
    record->dbcv_devicetype = DBT_DEVTYP_VOLUME;
    record->dbcv_unitmask = 1 << 4;
    return broadcast;
}

LRESULT DeviceBroadcast::SendTo(HWND window, WPARAM event) const
{
    return SendMessageA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(m_record.data()));
}
