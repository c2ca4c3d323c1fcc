// The monitor list: which monitors are listed, the screens they are bound
// to with their display order and label, the default monitor, and whether
// a rebuild reports a changed set of monitors.
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "standins/libdravo/DravoSim.h"

#include <string>

namespace {

using namespace ShellIds;

class MonitorListTest : public ShellTest
{
protected:
    // A stored screen association, as the connection list leaves it.
    static void Associate(const std::string& subkey, const char* displayName)
    {
        WriteString(("\\Monitor\\" + subkey).c_str(), "Display Name", displayName);
    }

    static std::string DisplayOf(int index)
    {
        CMonitorStatus* monitor = Listed(index);
        return monitor ? static_cast<LPCSTR>(monitor->m_strDisplayDevice) : "(none)";
    }
    static std::string LabelOf(int index)
    {
        CMonitorStatus* monitor = Listed(index);
        return monitor ? static_cast<LPCSTR>(monitor->m_strDisplayLabel) : "(none)";
    }
    static int OrderOf(int index)
    {
        CMonitorStatus* monitor = Listed(index);
        return monitor ? monitor->m_nDisplayOrder : -1;
    }

    // Lines "monitor <n> <profile> <serial>" for count monitors of one profile.
    static std::string Monitors(int count, const char* profile, const char* serialPrefix, int changedLast = 0)
    {
        std::string lines;
        for (int n = 1; n <= count; ++n) {
            char serial[16];
            wsprintfA(serial, "%s%02d", serialPrefix, n == count && changedLast ? changedLast : n);
            lines += "monitor " + std::to_string(n) + " " + profile + " " + serial + "\n";
        }
        return lines;
    }
};

TEST_F(MonitorListTest, OrdersAndLabelsFollowTheBoundScreens)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n"
                                 "monitor 2 wide B0000002\n"
                                 "monitor 3 tall C0000003\n"
                                 "monitor 4 tall D0000004\n"
                                 "monitor 5 wide E0000005\n")
                     .c_str());
    Associate("A0000001-12", "\\\\.\\DISPLAY12");
    Associate("B0000002-3", "\\\\.\\DISPLAYV3");
    // Text after the number without a digit names no screen: passed over.
    Associate("C0000003-1", "\\\\.\\DISPLAY1\\A");
    Associate("E0000005-2", "\\\\.\\display2");
    StartOk();

    ASSERT_EQ(ListedSerials(),
              (std::vector<std::string>{"A0000001", "B0000002", "C0000003", "D0000004", "E0000005"}));
    EXPECT_EQ(OrderOf(0), 122);   // the digit after the skipped first one is the sub-number
    EXPECT_EQ(LabelOf(0), "12-2");
    EXPECT_EQ(OrderOf(1), 3);     // no number right after "DISPLAY"
    EXPECT_EQ(LabelOf(1), "0-3");
    for (int index : {2, 3}) {
        EXPECT_EQ(DisplayOf(index), "\\\\.\\DISPLAY1");   // bound by the information library
        EXPECT_EQ(OrderOf(index), 10);
        EXPECT_EQ(LabelOf(index), "1");
    }
    EXPECT_EQ(OrderOf(4), 20);    // the name is read in upper case
    EXPECT_EQ(LabelOf(4), "2");
    EXPECT_EQ(DisplayOf(4), "\\\\.\\display2") << "the stored name itself is kept";

    // Stored associations carry no monitor device; the library's binding does.
    EXPECT_STREQ(Listed(0)->m_strMonitorDevice, "");
    EXPECT_STREQ(Listed(2)->m_strMonitorDevice, "\\\\.\\DISPLAY1\\Monitor0");

    // The smallest order is the default monitor, and every page works on it.
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 1);
    EXPECT_EQ(CurrentSerial(), "B0000002");
    EXPECT_STREQ(theApp.m_StatusAll.m_strCurSerial, "B0000002");
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, Listed(1)->m_hDevice);
    EXPECT_EQ(Main()->m_pageColor.GetHandle(), Listed(1)->m_hDevice);
    EXPECT_EQ(Main()->m_pageAutoColor.GetHandle(), Listed(1)->m_hDevice);
    EXPECT_EQ(Main()->m_pageHotKey.GetHandle(), Listed(1)->m_hDevice);
}

