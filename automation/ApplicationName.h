#pragma once
// How automatic switching names an application: by the upper-case base name
// of its executable. The shell's process owns the desktop and the taskbar as
// well as folder windows and the picture viewer; only the last two count as
// applications, under names of their own.
#include "framework/CString.h"

#include <cstddef>
#include <functional>

// "C:\Apps\Tool.beta.exe" gives "TOOL.BETA": no folder, no last extension, upper case.
CString ExeBaseName(LPCSTR exeFile);

// The application a window stands for, from its process's base name and the
// window's class; empty when the window is no application's (the desktop or
// the taskbar, or a process without a name).
CString ApplicationNameOf(const CString& baseName, LPCSTR windowClass);

// This program itself: its windows are never evaluated or listed.
bool IsOwnProgramName(const CString& baseName);
// System helpers whose windows the application list never offers.
bool IsHiddenFromApplicationList(const CString& baseName);

// The drive-letter form of an image path given in the kernel's device form
// ("\Device\HarddiskVolume2\Apps\x.exe" with D: on that volume gives
// "D:\Apps\x.exe"). A drive matches only when its device name is the whole
// first part of the path, so volume 1 never claims a file of volume 10.
// Empty when no drive of the mask (bit 0 = A:) matches.
using DriveDeviceQuery = std::function<CString(char driveLetter)>;
CString DrivePathOfImage(LPCSTR imageName, DWORD driveMask, const DriveDeviceQuery& deviceOfDrive);

// Copies text into a record's field, cut to fit with its terminating zero
// and never inside a double-byte character.
void CopyRecordText(char* field, size_t fieldSize, LPCSTR text);
