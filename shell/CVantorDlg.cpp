#include "shell/CVantorDlg.h"

#include "device/CDeviceNotifier.h"
#include "device/MonitorReports.h"
#include "device/SeltuLibrary.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CVantorApp.h"
#include "shell/ForegroundWindow.h"
#include "shell/Messages.h"
#include "shell/ShellSeams.h"

#include <shlobj.h>

namespace {

const UINT TabTitleIds[] = {IDS_TAB_HOT_KEY, IDS_TAB_COLOR, IDS_TAB_AUTO_COLOR};
constexpr int TabCount = 3;
constexpr int DisplayQueryTries = 5;
constexpr DWORD DisplayQueryPauseMs = 2000;

} // namespace

BEGIN_MESSAGE_MAP(CVantorDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, &CVantorDlg::OnTcnSelchangeTab)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_CLOSE, &CVantorDlg::OnBnClickedClose)
    ON_COMMAND(ID_TRAY_EXIT, &CVantorDlg::OnMenuExit)
    ON_COMMAND(ID_TRAY_SETTING, &CVantorDlg::OnMenuSetting)
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_WM_CLOSE()
    ON_WM_DEVICECHANGE()
    ON_MESSAGE(WM_EXITSIZEMOVE, &CVantorDlg::OnExitSizeMove)
    ON_COMMAND(ID_TRAY_MONITOR_LIST, &CVantorDlg::OnMenuMonitorList)
    ON_WM_CTLCOLOR()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_DISPLAYCHANGE, &CVantorDlg::OnDisplayChange)
END_MESSAGE_MAP()

CVantorDlg::CVantorDlg(CWnd* pParent)
    : CDialog(IDD_TALVEX_DIALOG, pParent),
      m_hIcon(AfxGetApp()->LoadIcon(IDI_APP)),
      m_nCurTab(0),
      m_nTrayState(0),
      m_nHotKeyCount(0),
      m_nTimerId(0),
      m_bSetChanged(FALSE),
      m_uTaskbarCreated(0)
{
}

CVantorDlg::~CVantorDlg() = default;

void CVantorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAB, m_tab);
}

BOOL CVantorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    UnthemeTabControl();
    m_brBlack.CreateSolidBrush(RGB(0, 0, 0));
    m_btnClose.Attach(IDC_CLOSE, this);
    m_btnClose.SetFaceColor(RGB(0, 0, 0));
    m_btnClose.SetTextColor(RGB(255, 255, 255));
    m_nTimerId = SetTimer(IDT_MONITOR_CHANGE, 100);

    char folder[MAX_PATH] = {};
    if (SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE))
        theApp.m_strCommonAppData = folder;

    FindDisplayMonitors();
    m_bSetChanged = FALSE;
    RefreshMonitorList();
    InitTabPages();
    AddSystemMenuItems();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    ApplyStoredTopmost();
    m_uTaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    StartMonitorReports();
    theApp.m_hDevNotify = CDeviceNotifier().Register(m_hWnd, CDeviceNotifier::KindHid);
    return TRUE;
}

// Drawn unthemed, the tab control can be painted over in the program's colours.
void CVantorDlg::UnthemeTabControl()
{
    HMODULE uxTheme = LoadLibraryA("UxTheme");
    if (!uxTheme)
        return;
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto setWindowTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(GetProcAddress(uxTheme, "SetWindowTheme")));
    if (setWindowTheme && m_tab.m_hWnd)
        setWindowTheme(m_tab.m_hWnd, nullptr, L"IDC_TAB");
    FreeLibrary(uxTheme);
}

// The information library may need a moment after log-on: up to five tries.
void CVantorDlg::FindDisplayMonitors()
{
    for (int attempt = 0; attempt < DisplayQueryTries; ++attempt) {
        if (QueryDisplayMonitors())
            return;
        Seams::Sleep(DisplayQueryPauseMs);
    }
}

