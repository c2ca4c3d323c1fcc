// The monitor list: rebuilt from a fresh discovery, each monitor read,
// bound to its screen and given its order, capabilities and hot keys.
#include "shell/CVantorDlg.h"

#include "device/CCapabilityBlock.h"
#include "device/DeviceDiscovery.h"
#include "device/MonitorFeatures.h"
#include "device/MonitorReports.h"
#include "device/SettingsLayout.h"
#include "shell/CVantorApp.h"
#include "shell/DisplayOrder.h"
#include "shell/MonitorSet.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int SerialLength = 8;
constexpr int ModelNameOffset = 8;
constexpr int ModelNameLength = 16;
constexpr UINT NoDefaultOrder = 65535;

std::vector<std::string> SerialsOf(const CMonitorStatusAll& all)
{
    std::vector<std::string> serials;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        const CMonitorStatus* monitor = all.m_arMonitors[i];
        serials.emplace_back(monitor ? static_cast<LPCSTR>(monitor->m_strSerial) : "");
    }
    return serials;
}

// The text of a fixed-size field, up to its first NUL.
CString TextOf(const BYTE* bytes, size_t length)
{
    const char* text = reinterpret_cast<const char*>(bytes);
    return CString(text, static_cast<int>(strnlen(text, length)));
}

} // namespace

BOOL CVantorDlg::RefreshMonitorList()
{
    CMonitorStatusAll& all = theApp.m_StatusAll;
    if (!theApp.m_listDevices.IsEmpty()) {
        StopMonitorReports();
        theApp.m_nDevices = 0;
        theApp.m_listDevices.RemoveAll();
    }
    const std::vector<std::string> before = SerialsOf(all);
    all.DeleteAll();
    all.m_bSubDialogOpen = FALSE;

    int answer = -1;
    if (theApp.FindDevices(&answer) && theApp.m_nDisplayMonitors >= 1) {
        UnregisterAllHotKeys();
        AddDetectedMonitors();
    } else if (answer == 0) {
        // No monitor is connected: the combinations of the ones that went
        // would only keep other programs from them. A failed discovery
        // proves nothing, and the keys stay.
        UnregisterAllHotKeys();
    }
    if (theApp.m_bFoundOnce && IsSameMonitorSet(before, SerialsOf(all)))
        return FALSE;

    SelectDefaultMonitor();
    UpdateTrayIcon();
    theApp.m_bFoundOnce = TRUE;
    return TRUE;
}

void CVantorDlg::AddDetectedMonitors()
{
    POSITION pos = theApp.m_listDevices.GetHeadPosition();
    while (pos) {
        const DWORD handle = DeviceDiscovery::FromEntry(theApp.m_listDevices.GetNext(pos));
        SetHandle(handle);
        if (!IsSupportedMonitor())
            continue;
        CMonitorStatus* monitor = new CMonitorStatus;
        monitor->m_hDevice = handle;
        if (!ReadMonitorStatus(monitor)) {
            delete monitor;
            continue;
        }
        theApp.m_StatusAll.m_arMonitors.Add(monitor);
        ResetMonitorFlag68();
        InstallIccProfile(monitor);
    }
}

// Serial, model name and model code; a failed model-code read leaves it empty.
BOOL CVantorDlg::ReadIdentity(CMonitorStatus* pMonitor)
{
    BYTE identity[FeatureIdentitySize + 1] = {};
    if (!GetFeature(identity, FeatureIdentitySize, FEATURE_IDENTITY))
        return FALSE;
    pMonitor->m_strModelName = TextOf(identity + ModelNameOffset, ModelNameLength);
    pMonitor->m_strModelName.TrimRight();
    pMonitor->m_strSerial = TextOf(identity, SerialLength);

    BYTE modelCode[FeatureModelCodeSize + 1] = {};
    if (GetFeature(modelCode, FeatureModelCodeSize, FEATURE_MODEL_CODE))
        pMonitor->m_strModelCode = TextOf(modelCode, FeatureModelCodeSize);
    return TRUE;
}

// Capabilities and the stored hot keys, which are registered at once.
BOOL CVantorDlg::ReadCapabilitiesAndHotKeys(CMonitorStatus* pMonitor)
{
    ReadCapabilities(pMonitor);
    LoadHotKeys(pMonitor);
    RegisterMonitorHotKeys(pMonitor->m_HotKeys.data(), pMonitor);
    return TRUE;
}

