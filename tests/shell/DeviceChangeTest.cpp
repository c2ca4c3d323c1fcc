// Plugging and unplugging the maker's monitors (the simulator's broadcasts),
// other devices' broadcasts, and display changes.
#include "DeviceBroadcast.h"
#include "HotKeyProbe.h"
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "standins/libdravo/DravoSim.h"

namespace {

using namespace ShellIds;

class DeviceChangeTest : public ShellTest
{
protected:
    void Select(int index) { SendMessageA(MainHandle(), UmSelectMonitor, 0, index); }
    void ShowSettings() { SendMessageA(MainHandle(), WM_COMMAND, IdSetting, 0); }
    // Takes out an announcement of a changed monitor set waiting for the Auto Color page.
    bool MonitorsChangedQueued()
    {
        MSG msg{};
        return PeekMessageA(&msg, Main()->m_pageAutoColor.m_hWnd, UmMonitorsChanged, UmMonitorsChanged, PM_REMOVE) !=
               FALSE;
    }
    // Two monitors with a hot key each, the second unplugged at start.
    void LoadWithHotKeys(const char* extraLines = "")
    {
        LoadScenario(Scenarios::With(std::string("monitor 1 wide W0000001\nmonitor 2 tall T0000002\n") +
                                     extraLines)
                         .c_str());
        BindHotKeys("SIM-27Q_W0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
        BindHotKeys("SIM-32U_T0000002", {{VK_F23, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    }

    HotKeyProbe probe;
};

TEST_F(DeviceChangeTest, UnpluggingRebuildsTheListAndFlagsTheChange)
{
    CVantorDlg* dlg = StartOk();   // the default monitors
    Select(2);
    ASSERT_EQ(CurrentSerial(), "S32U0001");
    sleeps.clear();
    SimTrace::Clear();

    ASSERT_GE(SimUnplug(1), 0);   // the broadcast is handled before this returns
    EXPECT_EQ(sleeps, std::vector<DWORD>{500});
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"S27Q0002", "S32U0001"}));
    EXPECT_TRUE(dlg->m_bSetChanged);
    EXPECT_EQ(CurrentSerial(), "S27Q0002") << "a changed set starts again from the default monitor";
    EXPECT_TRUE(MonitorsChangedQueued());
    // Reports stopped for the old devices and started for the new list.
    const std::vector<std::string> lines = SimTrace::Lines();
    const int update = SimTrace::Find(lines, "KvUpdate");
    ASSERT_GE(update, 0);
    EXPECT_GT(SimTrace::Find(lines, "KvReportOFF"), -1);
    EXPECT_LT(SimTrace::Find(lines, "KvReportOFF"), update);
    EXPECT_GT(SimTrace::Find(lines, "KvReportON", update), update);

    EXPECT_TRUE(PumpUntil([&] { return !dlg->m_bSetChanged; }, 2000)) << "the timer takes the flag within a tick";
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
}

TEST_F(DeviceChangeTest, TheSameMonitorsFoundAgainKeepTheCurrentOneAndTheWindow)
{
    LoadWithHotKeys();
    CVantorDlg* dlg = StartOk();
    ShowSettings();   // makes the monitor under the window current: the first
    ASSERT_TRUE(IsWindowVisible(dlg->m_hWnd));
    ASSERT_EQ(CurrentSerial(), "W0000001");
    Select(1);        // as a page does
    ASSERT_EQ(dlg->m_nHotKeyCount, 0u);
    sleeps.clear();

    // One more interface of a monitor that is listed already.
    EXPECT_EQ(DeviceBroadcast::Interface(OrvelVendor, 0x0102).SendTo(dlg->m_hWnd, DBT_DEVICEARRIVAL), TRUE);
    EXPECT_EQ(sleeps, std::vector<DWORD>{500});
    EXPECT_EQ(CurrentSerial(), "T0000002") << "found again by its serial";
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 1);
    EXPECT_FALSE(dlg->m_bSetChanged);
    EXPECT_FALSE(MonitorsChangedQueued());
    EXPECT_EQ(dlg->m_nHotKeyCount, 0u) << "the keys the rebuild registered are taken back while the window is shown";
    EXPECT_FALSE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22));
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_TRUE(theApp.m_bSettingShown);
}

// The plugged monitor has two HID interfaces: the second one's notification
// finds the same set again, and the change seen on the first is kept.
TEST_F(DeviceChangeTest, AChangedSetHidesTheShownWindowAndPutsTheHotKeysBack)
{
    LoadScenario(Scenarios::With("profile twin\n  model \"SIM-32U\"\n  code SIM32U01\n  product 0x0102\n"
                                 "  interfaces 2\n  modes 22 23 40\n  hotkeys 0x180\nend\n"
                                 "monitor 1 wide W0000001\nmonitor 2 twin T0000002\nunplug 2\n")
                     .c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    BindHotKeys("SIM-32U_T0000002", {{VK_F23, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    CVantorDlg* dlg = StartOk();
    ShowSettings();
    ASSERT_TRUE(IsWindowVisible(dlg->m_hWnd));
    sleeps.clear();

    ASSERT_GE(SimPlug(2), 0);
    EXPECT_EQ(sleeps, (std::vector<DWORD>{500, 500})) << "one rebuild per interface";
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"W0000001", "T0000002"}));
    EXPECT_TRUE(dlg->m_bSetChanged) << "lost on the second interface's notification";
    EXPECT_TRUE(MonitorsChangedQueued());
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_EQ(dlg->m_nHotKeyCount, 0u);

    // Nothing happens while a sub-dialog of a page is open.
    theApp.m_StatusAll.m_bSubDialogOpen = TRUE;
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;

    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dlg->m_hWnd); }, 2000));
    EXPECT_FALSE(theApp.m_bSettingShown);
    EXPECT_FALSE(dlg->m_bSetChanged);
    // Hidden as by "&Close": every monitor's keys are in force again.
    EXPECT_EQ(dlg->m_nHotKeyCount, 2u);
    EXPECT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22));
    EXPECT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F23));
    // Pressed on the keyboard, it reaches the program only as a registered key.
    SimTrace::Clear();
    ASSERT_TRUE(HotKeyProbe::Press({VK_CONTROL, VK_MENU, VK_F23}));
    EXPECT_TRUE(PumpUntil([] {
        return SimTrace::With("KvSetFeatureArray", "monitor=2 feature=0xFF00:0x0F length=3 data=800000").size() == 1;
    }));
}