// Only an answer with at least one monitor replaces the count: a failed
// query says nothing about the screens, and a count of 0 would keep every
// monitor out of the next rebuild.
bool CVantorDlg::QueryDisplayMonitors()
{
    int count = 0;
    if (KvnFindMonitors(&count, 0) < 0 || count < 1)
        return false;
    theApp.m_nDisplayMonitors = count;
    return true;
}

void CVantorDlg::InitTabPages()
{
    for (int tab = 0; tab < TabCount; ++tab) {
        CString title;
        title.LoadString(TabTitleIds[tab]);
        m_tab.InsertItem(tab, title);
    }
    CRect rect;
    m_tab.GetClientRect(&rect);
    m_tab.AdjustRect(FALSE, &rect);
    rect.left -= 2;

    m_pageHotKey.Create(IDD_HOT_KEY, &m_tab);
    m_pageHotKey.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    m_pageHotKey.MoveWindow(&rect, FALSE);
    m_pageColor.Create(IDD_COLOR, &m_tab);
    m_pageColor.MoveWindow(&rect, TRUE);
    m_pageAutoColor.Create(IDD_AUTO_COLOR, &m_tab);
    m_pageAutoColor.MoveWindow(&rect, TRUE);
}

void CVantorDlg::AddSystemMenuItems()
{
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu)
        return;
    CString keepOnTop;
    keepOnTop.LoadString(IDS_KEEP_ON_TOP);
    systemMenu->AppendMenu(MF_SEPARATOR);
    systemMenu->AppendMenu(MF_STRING, IDM_KEEP_ON_TOP, keepOnTop);
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (!about.IsEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUT, about);
    }
}

// Missing or 0: the settings window stays on top.
void CVantorDlg::ApplyStoredTopmost()
{
    DWORD noTopmost = 0;
    if (ReadDword(RegValueNoTopmost, &noTopmost, RegKeyRoot) && noTopmost != 0)
        return;
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (CMenu* systemMenu = GetSystemMenu(FALSE))
        systemMenu->CheckMenuItem(IDM_KEEP_ON_TOP, MF_BYCOMMAND | MF_CHECKED);
}

void CVantorDlg::ToggleKeepOnTop()
{
    CMenu* systemMenu = GetSystemMenu(FALSE);
    const bool topmost = (GetExStyle() & WS_EX_TOPMOST) != 0;
    SetWindowPos(topmost ? &wndNoTopMost : &wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (systemMenu)
        systemMenu->CheckMenuItem(IDM_KEEP_ON_TOP, MF_BYCOMMAND | (topmost ? MF_UNCHECKED : MF_CHECKED));
    WriteDword(RegValueNoTopmost, topmost ? 1 : 0, RegKeyRoot);
}

void CVantorDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    switch (nID & 0xFFF0) {
    case IDM_ABOUT: {
        CAboutDlg about;
        about.DoModal();
        break;
    }
    case IDM_KEEP_ON_TOP:
        ToggleKeepOnTop();
        break;
    default:
        CDialog::OnSysCommand(nID, lParam);
        break;
    }
}

bool CVantorDlg::HasMonitors() const
{
    return theApp.m_StatusAll.m_arMonitors.GetSize() > 0;
}

CDialog* CVantorDlg::PageOfTab(int nTab)
{
    switch (nTab) {
    case 0:
        return HasMonitors() ? static_cast<CDialog*>(&m_pageHotKey) : nullptr;
    case 1:
        return &m_pageColor;
    case 2:
        return &m_pageAutoColor;
    default:
        return nullptr;
    }
}

void CVantorDlg::ShowPage(int nTab)
{
    m_pageAutoColor.ShowWindow(SW_HIDE);
    m_pageColor.ShowWindow(SW_HIDE);
    m_pageHotKey.ShowWindow(SW_HIDE);
    if (CDialog* page = PageOfTab(nTab))
        page->ShowWindow(SW_SHOW);
    m_tab.ShowWindow(SW_HIDE);
    m_tab.ShowWindow(SW_SHOW);
    m_tab.SetFocus();
}

