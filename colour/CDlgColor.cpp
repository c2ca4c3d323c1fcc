#include "colour/CDlgColor.h"

#include "controls/PageBackground.h"
#include "colour/CDlgColTunoraFunctions.h"
#include "colour/CDlgColorSub.h"
#include "colour/ColorTables.h"
#include "device/MonitorFeatures.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/CVantorDlg.h"
#include "shell/ForegroundWindow.h"
#include "shell/Messages.h"
#include "shell/PageKeyboard.h"

#include <algorithm>

namespace {

constexpr UINT PollPeriodMs = 500;
// A newly picked monitor needs a moment before its mode list is read.
constexpr DWORD MonitorSwitchSettleMs = 500;
constexpr DWORD MonitorSwitchAfterMs = 100;
constexpr COLORREF White = RGB(255, 255, 255);

CMonitorColor& CurrentColor()
{
    return *theApp.m_pCurColor;
}

} // namespace

BEGIN_MESSAGE_MAP(CDlgColor, CDialog)
    ON_WM_DESTROY()
    ON_CBN_SELCHANGE(IDC_COMBO_COLOR_MODE, &CDlgColor::OnCbnSelchangeColorMode)
    ON_CBN_SELCHANGE(IDC_COMBO_MONITOR, &CDlgColor::OnCbnSelchangeMonitor)
    ON_WM_SHOWWINDOW()
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_CHECK_SAME_MODELS_COLOR, &CDlgColor::OnBnClickedApplySameModels)
    ON_BN_CLICKED(IDC_BTN_COLOR, &CDlgColor::OnBnClickedColor)
    ON_BN_CLICKED(IDC_BTN_TUNORA, &CDlgColor::OnBnClickedTunoraFunctions)
    ON_BN_CLICKED(IDC_BTN_IMPORT, &CDlgColor::OnBnClickedImport)
    ON_BN_CLICKED(IDC_BTN_EXPORT, &CDlgColor::OnBnClickedExport)
END_MESSAGE_MAP()

CDlgColor::CDlgColor(CWnd* pParent)
    : CDialog(IDD_COLOR, pParent), m_nTimerId(0), m_sizeBackground(0, 0), m_szInitialDir{}, m_bPageVisible(FALSE)
{
}

CDlgColor::~CDlgColor() = default;

void CDlgColor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_MONITOR, m_comboMonitor);
    DDX_Control(pDX, IDC_COMBO_COLOR_MODE, m_comboMode);
    DDX_Control(pDX, IDC_LINK, m_link);
    DDX_Control(pDX, IDC_CHECK_SAME_MODELS_COLOR, m_checkSameModels);
}

BOOL CDlgColor::OnInitDialog()
{
    delete theApp.m_pCurColor;
    theApp.m_pCurColor = new CMonitorColor;
    theApp.m_pCurColor->ClearValid();
    CDialog::OnInitDialog();
    m_sizeBackground = theApp.LoadDpiBitmapBrush(m_hWnd, &m_brBackground, IDB_BACK_COLOR, IDB_BACK_COLOR_LARGE);

    AttachSkinnedButtons(this, {{&m_btnColor, IDC_BTN_COLOR}, {&m_btnImport, IDC_BTN_IMPORT},
                                {&m_btnExport, IDC_BTN_EXPORT}, {&m_btnFunctions, IDC_BTN_TUNORA}});

    DWORD multiControl = 0;
    const BOOL checked = ReadDword(RegValueMultiControl, &multiControl, RegKeyColor) && multiControl != 0;
    m_checkSameModels.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
    theApp.m_bApplySameModels = checked;
    return TRUE;
}

// Enter and Esc do not close a page.
void CDlgColor::OnOK()
{
}

void CDlgColor::OnCancel()
{
}

void CDlgColor::OnDestroy()
{
    CDialog::OnDestroy();
    if (theApp.m_hWndReport == m_hWnd)
        theApp.m_hWndReport = nullptr;
    delete theApp.m_pCurColor;
    theApp.m_pCurColor = nullptr;
}

