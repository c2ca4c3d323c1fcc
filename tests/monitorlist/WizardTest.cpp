// The association wizard from its first click to the rebuilt monitor list:
// one monitor at a time its adjustment menu opens, the screen under the
// dialog is recorded, and closing the completed wizard stores the
// associations and brings the program up on them.
#include "MonitorListDialogTest.h"

#include "framework/Seams.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "standins/libdravo/DravoSim.h"
#include "tests/device/SimControl.h"
#include "tests/shell/HotKeyProbe.h"
#include "tests/shell/ProfileFolder.h"
#include "tests/shell/Scenarios.h"
#include "tests/shell/ShellIds.h"
#include "tests/shell/SimTrace.h"

namespace {

using Lines = std::vector<std::string>;

constexpr WORD AllThree = HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT;
constexpr UINT ModAllThree = MOD_CONTROL | MOD_ALT | MOD_SHIFT;

class WizardTest : public MonitorListDialogTest
{
protected:
    static std::string FirstMonitorDeviceId()
    {
        DISPLAY_DEVICEA device{};
        device.cb = sizeof device;
        return EnumDisplayDevicesA("\\\\.\\DISPLAY1", 0, &device, 0) ? device.DeviceID : "(none)";
    }

    HotKeyProbe probe;
};

TEST_F(WizardTest, OneMonitorIsBoundAndTheProgramComesUpOnIt)
{
    // The monitor does not answer its identity at start, so nothing is listed.
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 alien X0000002\n"
                                 "fault 1 read identity times 1\n")
                     .c_str());
    Associate("OLD00001-3", "\\\\.\\DISPLAY3");
    BindHotKeys("SIM-27Q_W0000001", {{VK_F24, AllThree}});
    ProfileFolder folder;
    ASSERT_TRUE(folder.Add("SIM-27Q.icc"));
    StartOk();
    ASSERT_TRUE(ListedSerials().empty());
    ASSERT_FALSE(probe.IsTaken(ModAllThree, VK_F24));
    theApp.m_strCommonAppData = folder.Root().c_str();
    trayCalls.clear();
    profileCalls.clear();
    SimTrace::Clear();

    std::vector<View> views;
    std::vector<std::vector<int>> menus;
    int opened = 0;
    OpenFromTray([&](CDlgMonitor& dialog) {
        if (++opened > 1)
            return Click(dialog, IDCANCEL);
        // The command again while the list is open opens no second one.
        SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
        EXPECT_EQ(theApp.m_hWndMonitorList, dialog.m_hWnd);
        for (int click = 0; click < 4; ++click) {
            views.push_back(Look(dialog));
            menus.push_back(Menus({1}));
            EXPECT_TRUE(theApp.m_bMonitorListOpen);
            Click(dialog, IDOK);
        }
    });
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(views.size(), 4u);
    EXPECT_TRUE(views[0].lines.empty());
    EXPECT_TRUE(views[0].okEnabled);
    EXPECT_EQ(views[0].caption, "Monitor Connection List");

    EXPECT_EQ(views[1].caption, "Monitor Manual Setting");
    EXPECT_EQ(views[1].message, Start(1));
    EXPECT_EQ(views[1].ok, "&Next");
    EXPECT_EQ(views[1].cancel, "Cancel");
    EXPECT_FALSE(views[1].listShown);
    EXPECT_FALSE(views[1].headerShown);
    EXPECT_EQ(menus[1], std::vector<int>{0}) << "no menu is opened before the first step";

    EXPECT_EQ(views[2].message, Step(1));
    EXPECT_NE(views[2].message.find("Set 1st of monitors."), std::string::npos);
    EXPECT_EQ(menus[2], std::vector<int>{1});

    EXPECT_EQ(views[3].message, "The monitor manual settings is complete.");
    EXPECT_EQ(views[3].ok, "&Close");
    EXPECT_EQ(views[3].cancel, "Cancel");
    EXPECT_EQ(menus[3], std::vector<int>{0});
    EXPECT_EQ(MenuKeys(), (Lines{"1:4000", "1:8000"}));
    EXPECT_FALSE(theApp.m_bMonitorListOpen);
    EXPECT_EQ(theApp.m_hWndMonitorList, nullptr);

    // The program runs on the monitor as bound by hand.
    ASSERT_EQ(ListedSerials(), Lines{"W0000001"});
    const CMonitorStatus* monitor = Listed(0);
    EXPECT_EQ(monitor->m_hDevice, HandleOf(1));
    EXPECT_STREQ(monitor->m_strDisplayDevice, "\\\\.\\DISPLAY1");
    EXPECT_STREQ(monitor->m_strMonitorDevice, "");
    EXPECT_EQ(monitor->m_nDisplayOrder, 10);
    EXPECT_STREQ(monitor->m_strDisplayLabel, "1");
    EXPECT_STREQ(monitor->m_strModelName, "SIM-27Q");
    EXPECT_EQ(CurrentSerial(), "W0000001");
    EXPECT_EQ(Main()->m_pageColor.GetHandle(), HandleOf(1));
    EXPECT_EQ(StoredAssociations(), Lines{"W0000001-1=\\\\.\\DISPLAY1"}) << "earlier associations are dropped";
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F24));
    DWORD connectFlag = 7;
    EXPECT_GE(SimGetValue(1, 0xFF01, 0x68, -1, &connectFlag), 0);
    EXPECT_EQ(connectFlag, 0u) << "the connect flag is cleared";
    ASSERT_EQ(TrayCallsOf(NIM_MODIFY).size(), 1u);
    EXPECT_EQ(TrayCallsOf(NIM_MODIFY)[0].icon, 128u);
    EXPECT_EQ(SimTrace::With("KvReportON", "monitor=1").size(), 1u);
    EXPECT_TRUE(MonitorSetChangeQueued());
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
    ASSERT_EQ(profileCalls.size(), 3u);
    EXPECT_EQ(profileCalls[2].call, "associate");
    EXPECT_EQ(profileCalls[2].profile, folder.PathOf("SIM-27Q.icc"));
    EXPECT_EQ(profileCalls[2].device, FirstMonitorDeviceId());
}

