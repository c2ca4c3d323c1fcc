#include "automation/CDlgTonalis.h"

#include "controls/PageBackground.h"
#include "colour/ColorTables.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "shell/PageKeyboard.h"

#include <cstring>
#include <utility>

CComboBox g_comboApplication;
CComboBox g_comboColorMode;

namespace {

constexpr UINT WatchPeriodMs = 100;
constexpr COLORREF White = RGB(255, 255, 255);

} // namespace

BEGIN_MESSAGE_MAP(CDlgTonalis, CDialog)
    ON_CBN_SELCHANGE(IDC_COMBO_APPLICATION, &CDlgTonalis::OnCbnSelchangeApplication)
    ON_CBN_SELCHANGE(IDC_COMBO_APPLICATION_MODE, &CDlgTonalis::OnCbnSelchangeColorMode)
    ON_CBN_SELCHANGE(IDC_COMBO_DEFAULT_MODE, &CDlgTonalis::OnCbnSelchangeDefaultMode)
    ON_BN_CLICKED(IDC_CHECK_AUTO_COLOR, &CDlgTonalis::OnBnClickedActivateAutoColor)
    ON_BN_CLICKED(IDC_BTN_REGISTER, &CDlgTonalis::OnBnClickedRegister)
    ON_BN_CLICKED(IDC_BTN_DELETE, &CDlgTonalis::OnBnClickedDelete)
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_WM_DEVICECHANGE()
    ON_MESSAGE(UM_SELECT_APPLICATION, &CDlgTonalis::OnSelectApplication)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDlgTonalis::CDlgTonalis(CWnd* pParent)
    : CDialog(IDD_AUTO_COLOR, pParent),
      m_nTimerId(0),
      m_hLastForeground(nullptr),
      m_szLastScreen{},
      m_szCurrentApplication{},
      m_hNotifyWnd(nullptr),
      m_bPageVisible(FALSE),
      m_pRegisteredList(nullptr),
      m_sizeBackground(0, 0)
{
}

CDlgTonalis::~CDlgTonalis()
{
    FreeRegisteredApplications();
}

void CDlgTonalis::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_DEFAULT_MODE, m_comboDefaultMode);
    DDX_Control(pDX, IDC_CHECK_AUTO_COLOR, m_checkAutoColor);
    DDX_Control(pDX, IDC_COMBO_APPLICATION, g_comboApplication);
    DDX_Control(pDX, IDC_COMBO_APPLICATION_MODE, g_comboColorMode);
    DDX_Control(pDX, IDC_LINK, m_link);
}

BOOL CDlgTonalis::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_sizeBackground =
        theApp.LoadDpiBitmapBrush(m_hWnd, &m_brBackground, IDB_BACK_AUTO_COLOR, IDB_BACK_AUTO_COLOR_LARGE);
    AttachButtons();
    LoadAutoColorSwitch();

    m_hLastForeground = nullptr;
    m_strShownApplication.Empty();
    m_bPageVisible = FALSE;   // the template makes the page hidden
    FreeRegisteredApplications();
    delete m_pRegisteredList;
    m_pRegisteredList = new CPtrList(10);
    LoadRegisteredApplications();
    FillRegisteredApplications();
    ::EnumWindows(EnumApplicationWindowsProc, 0);
    SetNotifyWindow(m_hWnd);
    FillColorModeLists();
    m_nTimerId = SetTimer(IDT_FOREGROUND_WATCH, WatchPeriodMs);
    UpdateControlStates();
    return TRUE;
}

void CDlgTonalis::AttachButtons()
{
    AttachSkinnedButtons(this, {{&m_btnRegister, IDC_BTN_REGISTER}, {&m_btnDelete, IDC_BTN_DELETE}});
}