short CDlgColor::CurrentMode() const
{
    return static_cast<short>(theApp.m_pCurColor->Value(ColorSlot::Mode));
}

bool CDlgColor::CurrentModeValid() const
{
    return theApp.m_pCurColor->Valid(ColorSlot::Mode) != 0;
}

// The mode of the selected list item; -1 when nothing is selected.
int CDlgColor::SelectedMode() const
{
    const int selected = m_comboMode.GetCurSel();
    return selected < 0 ? -1 : static_cast<int>(m_comboMode.GetItemData(selected));
}

// Only a real mode of the current monitor has a mask.
DWORD CDlgColor::MaskOfMode(int mode) const
{
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    return current ? ModeFeatureMask(current->m_Caps.dwModeFeatures, mode) : 0;
}

bool CDlgColor::IsDeviceReachable()
{
    const DWORD device = theApp.m_StatusAll.m_hCurDevice;
    if (device == 0)
        return false;
    SetHandle(device);
    return IsMonitorAnswering();
}

void CDlgColor::ReadColorMode(CMonitorColor& record)
{
    WORD maximum = 0;
    record.Value(ColorSlot::Mode) = 0;
    const bool read = GetFeature(reinterpret_cast<BYTE*>(&record.Value(ColorSlot::Mode)), FeatureValueSize,
                                 FEATURE_COLOR_MODE, &maximum);
    record.Max(ColorSlot::Mode) = maximum;
    record.Valid(ColorSlot::Mode) = read ? TRUE : FALSE;
}

void CDlgColor::OnPageRefresh()
{
    IsDeviceReachable();
    FillMonitorCombo();
    FillModeCombo();
    PollDevice();
}

void CDlgColor::FillMonitorCombo()
{
    m_comboMonitor.ResetContent();
    CString prefix;
    prefix.LoadString(IDS_MONITOR);
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        const CMonitorStatus* monitor = all.m_arMonitors[i];
        CString item;
        if (monitor)   // an empty line keeps the list's index that of the monitor
            item.Format("%s%s (%s S/N:%s)", static_cast<LPCSTR>(prefix), static_cast<LPCSTR>(monitor->m_strDisplayLabel),
                        static_cast<LPCSTR>(monitor->m_strModelName), static_cast<LPCSTR>(monitor->m_strSerial));
        m_comboMonitor.AddString(item);
        if (i == all.m_nCurMonitor)
            m_comboMonitor.SetCurSel(i);
    }
}

void CDlgColor::FillModeCombo()
{
    ReadColorMode(CurrentColor());
    if (!CurrentModeValid()) {
        m_comboMode.EnableWindow(FALSE);
        return;
    }
    m_comboMode.EnableWindow(TRUE);
    FillModeItems(ListedModes());
    SelectModeInList();
}

// The modes the current monitor lists, in mode order; none without a monitor.
std::vector<int> CDlgColor::ListedModes() const
{
    std::vector<int> modes;
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    for (int mode = 0; current && mode < ColorModeCount; ++mode) {
        if (IsModeListed(current->m_Caps.qwModes, mode))
            modes.push_back(mode);
    }
    return modes;
}

std::vector<int> CDlgColor::ItemModes() const
{
    std::vector<int> modes;
    for (int item = 0; item < m_comboMode.GetCount(); ++item)
        modes.push_back(static_cast<int>(m_comboMode.GetItemData(item)));
    return modes;
}

void CDlgColor::FillModeItems(const std::vector<int>& modes)
{
    m_comboMode.ResetContent();
    for (int mode : modes) {
        CString name;
        name.LoadString(ColorModeTable[mode].nStringId);
        const int item = m_comboMode.AddString(name);
        m_comboMode.SetItemData(item, static_cast<DWORD_PTR>(mode));
    }
}

// The current mode is selected when it is listed; -1 selects nothing.
void CDlgColor::SelectModeInList()
{
    const int item = ItemOfMode(ItemModes(), CurrentModeValid(), CurrentMode());
    if (item != KeepSelection)
        m_comboMode.SetCurSel(item);
}