// Two listed monitors and one that display matching refused: the wizard
// goes through all three in discovery order, each on the screen under the
// dialog, and the rebuilt list follows the order of confirmation.
TEST_F(WizardTest, ThreeMonitorsAreBoundOneAfterTheOther)
{
    LoadScenario(Scenarios::With("monitor 1 tall T0000001\n"
                                 "monitor 2 alien X0000002\n"
                                 "monitor 3 wide W0000003\n"
                                 "monitor 4 wide W0000004\n"
                                 "set 3 assoc-invalid 1\n")
                     .c_str());
    BindHotKeys("SIM-27Q_W0000003", {{VK_F23, AllThree}});
    BindHotKeys("SIM-32U_T0000001", {{VK_F22, AllThree}});
    StartOk();
    ASSERT_EQ(ListedSerials(), (Lines{"T0000001", "W0000004"}));
    ASSERT_FALSE(probe.IsTaken(ModAllThree, VK_F23));
    SimTrace::Clear();

    std::vector<std::string> texts;
    std::vector<std::vector<int>> menus;
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    OpenFromTray([&](CDlgMonitor& dialog) {
        Click(dialog, IDOK);
        texts.push_back(Look(dialog).message);
        for (int step = 0; step < 4; ++step) {
            // Two monitors may be confirmed on one screen: anywhere on it will do.
            MoveTo(dialog, 10 + step * 100, 10 + step * 50);
            Click(dialog, IDOK);
            texts.push_back(Look(dialog).message);
            menus.push_back(Menus({1, 2, 3, 4}));
        }
        Click(dialog, IDOK);
    });
    EXPECT_EQ(texts, (Lines{Start(3), Step(1), Step(2), Step(3), Text(IDS_MANUAL_COMPLETE)}));
    EXPECT_NE(texts[2].find("Set 2nd of"), std::string::npos);
    EXPECT_NE(texts[3].find("Set 3rd of"), std::string::npos);
    EXPECT_EQ(menus, (std::vector<std::vector<int>>{{1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 0, 0, 0}}));
    EXPECT_EQ(MenuKeys(), (Lines{"1:4000", "1:8000", "3:4000", "3:8000", "4:4000", "4:8000"}));

    ASSERT_EQ(ListedSerials(), (Lines{"T0000001", "W0000003", "W0000004"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(Listed(i)->m_strDisplayDevice, "\\\\.\\DISPLAY1");
        EXPECT_EQ(Listed(i)->m_nDisplayOrder, 10);
    }
    EXPECT_EQ(CurrentSerial(), "T0000001") << "equal orders: the first in the list";
    EXPECT_EQ(StoredAssociations(),
              (Lines{"T0000001-1=\\\\.\\DISPLAY1", "W0000003-1=\\\\.\\DISPLAY1", "W0000004-1=\\\\.\\DISPLAY1"}));
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F23));
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F22));
    EXPECT_EQ(Main()->m_nHotKeyCount, 2u) << "the old registrations were taken back first";
    EXPECT_EQ(SimTrace::With("KvReportOFF").size(), 2u);
    EXPECT_EQ(SimTrace::With("KvReportON").size(), 3u);
    EXPECT_TRUE(MonitorSetChangeQueued());

    // The stored associations bind the monitors at the next rebuild too.
    Main()->RefreshMonitorList();
    EXPECT_EQ(ListedSerials(), (Lines{"T0000001", "W0000003", "W0000004"}));
}