// A first start switches automatic switching on, and stores that.
void CDlgTonalis::LoadAutoColorSwitch()
{
    DWORD modeChange = 0;
    if (!ReadDword(RegValueModeChange, &modeChange, RegKeyRoot)) {
        m_checkAutoColor.SetCheck(BST_CHECKED);
        OnBnClickedActivateAutoColor();
    } else {
        m_checkAutoColor.SetCheck(modeChange != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

// Enter and Esc do not close a page.
void CDlgTonalis::OnOK()
{
}

void CDlgTonalis::OnCancel()
{
}

void CDlgTonalis::SetNotifyWindow(HWND hWnd)
{
    m_hNotifyWnd = hWnd;
}

bool CDlgTonalis::IsAutoColorOn() const
{
    return m_checkAutoColor.m_hWnd && m_checkAutoColor.GetCheck() == BST_CHECKED;
}

// ---- Mode lists -------------------------------------------------------------

ULONGLONG CDlgTonalis::GetSupportedModeMask()
{
    ULONGLONG mask = 0;
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        if (const CMonitorStatus* monitor = all.m_arMonitors[i])
            mask |= monitor->m_Caps.qwModes;
    }
    return mask;
}

void CDlgTonalis::AddModeItem(CComboBox& list, int mode)
{
    CString name;
    name.LoadString(ColorModeTable[mode].nStringId);
    const int item = list.AddString(name);
    if (item >= 0)
        list.SetItemData(item, static_cast<DWORD_PTR>(mode));
}

int CDlgTonalis::FindItemWithData(const CComboBox& list, DWORD_PTR data)
{
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetItemData(i) == data)
            return i;
    }
    return -1;
}

// A list that already holds exactly the wanted modes is left as it is: a
// refill costs a redraw of the list for each item, and the watcher shows an
// application, which refills both lists, at every foreground change. Only
// the selection goes, as a refill would drop it.
void CDlgTonalis::RefillModeList(CComboBox& list, ULONGLONG mask, int modeCount)
{
    if (HoldsModes(list, mask, modeCount)) {
        list.SetCurSel(-1);
        return;
    }
    list.ResetContent();
    for (int mode = 0; mode < modeCount; ++mode) {
        if (mask & ColorModeBits[mode])
            AddModeItem(list, mode);
    }
}

// The list's items are the modes of the mask, in order, with their names.
bool CDlgTonalis::HoldsModes(const CComboBox& list, ULONGLONG mask, int modeCount)
{
    int item = 0;
    CString name, shown;
    for (int mode = 0; mode < modeCount; ++mode) {
        if (!(mask & ColorModeBits[mode]))
            continue;
        if (item >= list.GetCount() || list.GetItemData(item) != static_cast<DWORD_PTR>(mode))
            return false;
        name.LoadString(ColorModeTable[mode].nStringId);
        list.GetLBText(item++, shown);
        if (shown != name)
            return false;
    }
    return item == list.GetCount();
}

void CDlgTonalis::FillColorModeLists(ApplicationEntry*)
{
    const ULONGLONG mask = GetSupportedModeMask();
    RefillModeList(g_comboColorMode, mask, ColorModeCount);
    RefillModeList(m_comboDefaultMode, mask | ColorModeBits[ColorModeNoChange], ColorModeTableSize);
    DWORD defaultMode = RegDefModeMissing;
    ReadDword(RegValueDefMode, &defaultMode, RegKeyRoot);
    int item = FindItemWithData(m_comboDefaultMode, defaultMode);
    if (item < 0)
        item = FindItemWithData(m_comboDefaultMode, ColorModeNoChange);
    m_comboDefaultMode.SetCurSel(item);
}

// The mode of the selected mode-list item; -1 when none is selected.
int CDlgTonalis::SelectedMode() const
{
    const int selected = g_comboColorMode.GetCurSel();
    return selected < 0 ? -1 : static_cast<int>(g_comboColorMode.GetItemData(selected));
}

void CDlgTonalis::UpdateControlStates()
{
    UpdateData(TRUE);
    const BOOL on = IsAutoColorOn() ? TRUE : FALSE;
    g_comboApplication.EnableWindow(on);
    g_comboColorMode.EnableWindow(on);
    m_comboDefaultMode.EnableWindow(on);
    const BOOL editable = on && g_comboApplication.GetCurSel() >= 0 && SelectedMode() >= 0;
    m_btnRegister.EnableWindow(editable);
    m_btnDelete.EnableWindow(editable);
}

// ---- The editor: one application and its mode ---------------------------------

