#include "shell/ShellSeams.h"

#include "device/CDeviceNotifier.h"

namespace ShellSeams {

namespace {

using ProfileDeviceFn = BOOL(WINAPI*)(PCSTR machine, PCSTR profile, PCSTR deviceId);
using InstallFn = BOOL(WINAPI*)(PCSTR machine, PCSTR profile);

// mscms is loaded on first use and kept for the life of the process.
FARPROC ColorManagementCall(LPCSTR name)
{
    static HMODULE library = LoadLibraryA("mscms.dll");
    return library ? GetProcAddress(library, name) : nullptr;
}

template <typename Fn>
Fn CallOf(LPCSTR name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(ColorManagementCall(name)));
}

} // namespace

Hooks& Current()
{
    static Hooks hooks;
    return hooks;
}

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data)
{
    if (Current().notifyIcon)
        return Current().notifyIcon(message, data);
    return Shell_NotifyIconA(message, data);
}

BOOL DisassociateProfile(LPCSTR profile, LPCSTR deviceId)
{
    if (Current().disassociateProfile)
        return Current().disassociateProfile(profile, deviceId);
    auto call = CallOf<ProfileDeviceFn>("DisassociateColorProfileFromDeviceA");
    return call ? call(nullptr, profile, deviceId) : FALSE;
}

BOOL InstallProfile(LPCSTR profile)
{
    if (Current().installProfile)
        return Current().installProfile(profile);
    auto call = CallOf<InstallFn>("InstallColorProfileA");
    return call ? call(nullptr, profile) : FALSE;
}

BOOL AssociateProfile(LPCSTR profile, LPCSTR deviceId)
{
    if (Current().associateProfile)
        return Current().associateProfile(profile, deviceId);
    auto call = CallOf<ProfileDeviceFn>(MAKEINTRESOURCEA(1));
    return call ? call(nullptr, profile, deviceId) : FALSE;
}

BOOL UnregisterDeviceNotify(HDEVNOTIFY registration)
{
    if (Current().unregisterDeviceNotify)
        return Current().unregisterDeviceNotify(registration);
    return CDeviceNotifier().Unregister(registration);
}

} // namespace ShellSeams
