#pragma once
// One connected monitor as the program knows it: its library handle, the
// screen it shows, its identity, capabilities, hot keys and picture values.
#include "automation/HotKeyBinding.h"
#include "device/CMonitorColor.h"
#include "device/MonitorCapabilities.h"
#include "framework/CString.h"

class CMonitorStatus {
public:
    CMonitorStatus();
    virtual ~CMonitorStatus();

    DWORD m_hDevice = 0;                 // 0 = none
    CString m_strDisplayDevice;          // \\.\DISPLAYn of the screen it is bound to
    int m_nDisplayOrder = 0;             // display number * 10 + sub-number
    CString m_strSerial;                 // 8 characters
    CString m_strModelCode;              // 8 characters
    CString m_strModelName;              // trailing blanks trimmed
    CString m_strDisplayLabel;           // "n" or "n-m"
    CString m_strMonitorDevice;          // empty when bound by a stored association
    int m_nAutoMode = -1;                // last mode applied automatically; -1 = none
    HotKeySlots m_HotKeys;               // Power, Mute, Color Mode, Screen Size, Glintara 2
    MonitorCapabilities m_Caps;
    CMonitorColor m_Color;
};
