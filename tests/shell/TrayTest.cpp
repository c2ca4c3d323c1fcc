// The tray icon: its notification data, the image that tells whether a
// monitor is present, adding it while the shell times out, the failure
// message, re-adding it for a new taskbar (or ending when it cannot be),
// the icon's mouse messages, and the settings window they open or restore
// coming up active.
#include "HotKeyProbe.h"
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "standins/libdravo/DravoSim.h"

#include <commctrl.h>

#include <atomic>
#include <thread>

namespace {

using namespace ShellIds;

const char* const TrayFailedText =
    "Failed to register the program icon to the taskbar notification area.\nTalvex will be terminated.";

// A window of another thread, as the taskbar's is for the program: it takes
// the foreground the way a click on the tray icon gives it to the taskbar.
class OtherForeground
{
public:
    OtherForeground()
        : m_thread([this] {
              const HWND window = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                                  nullptr, nullptr, nullptr, nullptr);
              m_window = window;
              MSG msg{};
              while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                  if (msg.message == WM_APP)
                      SetForegroundWindow(window);
                  DispatchMessageA(&msg);
              }
              DestroyWindow(window);
          })
    {
        while (!m_window)
            std::this_thread::yield();
    }
    ~OtherForeground()
    {
        PostThreadMessageA(GetWindowThreadProcessId(m_window, nullptr), WM_QUIT, 0, 0);
        m_thread.join();
    }
    void Take() const { PostThreadMessageA(GetWindowThreadProcessId(m_window, nullptr), WM_APP, 0, 0); }
    HWND Window() const { return m_window; }

private:
    std::atomic<HWND> m_window{nullptr};
    std::thread m_thread;
};

// The last WM_NCACTIVATE a window of this thread was sent: whether its
// caption is drawn active (under Wine, WS_ACTIVECAPTION only follows the
// active window).
class CaptionWatch
{
public:
    CaptionWatch() { s_hook = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()); }
    ~CaptionWatch() { UnhookWindowsHookEx(s_hook); }
    static bool DrawnActive(HWND window) { return s_window == window && s_active; }
    static int Deactivations() { return s_deactivations; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_NCACTIVATE) {
            s_window = message->hwnd;
            s_active = message->wParam != 0;
            s_deactivations += s_active ? 0 : 1;
        }
        return CallNextHookEx(s_hook, code, wParam, lParam);
    }
    static inline HHOOK s_hook = nullptr;
    static inline HWND s_window = nullptr;
    static inline bool s_active = false;
    static inline int s_deactivations = 0;
};

class TrayTest : public ShellTest
{
protected:
    static LRESULT Mouse(HWND window, UINT mouseMessage)
    {
        return SendMessageA(window, UmTrayIcon, 0, mouseMessage);
    }
    static bool Greyed(const MenuCall& menu, UINT id)
    {
        for (size_t i = 0; i < menu.ids.size(); ++i) {
            if (menu.ids[i] == id)
                return (menu.states[i] & MF_GRAYED) != 0;
        }
        ADD_FAILURE() << "no item " << id;
        return false;
    }
    // Whether a WM_NULL waits for the window; takes its queued messages out.
    static bool NullQueued(HWND window)
    {
        bool found = false;
        MSG msg{};
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE))
            found = found || msg.message == WM_NULL;
        return found;
    }
    static std::vector<DWORD> Messages(const std::vector<TrayCall>& calls)
    {
        std::vector<DWORD> messages;
        for (const TrayCall& call : calls)
            messages.push_back(call.message);
        return messages;
    }
    // The user double-clicks the icon while the taskbar has the foreground:
    // the settings window is the active, foreground window, its caption
    // drawn active and the focus on the tabs.
    void OpenFromTheTaskbar(CVantorDlg* dlg, const OtherForeground& taskbar, const char* when)
    {
        taskbar.Take();
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == taskbar.Window(); })) << when;
        Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
        Pump();
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        GetWindowInfo(dlg->m_hWnd, &info);
        EXPECT_TRUE(info.dwWindowStatus & WS_ACTIVECAPTION) << when;
        EXPECT_TRUE(CaptionWatch::DrawnActive(dlg->m_hWnd)) << when;
        EXPECT_EQ(GetActiveWindow(), dlg->m_hWnd) << when;
        EXPECT_EQ(GetForegroundWindow(), dlg->m_hWnd) << when;
        EXPECT_EQ(GetFocus(), dlg->m_tab.m_hWnd) << when;
    }
    void LoadUnplugged() { LoadScenario(Scenarios::With("monitor 1 wide A0000001\nunplug 1\n").c_str()); }
    void LoadOne() { LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str()); }
};

