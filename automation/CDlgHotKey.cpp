#include "automation/CDlgHotKey.h"

#include "controls/PageBackground.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CDlgMessage.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "shell/PageKeyboard.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

int TypeOf(const CMonitorStatus* monitor)
{
    return monitor ? HotKeyTypeOf(monitor->m_Caps.dwHotKeyCaps, monitor->m_Caps.dwHotKeyCaps2) : HotKeyTypeNone;
}

// A combination starts with its modifiers: held alone they are not a key.
bool IsModifierHeld()
{
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CDlgHotKey, CDialog)
    ON_CBN_SELCHANGE(IDC_COMBO_MONITOR, &CDlgHotKey::OnCbnSelchangeMonitor)
    ON_BN_CLICKED(IDC_CHECK_SAME_MODELS_HOTKEY, &CDlgHotKey::OnBnClickedApplySameModels)
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(UM_PAGE_REFRESH, &CDlgHotKey::OnPageRefresh)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDlgHotKey::CDlgHotKey(CWnd* pParent) : CDialog(IDD_HOT_KEY, pParent), m_sizeBackground(0, 0), m_bPageVisible(FALSE)
{
}

CDlgHotKey::~CDlgHotKey() = default;

void CDlgHotKey::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_MONITOR, m_comboMonitor);
    for (int i = 0; i < HotKeyControlCount; ++i) {
        DDX_Control(pDX, IDC_HOTKEY_LABEL_FIRST + i, m_staticLabel[i]);
        DDX_Text(pDX, IDC_HOTKEY_LABEL_FIRST + i, m_strLabel[i]);
        DDX_Control(pDX, IDC_HOTKEY_FIRST + i, m_hotKey[i]);
    }
    DDX_Control(pDX, IDC_CHECK_SAME_MODELS_HOTKEY, m_checkSameModels);
    DDX_Control(pDX, IDC_LINK, m_link);
}

BOOL CDlgHotKey::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_sizeBackground = theApp.LoadDpiBitmapBrush(m_hWnd, &m_brBackground, IDB_BACK_HOT_KEY, IDB_BACK_HOT_KEY_LARGE);
    DWORD multiControl = 0;
    const bool checked = ReadDword(RegValueMultiControl, &multiControl, RegKeyHotKey) && multiControl != 0;
    m_checkSameModels.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;   // the monitors are shown on the first refresh
}

// Enter and Esc do not close a page.
void CDlgHotKey::OnOK()
{
}

void CDlgHotKey::OnCancel()
{
}

CMonitorStatus* CDlgHotKey::FillMonitorList()
{
    m_comboMonitor.ResetContent();
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    if (all.m_arMonitors.GetSize() == 0)
        return nullptr;
    CString prefix;
    prefix.LoadString(IDS_MONITOR);
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        const CMonitorStatus* monitor = all.m_arMonitors[i];
        CString item;
        if (monitor)   // an empty line keeps the list's index that of the monitor
            item.Format("%s%s (%s S/N:%s)", prefix.GetString(), monitor->m_strDisplayLabel.GetString(),
                        monitor->m_strModelName.GetString(), monitor->m_strSerial.GetString());
        m_comboMonitor.AddString(item);
    }
    CMonitorStatus* current = all.GetCurrent();
    if (current)
        m_comboMonitor.SetCurSel(all.m_nCurMonitor);
    return current;
}

// A monitor without hot keys shows no control at all: the controls must not
// go on showing the keys of the monitor shown before.
void CDlgHotKey::ShowHotKeys()
{
    CMonitorStatus* current = FillMonitorList();
    m_bMonitorShown = current != nullptr;
    m_strShownSerial = current ? current->m_strSerial : CString();
    std::fill(std::begin(m_bModifierOnly), std::end(m_bModifierOnly), false);
    if (!current)
        return;
    const int type = TypeOf(current);
    if (type == HotKeyTypeNone) {
        HideAllControls();
        return;
    }
    bool anyBound = false;
    for (int i = 0; i < HotKeyControlCount; ++i) {
        const int slot = HotKeyFunctionSlots[type][i];
        const HotKeyBinding binding = slot < 0 ? HotKeyBinding{} : current->m_HotKeys[slot];
        m_hotKey[i].SetHotKey(binding.wVirtualKey, binding.wModifiers);
        anyBound = anyBound || binding.wVirtualKey != 0;
        if (slot >= 0)
            m_strLabel[i].LoadString(HotKeyLabelIds[slot]);
        m_hotKey[i].ShowWindow(slot < 0 ? SW_HIDE : SW_SHOW);
        m_staticLabel[i].ShowWindow(slot < 0 ? SW_HIDE : SW_SHOW);
    }
    if (!anyBound)
        SetSameModels(false);
    UpdateData(FALSE);
}