void CDlgTonalis::ShowApplication(int index)
{
    FillColorModeLists();
    const ApplicationEntry* entry = EntryAt(index);
    if (!entry) {
        ClearEditor();
        return;
    }
    g_comboColorMode.SetCurSel(entry->mode == ApplicationModeNone ? -1 : FindItemWithData(g_comboColorMode, entry->mode));
    m_strShownApplication = entry->name;
}

void CDlgTonalis::ClearEditor()
{
    g_comboColorMode.SetCurSel(-1);
    m_strShownApplication.Empty();
}

int CDlgTonalis::AskAbout(UINT nPromptId, const CString& subject) const
{
    CString prompt;
    prompt.LoadString(nPromptId);
    prompt.Replace("%s", subject);   // the subject's own '%' stays text
    return AfxMessageBox(prompt, MB_YESNO | MB_ICONEXCLAMATION);
}

// A mode picked for the shown application but not registered is offered for
// saving before the editor moves on. The watcher may show another
// application while the question is open: what was asked about is saved,
// and an editor that moved on is left as it is.
void CDlgTonalis::AskToSaveShownApplication()
{
    const CString shown = m_strShownApplication;
    const ApplicationEntry* entry = EntryAt(FindApplication(shown));
    const int mode = SelectedMode();
    if (!entry || mode < 0 || static_cast<DWORD>(mode) == entry->mode)
        return;
    if (AskAbout(IDS_SAVE_MODE_QUESTION, ItemTextOf(entry->name, entry->description)) == IDYES) {
        SaveApplicationMode(FindApplication(shown), mode);
        LoadRegisteredApplications();
    } else if (m_strShownApplication == shown) {
        g_comboColorMode.SetCurSel(-1);
    }
}

void CDlgTonalis::SaveApplicationMode(int index, int mode)
{
    if (index == -1)
        index = g_comboApplication.GetCurSel();
    ApplicationEntry* entry = EntryAt(index);
    if (!entry || mode < 0)
        return;
    entry->mode = static_cast<DWORD>(mode);
    const CString key = SettingsLayout::TonalisKey(entry->name);
    WriteDword(RegValueMode, entry->mode, key);
    WriteString(RegValueDescription, entry->description, static_cast<DWORD>(std::strlen(entry->description) + 1), key);
    entry->registered = 1;
    m_btnDelete.EnableWindow(TRUE);
}

// ---- Handlers ---------------------------------------------------------------

void CDlgTonalis::OnCbnSelchangeApplication()
{
    const int shown = FindApplication(m_strShownApplication);
    int selected = g_comboApplication.GetCurSel();
    if (shown >= 0 && shown == selected)
        return;
    if (shown >= 0) {
        AskToSaveShownApplication();
        // The editor shows what the list shows, also when the watcher
        // selected another application during the question.
        selected = g_comboApplication.GetCurSel();
    }
    if (selected < 0)
        ClearEditor();
    else
        ShowApplication(selected);
    OnCbnSelchangeColorMode();
}

void CDlgTonalis::OnCbnSelchangeColorMode()
{
    UpdateControlStates();
    const int mode = SelectedMode();
    if (IsAutoColorOn() && mode >= 0 && mode < ColorModeCount)
        ApplyColorMode(static_cast<BYTE>(mode), nullptr, TRUE);
}

void CDlgTonalis::OnCbnSelchangeDefaultMode()
{
    const int selected = m_comboDefaultMode.GetCurSel();
    if (selected >= 0)
        WriteDword(RegValueDefMode, static_cast<DWORD>(m_comboDefaultMode.GetItemData(selected)), RegKeyRoot);
}

void CDlgTonalis::OnBnClickedActivateAutoColor()
{
    WriteDword(RegValueModeChange, IsAutoColorOn() ? 1 : 0, RegKeyRoot);
    UpdateControlStates();
}