TEST_F(DeviceChangeTest, BroadcastsOfOtherDevicesAndEventsChangeNothing)
{
    CVantorDlg* dlg = StartOk();
    CMonitorStatus* first = Listed(0);
    sleeps.clear();
    SimTrace::Clear();
    const HWND window = dlg->m_hWnd;
    EXPECT_EQ(DeviceBroadcast::Interface(0x046D, 0xC52B).SendTo(window, DBT_DEVICEARRIVAL), TRUE);
    EXPECT_EQ(DeviceBroadcast::Interface(0x046D, 0xC52B).SendTo(window, DBT_DEVICEREMOVECOMPLETE), TRUE);
    EXPECT_EQ(DeviceBroadcast::Interface(OrvelVendor, 0x0101).SendTo(window, DBT_DEVICEQUERYREMOVE), TRUE);
    EXPECT_EQ(DeviceBroadcast::Volume().SendTo(window, DBT_DEVICEARRIVAL), TRUE);
    EXPECT_EQ(SendMessageA(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
    EXPECT_TRUE(sleeps.empty());
    EXPECT_TRUE(SimTrace::Lines().empty());
    EXPECT_EQ(Listed(0), first) << "the list was not rebuilt";
    EXPECT_FALSE(dlg->m_bSetChanged);
}

TEST_F(DeviceChangeTest, WithoutItsOnlyMonitorTheWindowCannotBeOpened)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
    CVantorDlg* dlg = StartOk();
    trayCalls.clear();
    ASSERT_GE(SimUnplug(1), 0);
    EXPECT_TRUE(ListedSerials().empty());
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, -1);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, 0u);
    EXPECT_EQ(dlg->m_pageHotKey.GetHandle(), 0u);
    ASSERT_EQ(trayCalls.size(), 1u);
    EXPECT_EQ(trayCalls[0].icon, 152u);
    EXPECT_EQ(dlg->m_nTrayState, 2);
    EXPECT_TRUE(MonitorsChangedQueued());

    SendMessageA(dlg->m_hWnd, UmTrayIcon, 0, WM_LBUTTONDBLCLK);
    ShowSettings();
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
}

// Once no monitor is connected its combinations go back to other programs;
// a discovery that fails, or hands out no handle, says nothing, and they stay.
TEST_F(DeviceChangeTest, TheHotKeysOfTheLastMonitorAreFreedWhenItGoes)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    CVantorDlg* dlg = StartOk();
    ASSERT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22));

    for (const char* failure : {"discovery -1 times 1", "1 zero-handle times 1"}) {
        ASSERT_GE(SimFault(failure), 0);
        EXPECT_EQ(DeviceBroadcast::Interface(OrvelVendor, 0x0101).SendTo(dlg->m_hWnd, DBT_DEVICEARRIVAL), TRUE);
        EXPECT_TRUE(ListedSerials().empty()) << failure;
        EXPECT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22)) << failure;
    }

    ASSERT_GE(SimUnplug(1), 0);
    EXPECT_FALSE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22)) << "no monitor is left to act on it";
    EXPECT_EQ(dlg->m_nHotKeyCount, 0u);
    ASSERT_GE(SimPlug(1), 0);
    EXPECT_EQ(ListedSerials(), std::vector<std::string>{"W0000001"});
    EXPECT_TRUE(probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22));
}

TEST_F(DeviceChangeTest, ADisplayChangeOnlyCountsTheScreensAgain)
{
    CVantorDlg* dlg = StartOk();
    CMonitorStatus* first = Listed(0);
    theApp.m_nDisplayMonitors = 9;
    SimTrace::Clear();
    EXPECT_EQ(SendMessageA(dlg->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024)), 1);
    EXPECT_EQ(theApp.m_nDisplayMonitors, 3);
    EXPECT_EQ(SimTrace::Count("KvnFindMonitors"), 1);
    EXPECT_EQ(SimTrace::Count("KvnGetMonitorInfo"), 0);
    EXPECT_EQ(Listed(0), first);

    // A failed query keeps the last good count, and the next rebuild still
    // finds every monitor on its screen.
    ASSERT_GE(SimFault("seltu 1"), 0);
    EXPECT_EQ(SendMessageA(dlg->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024)), 1);
    EXPECT_EQ(theApp.m_nDisplayMonitors, 3);
    EXPECT_EQ(DeviceBroadcast::Interface(OrvelVendor, 0x0101).SendTo(dlg->m_hWnd, DBT_DEVICEARRIVAL), TRUE);
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"S27Q0001", "S27Q0002", "S32U0001"}));
    EXPECT_FALSE(dlg->m_bSetChanged);

    // So does one that succeeds with no monitor: with 0, no rebuild would add any.
    ASSERT_GE(SimFault("seltu 1 empty"), 0);
    EXPECT_EQ(SendMessageA(dlg->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024)), 1);
    EXPECT_EQ(SimTrace::With("KvnFindMonitors", "-> 0 count=0").size(), 1u);
    EXPECT_EQ(theApp.m_nDisplayMonitors, 3);
}

} // namespace