// The screen that holds the largest part of the dialog at the click is
// recorded, as Windows names it; outside every screen the name is empty.
TEST_F(WizardTest, TheScreenUnderTheDialogIsRecorded)
{
    MONITORINFOEXA primary{};
    primary.cbSize = sizeof primary;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary));
    const RECT& screen = primary.rcMonitor;

    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\nmonitor 3 wide W0000003\n").c_str());
    StartOk();
    std::vector<Recorded> recorded;
    const INT_PTR result = RunDialog([&](CDlgMonitor& dialog) {
        RECT own{};
        GetWindowRect(dialog.m_hWnd, &own);
        const int width = own.right - own.left;
        Click(dialog, IDOK);
        Click(dialog, IDOK);
        MoveTo(dialog, screen.left + 20, screen.top + 20);
        Click(dialog, IDOK);
        MoveTo(dialog, screen.left - 5000, screen.top - 5000);
        Click(dialog, IDOK);
        // A third of the dialog on the screen, the rest beyond its right edge.
        MoveTo(dialog, screen.right - width / 3, screen.top + 20);
        Click(dialog, IDOK);
        EXPECT_EQ(Look(dialog).ok, "&Close");
        Click(dialog, IDOK);
    }, &recorded);
    EXPECT_EQ(result, 3);
    EXPECT_EQ(recorded, (std::vector<Recorded>{{1, primary.szDevice}, {2, ""}, {3, primary.szDevice}}));
    EXPECT_EQ(std::string(primary.szDevice).rfind("\\\\.\\DISPLAY", 0), 0u);
}

