// Global hot keys: each monitor's bindings are registered while the settings
// window is hidden, and a press acts on every monitor that has it bound.
#include "shell/CVantorDlg.h"

#include "device/MonitorFeatures.h"
#include "device/SettingsLayout.h"
#include "shell/CVantorApp.h"
#include "shell/HotKeyActions.h"

namespace {

int HotKeyTypeOfMonitor(const CMonitorStatus* monitor)
{
    return HotKeyTypeOf(monitor->m_Caps.dwHotKeyCaps, monitor->m_Caps.dwHotKeyCaps2);
}

constexpr int ColorModeReadBackTries = 3;

} // namespace

void CVantorDlg::LoadHotKeys(CMonitorStatus* pMonitor)
{
    if (!pMonitor)
        return;
    pMonitor->m_HotKeys = HotKeySlots{};
    const int type = HotKeyTypeOfMonitor(pMonitor);
    if (type == HotKeyTypeNone)
        return;
    BYTE vkeys[HotKeyValueBytes] = {};
    BYTE mods[HotKeyValueBytes] = {};
    const CString key = SettingsLayout::HotKeyKey(pMonitor->m_strModelName, pMonitor->m_strSerial);
    const int vkeysRead = ReadBinary(RegValueVKey, vkeys, sizeof vkeys, key);
    const int modsRead = ReadBinary(RegValueMod, mods, sizeof mods, key);
    if (vkeysRead || modsRead)
        pMonitor->m_HotKeys = MergeStoredHotKeys(type, vkeys, mods);
}

// Every call uses up an id, even when the combination is taken already (by
// another program, or another monitor with the same binding).
void CVantorDlg::RegisterMonitorHotKeys(const HotKeyBinding* pSlots, CMonitorStatus* pMonitor)
{
    const int type = HotKeyTypeOfMonitor(pMonitor);
    if (type == HotKeyTypeNone)
        return;
    for (int control = 0; control < HotKeyControlCount; ++control) {
        const int slot = HotKeyFunctionSlots[type][control];
        if (slot < 0 || pSlots[slot].wVirtualKey == 0)
            continue;
        ::RegisterHotKey(m_hWnd, static_cast<int>(m_nHotKeyCount), HotKeyFlagsToModifiers(pSlots[slot].wModifiers),
                         pSlots[slot].wVirtualKey);
        ++m_nHotKeyCount;
    }
}

void CVantorDlg::UnregisterHotKeys()
{
    for (UINT id = 0; id < m_nHotKeyCount; ++id)
        ::UnregisterHotKey(m_hWnd, static_cast<int>(id));
}

void CVantorDlg::UnregisterAllHotKeys()
{
    UnregisterHotKeys();
    m_nHotKeyCount = 0;
}

void CVantorDlg::OnHotKey(LPARAM lParam)
{
    const WORD pressedFlags = ModifiersToHotKeyFlags(LOWORD(lParam));
    const WORD virtualKey = HIWORD(lParam);
    bool colourModeRead = false;
    WORD modeBefore = 0;

    CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        const int slot = monitor ? FindPressedSlot(monitor->m_HotKeys, virtualKey, pressedFlags) : -1;
        if (slot < 0)
            continue;
        SetHandle(monitor->m_hDevice);
        const HotKeyAction& action = HotKeyActions[slot];
        WORD value = action.wValue;
        if (action.IsMute()) {
            WORD mute = 0;
            GetFeature(reinterpret_cast<BYTE*>(&mute), 2, FEATURE_MUTE);
            value = mute == 0 ? 1 : 0;
        }
        if (action.IsColorModeKey()) {
            modeBefore = 0;
            colourModeRead = GetFeature(reinterpret_cast<BYTE*>(&modeBefore), 2, FEATURE_COLOR_MODE);
        }
        const BYTE bytes[2] = {LOBYTE(value), HIBYTE(value)};
        SetFeature(bytes, 2, action.byUsage, action.wUsagePage);
    }

    // The monitor takes a moment to switch; the mode is read back a few times.
    for (int attempt = 0; colourModeRead && attempt < ColorModeReadBackTries; ++attempt) {
        WORD mode = 0;
        GetFeature(reinterpret_cast<BYTE*>(&mode), 2, FEATURE_COLOR_MODE);
        if (mode == modeBefore)
            break;
    }
}