TEST_F(TrayTest, AMonitorAtStartUpAddsThenShowsTheMonitorIcon)
{
    LoadOne();
    CVantorDlg* dlg = StartOk();
    ASSERT_EQ(trayCalls.size(), 2u);
    EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(trayCalls[0].icon, 152u);
    EXPECT_EQ(trayCalls[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(trayCalls[1].icon, 128u);
    for (const TrayCall& call : trayCalls) {
        EXPECT_EQ(call.window, dlg->m_hWnd);
        EXPECT_EQ(call.id, 0u);
        EXPECT_EQ(call.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(call.callback, UmTrayIcon);
        EXPECT_EQ(call.tip, "Talvex Ver1.0.1");
    }
    EXPECT_EQ(dlg->m_nTrayState, 1);
    EXPECT_TRUE(messageBoxes.empty());
}

TEST_F(TrayTest, TheImageFollowsTheMonitorsComingAndGoing)
{
    LoadUnplugged();
    CVantorDlg* dlg = StartOk();
    ASSERT_EQ(trayCalls.size(), 2u);
    EXPECT_EQ(trayCalls[1].icon, 152u);
    EXPECT_EQ(dlg->m_nTrayState, 2);

    trayCalls.clear();
    ASSERT_GE(SimPlug(1), 0);
    ASSERT_EQ(trayCalls.size(), 1u);
    EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(trayCalls[0].icon, 128u);
    EXPECT_EQ(dlg->m_nTrayState, 1);

    trayCalls.clear();
    ASSERT_GE(SimUnplug(1), 0);
    ASSERT_EQ(trayCalls.size(), 1u);
    EXPECT_EQ(trayCalls[0].icon, 152u);
    EXPECT_EQ(dlg->m_nTrayState, 2);

    // A further rebuild without monitors sends nothing, nor does asking for
    // the image the icon already shows.
    trayCalls.clear();
    EXPECT_FALSE(dlg->RefreshMonitorList());
    dlg->UpdateTrayIcon();
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_EQ(dlg->m_nTrayState, 2);
}

TEST_F(TrayTest, ADoubleClickOpensTheSettingsWindowOnlyWithAMonitor)
{
    LoadUnplugged();
    CVantorDlg* dlg = StartOk();
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
    Stop();

    LoadOne();
    BindHotKeys("SIM-27Q_A0000001", {{VK_F13, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT}});
    dlg = StartAgain();
    ASSERT_EQ(dlg->m_nHotKeyCount, 1u);
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_TRUE(theApp.m_bSettingShown);
    EXPECT_EQ(dlg->m_nHotKeyCount, 0u) << "the hot keys are off while the settings window is shown";
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 0);
    EXPECT_EQ(dlg->m_nCurTab, 0);
    EXPECT_TRUE(IsWindowVisible(dlg->m_pageHotKey.m_hWnd));

    // Again while shown: it stays as it is.
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_TRUE(theApp.m_bSettingShown);

    // Every opening starts on the first tab, whichever was shown last.
    const HWND tab = GetDlgItem(dlg->m_hWnd, IdTab);
    dlg->m_tab.SetCurSel(2);
    NMHDR change{tab, static_cast<UINT_PTR>(IdTab), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dlg->m_hWnd, WM_NOTIFY, IdTab, reinterpret_cast<LPARAM>(&change));
    ASSERT_EQ(dlg->m_nCurTab, 2);
    ASSERT_TRUE(IsWindowVisible(dlg->m_pageAutoColor.m_hWnd));
    SendMessageA(dlg->m_hWnd, WM_CLOSE, 0, 0);
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 0);
    EXPECT_EQ(dlg->m_nCurTab, 0);
    EXPECT_TRUE(IsWindowVisible(dlg->m_pageHotKey.m_hWnd));
    EXPECT_FALSE(IsWindowVisible(dlg->m_pageAutoColor.m_hWnd));
}

TEST_F(TrayTest, TheSettingsWindowOpensActiveEveryTime)
{
    LoadOne();
    CaptionWatch caption;
    OtherForeground taskbar;
    CVantorDlg* dlg = StartOk();
    OpenFromTheTaskbar(dlg, taskbar, "first opening");
    SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IdClose, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg->m_hWnd, IdClose)));
    ASSERT_FALSE(IsWindowVisible(dlg->m_hWnd));
    OpenFromTheTaskbar(dlg, taskbar, "after \"&Close\"");

    dlg->m_bSetChanged = TRUE;   // the timer hides it after a change of the monitor set
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(dlg->m_hWnd); }));
    OpenFromTheTaskbar(dlg, taskbar, "after the automatic hide");

    // A double-click on the shown window in front leaves it alone: a
    // deactivation would flash its caption grey and hand the activation away.
    const int deactivations = CaptionWatch::Deactivations();
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    Pump();
    EXPECT_EQ(CaptionWatch::Deactivations(), deactivations);
    EXPECT_TRUE(CaptionWatch::DrawnActive(dlg->m_hWnd));
    EXPECT_EQ(GetForegroundWindow(), dlg->m_hWnd);

    // Left minimised (a colour dialog closed from outside leaves it so), the
    // shown window is restored as an opening brings it, on the first tab.
    dlg->m_tab.SetCurSel(2);
    dlg->m_nCurTab = 2;
    dlg->ShowPage(2);
    // Minimised while it held the display's input focus, the window would
    // leave Wine a focus loss to handle late, after the restore.
    taskbar.Take();
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == taskbar.Window(); }));
    dlg->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(dlg->m_hWnd));
    OpenFromTheTaskbar(dlg, taskbar, "minimised");
    EXPECT_FALSE(IsIconic(dlg->m_hWnd));
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 0);
    EXPECT_TRUE(IsWindowVisible(dlg->m_pageHotKey.m_hWnd));
}

