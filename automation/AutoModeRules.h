#pragma once
// Which colour mode automatic switching applies, and to which monitor it is
// written. Monitors know the modes 0 to 46; 47 is the default mode's "Not
// change the mode", and anything else a registry value can hold is no mode.
#include "framework/CPtrList.h"
#include "framework/WinTypes.h"

constexpr int AutoModeNone = -1;

// The mode for an application: that of the first registered entry
// (RegisteredApplicationEntry*) with exactly its name, else the default
// mode. AutoModeNone when nothing is to be applied: the default is "Not
// change the mode", or the mode found is no monitor mode.
int ChooseAutoMode(const CPtrList& registered, LPCSTR application, DWORD defaultMode);

// Whether a monitor that reports `current` and offers `supportedModes` has
// `mode` written: only a real mode it offers and is not in already.
bool NeedsModeWrite(short current, int mode, ULONGLONG supportedModes);
