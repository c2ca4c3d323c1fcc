#pragma once
// The program's private window messages (WM_USER + n; no other value from
// 0x464 to 0x47F is used) and its timers.
#include "device/HidReport.h"   // WM_HIDREPORT 0x467

constexpr UINT UM_TRAYICON = 0x464;             // tray icon callback: lParam = mouse message
constexpr UINT UM_PAGE_REFRESH = 0x465;         // a page re-reads the current monitor
constexpr UINT UM_SELECT_MONITOR = 0x466;       // lParam = monitor index
constexpr UINT UM_SELECT_APPLICATION = 0x469;   // lParam = application name of the watcher
constexpr UINT UM_MONITORS_CHANGED = 0x46B;     // the Auto Color page reloads its lists
constexpr UINT UM_REDRAW_TAB = 0x46E;           // hide and re-show the tab control
constexpr UINT UM_CLOSE_SUBDIALOG = 0x473;      // a sub-dialog ends at once

constexpr UINT_PTR IDT_MONITOR_CHANGE = 10;     // main window, 100 ms
constexpr UINT_PTR IDT_FOREGROUND_WATCH = 14;   // Auto Color page, 100 ms
constexpr UINT_PTR IDT_COLOR_PAGE_POLL = 25;    // colour-mode page, 500 ms
constexpr UINT_PTR IDT_COLOR_SUB_POLL = 26;     // colour adjustment dialog, 500 ms
constexpr UINT_PTR IDT_TUNORA_POLL = 28;        // enhancement-functions dialog, 500 ms

// Result of a sub-dialog ended from outside by UM_CLOSE_SUBDIALOG.
constexpr INT_PTR SubDialogClosedFromOutside = 255;