TEST_F(TrayTest, TheRightButtonMenuWithAMonitor)
{
    LoadOne();
    CVantorDlg* dlg = StartOk();
    EXPECT_EQ(Mouse(dlg->m_hWnd, WM_RBUTTONUP), 0);
    ASSERT_EQ(menus.size(), 1u);
    const MenuCall& menu = menus[0];
    EXPECT_EQ(menu.ids, (std::vector<UINT>{IdSetting, 0, IdMonitorList, 0, IdExit}));
    EXPECT_FALSE(Greyed(menu, IdSetting));
    EXPECT_FALSE(Greyed(menu, IdMonitorList));
    EXPECT_FALSE(Greyed(menu, IdExit));
    EXPECT_EQ(menu.defaultItem, static_cast<int>(IdSetting));
    EXPECT_EQ(menu.flags, 0u);
    EXPECT_EQ(menu.owner, dlg->m_hWnd);
    EXPECT_FALSE(IsMenu(menu.menu)) << "the menu is destroyed after tracking";
    EXPECT_TRUE(NullQueued(dlg->m_hWnd));

    // While the settings window is shown, then also with the connection list open.
    SendMessageA(dlg->m_hWnd, WM_COMMAND, IdSetting, 0);
    ASSERT_TRUE(theApp.m_bSettingShown);
    Mouse(dlg->m_hWnd, WM_RBUTTONUP);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_TRUE(Greyed(menus[1], IdSetting));
    EXPECT_FALSE(Greyed(menus[1], IdMonitorList));
    EXPECT_TRUE(Greyed(menus[1], IdExit));

    theApp.m_bMonitorListOpen = TRUE;
    Mouse(dlg->m_hWnd, WM_RBUTTONUP);
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_TRUE(Greyed(menus[2], IdSetting));
    EXPECT_TRUE(Greyed(menus[2], IdMonitorList));
    EXPECT_TRUE(Greyed(menus[2], IdExit));
    EXPECT_EQ(menus[2].defaultItem, static_cast<int>(IdSetting));

    theApp.m_bSettingShown = FALSE;
    Mouse(dlg->m_hWnd, WM_RBUTTONUP);
    ASSERT_EQ(menus.size(), 4u);
    EXPECT_FALSE(Greyed(menus[3], IdSetting));
    EXPECT_TRUE(Greyed(menus[3], IdMonitorList));
    EXPECT_TRUE(Greyed(menus[3], IdExit));
    theApp.m_bMonitorListOpen = FALSE;
}

