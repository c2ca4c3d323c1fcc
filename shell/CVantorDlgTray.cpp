// The tray icon: added with retries while the shell is not ready, switched
// between the monitor and no-monitor images, and its menus.
#include "shell/CVantorDlg.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/ForegroundWindow.h"
#include "shell/Messages.h"
#include "shell/ShellSeams.h"

namespace {

constexpr UINT TrayIconUid = 0;
constexpr int TrayAddAttempts = 180;
constexpr DWORD TrayRetryPauseMs = 1000;

enum TrayState { TrayNone = 0, TrayMonitor = 1, TrayNoMonitor = 2 };

} // namespace

BOOL CVantorDlg::TrayNotify(DWORD dwMessage, UINT nIconId, CString strTip)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = TrayIconUid;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = UM_TRAYICON;
    data.hIcon = AfxGetApp()->LoadIcon(nIconId);
    lstrcpynA(data.szTip, strTip, sizeof data.szTip);

    if (dwMessage != NIM_ADD)
        return ShellSeams::NotifyIcon(dwMessage, &data) ? TRUE : FALSE;

    // While the shell is still starting it answers with time-outs; the add
    // is retried, and a time-out may still have added the icon. The shell
    // also announces a new taskbar when it kept its icons (display scaling,
    // a remote session, another primary monitor) and then refuses the add
    // of an icon it shows: a modify with the same data finds it there.
    BOOL added = FALSE;
    for (int attempt = 0; attempt < TrayAddAttempts && !added; ++attempt) {
        added = ShellSeams::NotifyIcon(NIM_ADD, &data);
        if (added)
            break;
        const bool timedOut = GetLastError() == ERROR_TIMEOUT;
        if (timedOut)
            Seams::Sleep(TrayRetryPauseMs);
        added = ShellSeams::NotifyIcon(NIM_MODIFY, &data);
        if (!timedOut)
            break;
    }
    if (!added) {
        AfxMessageBox(IDS_TRAY_ICON_FAILED, MB_ICONERROR);
        theApp.m_bTrayIconOk = FALSE;
    }
    return added;
}

void CVantorDlg::UpdateTrayIcon()
{
    CString tip;
    tip.LoadString(IDS_VERSION);
    if (m_nTrayState == TrayNone && !TrayNotify(NIM_ADD, IDI_APP_NO_MONITOR, tip))
        return;
    if (theApp.m_StatusAll.m_hCurDevice != 0) {
        if (m_nTrayState != TrayMonitor)
            TrayNotify(NIM_MODIFY, IDI_APP, tip);
        m_nTrayState = TrayMonitor;
    } else {
        if (m_nTrayState != TrayNoMonitor)
            TrayNotify(NIM_MODIFY, IDI_APP_NO_MONITOR, tip);
        m_nTrayState = TrayNoMonitor;
    }
}

// The icon is added again for the new taskbar. The program ends, as "E&xit"
// ends it, only when the icon is not shown afterwards: without it nobody
// could reach the program, which would hold the single-instance mutex. The
// state, not the failure, decides: another announcement handled while the
// failure was told may have shown the icon. Posted, so that the exit runs
// outside this message.
void CVantorDlg::OnTaskbarCreated()
{
    m_nTrayState = TrayNone;
    UpdateTrayIcon();
    if (m_nTrayState == TrayNone)
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
}

void CVantorDlg::OnTrayIcon(LPARAM lParam)
{
    if (lParam != WM_LBUTTONDBLCLK)
        return;
    if (theApp.m_bSettingShown && !IsMinimisedAlone()) {
        BringToForeground(m_hWnd);
    } else if (theApp.m_StatusAll.m_hCurDevice != 0) {
        m_pageHotKey.PostMessage(UM_PAGE_REFRESH, 0, 0);
        ShowSettingWindow();
    }
}

void CVantorDlg::ShowTrayMenu()
{
    SetFocus();
    BringToForeground(m_hWnd);
    POINT cursor{};
    GetCursorPos(&cursor);
    CMenu menu;
    if (!menu.LoadMenu(IDR_TRAY_MENU))
        return;
    if (theApp.m_StatusAll.m_hCurDevice != 0) {
        CMenu* popup = menu.GetSubMenu(0);
        if (theApp.m_bSettingShown) {
            popup->EnableMenuItem(ID_TRAY_SETTING, MF_BYCOMMAND | MF_GRAYED);
            popup->EnableMenuItem(ID_TRAY_EXIT, MF_BYCOMMAND | MF_GRAYED);
        }
        if (theApp.m_bMonitorListOpen) {
            popup->EnableMenuItem(ID_TRAY_MONITOR_LIST, MF_BYCOMMAND | MF_GRAYED);
            popup->EnableMenuItem(ID_TRAY_EXIT, MF_BYCOMMAND | MF_GRAYED);
        }
        popup->SetDefaultItem(ID_TRAY_SETTING);
        popup->TrackPopupMenu(0, cursor.x, cursor.y, this);
    } else {
        menu.GetSubMenu(1)->TrackPopupMenu(0, cursor.x, cursor.y, this);
    }
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessage(WM_NULL, 0, 0);
    menu.DestroyMenu();
}
