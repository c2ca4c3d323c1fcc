// Display matching: each monitor is tied to the Windows screen it shows, by
// the monitor-information library, the monitor's own veto and the
// associations stored by hand; then its ICC profile follows it there.
#include "shell/CVantorDlg.h"

#include "device/MonitorFeatures.h"
#include "device/SeltuLibrary.h"
#include "device/SettingsLayout.h"
#include "shell/CVantorApp.h"
#include "shell/DisplayOrder.h"
#include "shell/MonitorInfoText.h"
#include "shell/ShellSeams.h"

#include <cstring>
#include <vector>

namespace {

// One Windows monitor device of a screen.
typedef struct tagDISPLAYDEVICEINFO {
    CString strDeviceName;
    CString strDeviceId;
} DISPLAYDEVICEINFO;

// A record of the information library, zeroed before the call; false when
// the call fails, so that a stale or unfilled record never matches.
bool ReadInfoRecord(int index, BYTE (&record)[MonitorInfoRecord::Size])
{
    std::memset(record, 0, sizeof record);
    return KvnGetMonitorInfo(index, record, 0) >= 0;
}

void BindToRecord(CMonitorStatus* monitor, const BYTE (&record)[MonitorInfoRecord::Size])
{
    monitor->m_strDisplayDevice = MonitorInfoText::DisplayDevice(record);
    monitor->m_strMonitorDevice = MonitorInfoText::MonitorDevice(record);
}

DISPLAY_DEVICEA EmptyDisplayDevice()
{
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    return device;
}

// The first profile in the folder whose file name holds the model name.
CString FindProfileFor(const CString& modelName)
{
    const CString folder = theApp.m_strCommonAppData + "\\Orvel\\Talvex\\";
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA(folder + "*.icc", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return CString();
    CString profile;
    do {
        const CString name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (name.Find(modelName) >= 0) {
            profile = folder + name;
            break;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return profile;
}

// The Windows monitor devices of the attached screen of that name.
std::vector<DISPLAYDEVICEINFO> MonitorDevicesOf(const CString& displayDevice)
{
    std::vector<DISPLAYDEVICEINFO> devices;
    DISPLAY_DEVICEA display = EmptyDisplayDevice();
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &display, 0); ++i, display = EmptyDisplayDevice()) {
        if (!(display.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) || displayDevice != display.DeviceName)
            continue;
        DISPLAY_DEVICEA monitor = EmptyDisplayDevice();
        for (DWORD m = 0; EnumDisplayDevicesA(display.DeviceName, m, &monitor, 0); ++m, monitor = EmptyDisplayDevice()) {
            if (monitor.StateFlags != 0)
                devices.push_back({monitor.DeviceName, monitor.DeviceID});
        }
        break;
    }
    return devices;
}

} // namespace

BOOL CVantorDlg::FindDisplayForMonitor(const char* pszSerial, CMonitorStatus* pMonitor)
{
    BYTE record[MonitorInfoRecord::Size];
    // One supported monitor on one screen: it is on that screen, whatever
    // serial the library reports.
    if (CountSupportedHidDevices() == 1 && !theApp.IsMultiDisplay() && ReadInfoRecord(0, record)) {
        BindToRecord(pMonitor, record);
        return TRUE;
    }

    BOOL found = FALSE;
    for (int i = 0; i < theApp.m_nDisplayMonitors && !found; ++i) {
        if (ReadInfoRecord(i, record) && MonitorInfoText::SerialMatches(record, pszSerial)) {
            BindToRecord(pMonitor, record);
            found = TRUE;
        }
    }

    if (found) {
        // The monitor may discard the automatic match; the flag is cleared
        // unless the connection list is open to offer the manual setting.
        SetHandle(pMonitor->m_hDevice);
        BYTE invalid = 0;
        if (GetFeature(&invalid, 1, FEATURE_ASSOC_INVALID) && invalid == 1) {
            if (!::IsWindow(theApp.m_hWndMonitorList)) {
                const BYTE clear = 0;
                SetFeature(&clear, 1, FEATURE_ASSOC_INVALID_CLEAR);
            }
            found = FALSE;
        }
    }
    return FindStoredAssociation(pszSerial, pMonitor) || found;
}

// A screen bound by hand wins over the automatic match: the first stored
// association of this serial whose display name is a string naming a screen
// the program can place. Any other value is passed over, so that a damaged
// association never takes the monitor away.
BOOL CVantorDlg::FindStoredAssociation(const char* pszSerial, CMonitorStatus* pMonitor)
{
    char subkey[CRegistry::MaxNameLength] = {};
    for (DWORD k = 0; EnumKey(k, RegKeyMonitor, subkey, sizeof subkey); ++k) {
        if (SettingsLayout::SerialOfMonitorSubkey(subkey) != pszSerial)
            continue;
        char name[RegTextBufferSize + 1] = {};
        if (!ReadString(RegValueDisplayName, name, RegTextBufferSize, SettingsLayout::MonitorKey(subkey)) ||
            !ParseDisplayOrder(name).IsPlaceable())
            continue;
        pMonitor->m_strDisplayDevice = name;
        pMonitor->m_strMonitorDevice.Empty();
        return TRUE;
    }
    return FALSE;
}

void CVantorDlg::InstallIccProfile(CMonitorStatus* pMonitor)
{
    // Every file name holds the empty text: without a model name there is
    // no telling which profile is the monitor's.
    if (pMonitor->m_strModelName.IsEmpty())
        return;
    const CString profile = FindProfileFor(pMonitor->m_strModelName);
    if (profile.IsEmpty())
        return;

    const std::vector<DISPLAYDEVICEINFO> devices = MonitorDevicesOf(pMonitor->m_strDisplayDevice);
    const DISPLAYDEVICEINFO* target = nullptr;
    if (devices.size() == 1) {
        target = &devices.front();
    } else {
        for (const DISPLAYDEVICEINFO& device : devices) {
            if (device.strDeviceName == pMonitor->m_strMonitorDevice) {
                target = &device;
                break;
            }
        }
    }
    if (target)
        AssociateIccProfile(profile, target->strDeviceId);
}

void CVantorDlg::AssociateIccProfile(CString strProfile, CString strDeviceId)
{
    ShellSeams::DisassociateProfile(strProfile, strDeviceId);
    if (ShellSeams::InstallProfile(strProfile))
        ShellSeams::AssociateProfile(strProfile, strDeviceId);
}