void CVantorDlg::PostPageRefresh(int nTab)
{
    if (CDialog* page = PageOfTab(nTab))
        page->PostMessage(UM_PAGE_REFRESH, 0, 0);
}

void CVantorDlg::ShowTabPage(int nTab)
{
    ShowPage(nTab);
    PostPageRefresh(nTab);
}

void CVantorDlg::ResetToFirstTab()
{
    m_tab.SetCurSel(0);
    ShowPage(0);
    m_nCurTab = 0;
}

void CVantorDlg::OnTcnSelchangeTab(NMHDR*, LRESULT* pResult)
{
    m_tab.SetFocus();
    const int selected = m_tab.GetCurSel();
    if (selected != m_nCurTab) {
        ShowTabPage(selected);
        m_nCurTab = selected;
    }
    *pResult = 0;
}

void CVantorDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (bShow)
        m_tab.SetFocus();
}

// Shown already, it is only brought back when it was left minimised (a
// colour dialog closed from outside leaves it so), as an opening brings it.
void CVantorDlg::ShowSettingWindow()
{
    if (theApp.m_bSettingShown) {
        if (!IsMinimisedAlone())
            return;
    } else {
        UnregisterAllHotKeys();
        theApp.m_bSettingShown = TRUE;
        PlaceSettingWindow();
    }
    ResetToFirstTab();
    ShowWindow(SW_SHOWNORMAL);
    BringToForeground(m_hWnd);
    OnExitSizeMove(0, 0);
}

// The first time, and when the screen it stood on has gone, the window opens
// in the middle of the screen that holds the tray (the taskbar's window),
// where the user just clicked.
void CVantorDlg::PlaceSettingWindow()
{
    if (m_bPlaced && ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONULL))
        return;
    CenterOnScreenOf(::FindWindowA("Shell_TrayWnd", nullptr));
    m_bPlaced = TRUE;
}

// Minimised with no dialog of its own running on it: a colour dialog keeps
// it minimised while it runs.
bool CVantorDlg::IsMinimisedAlone() const
{
    return ::IsIconic(m_hWnd) && !IsModalDialogOpen();
}

void CVantorDlg::HideSettingWindow()
{
    m_pageAutoColor.ShowWindow(SW_HIDE);
    m_pageColor.ShowWindow(SW_HIDE);
    m_pageHotKey.ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
    theApp.m_bSettingShown = FALSE;
}

// The monitor on whose screen the settings window stands becomes current.
LRESULT CVantorDlg::OnExitSizeMove(WPARAM, LPARAM)
{
    CMonitorStatusAll& all = theApp.m_StatusAll;
    CMonitorStatus* current = all.GetCurrent();
    if (!theApp.m_bSettingShown || !current)
        return 0;
    char name[CCHDEVICENAME + 1] = {};
    theApp.GetMonitorDeviceName(name, m_hWnd);
    const ULONGLONG modesBefore = current->m_Caps.qwModes;

    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (!monitor || !theApp.IsSameDeviceName(name, monitor))
            continue;
        SelectMonitor(i);
        if (m_tab.GetCurSel() == 0 && monitor->m_Caps.qwModes != modesBefore)
            ShowPage(0);
        PostPageRefresh(m_tab.GetCurSel());
        return 0;
    }
    return 0;
}

void CVantorDlg::OnBnClickedClose()
{
    HideSettingWindow();
    if (!HasMonitors())
        return;
    UnregisterAllHotKeys();
    CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        if (CMonitorStatus* monitor = all.m_arMonitors[i])
            RegisterMonitorHotKeys(monitor->m_HotKeys.data(), monitor);
    }
}

void CVantorDlg::OnClose()
{
    OnBnClickedClose();   // the caption's close box only hides the window
}

// Enter and Esc never end the main window.
void CVantorDlg::OnOK()
{
}

