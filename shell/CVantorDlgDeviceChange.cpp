// Plugging and display changes: a HID device of the maker comes or goes, or
// Windows changes its displays.
#include "shell/CVantorDlg.h"

#include "device/CDeviceNotifier.h"
#include "device/MonitorReports.h"
#include "device/OrvelUsb.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {
// A new monitor needs a moment before it answers over USB.
constexpr DWORD DeviceSettleMs = 500;
}

BOOL CVantorDlg::OnDeviceChange(UINT nEventType, DWORD_PTR dwData)
{
    DeviceIdInfo info{};
    const int kind = CDeviceNotifier().ParseDeviceChange(nEventType, reinterpret_cast<PDEV_BROADCAST_HDR>(dwData), &info);
    if (kind == 0 || info.vendorId != OrvelUsbVendorId)
        return TRUE;
    Seams::Sleep(DeviceSettleMs);

    CMonitorStatusAll& all = theApp.m_StatusAll;
    const CString keptSerial = HasMonitors() ? all.m_strCurSerial : CString();
    const BOOL changed = RefreshMonitorList();
    if (!changed) {
        for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
            CMonitorStatus* monitor = all.m_arMonitors[i];
            if (monitor && monitor->m_strSerial == keptSerial) {
                SelectMonitor(i);
                break;
            }
        }
    }
    // The rebuild registered the hot keys; they stay off while the settings window is shown.
    if (theApp.m_bSettingShown)
        UnregisterAllHotKeys();
    m_bSetChanged = m_bSetChanged || changed;
    StartMonitorReports();
    if (changed && m_pageAutoColor.m_hWnd)
        m_pageAutoColor.PostMessage(UM_MONITORS_CHANGED, 0, 0);
    return TRUE;
}

// A query that fails keeps the last good count: the library's records of
// that query stay what display matching reads.
LRESULT CVantorDlg::OnDisplayChange(WPARAM, LPARAM)
{
    QueryDisplayMonitors();
    return 1;
}