// A monitor confirmed while the dialog stood on no screen is listed all the
// same, after the placed ones, with nothing stored for it. One that no
// longer answers at the rebuild is left out: no stored value, no profile and
// no hot keys.
TEST_F(WizardTest, RecordsWithoutAScreenStayAndUnreadableOnesAreLeftOut)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\nmonitor 3 wide W0000003\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F21, AllThree}});
    BindHotKeys("SIM-32U_T0000002", {{VK_F20, AllThree}});
    BindHotKeys("SIM-27Q_W0000003", {{VK_F19, AllThree}});
    ProfileFolder folder;
    ASSERT_TRUE(folder.Add("SIM-32U.icc"));
    ASSERT_TRUE(folder.Add("SIM-27Q.icc"));
    StartOk();
    theApp.m_strCommonAppData = folder.Root().c_str();
    profileCalls.clear();
    OpenFromTray([&](CDlgMonitor& dialog) {
        Click(dialog, IDOK);
        Click(dialog, IDOK);
        MoveTo(dialog, -6000, -6000);
        Click(dialog, IDOK);
        MoveTo(dialog, 100, 100);
        ClickThrough(dialog);
        ASSERT_TRUE(SimRun("fault 3 read identity"));
        Click(dialog, IDOK);
    });
    ASSERT_TRUE(SimRun("fault clear"));
    ASSERT_EQ(ListedSerials(), (Lines{"W0000001", "T0000002"}));
    EXPECT_STREQ(Listed(0)->m_strDisplayDevice, "");
    EXPECT_GT(Listed(0)->m_nDisplayOrder, Listed(1)->m_nDisplayOrder);
    EXPECT_EQ(CurrentSerial(), "T0000002") << "the monitor on a screen is the default";
    EXPECT_EQ(StoredAssociations(), Lines{"T0000002-1=\\\\.\\DISPLAY1"});
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F21));
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F20));
    EXPECT_FALSE(probe.IsTaken(ModAllThree, VK_F19));
    ASSERT_EQ(profileCalls.size(), 3u) << "a monitor on no screen has no device to take a profile";
    EXPECT_EQ(profileCalls[1].profile, folder.PathOf("SIM-32U.icc"));

    // A settings window moved off every screen is on no monitor's screen.
    SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_SETTING, 0);
    SetWindowPos(MainHandle(), nullptr, -6000, -6000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(MainHandle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(CurrentSerial(), "T0000002");
    SendMessageA(MainHandle(), WM_COMMAND, IDC_CLOSE, 0);

    // Alone, a monitor on no screen is the current one.
    OpenFromTray([&](CDlgMonitor& dialog) {
        MoveTo(dialog, -6000, -6000);
        ClickThrough(dialog);
        ASSERT_TRUE(SimRun("fault 2 read identity"));
        ASSERT_TRUE(SimRun("fault 3 read identity"));
        Click(dialog, IDOK);
    });
    ASSERT_TRUE(SimRun("fault clear"));
    EXPECT_EQ(ListedSerials(), Lines{"W0000001"});
    EXPECT_EQ(CurrentSerial(), "W0000001");
    EXPECT_TRUE(StoredAssociations().empty());

    // None applied: no monitor at all, and the tray says so.
    trayCalls.clear();
    OpenFromTray([&](CDlgMonitor& dialog) {
        ClickThrough(dialog);
        ASSERT_TRUE(SimRun("fault 1 read identity"));
        ASSERT_TRUE(SimRun("fault 2 read identity"));
        ASSERT_TRUE(SimRun("fault 3 read identity"));
        Click(dialog, IDOK);
    });
    ASSERT_TRUE(SimRun("fault clear"));
    EXPECT_TRUE(ListedSerials().empty());
    EXPECT_TRUE(StoredAssociations().empty());
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, -1);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, 0u);
    EXPECT_EQ(Main()->m_pageHotKey.GetHandle(), 0u);
    ASSERT_EQ(TrayCallsOf(NIM_MODIFY).size(), 1u);
    EXPECT_EQ(TrayCallsOf(NIM_MODIFY)[0].icon, 152u);
    EXPECT_FALSE(probe.IsTaken(ModAllThree, VK_F21));
    EXPECT_TRUE(MonitorSetChangeQueued());
}

// As after a device change, the rebuilt keys are not in force while the
// settings window is shown; its Close registers them again.
TEST_F(WizardTest, TheKeysStayOffWhileTheSettingsWindowIsShown)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 wide W0000002\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F19, AllThree}});
    StartOk();
    ASSERT_TRUE(probe.IsTaken(ModAllThree, VK_F19));
    SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_SETTING, 0);
    ASSERT_TRUE(theApp.m_bSettingShown);
    ASSERT_FALSE(probe.IsTaken(ModAllThree, VK_F19));

    OpenFromTray([&](CDlgMonitor& dialog) {
        ClickThrough(dialog);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ListedSerials(), (Lines{"W0000001", "W0000002"}));
    EXPECT_TRUE(theApp.m_bSettingShown) << "the settings window stays as it was";
    EXPECT_FALSE(probe.IsTaken(ModAllThree, VK_F19));
    Main()->OnBnClickedClose();
    EXPECT_TRUE(probe.IsTaken(ModAllThree, VK_F19));
}