TEST_F(MonitorListTest, StoredNamesThatNameNoScreenArePassedOver)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\n").c_str());
    Associate("A0000001-1", "");
    Associate("A0000001-2", "\\\\.\\DISPLAY2");   // the next association of the same serial
    Associate("B0000002-1", "");
    Associate("B0000002-2", "\\\\.\\SCREEN2");
    Associate("B0000002-3", "\\\\.\\DISPLAY3\\X");
    WriteBinary("\\Monitor\\B0000002-4", "Display Name", reinterpret_cast<const BYTE*>("\\\\.\\DISPLAY2"), 13);
    WriteDword("\\Monitor\\B0000002-5", "Display Name", 2);
    StartOk();
    ASSERT_EQ(ListedSerials(), (std::vector<std::string>{"A0000001", "B0000002"}));
    EXPECT_EQ(DisplayOf(0), "\\\\.\\DISPLAY2");
    EXPECT_EQ(OrderOf(0), 20);
    // Nothing usable stored: the library's match stands.
    EXPECT_EQ(DisplayOf(1), "\\\\.\\DISPLAY1");
    EXPECT_STREQ(Listed(1)->m_strMonitorDevice, "\\\\.\\DISPLAY1\\Monitor0");
    EXPECT_EQ(CurrentSerial(), "B0000002");
}

TEST_F(MonitorListTest, TheMonitorsVetoIsClearedAndAStoredAssociationOverridesIt)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n"
                                 "monitor 2 wide B0000002\n"
                                 "monitor 3 tall C0000003\n"
                                 "set 1 assoc-invalid 1\n"
                                 "set 2 assoc-invalid 1\n")
                     .c_str());
    Associate("B0000002-2", "\\\\.\\DISPLAY2");
    StartOk();
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"B0000002", "C0000003"}));
    EXPECT_EQ(DisplayOf(0), "\\\\.\\DISPLAY2");
    DWORD flag = 7;
    ASSERT_GE(SimGetValue(1, 0xFF01, 0x40, -1, &flag), 0);
    EXPECT_EQ(flag, 0u) << "the veto is cleared so that the connection list can offer the manual setting";
    EXPECT_EQ(SimTrace::With("KvSetFeature", "monitor=1 feature=0xFF01:0x41").size(), 1u);
}

TEST_F(MonitorListTest, TheVetoStaysWhileTheConnectionListIsOpen)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\nset 1 assoc-invalid 1\n").c_str());
    HWND list = CreateWindowExA(0, "STATIC", "list", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    theApp.m_hWndMonitorList = list;
    StartOk();
    theApp.m_hWndMonitorList = nullptr;
    DestroyWindow(list);
    EXPECT_EQ(ListedSerials(), std::vector<std::string>{"B0000002"});
    DWORD flag = 0;
    ASSERT_GE(SimGetValue(1, 0xFF01, 0x40, -1, &flag), 0);
    EXPECT_EQ(flag, 1u);
    EXPECT_TRUE(SimTrace::With("0xFF01:0x41").empty());
}

TEST_F(MonitorListTest, OneSupportedMonitorOnOneScreenTakesTheFirstRecord)
{
    // The other device is not a supported monitor; the library's first
    // record is its, yet the supported monitor is bound to it.
    LoadScenario(Scenarios::With("monitor 1 alien X0000001\nmonitor 2 wide A0000001\nset 2 assoc-invalid 1\n").c_str());
    Associate("A0000001-5", "\\\\.\\DISPLAY5");
    StartOk();
    ASSERT_EQ(ListedSerials(), std::vector<std::string>{"A0000001"});
    EXPECT_EQ(DisplayOf(0), "\\\\.\\DISPLAY1") << "neither the stored association nor the veto counts here";
    EXPECT_EQ(SimTrace::Count("KvnGetMonitorInfo index=0"), 1);
    EXPECT_EQ(SimTrace::Count("KvnGetMonitorInfo index=1"), 0);
    EXPECT_EQ(SimTrace::Count("feature=0xFF01:0x40"), 0);
    // The unsupported device is never read further.
    EXPECT_EQ(SimTrace::With("monitor=1 feature=0xFF00:0x35").size(), 0u);
}

TEST_F(MonitorListTest, MonitorsThatCannotBeReadOrPlacedAreLeftOut)
{
    LoadScenario(Scenarios::With("monitor 1 alien X0000001\n"
                                 "monitor 2 wide A0000001\n"
                                 "monitor 3 wide B0000002\n"
                                 "monitor 4 tall C0000003\n"
                                 "fault 2 read identity\n"
                                 "fault 3 read model-code\n")
                     .c_str());
    StartOk();
    ASSERT_EQ(ListedSerials(), (std::vector<std::string>{"B0000002", "C0000003"}));
    EXPECT_STREQ(Listed(0)->m_strModelCode, "") << "a failed model-code read leaves it empty";
    EXPECT_STREQ(Listed(0)->m_strModelName, "SIM-27Q") << "the identity's blank padding is trimmed";
    EXPECT_STREQ(Listed(1)->m_strModelCode, "SIM32U01");
    EXPECT_STREQ(Listed(1)->m_strModelName, "SIM-32U");
}

