#pragma once
// The numbers the shell's tests send and look for, as the program's users
// (the shell, the tray, Windows) know them; written out here rather than
// taken from the program's own headers.
#include <windows.h>

namespace ShellIds {

// Private window messages.
constexpr UINT UmTrayIcon = 0x464;
constexpr UINT UmPageRefresh = 0x465;
constexpr UINT UmSelectMonitor = 0x466;
constexpr UINT UmMonitorsChanged = 0x46B;

// Tray menu commands.
constexpr UINT IdExit = 32771;
constexpr UINT IdSetting = 32772;
constexpr UINT IdMonitorList = 32782;

// System-menu commands.
constexpr UINT IdmAbout = 0x10;
constexpr UINT IdmKeepOnTop = 0x20;

// Controls of the main window.
constexpr int IdTab = 1000;
constexpr int IdClose = 1046;

// The maker's USB vendor id.
constexpr WORD OrvelVendor = 0x2E7A;

} // namespace ShellIds