// The application and mode shown when asked are registered, whatever the
// watcher selects while the question is open.
void CDlgTonalis::OnBnClickedRegister()
{
    const ApplicationEntry* entry = EntryAt(g_comboApplication.GetCurSel());
    if (!entry)
        return;
    const CString name = entry->name;
    const CString shown = m_strShownApplication;
    const int mode = SelectedMode();
    if (AskAbout(IDS_SAVE_MODE_QUESTION, ItemTextOf(entry->name, entry->description)) == IDYES) {
        SaveApplicationMode(FindApplication(name), mode);
        LoadRegisteredApplications();
    } else {
        if (m_strShownApplication == shown)
            g_comboColorMode.SetCurSel(-1);
        UpdateControlStates();
    }
}

void CDlgTonalis::OnBnClickedDelete()
{
    const int selected = g_comboApplication.GetCurSel();
    ApplicationEntry* entry = EntryAt(selected);
    if (!entry)
        return;
    CString text;
    g_comboApplication.GetLBText(selected, text);
    const CString shown = m_strShownApplication;
    if (AskAbout(IDS_DELETE_MODE_QUESTION, text) != IDYES)
        return;
    entry->mode = ApplicationModeNone;
    // The mode list belongs to another application once the watcher moved
    // the editor on during the question.
    if (m_strShownApplication == shown)
        g_comboColorMode.SetCurSel(-1);
    entry->registered = 0;
    UpdateControlStates();
    if (!DeleteKey(entry->name, RegKeyTonalis))
        AfxMessageBox(IDS_DELETE_MODE_FAILED, MB_ICONEXCLAMATION);
    LoadRegisteredApplications();
}

// Only the watcher posts this, with its own buffer: any other lParam (a
// message from another program) is not looked at.
LRESULT CDlgTonalis::OnSelectApplication(WPARAM, LPARAM lParam)
{
    if (lParam != reinterpret_cast<LPARAM>(m_szCurrentApplication))
        return 0;
    const char* name = m_szCurrentApplication;
    int index = FindApplication(name);
    if (index == -1) {
        ::EnumWindows(EnumApplicationWindowsProc, lParam);
        index = FindApplication(name);
    }
    g_comboApplication.SetCurSel(index);
    if (index == -1)
        ClearEditor();
    else
        ShowApplication(index);
    UpdateControlStates();
    return 0;
}

LRESULT CDlgTonalis::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_PAGE_REFRESH) {
        const int selected = g_comboApplication.GetCurSel();
        if (selected < 0) {
            FillColorModeLists();
            ClearEditor();
        } else {
            ShowApplication(selected);
        }
        UpdateControlStates();
    } else if (message == UM_MONITORS_CHANGED) {
        LoadRegisteredApplications();
        FillColorModeLists();
        // The refill drops the mode picked: the buttons follow, as after a pick.
        UpdateControlStates();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgTonalis::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!bShow && m_bPageVisible)
        AskToSaveShownApplication();
    m_bPageVisible = bShow ? TRUE : FALSE;
}

BOOL CDlgTonalis::OnDeviceChange(UINT, DWORD_PTR)
{
    return TRUE;
}

void CDlgTonalis::OnDestroy()
{
    CDialog::OnDestroy();
    KillTimer(m_nTimerId);
    FreeRegisteredApplications();
    delete m_pRegisteredList;
    m_pRegisteredList = nullptr;
    FreeApplicationEntries();
    m_hNotifyWnd = nullptr;
}

BOOL CDlgTonalis::PreTranslateMessage(MSG* pMsg)
{
    return PageKeyboard::PreTranslateMessage(*this, pMsg, IDC_CHECK_AUTO_COLOR);
}

HBRUSH CDlgTonalis::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_LISTBOX)
        return standard;
    pDC->SetBkMode(TRANSPARENT);
    switch (pWnd ? pWnd->GetDlgCtrlID() : 0) {
    case IDC_COMBO_APPLICATION:
    case IDC_COMBO_APPLICATION_MODE:
    case IDC_COMBO_DEFAULT_MODE:
        return standard;
    case IDC_CHECK_AUTO_COLOR:
    case IDC_STATIC_APPLICATION:
    case IDC_STATIC_APPLICATION_MODE:
        pDC->SetTextColor(White);
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    case IDC_LINK:
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    default:
        m_brBackground.UnrealizeObject();
        pDC->SetBrushOrg(0, 0);
        return m_brBackground;
    }
}
