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

BOOL CALLBACK collect(HWND window, LPARAM list)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId())
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

constexpr char Poison = static_cast<char>(0xDD);

} // namespace

// One DEV_BROADCAST_DEVICEINTERFACE_A, shared by the windows it goes to.
// It is overwritten when freed, so that a window reading it after that
// finds no plausible device name.
class DeviceBroadcaster::Record {
public:
    Record(const std::string& name, const GUID& hidClass)
        : m_storage(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + name.size() + 1, 0)
    {
        auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(m_storage.data());
        record->dbcc_size = static_cast<DWORD>(m_storage.size());
        record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        record->dbcc_classguid = hidClass;
        std::memcpy(record->dbcc_name, name.c_str(), name.size() + 1);
    }
    ~Record()
    {
        // Through a volatile pointer: stores just before the free must not be dropped.
        volatile char* bytes = m_storage.data();
        for (size_t i = 0; i < m_storage.size(); ++i)
            bytes[i] = Poison;
    }
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    LPARAM address() { return reinterpret_cast<LPARAM>(m_storage.data()); }

private:
    std::vector<char> m_storage;
};

// A send to a window of another thread, on a thread of its own: it holds
// the record until the window's handler has returned, however long that is.
struct DeviceBroadcaster::Courier {
    HWND window;
    WPARAM kind;
    std::shared_ptr<Record> record;
    HMODULE module;   // keeps this library loaded while the courier runs
};

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

void DeviceBroadcaster::announce(const PlugEvent& event, DWORD waitMs)
{
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    WPARAM kind = event.arrived ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    for (int i = 0; i < event.interfaces; ++i) {
        auto record = std::make_shared<Record>(interfaceName(event.productId, event.monitor, i), hidClass);
        for (HWND window : processWindows())
            deliver(window, kind, record, waitMs);
    }
}

void DeviceBroadcaster::deliver(HWND window, WPARAM kind, const std::shared_ptr<Record>& record, DWORD waitMs)
{
    // A window of this thread is called directly: handled when the call returns.
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        SendMessageA(window, WM_DEVICECHANGE, kind, record->address());
        return;
    }
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&courierMain), &module);
    auto* courier = new Courier{window, kind, record, module};
    HANDLE thread = CreateThread(nullptr, 0, &courierMain, courier, 0, nullptr);
    if (!thread) {
        // Without a courier the window is not told, rather than told with a record that may die under it.
        if (module)
            FreeLibrary(module);
        delete courier;
        return;
    }
    // A window that hangs is not waited for; its courier still delivers once it answers.
    waitHandlingSentMessages(thread, IsHungAppWindow(window) ? 0 : waitMs);
    CloseHandle(thread);
}

DWORD WINAPI DeviceBroadcaster::courierMain(LPVOID parameter)
{
    auto* courier = static_cast<Courier*>(parameter);
    HMODULE module = courier->module;
    SendMessageA(courier->window, WM_DEVICECHANGE, courier->kind, courier->record->address());
    delete courier;   // the last holder frees the record
    if (module)
        FreeLibraryAndExitThread(module, 0);
    return 0;
}

void DeviceBroadcaster::waitHandlingSentMessages(HANDLE object, DWORD waitMs)
{
    const ULONGLONG end = GetTickCount64() + waitMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= end ? 0 : static_cast<DWORD>(end - now);
        if (MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1)
            return;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