int CDlgColor::ItemOfMode(const std::vector<int>& modes, bool valid, short mode)
{
    if (!valid)
        return KeepSelection;
    if (mode == -1)
        return -1;
    const auto found = std::find(modes.begin(), modes.end(), mode);
    return found == modes.end() ? KeepSelection : static_cast<int>(found - modes.begin());
}

void CDlgColor::SelectCurrentMode()
{
    SelectModeInList();
    if (CurrentModeValid())
        PollDevice();
}

void CDlgColor::OnCbnSelchangeColorMode()
{
    if (!IsDeviceReachable())
        return;
    const int mode = SelectedMode();
    if (mode < 0)
        return;
    const BYTE bytes[FeatureValueSize] = {LOBYTE(mode), HIBYTE(mode)};
    SetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    if (m_checkSameModels.GetCheck() == BST_CHECKED)
        WriteModeToSameModels(bytes);
    ReadColorMode(CurrentColor());
    UpdateControlStates();
}

// Every other monitor of the current one's model name that answers gets the
// same mode; the channel then points at the current monitor again.
void CDlgColor::WriteModeToSameModels(const BYTE* mode)
{
    CWaitCursor wait;
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    const CMonitorStatus* current = all.GetCurrent();
    for (int i = 0; current && i < all.m_arMonitors.GetSize(); ++i) {
        const CMonitorStatus* monitor = all.m_arMonitors[i];
        if (!monitor || i == all.m_nCurMonitor || monitor->m_strModelName != current->m_strModelName)
            continue;
        SetHandle(monitor->m_hDevice);
        WORD scratch = 0;
        if (GetFeature(reinterpret_cast<BYTE*>(&scratch), FeatureValueSize, FEATURE_COLOR_MODE))
            SetFeature(mode, FeatureValueSize, FEATURE_COLOR_MODE);
    }
    SetHandle(all.m_hCurDevice);
}

CWnd* CDlgColor::MainWindow() const
{
    CWnd* tab = GetParent();
    return tab ? tab->GetParent() : nullptr;
}

void CDlgColor::OnCbnSelchangeMonitor()
{
    if (CWnd* main = MainWindow())
        main->SendMessage(UM_SELECT_MONITOR, 0, m_comboMonitor.GetCurSel());
    Seams::Sleep(MonitorSwitchSettleMs);
    if (IsDeviceReachable()) {
        FillModeCombo();
        PollDevice();
        Seams::Sleep(MonitorSwitchAfterMs);
    }
}

void CDlgColor::UpdateControlStates()
{
    m_comboMode.EnableWindow(TRUE);
    const int mode = SelectedMode();
    if (theApp.m_StatusAll.m_arMonitors.GetSize() == 0)
        return;
    ShowButtonStates(ButtonStatesFor(mode));
}

CDlgColor::ButtonStates CDlgColor::ButtonStatesFor(int mode) const
{
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    const DWORD mask = MaskOfMode(mode);
    ButtonStates states;
    states.color = current && current->m_Caps.wColorAdjust[0] == 1 && mask != 0;
    states.importExport = IsUserMode(mode);
    states.functions = (mask & MF_FUNCTIONS_GROUP) != 0;
    return states;
}

void CDlgColor::ShowButtonStates(const ButtonStates& states)
{
    m_btnColor.EnableWindow(states.color);
    m_btnImport.EnableWindow(states.importExport);
    m_btnExport.EnableWindow(states.importExport);
    m_btnFunctions.EnableWindow(states.functions);
}

void CDlgColor::DisableControls()
{
    m_comboMode.EnableWindow(FALSE);
    ShowButtonStates(ButtonStates{});
}

void CDlgColor::PollDevice()
{
    if (IsAdjustmentPermitted())
        UpdateControlStates();
    else
        DisableControls();
}