BOOL CVantorDlg::ReadMonitorStatus(CMonitorStatus* pMonitor)
{
    if (!ReadIdentity(pMonitor))
        return FALSE;
    if (!FindDisplayForMonitor(pMonitor->m_strSerial, pMonitor))
        return FALSE;
    if (!ApplyDisplayOrder(pMonitor))
        return FALSE;
    return ReadCapabilitiesAndHotKeys(pMonitor);
}

BOOL CVantorDlg::RefreshMonitorStatus(CMonitorStatus* pMonitor)
{
    if (!ReadIdentity(pMonitor))
        return FALSE;
    return ReadCapabilitiesAndHotKeys(pMonitor);
}

// Order and label from the bound screen's name. A name without "DISPLAY",
// or with text after the number that holds no sub-number, is not a screen
// the program can place: the monitor is not added.
BOOL CVantorDlg::ApplyDisplayOrder(CMonitorStatus* pMonitor)
{
    const DisplayOrder parsed = ParseDisplayOrder(static_cast<LPCSTR>(pMonitor->m_strDisplayDevice));
    if (!parsed.IsPlaceable())
        return FALSE;
    pMonitor->m_nDisplayOrder = parsed.order;
    pMonitor->m_strDisplayLabel = parsed.label.c_str();
    return TRUE;
}

int CVantorDlg::CountSupportedHidDevices()
{
    int count = 0;
    POSITION pos = theApp.m_listDevices.GetHeadPosition();
    while (pos) {
        SetHandle(DeviceDiscovery::FromEntry(theApp.m_listDevices.GetNext(pos)));
        if (IsSupportedMonitor())
            ++count;
    }
    return count;
}

bool CVantorDlg::IsSupportedMonitor()
{
    return CCapabilityBlock::IsSupportedMonitor(*this);
}

void CVantorDlg::ReadCapabilities(CMonitorStatus* pMonitor)
{
    SetHandle(pMonitor->m_hDevice);
    pMonitor->m_Caps = CCapabilityBlock::Read(*this);
}

// The monitor with the smallest display order; ties go to the lower index.
void CVantorDlg::SelectDefaultMonitor()
{
    CMonitorStatusAll& all = theApp.m_StatusAll;
    all.m_hCurDevice = 0;
    all.m_nCurMonitor = -1;
    UINT best = NoDefaultOrder;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (!monitor || static_cast<UINT>(monitor->m_nDisplayOrder) >= best)
            continue;
        best = static_cast<UINT>(monitor->m_nDisplayOrder);
        all.m_nCurMonitor = i;
        all.m_hCurDevice = monitor->m_hDevice;
        SetHandle(monitor->m_hDevice);
        all.m_strCurSerial = monitor->m_strSerial;
    }
    AttachPagesToMonitor();
}

void CVantorDlg::SelectMonitor(int nIndex)
{
    CMonitorStatusAll& all = theApp.m_StatusAll;
    if (static_cast<UINT>(nIndex) >= static_cast<UINT>(all.m_arMonitors.GetSize()))
        return;
    CMonitorStatus* monitor = all.m_arMonitors[nIndex];
    if (!monitor)
        return;
    all.m_nCurMonitor = nIndex;
    all.m_hCurDevice = monitor->m_hDevice;
    SetHandle(monitor->m_hDevice);
    all.m_strCurSerial = monitor->m_strSerial;
    AttachPagesToMonitor();
}

void CVantorDlg::AttachPagesToMonitor()
{
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    const DWORD handle = all.m_nCurMonitor == -1 ? 0 : all.m_hCurDevice;
    m_pageAutoColor.SetHandle(handle);
    m_pageColor.SetHandle(handle);
    m_pageHotKey.SetHandle(handle);
}

// A monitor that reports it was newly connected gets its flag cleared once
// it is in the list.
void CVantorDlg::ResetMonitorFlag68()
{
    if (!IsFeatureAvailable(FEATURE_CONNECT_FLAG))
        return;
    BYTE flag = 0;
    if (GetFeature(&flag, 1, FEATURE_CONNECT_FLAG) && flag == 1) {
        const BYTE cleared = 0;
        SetFeature(&cleared, 1, FEATURE_CONNECT_FLAG);
    }
}

void CVantorDlg::DeleteMonitorRegistryKeys()
{
    DeleteAllSubkeys(RegKeyMonitor);
}