void CVantorDlg::OnCancel()
{
}

void CVantorDlg::OnMenuExit()
{
    UnregisterAllHotKeys();
    if (!IsWindowEnabled()) {
        // A modal dialog's loop runs on top of this window: destroying it
        // now would pull the window from under that loop. The dialogs are
        // closed; the timer ends the program once their loops are gone.
        m_bExitPending = TRUE;
        CloseSubDialogs();
        EndOwnedDialogs();
        return;
    }
    DestroyWindow();
}

void CVantorDlg::OnMenuSetting()
{
    if (theApp.m_StatusAll.m_hCurDevice == 0)
        return;
    m_pageHotKey.PostMessage(UM_PAGE_REFRESH, 0, 0);
    ShowSettingWindow();
}

// Timer 10 ends here, without the dialog's default handling, which has
// nothing to do for it ten times a second.
void CVantorDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerId) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    if (m_bExitPending && IsWindowEnabled()) {
        DestroyWindow();
        return;
    }
    if (!theApp.m_StatusAll.m_bSubDialogOpen && m_bSetChanged) {
        CloseSubDialogs();
        m_bSetChanged = FALSE;
        // Hidden as by "&Close", with the new monitors' hot keys in
        // force: nothing else would ever register them again.
        OnBnClickedClose();
    }
}

void CVantorDlg::CloseSubDialogs()
{
    const HWND subDialogs[] = {theApp.m_hWndColorSub, theApp.m_hWndTunora, theApp.m_hWndMonitorList,
                               theApp.m_hWndMessage};
    for (HWND dialog : subDialogs) {
        if (::IsWindow(dialog))
            ::SendMessageA(dialog, UM_CLOSE_SUBDIALOG, 0, 0);
    }
}

// Dialogs of this program that publish no handle (the About box) are
// cancelled by the owner they run on.
void CVantorDlg::EndOwnedDialogs()
{
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM owner) -> BOOL {
        if (::GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) && ::IsWindowVisible(window))
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }, reinterpret_cast<LPARAM>(m_hWnd));
}

void CVantorDlg::OnDestroy()
{
    CDialog::OnDestroy();
    StopMonitorReports();
    KillTimer(m_nTimerId);
    TrayNotify(NIM_DELETE, IDI_APP, CString());
    theApp.m_StatusAll.DeleteAll();
    theApp.PurgeReports();
    ShellSeams::UnregisterDeviceNotify(theApp.m_hDevNotify);
    theApp.m_hDevNotify = nullptr;
    NoteCaptionDrawn(m_hWnd, FALSE);
}

void CVantorDlg::PostNcDestroy()
{
    delete this;
}

void CVantorDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HBRUSH CVantorDlg::OnCtlColor(CDC*, CWnd*, UINT)
{
    return m_brBlack;
}

BOOL CVantorDlg::OnQueryEndSession()
{
    return CDialog::OnQueryEndSession();
}

void CVantorDlg::OnEndSession(BOOL bEnding)
{
    CDialog::OnEndSession(bEnding);
}

LRESULT CVantorDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case UM_TRAYICON:
        if (lParam == WM_RBUTTONUP) {
            ShowTrayMenu();
            return 0;
        }
        OnTrayIcon(lParam);
        break;
    case UM_SELECT_MONITOR: {
        CWaitCursor wait;
        SelectMonitor(static_cast<int>(lParam));
        break;
    }
    case WM_HOTKEY:
        if (!theApp.m_bSettingShown)
            OnHotKey(lParam);
        break;
    case WM_NCACTIVATE:
        NoteCaptionDrawn(m_hWnd, wParam);
        break;
    case UM_REDRAW_TAB:
        m_tab.ShowWindow(SW_HIDE);
        m_tab.ShowWindow(SW_SHOW);
        break;
    default:
        if (message == m_uTaskbarCreated && m_uTaskbarCreated != 0)
            OnTaskbarCreated();
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