void CDlgColor::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (bShow) {
        IsDeviceReachable();
        m_nTimerId = SetTimer(IDT_COLOR_PAGE_POLL, PollPeriodMs);
        theApp.m_hWndReport = m_hWnd;
        m_bPageVisible = TRUE;
    } else {
        KillTimer(m_nTimerId);
        theApp.m_hWndReport = nullptr;
        m_bPageVisible = FALSE;
    }
}

void CDlgColor::OnTimer(UINT_PTR nIDEvent)
{
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    if (nIDEvent == m_nTimerId && !all.m_bSubDialogOpen && all.m_hCurDevice != 0) {
        SetHandle(all.m_hCurDevice);
        PollDevice();
    }
    CDialog::OnTimer(nIDEvent);
}

// What a run of reports leaves the page showing, worked out before a
// control is touched: each control ends as one update per report would leave
// it. The monitor is asked once for the run, however many reports ask for
// its mode or its permission.
struct CDlgColor::ReportView {
    std::vector<int> items;   // the mode list's item data
    bool itemsRead = false;
    bool refilled = false;
    int selected = KeepSelection;
    int comboEnabled = -1;    // -1: untouched
    bool buttonsSet = false;
    ButtonStates buttons;
    bool modeRead = false;
    CMonitorColor readMode;
    bool permissionRead = false;
    bool permitted = false;
};

// Every record queued for the page is taken at its message, and the
// controls are updated once for all of them. A record the queue no longer
// holds (purged meanwhile) is left alone.
void CDlgColor::OnHidReport()
{
    ReportView view;
    for (const HidReport& report : theApp.TakeReportsFor(m_hWnd)) {
        if (report.hDevice == theApp.m_StatusAll.m_hCurDevice)
            ApplyReport(report, view);
    }
    ShowReports(view);
}

void CDlgColor::ApplyReport(const HidReport& report, ReportView& view)
{
    if (!view.itemsRead) {
        view.items = ItemModes();
        view.itemsRead = true;
    }
    if (report.usagePage == FEATURE_COLOR_MODE.usagePage) {
        if (report.usage == FEATURE_COLOR_MODE.usage) {
            CurrentColor().Value(ColorSlot::Mode) = LOWORD(report.value);
        } else if (report.usage == FEATURE_MODE_LIST.usage) {
            // The list is filled again from a fresh read of the mode.
            ReadColorModeOnce(view);
            view.comboEnabled = CurrentModeValid() ? 1 : 0;
            if (CurrentModeValid()) {
                view.items = ListedModes();
                view.refilled = true;
                view.selected = -1;   // emptied; the mode is selected below
            }
        } else if (report.usage == FEATURE_ADJUST_ENABLE.usage || report.usage == FEATURE_ADJUST_STATE.usage) {
            ApplyPoll(view);
        }
    }
    const int item = ItemOfMode(view.items, CurrentModeValid(), CurrentMode());
    if (item != KeepSelection)
        view.selected = item;
}

void CDlgColor::ReadColorModeOnce(ReportView& view)
{
    CMonitorColor& color = CurrentColor();
    if (!view.modeRead) {
        ReadColorMode(view.readMode);
        view.modeRead = true;
    }
    color.Value(ColorSlot::Mode) = view.readMode.Value(ColorSlot::Mode);
    color.Max(ColorSlot::Mode) = view.readMode.Max(ColorSlot::Mode);
    color.Valid(ColorSlot::Mode) = view.readMode.Valid(ColorSlot::Mode);
}

// The poll's enabling, from the mode the list shows at that point of the run.
void CDlgColor::ApplyPoll(ReportView& view)
{
    if (!view.permissionRead) {
        view.permitted = IsAdjustmentPermitted();
        view.permissionRead = true;
    }
    view.comboEnabled = view.permitted ? 1 : 0;
    if (!view.permitted) {
        view.buttons = ButtonStates{};
        view.buttonsSet = true;
        return;
    }
    if (theApp.m_StatusAll.m_arMonitors.GetSize() == 0)
        return;
    int mode = SelectedMode();
    if (view.selected != KeepSelection)
        mode = view.selected < 0 ? -1 : view.items[view.selected];
    view.buttons = ButtonStatesFor(mode);
    view.buttonsSet = true;
}