TEST_F(TrayTest, TheRightButtonMenuWithoutAMonitor)
{
    LoadUnplugged();
    CVantorDlg* dlg = StartOk();
    theApp.m_bSettingShown = TRUE;   // nothing is greyed in this menu, whatever the state
    theApp.m_bMonitorListOpen = TRUE;
    EXPECT_EQ(Mouse(dlg->m_hWnd, WM_RBUTTONUP), 0);
    theApp.m_bSettingShown = FALSE;
    theApp.m_bMonitorListOpen = FALSE;
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].ids, (std::vector<UINT>{IdMonitorList, 0, IdExit}));
    EXPECT_FALSE(Greyed(menus[0], IdMonitorList));
    EXPECT_FALSE(Greyed(menus[0], IdExit));
    EXPECT_EQ(menus[0].defaultItem, -1);
    EXPECT_EQ(menus[0].owner, dlg->m_hWnd);
}

TEST_F(TrayTest, TheMenusSettingCommandOpensTheWindow)
{
    LoadOne();
    CVantorDlg* dlg = StartOk();
    onMenu = [](const MenuCall& menu) { PostMessageA(menu.owner, WM_COMMAND, IdSetting, 0); };
    Mouse(dlg->m_hWnd, WM_RBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(dlg->m_hWnd) != FALSE; }));
    EXPECT_TRUE(theApp.m_bSettingShown);
}