// The command opens no list while another dialog of the program runs: the
// rebuild would delete the monitors, and change the current one, under it.
TEST_F(WizardTest, TheListDoesNotOpenOverAnotherDialog)
{
    StartOk();
    Lines opened;
    Seams::Override seams;
    seams->modalDialogReady = [&](CDialog& dialog) {
        opened.push_back(dynamic_cast<CDlgMonitor*>(&dialog) ? "list" : "other");
        if (opened.size() == 1)   // chosen in the tray while the About box runs
            SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
        PostMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    };
    SendMessageA(MainHandle(), WM_SYSCOMMAND, ShellIds::IdmAbout, 0);
    EXPECT_EQ(opened, Lines{"other"});

    // A page's dialog publishes its window while it is up.
    theApp.m_hWndTunora = Main()->m_pageColor.m_hWnd;
    SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    theApp.m_hWndTunora = nullptr;
    EXPECT_EQ(opened, Lines{"other"});

    SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    EXPECT_EQ(opened, (Lines{"other", "list"}));
}

// The rebuild may make another monitor current under the shown page: the
// Hot Key and colour pages read it again, so that they show, and save to,
// the current monitor.
TEST_F(WizardTest, TheShownPageFollowsTheRebuiltList)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\nmonitor 3 wide W0000003\n").c_str());
    CVantorDlg* dlg = StartOk();
    SendMessageA(dlg->m_hWnd, WM_COMMAND, ID_TRAY_SETTING, 0);
    ASSERT_TRUE(theApp.m_bSettingShown);
    for (int tab : {0, 1}) {
        SCOPED_TRACE(tab);
        const HWND page = tab == 0 ? dlg->m_pageHotKey.m_hWnd : dlg->m_pageColor.m_hWnd;
        const HWND monitors = GetDlgItem(page, 1008);
        dlg->m_tab.SetCurSel(tab);
        dlg->ShowTabPage(tab);
        dlg->m_nCurTab = tab;
        SendMessageA(dlg->m_hWnd, ShellIds::UmSelectMonitor, 0, 1);   // picked on the page
        dlg->PostPageRefresh(tab);
        Pump();
        ASSERT_EQ(SendMessageA(monitors, CB_GETCURSEL, 0, 0), 1);

        OpenFromTray([&](CDlgMonitor& dialog) {
            ClickThrough(dialog);
            ASSERT_TRUE(SimRun("fault 3 read identity"));
            Click(dialog, IDOK);
        });
        ASSERT_TRUE(SimRun("fault clear"));
        ASSERT_EQ(ListedSerials(), (Lines{"W0000001", "T0000002"}));
        ASSERT_EQ(theApp.m_StatusAll.m_nCurMonitor, 0);
        Pump();
        EXPECT_TRUE(IsWindowVisible(page));
        EXPECT_EQ(SendMessageA(monitors, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageA(monitors, CB_GETCURSEL, 0, 0), 0);
    }
}

// A serial that would name a key inside the association's key is not stored;
// the monitor itself is bound all the same.
TEST_F(WizardTest, ASerialThatCannotNameAKeyIsNotStored)
{
    LoadScenario(Scenarios::With("monitor 1 wide \"AB\\CD001\"\nmonitor 2 wide W0000002\n").c_str());
    StartOk();
    ASSERT_EQ(ListedSerials(), (Lines{"AB\\CD001", "W0000002"}));
    OpenFromTray([&](CDlgMonitor& dialog) {
        for (int click = 0; click < 5; ++click)
            Click(dialog, IDOK);
    });
    EXPECT_EQ(ListedSerials(), (Lines{"AB\\CD001", "W0000002"}));
    EXPECT_EQ(StoredAssociations(), Lines{"W0000002-1=\\\\.\\DISPLAY1"});
    HKEY nested = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, SHELL_TEST_ROOT "\\Monitor\\AB", 0, KEY_READ, &nested), ERROR_SUCCESS);
}

} // namespace
