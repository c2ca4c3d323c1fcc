// The tray's monitor connection list. When its wizard has been completed,
// the monitor list is rebuilt from the screens the user chose, and each
// choice is stored, so that display matching uses it at every later rebuild.
#include "shell/CVantorDlg.h"

#include "device/MonitorReports.h"
#include "device/SettingsLayout.h"
#include "shell/CDlgMonitor.h"
#include "shell/CVantorApp.h"
#include "shell/DisplayOrder.h"
#include "shell/Messages.h"

namespace {

// A serial that would name a key below the association's own key cannot be stored.
bool IsStorableSerial(const CString& serial)
{
    return serial.Find('\\') < 0;
}

void StoreAssociation(const CMonitorStatus& monitor, int displayNumber)
{
    if (!IsStorableSerial(monitor.m_strSerial))
        return;
    char name[RegTextBufferSize] = {};
    lstrcpynA(name, monitor.m_strDisplayDevice, sizeof name);
    const CString key = SettingsLayout::MonitorKey(SettingsLayout::MonitorSubkeyName(monitor.m_strSerial, displayNumber));
    CRegistry::WriteString(RegValueDisplayName, name, static_cast<DWORD>(lstrlenA(name)) + 1, key);
}

// A monitor confirmed on no screen (the dialog stood outside every screen)
// has no display to be placed by. It is listed all the same, ordered after
// every placed one yet still the default when it is alone, and nothing is
// stored for it: a stored name must name a screen.
constexpr int UnplacedDisplayOrder = 65534;

void AddAssociatedMonitor(CVantorDlg& main, const CMonitorAssociation& association)
{
    const DisplayOrder parsed = ParseDisplayOrder(static_cast<LPCSTR>(association.m_strDisplayDevice));
    auto* monitor = new CMonitorStatus;
    monitor->m_strDisplayDevice = association.m_strDisplayDevice;
    monitor->m_nDisplayOrder = parsed.hasDisplay ? parsed.order : UnplacedDisplayOrder;
    monitor->m_strDisplayLabel = parsed.label.c_str();
    monitor->m_hDevice = association.m_hDevice;
    main.SetHandle(monitor->m_hDevice);
    if (!main.RefreshMonitorStatus(monitor)) {
        delete monitor;
        return;
    }
    theApp.m_StatusAll.m_arMonitors.Add(monitor);
    if (parsed.hasDisplay)
        StoreAssociation(*monitor, parsed.displayNumber);
    main.SetHandle(monitor->m_hDevice);
    main.ResetMonitorFlag68();
    main.InstallIccProfile(monitor);
}

} // namespace

void CVantorDlg::OnMenuMonitorList()
{
    // One list at a time: the tray greys the command while it is open. Nor
    // while another dialog runs: the rebuild would delete the monitors, and
    // change the current one, under it.
    if (theApp.m_bMonitorListOpen || IsModalDialogOpen())
        return;
    CDlgMonitor dialog(nullptr);
    theApp.m_bMonitorListOpen = TRUE;
    const INT_PTR result = dialog.DoModal();
    theApp.m_bMonitorListOpen = FALSE;
    if (result <= 0)
        return;
    CPtrList* associations = dialog.TakeAssociations();
    if (!associations)
        return;

    DeleteMonitorRegistryKeys();
    StopMonitorReports();
    UnregisterAllHotKeys();
    theApp.m_StatusAll.DeleteAll();
    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;

    POSITION pos = associations->GetHeadPosition();
    while (pos)
        AddAssociatedMonitor(*this, *static_cast<CMonitorAssociation*>(associations->GetNext(pos)));
    CDlgMonitor::DeleteAssociations(associations);

    SelectDefaultMonitor();
    UpdateTrayIcon();
    StartMonitorReports();
    // As after a device change, the keys stay off while the settings window is shown.
    if (theApp.m_bSettingShown)
        UnregisterAllHotKeys();
    if (m_pageAutoColor.m_hWnd)
        m_pageAutoColor.PostMessage(UM_MONITORS_CHANGED, 0, 0);
    RefreshShownPage();
}

// A modal loop runs on this window (which it disables), or a dialog of a
// page is up.
bool CVantorDlg::IsModalDialogOpen() const
{
    const HWND published[] = {theApp.m_hWndColorSub, theApp.m_hWndTunora, theApp.m_hWndMessage};
    for (HWND dialog : published) {
        if (::IsWindow(dialog))
            return true;
    }
    return !::IsWindowEnabled(m_hWnd);
}

// The rebuild may have put another monitor, or none, under the shown page:
// it shows and saves the current one only after reading it again.
void CVantorDlg::RefreshShownPage()
{
    if (!theApp.m_bSettingShown)
        return;
    const int tab = m_tab.GetCurSel();
    if (tab == 0)
        ShowPage(0);   // without monitors the Hot Key page is taken away
    PostPageRefresh(tab);
}
