// The Auto Color page's foreground watcher and the writing of a colour mode
// to the monitors.
#include "automation/CDlgTonalis.h"

#include "automation/ApplicationName.h"
#include "automation/AutoModeRules.h"
#include "automation/CProcessSnapshot.h"
#include "device/CMonitorColor.h"
#include "device/MonitorFeatures.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <cstring>

namespace {

constexpr int ClassNameChars = 128;

bool IsListed(const CMonitorStatus* monitor)
{
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        if (all.m_arMonitors[i] == monitor)
            return true;
    }
    return false;
}

} // namespace

// The watcher's own tick ends here: the dialog's default handling has nothing
// to do for it, and ten times a second that walk is most of an idle tick.
void CDlgTonalis::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerId) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    if (IsWatching())
        WatchForeground();
}

// While the settings window is shown, only the Auto Color page lets the
// watcher work: the user may be setting up the very window in front.
bool CDlgTonalis::IsWatching() const
{
    if (!m_pRegisteredList || !IsAutoColorOn())
        return false;
    return !(theApp.m_bSettingShown == TRUE && !m_bPageVisible);
}

void CDlgTonalis::WatchForeground()
{
    const HWND foreground = Seams::GetForegroundWindow();
    if (!::IsWindowVisible(foreground) || !::IsWindow(foreground) || ::IsIconic(foreground))
        return;
    char screen[sizeof m_szLastScreen] = {};
    theApp.GetMonitorDeviceName(screen, foreground);
    if (foreground == m_hLastForeground && std::strcmp(screen, m_szLastScreen) == 0)
        return;

    m_hLastForeground = foreground;
    std::memcpy(m_szLastScreen, screen, sizeof m_szLastScreen);
    std::memset(m_szCurrentApplication, 0, sizeof m_szCurrentApplication);
    CString application;
    if (!IdentifyApplication(foreground, false, application))
        return;
    CopyRecordText(m_szCurrentApplication, sizeof m_szCurrentApplication, application);

    if (m_hNotifyWnd)
        ::PostMessageA(m_hWnd, UM_SELECT_APPLICATION, 0, reinterpret_cast<LPARAM>(m_szCurrentApplication));
    const int mode = ChooseAutoMode(*m_pRegisteredList, m_szCurrentApplication, static_cast<DWORD>(DefaultMode()));
    if (mode != AutoModeNone)
        ApplyColorMode(static_cast<BYTE>(mode), nullptr, TRUE);
}

// The program's own windows are never an application: a copy of it running
// under another file name is recognised by its process too.
bool CDlgTonalis::IdentifyApplication(HWND hWnd, bool forList, CString& name, DWORD* processId)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == ::GetCurrentProcessId())
        return false;
    CProcessSnapshot snapshot;
    if (!snapshot.Find(process))
        return false;
    CString baseName;
    snapshot.GetExeBaseName(baseName);
    if (IsOwnProgramName(baseName) || (forList && IsHiddenFromApplicationList(baseName)))
        return false;
    char windowClass[ClassNameChars] = {};
    ::GetClassNameA(hWnd, windowClass, ClassNameChars);
    name = ApplicationNameOf(baseName, windowClass);
    if (processId)
        *processId = process;
    return !name.IsEmpty();
}

int CDlgTonalis::DefaultMode() const
{
    const int selected = m_comboDefaultMode.GetCurSel();
    return selected < 0 ? AutoModeNone : static_cast<int>(m_comboDefaultMode.GetItemData(selected));
}

BOOL CDlgTonalis::ApplyColorMode(BYTE nMode, CMonitorStatus* pMonitor, BOOL bAll)
{
    CMonitorStatusAll& all = theApp.m_StatusAll;
    if (bAll) {
        for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
            if (CMonitorStatus* monitor = all.m_arMonitors[i])
                ApplyColorMode(nMode, monitor, FALSE);
        }
        return TRUE;
    }
    if (!pMonitor || !IsListed(pMonitor))
        return FALSE;
    SetHandle(pMonitor->m_hDevice);
    if (!IsMonitorAlive())
        return FALSE;
    CMonitorColor current;
    ReadCurrentMode(&current);
    if (NeedsModeWrite(static_cast<short>(current.Value(ColorSlot::Mode)), nMode, pMonitor->m_Caps.qwModes)) {
        SetFeature(&nMode, 1, FEATURE_COLOR_MODE);
        // The shared record then holds the mode of the monitor written last.
        if (theApp.m_pCurColor)
            ReadCurrentMode(theApp.m_pCurColor);
    }
    pMonitor->m_nAutoMode = nMode;
    return TRUE;
}

BOOL CDlgTonalis::IsMonitorAlive()
{
    return IsMonitorAnswering() ? TRUE : FALSE;
}

void CDlgTonalis::ReadCurrentMode(CMonitorColor* pColor)
{
    WORD maximum = 0;
    const bool read = GetFeature(reinterpret_cast<BYTE*>(&pColor->Value(ColorSlot::Mode)), 2, FEATURE_COLOR_MODE,
                                 &maximum);
    pColor->Max(ColorSlot::Mode) = maximum;
    pColor->Valid(ColorSlot::Mode) = read ? TRUE : FALSE;
}
