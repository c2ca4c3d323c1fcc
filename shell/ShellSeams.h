#pragma once
// Replaceable shell calls of the main window, for tests: the notification
// area, the colour-management library and the end of the device
// notification. Each defaults to the real call;
// ShellSeams::Override puts the previous set back when it goes.
#include "framework/SeamOverride.h"

#include <windows.h>
#include <dbt.h>
#include <shellapi.h>

#include <functional>

namespace ShellSeams {

struct Hooks
{
    std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)> notifyIcon;
    std::function<BOOL(LPCSTR profile, LPCSTR deviceId)> disassociateProfile;
    std::function<BOOL(LPCSTR profile)> installProfile;
    std::function<BOOL(LPCSTR profile, LPCSTR deviceId)> associateProfile;
    std::function<BOOL(HDEVNOTIFY registration)> unregisterDeviceNotify;
};

Hooks& Current();

using Override = SeamOverride<Hooks, &Current>;

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data);
// The three colour-management calls; the association is the library's
// export by ordinal 1. All fail when the library cannot be loaded.
BOOL DisassociateProfile(LPCSTR profile, LPCSTR deviceId);
BOOL InstallProfile(LPCSTR profile);
BOOL AssociateProfile(LPCSTR profile, LPCSTR deviceId);
BOOL UnregisterDeviceNotify(HDEVNOTIFY registration);

} // namespace ShellSeams