void CDlgHotKey::HideAllControls()
{
    for (int i = 0; i < HotKeyControlCount; ++i) {
        m_hotKey[i].SetHotKey(0, 0);
        m_hotKey[i].ShowWindow(SW_HIDE);
        m_staticLabel[i].ShowWindow(SW_HIDE);
    }
}

void CDlgHotKey::SetSameModels(bool checked)
{
    m_checkSameModels.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    WriteDword(RegValueMultiControl, checked ? 1 : 0, RegKeyHotKey);
}

LRESULT CDlgHotKey::OnPageRefresh(WPARAM, LPARAM)
{
    ShowHotKeys();
    return 0;
}

BOOL CDlgHotKey::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_KILLFOCUS)
        LeaveHotKey(reinterpret_cast<HWND>(lParam));
    else
        EditHotKey(reinterpret_cast<HWND>(lParam));
    return CDialog::OnCommand(wParam, lParam);
}

// Found again in the list as it is now: a rebuild since the page was last
// refreshed may have removed it, or made another monitor current.
CMonitorStatus* CDlgHotKey::ShownMonitor() const
{
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; m_bMonitorShown && i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (monitor && monitor->m_strSerial == m_strShownSerial)
            return monitor;
    }
    return nullptr;
}

int CDlgHotKey::ControlIndexOf(HWND control) const
{
    for (int i = 0; control && i < HotKeyControlCount; ++i) {
        if (m_hotKey[i].m_hWnd == control)
            return i;
    }
    return -1;
}

bool CDlgHotKey::IsHeldByOtherControl(int control, HotKeyBinding binding) const
{
    for (int j = 0; j < HotKeyControlCount; ++j) {
        HotKeyBinding held;
        if (j == control)
            continue;
        m_hotKey[j].GetHotKey(held.wVirtualKey, held.wModifiers);
        if (held.IsSameCombination(binding))
            return true;
    }
    return false;
}

void CDlgHotKey::ClearControl(int control)
{
    m_hotKey[control].SetHotKey(0, 0);
    UpdateData(FALSE);
}

INT_PTR CDlgHotKey::WarnAboutF12()
{
    CString text;
    text.LoadString(IDS_F12_REFUSED);
    CDlgMessage box(nullptr);
    box.SetWarningIcon(TRUE);
    box.SetMessageText(text);
    return box.DoModal();
}

// Edits count only while the settings window is shown and the user types
// into the control (the hot keys are unregistered then).
void CDlgHotKey::EditHotKey(HWND control)
{
    const int i = ControlIndexOf(control);
    if (i < 0 || TypeOf(ShownMonitor()) == HotKeyTypeNone || theApp.m_bSettingShown != TRUE ||
        ::GetFocus() != control)
        return;
    HotKeyBinding binding;
    m_hotKey[i].GetHotKey(binding.wVirtualKey, binding.wModifiers);
    // The control drops its key when a modifier goes down: that may be the
    // way out of the field (Alt+C, Shift+Tab, Ctrl+Tab, Alt+Tab) as well
    // as the start of a new combination. A modifier let go alone clears.
    m_bModifierOnly[i] = binding.wVirtualKey == 0 && IsModifierHeld();
    if (m_bModifierOnly[i])
        return;

    INT_PTR boxResult = 0;
    if (IsLoneF12(binding.wVirtualKey, binding.wModifiers)) {
        binding.wVirtualKey = 0;
        ClearControl(i);
        boxResult = WarnAboutF12();
    }
    if (IsRefusedHotKey(binding.wVirtualKey, binding.wModifiers)) {
        binding = HotKeyBinding{};
        ClearControl(i);
    }
    if (IsHeldByOtherControl(i, binding)) {
        binding = HotKeyBinding{};
        ClearControl(i);
    }
    // The box ran a message loop: the monitor list may have been rebuilt
    // meanwhile, so the shown monitor is looked for again.
    CMonitorStatus* shown = ShownMonitor();
    const int type = TypeOf(shown);
    if (type == HotKeyTypeNone || boxResult == SubDialogClosedFromOutside)
        return;
    const int slot = HotKeyFunctionSlots[type][i];
    if (slot < 0)
        return;
    shown->m_HotKeys[slot] = binding;
    SaveHotKeys(shown);
}

