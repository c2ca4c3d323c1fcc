#pragma once
// Every listed monitor in discovery order, and which one is current. The
// array owns its monitors, but only DeleteAll deletes them: the rebuild and
// the main window's destruction decide when.
#include "device/CMonitorStatus.h"
#include "framework/CPtrArray.h"
#include "framework/CTypedPtrArray.h"

class CMonitorStatusAll {
public:
    CMonitorStatusAll();
    virtual ~CMonitorStatusAll();
    CMonitorStatusAll(const CMonitorStatusAll&) = delete;
    CMonitorStatusAll& operator=(const CMonitorStatusAll&) = delete;

    // Deletes every monitor and empties the array; the selection stays.
    void DeleteAll();
    // The current monitor, or null when there is none or the index is stale.
    CMonitorStatus* GetCurrent() const;

    CTypedPtrArray<CPtrArray, CMonitorStatus*> m_arMonitors;
    int m_nCurMonitor = 0;           // -1 = none once the list has been built
    DWORD m_hCurDevice = 0;          // 0 = no monitor present
    BOOL m_bSubDialogOpen = FALSE;   // timers and device changes wait while set
    CString m_strCurSerial;          // selects the same monitor again after a rebuild
};