void CDlgColor::ShowReports(const ReportView& view)
{
    if (view.refilled)
        FillModeItems(view.items);
    if (view.selected != KeepSelection)
        m_comboMode.SetCurSel(view.selected);
    if (view.comboEnabled >= 0)
        m_comboMode.EnableWindow(view.comboEnabled == 1);
    if (view.buttonsSet)
        ShowButtonStates(view.buttons);
}

LRESULT CDlgColor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_PAGE_REFRESH)
        OnPageRefresh();
    else if (message == WM_HIDREPORT)
        OnHidReport();
    return CDialog::WindowProc(message, wParam, lParam);
}

// Both colour dialogs run the same way: the page gives up the reports while
// one is open, and takes them back unless it was ended from outside.
template <typename SubDialog>
void CDlgColor::RunSubDialog()
{
    BeginSubDialog();
    SubDialog dialog;
    if (dialog.DoModal() == SubDialogClosedFromOutside && !ResumesAfterOutsideEnd())
        return;   // the rebuild clears the busy flag; showing the page takes the reports back
    EndSubDialog();
    m_btnColor.SetFocus();
}

// After an end from outside the main window hides the settings window when
// the monitor set changed, and is about to end the program after "E&xit".
// Otherwise (a monitor gone and back within the main window's wait) nothing
// would ever restore the minimised window or give the page its reports.
bool CDlgColor::ResumesAfterOutsideEnd() const
{
    const auto* main = dynamic_cast<const CVantorDlg*>(MainWindow());
    return theApp.m_bSettingShown && main && !main->m_bSetChanged && !main->m_bExitPending;
}

void CDlgColor::OnBnClickedColor()
{
    RunSubDialog<CDlgColorSub>();
}

void CDlgColor::OnBnClickedTunoraFunctions()
{
    RunSubDialog<CDlgColTunoraFunctions>();
}

void CDlgColor::BeginSubDialog()
{
    if (CWnd* main = MainWindow()) {
        main->ShowWindow(SW_HIDE);
        main->ShowWindow(SW_MINIMIZE);
        main->ShowWindow(SW_SHOW);
    }
    theApp.m_StatusAll.m_bSubDialogOpen = TRUE;
    theApp.m_hWndReport = nullptr;
}

void CDlgColor::EndSubDialog()
{
    if (CurrentModeValid())
        SelectCurrentMode();
    if (CWnd* main = MainWindow()) {
        main->ShowWindow(SW_HIDE);
        main->ShowWindow(SW_RESTORE);
        main->ShowWindow(SW_SHOW);
        BringToForeground(main->m_hWnd);
    }
    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;
    theApp.m_hWndReport = m_hWnd;
}

void CDlgColor::OnBnClickedApplySameModels()
{
    const bool checked = m_checkSameModels.GetCheck() == BST_CHECKED;
    theApp.m_bApplySameModels = checked ? TRUE : FALSE;
    WriteDword(RegValueMultiControl, checked ? 1 : 0, RegKeyColor);
}

BOOL CDlgColor::PreTranslateMessage(MSG* pMsg)
{
    return PageKeyboard::PreTranslateMessage(*this, pMsg, IDC_COMBO_MONITOR);
}

HBRUSH CDlgColor::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX)
        return standard;
    pDC->SetBkMode(TRANSPARENT);
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    switch (id) {
    case IDC_COMBO_MONITOR:
    case IDC_COMBO_COLOR_MODE:
        return standard;
    case IDC_STATIC_MODE_SELECTION:
    case IDC_STATIC_PARAMETER:
    case IDC_CHECK_SAME_MODELS_COLOR:
        pDC->SetTextColor(White);
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    case IDC_LINK:
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    default:
        break;
    }
    if (nCtlColor == CTLCOLOR_STATIC && pWnd != this)
        return standard;
    pDC->SetBrushOrg(0, 0);
    return m_brBackground;
}