// A control left while it shows only a modifier shows its stored binding
// again: the modifier was the way out, not a new combination.
void CDlgHotKey::LeaveHotKey(HWND control)
{
    const int i = ControlIndexOf(control);
    if (i < 0 || !m_bModifierOnly[i])
        return;
    m_bModifierOnly[i] = false;
    const CMonitorStatus* shown = ShownMonitor();
    const int type = TypeOf(shown);
    const int slot = type == HotKeyTypeNone ? -1 : HotKeyFunctionSlots[type][i];
    const HotKeyBinding stored = slot < 0 ? HotKeyBinding{} : shown->m_HotKeys[slot];
    m_hotKey[i].SetHotKey(stored.wVirtualKey, stored.wModifiers);
}

void CDlgHotKey::SaveHotKeys(CMonitorStatus* pMonitor)
{
    const int type = TypeOf(pMonitor);
    if (type == HotKeyTypeNone)
        return;
    BYTE vkeys[HotKeyValueBytes] = {};
    BYTE mods[HotKeyValueBytes] = {};
    const CString key = SettingsLayout::HotKeyKey(pMonitor->m_strModelName, pMonitor->m_strSerial);
    ReadBinary(RegValueVKey, vkeys, sizeof vkeys, key);
    ReadBinary(RegValueMod, mods, sizeof mods, key);
    StoreHotKeys(type, pMonitor->m_HotKeys, vkeys, mods);
    WriteBinary(RegValueVKey, vkeys, sizeof vkeys, key);
    WriteBinary(RegValueMod, mods, sizeof mods, key);
}

// From the monitor the page shows: the one made current meanwhile (a
// plugged monitor, the screen the window was dragged to, the association
// rebuild's default) has bindings the user never saw here.
void CDlgHotKey::CopyHotKeysToSameModels()
{
    if (m_comboMonitor.GetCurSel() < 0)
        return;
    CMonitorStatus* shown = ShownMonitor();
    // A model code that could not be read says nothing about the model.
    if (!shown || shown->m_strModelCode.IsEmpty())
        return;
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (!monitor || monitor == shown || monitor->m_strModelCode != shown->m_strModelCode)
            continue;
        monitor->m_HotKeys = shown->m_HotKeys;
        SaveHotKeys(monitor);
    }
}

void CDlgHotKey::OnCbnSelchangeMonitor()
{
    if (m_checkSameModels.GetCheck() == BST_CHECKED)
        CopyHotKeysToSameModels();
    CWnd* tab = GetParent();
    if (CWnd* main = tab ? tab->GetParent() : nullptr)
        main->SendMessage(UM_SELECT_MONITOR, 0, m_comboMonitor.GetCurSel());
    ShowHotKeys();
}

void CDlgHotKey::OnBnClickedApplySameModels()
{
    bool checked = m_checkSameModels.GetCheck() == BST_CHECKED;
    if (checked && AfxMessageBox(IDS_HOTKEY_SAME_MODELS, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        checked = false;
    SetSameModels(checked);
}

void CDlgHotKey::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!bShow && m_bPageVisible && m_checkSameModels.GetCheck() == BST_CHECKED)
        CopyHotKeysToSameModels();
    m_bPageVisible = bShow ? TRUE : FALSE;
}

BOOL CDlgHotKey::PreTranslateMessage(MSG* pMsg)
{
    return PageKeyboard::PreTranslateMessage(*this, pMsg, IDC_COMBO_MONITOR);
}

HBRUSH CDlgHotKey::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_LISTBOX || nCtlColor == CTLCOLOR_EDIT)
        return standard;
    pDC->SetBkMode(TRANSPARENT);
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (id == IDC_COMBO_MONITOR)
        return standard;
    const bool label = id >= IDC_HOTKEY_LABEL_FIRST && id <= IDC_HOTKEY_LABEL_LAST;
    if (label || id == IDC_CHECK_SAME_MODELS_HOTKEY)
        pDC->SetTextColor(White);
    if (label || id == IDC_CHECK_SAME_MODELS_HOTKEY || id == IDC_LINK) {
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    }
    m_brBackground.UnrealizeObject();
    pDC->SetBrushOrg(0, 0);
    return m_brBackground;
}