TEST_F(MonitorListTest, AFailingInformationRecordMatchesNothing)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\n").c_str());
    StartOk();
    ASSERT_EQ(ListedSerials().size(), 2u);

    // A monitor the information library has not seen yet, and a count that
    // reaches beyond the records the library can give.
    theApp.m_nDisplayMonitors = 4;
    Reload(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B000000X\n"));
    EXPECT_EQ(ListedSerials(), std::vector<std::string>{"A0000001"});
    EXPECT_GE(SimTrace::Count("KvnGetMonitorInfo index=3 -> -1"), 1);
    EXPECT_EQ(CurrentSerial(), "A0000001");
}

TEST_F(MonitorListTest, TheConnectFlagIsClearedOnlyWhereItIsSet)
{
    LoadScenario(Scenarios::With("profile bare\n  model \"BARE-1\"\n  modes 22\n  absent connect-flag\nend\n"
                                 "monitor 1 wide A0000001\nmonitor 2 wide B0000002\nmonitor 3 bare C0000003\n"
                                 "set 2 connect-flag 0\n")
                     .c_str());
    StartOk();
    ASSERT_EQ(ListedSerials().size(), 3u);
    EXPECT_EQ(SimTrace::With("KvSetFeatureArray", "feature=0xFF01:0x68").size(), 1u);
    EXPECT_EQ(SimTrace::With("KvSetFeatureArray", "monitor=1 feature=0xFF01:0x68").size(), 1u);
    EXPECT_TRUE(SimTrace::With("KvGetFeatureArray", "monitor=3 feature=0xFF01:0x68").empty())
        << "a monitor that does not describe the flag is not read";
    DWORD flag = 7;
    ASSERT_GE(SimGetValue(1, 0xFF01, 0x68, -1, &flag), 0);
    EXPECT_EQ(flag, 0u);
}

// What the connection list's association rebuild uses: the monitor is read
// again, but its screen, set by the caller, stays.
TEST_F(MonitorListTest, ReadingAMonitorAgainKeepsItsScreen)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str());
    BindHotKeys("SIM-27Q_A0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
    CVantorDlg* dlg = StartOk();
    const UINT keysBefore = dlg->m_nHotKeyCount;
    CMonitorStatus monitor;
    monitor.m_hDevice = Listed(0)->m_hDevice;
    monitor.m_strDisplayDevice = "\\\\.\\DISPLAY4";
    monitor.m_nDisplayOrder = 40;
    SimTrace::Clear();
    EXPECT_TRUE(dlg->RefreshMonitorStatus(&monitor));
    EXPECT_STREQ(monitor.m_strSerial, "A0000001");
    EXPECT_STREQ(monitor.m_strModelName, "SIM-27Q");
    EXPECT_STREQ(monitor.m_strModelCode, "SIM27Q01");
    EXPECT_STREQ(monitor.m_strDisplayDevice, "\\\\.\\DISPLAY4");
    EXPECT_EQ(monitor.m_nDisplayOrder, 40);
    EXPECT_EQ(monitor.m_HotKeys[0].wVirtualKey, VK_F22);
    EXPECT_EQ(dlg->m_nHotKeyCount, keysBefore + 1) << "its keys are registered";
    EXPECT_EQ(SimTrace::Count("KvnGetMonitorInfo"), 0) << "no display matching";
    ASSERT_GE(SimFault("1 read identity"), 0);
    EXPECT_FALSE(dlg->RefreshMonitorStatus(&monitor));
}

TEST_F(MonitorListTest, TheStoredAssociationsAreDeletedWithoutTheirKey)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str());
    WriteString("\\Monitor\\A0000001-1", "Display Name", "\\\\.\\DISPLAY1");
    WriteString("\\Monitor\\B0000002-2", "Display Name", "\\\\.\\DISPLAY2");
    WriteString("\\Monitor\\C0000003-3\\inner", "x", "a subkey that cannot be deleted");
    CVantorDlg* dlg = StartOk();
    dlg->DeleteMonitorRegistryKeys();   // must end, although one subkey stays
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, SHELL_TEST_ROOT "\\Monitor", 0, KEY_READ, &key), ERROR_SUCCESS);
    char name[256] = {};
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "C0000003-3");
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, 1, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST_F(MonitorListTest, ABlankModelNameIsEmptyAndTheMonitorStays)
{
    LoadScenario("profile blank\n  model \"\"\n  modes 22\nend\n"
                 "monitor 1 blank A0000001\nmonitor 2 blank B0000002\n");
    StartOk();
    ASSERT_EQ(ListedSerials(), (std::vector<std::string>{"A0000001", "B0000002"}));
    EXPECT_STREQ(Listed(0)->m_strModelName, "");
}