TEST_F(TrayTest, AddingIsRetriedWhileTheShellTimesOut)
{
    LoadOne();
    int adds = 0;
    int modifies = 0;
    // Two time-outs; the modify after the second one finds the icon there.
    trayAnswer = [&](DWORD message, NOTIFYICONDATAA*) -> BOOL {
        if (message == NIM_ADD) {
            SetLastError(ERROR_TIMEOUT);
            return ++adds > 2;
        }
        if (message == NIM_MODIFY && adds <= 2) {
            SetLastError(ERROR_TIMEOUT);
            return ++modifies == 2;
        }
        return TRUE;
    };
    CVantorDlg* dlg = StartOk();
    EXPECT_EQ(Messages(trayCalls), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
    EXPECT_EQ(trayCalls.back().icon, 128u);
    EXPECT_EQ(sleeps, (std::vector<DWORD>{1000, 1000}));
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_TRUE(theApp.m_bTrayIconOk);
    EXPECT_EQ(dlg->m_nTrayState, 1);
}

TEST_F(TrayTest, AnotherErrorEndsTheProgramWithItsMessage)
{
    LoadOne();
    trayAnswer = [](DWORD, NOTIFYICONDATAA*) -> BOOL {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    };
    EXPECT_FALSE(Start());
    EXPECT_EQ(Messages(trayCalls), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
    EXPECT_TRUE(sleeps.empty());
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], TrayFailedText);
    EXPECT_EQ(messageBoxCaptions[0], "Talvex") << "the program's title, not its file name";
    EXPECT_EQ(messageBoxTypes[0] & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(messageBoxTypes[0] & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(theApp.m_bTrayIconOk);
    EXPECT_EQ(Main(), nullptr) << "the main window is destroyed";
    EXPECT_TRUE(theApp.m_StatusAll.m_arMonitors.GetSize() == 0);
    Pump();
    EXPECT_TRUE(quitSeen);
    Stop();
    EXPECT_EQ(SimTrace::Count("KvRelease"), 1) << "the devices are released after a failed start";
    EXPECT_EQ(theApp.m_hMutex, nullptr);
}

TEST_F(TrayTest, AShellThatKeepsTimingOutIsGivenUpAfter180Tries)
{
    LoadOne();
    trayAnswer = [](DWORD message, NOTIFYICONDATAA*) -> BOOL {
        SetLastError(ERROR_TIMEOUT);
        return message == NIM_DELETE;
    };
    EXPECT_FALSE(Start());
    EXPECT_EQ(TrayCallsOf(NIM_ADD).size(), 180u);
    EXPECT_EQ(TrayCallsOf(NIM_MODIFY).size(), 180u);
    EXPECT_EQ(sleeps, std::vector<DWORD>(180, 1000));
    EXPECT_EQ(messageBoxes.size(), 1u);
    EXPECT_FALSE(theApp.m_bTrayIconOk);
}

TEST_F(TrayTest, ANewTaskbarGetsTheIconAgainOrTheProgramEnds)
{
    LoadOne();
    BindHotKeys("SIM-27Q_A0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    HotKeyProbe probe;
    CVantorDlg* dlg = StartOk();
    ASSERT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22));
    trayCalls.clear();
    SendMessageA(dlg->m_hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(Messages(trayCalls), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
    ASSERT_EQ(trayCalls.size(), 2u);
    EXPECT_EQ(trayCalls[1].icon, 128u);
    EXPECT_EQ(dlg->m_nTrayState, 1);

    // The shell comes back while a failed re-add is told: its announcement
    // shows the icon, and the program goes on.
    bool shellBack = false;
    trayAnswer = [&](DWORD, NOTIFYICONDATAA*) -> BOOL {
        SetLastError(ERROR_ACCESS_DENIED);
        return shellBack;
    };
    const HWND window = dlg->m_hWnd;
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    {
        Seams::Override seams;
        seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
            shellBack = true;
            SendMessageA(window, taskbarCreated, 0, 0);
            return IDOK;
        };
        SendMessageA(window, taskbarCreated, 0, 0);
    }
    Pump();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(quitSeen);
    EXPECT_EQ(dlg->m_nTrayState, 1);

    // A failed re-add is told, and the program ends as "E&xit" ends it.
    shellBack = false;
    SendMessageA(window, taskbarCreated, 0, 0);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], TrayFailedText);
    EXPECT_FALSE(theApp.m_bTrayIconOk);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(quitSeen);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_FALSE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22)) << "the hot keys are taken back";
    Stop();
    EXPECT_EQ(theApp.m_hMutex, nullptr) << "the single-instance mutex is released";
    EXPECT_EQ(SimTrace::Count("KvRelease"), 1);
}

// The shell takes the icon data. It announces a new taskbar also when it
// kept its icons (display scaling, a remote session, another primary
// monitor) and then refuses to add the icon it shows: the icon is found
// there, also twice in a row and while a dialog runs on the settings window.
TEST_F(TrayTest, TheShellTakesTheIconDataAndKeepsItForANewTaskbar)
{
    std::vector<BOOL> answers;
    trayAnswer = [&](DWORD message, NOTIFYICONDATAA* data) -> BOOL {
        answers.push_back(Shell_NotifyIconA(message, data));
        return answers.back();
    };
    LoadOne();
    CVantorDlg* dlg = StartOk();
    Mouse(dlg->m_hWnd, WM_LBUTTONDBLCLK);
    Seams::Override seams;
    seams->modalDialogReady = [&](CDialog& box) {
        SendMessageA(dlg->m_hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        SendMessageA(dlg->m_hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        PostMessageA(box.m_hWnd, WM_COMMAND, IDOK, 0);
    };
    SendMessageA(dlg->m_hWnd, WM_SYSCOMMAND, IdmAbout, 0);
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_TRUE(theApp.m_bSettingShown);
    Stop();
    EXPECT_EQ(Messages(trayCalls), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_ADD,
                                                       NIM_MODIFY, NIM_MODIFY, NIM_DELETE}));
    EXPECT_EQ(answers, (std::vector<BOOL>{TRUE, TRUE, FALSE, TRUE, TRUE, FALSE, TRUE, TRUE, TRUE}));
}

} // namespace