TEST_F(MonitorListTest, TiesGoToTheLowerIndexAndVeryLargeOrdersAreNeverDefault)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\nmonitor 3 tall C0000003\n").c_str());
    StartOk();
    EXPECT_EQ(OrderOf(0), 10);
    EXPECT_EQ(OrderOf(1), 10);
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 0);
    Stop();

    Associate("A0000001-6554", "\\\\.\\DISPLAY6554");   // order 65545
    Associate("B0000002-6552", "\\\\.\\DISPLAY6552");   // order 65525
    Associate("C0000003-6600", "\\\\.\\DISPLAY6600");
    CVantorDlg* dlg = StartAgain();
    ASSERT_EQ(ListedSerials().size(), 3u);
    EXPECT_EQ(CurrentSerial(), "B0000002");
    Stop();

    Associate("B0000002-6552", "\\\\.\\DISPLAY6553");   // order 65535
    dlg = StartAgain();
    ASSERT_EQ(ListedSerials().size(), 3u);
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, -1) << "listed, but none can be the default";
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, 0u);
    EXPECT_EQ(dlg->m_pageColor.GetHandle(), 0u);
    EXPECT_EQ(dlg->m_nTrayState, 2);
}

// Reloading the simulated monitors broadcasts their unplugging and plugging;
// the first rebuild already finds the new set, so the main window's changed
// flag tells whether the set compared as changed.
TEST_F(MonitorListTest, TheSameSerialsInTheSameOrderAreNoChange)
{
    const std::string abc = Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\nmonitor 3 tall C0000003\n");
    LoadScenario(abc.c_str());
    CVantorDlg* dlg = StartOk();
    SendMessageA(dlg->m_hWnd, UmSelectMonitor, 0, 2);
    ASSERT_EQ(CurrentSerial(), "C0000003");
    const size_t tray = trayCalls.size();

    theApp.m_StatusAll.m_bSubDialogOpen = TRUE;
    EXPECT_FALSE(dlg->RefreshMonitorList());
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"A0000001", "B0000002", "C0000003"}));
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 2) << "the selection is left to the caller";
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen) << "every rebuild clears it";

    // Indexes outside the list select nothing.
    SendMessageA(dlg->m_hWnd, UmSelectMonitor, 0, -1);
    SendMessageA(dlg->m_hWnd, UmSelectMonitor, 0, 3);
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 2);

    // Every monitor goes and comes back with a new handle: the same set.
    Reload(abc);
    EXPECT_FALSE(dlg->m_bSetChanged);
    EXPECT_EQ(CurrentSerial(), "C0000003") << "the current monitor is found again by its serial";
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, Listed(2)->m_hDevice);
    EXPECT_EQ(trayCalls.size(), tray);

    // The same monitors found in another order: a change, and the default again.
    Reload(Scenarios::With("monitor 1 tall C0000003\nmonitor 2 wide B0000002\nmonitor 3 wide A0000001\n"));
    EXPECT_TRUE(dlg->m_bSetChanged);
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"C0000003", "B0000002", "A0000001"}));
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 0);
    EXPECT_STREQ(theApp.m_StatusAll.m_strCurSerial, "C0000003");
}

TEST_F(MonitorListTest, NoMonitorBeforeAndAfterIsNoChange)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nunplug 1\n").c_str());
    CVantorDlg* dlg = StartOk();
    EXPECT_TRUE(ListedSerials().empty());
    const size_t tray = trayCalls.size();
    EXPECT_FALSE(dlg->RefreshMonitorList());
    EXPECT_EQ(trayCalls.size(), tray);
}

TEST_F(MonitorListTest, MoreThanTenMonitorsAreComparedWhole)
{
    // The information library lists its monitors once, at start-up: the
    // serial that comes later has a record of its own from the beginning.
    LoadScenario(Scenarios::With(Monitors(12, "wide", "SER000") + "info SER00099 1\n").c_str());
    CVantorDlg* dlg = StartOk();
    ASSERT_EQ(ListedSerials().size(), 12u);
    EXPECT_FALSE(dlg->RefreshMonitorList());

    Reload(Scenarios::With(Monitors(12, "wide", "SER000", 99)));   // only the twelfth differs
    EXPECT_TRUE(dlg->m_bSetChanged);
    EXPECT_EQ(ListedSerials().back(), "SER00099");

    dlg->m_bSetChanged = FALSE;
    Reload(Scenarios::With(Monitors(12, "wide", "SER000", 99)));
    EXPECT_FALSE(dlg->m_bSetChanged);

    Reload(Scenarios::With(Monitors(11, "wide", "SER000")));
    EXPECT_TRUE(dlg->m_bSetChanged);
    EXPECT_EQ(ListedSerials().size(), 11u);
}

} // namespace
