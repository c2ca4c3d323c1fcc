// The foreground watcher: which windows it evaluates, which mode it picks,
// what it writes to the monitors, and where it works at all.
#include "AutoPageTest.h"

#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"

namespace {

class WatcherTest : public AutoPageTest {
protected:
    void SetUp() override
    {
        AutoPageTest::SetUp();
        Start();   // monitors 1 and 2 in mode 22, monitor 3 in mode 23
        Main().HideSettingWindow();
        StartApps();
        ReloadRegistrations();   // the lists as the cleared registry has them
        Sim("trace clear");
    }

    static std::vector<int> AutoModes()
    {
        std::vector<int> modes;
        const CMonitorStatusAll& all = theApp.m_StatusAll;
        for (int i = 0; i < all.m_arMonitors.GetSize(); ++i)
            modes.push_back(all.m_arMonitors[i]->m_nAutoMode);
        return modes;
    }

    static std::string CurrentApplication() { return AutoPage().m_szCurrentApplication; }
};

TEST_F(WatcherTest, AnApplicationInFrontGetsItsRegisteredModeOnEveryMonitor)
{
    Register("ARCADE", 33, "Arcade Test Game");
    RecreateAutoPage();
    TickWith(Arcade().Window("ArcadeMain"));

    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33}));
    EXPECT_EQ(AutoModes(), (std::vector<int>{33, 33, 33}));
    EXPECT_EQ(CurrentApplication(), "ARCADE");
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 33) << "the record holds the mode written last";
    // The editor shows the application in front and its registered mode.
    EXPECT_EQ(SelectedText(g_comboApplication), "ARCADE (Arcade Test Game)");
    EXPECT_EQ(SelectedData(g_comboColorMode), 33);
}

TEST_F(WatcherTest, TheSameWindowIsEvaluatedOnceUntilItStandsOnAnotherScreen)
{
    Register("ARCADE", 40);
    ReloadRegistrations();
    const HWND window = Arcade().Window("ArcadeSecond");
    TickWith(window);
    ASSERT_EQ(MonitorModes({1}), std::vector<int>{40});

    Sim("set 1 mode 22 quiet");   // changed at the monitor meanwhile
    Sim("trace clear");
    TickWith(window);
    TickWith(window);
    EXPECT_EQ(MonitorModes({1}), std::vector<int>{22}) << "not evaluated again";
    EXPECT_TRUE(Trace({"0xFF00:0x15"}).empty()) << "no device traffic for the same window";

    // Off every screen: no longer on the screen it was evaluated on.
    RECT before{};
    ::GetWindowRect(window, &before);
    ::SetWindowPos(window, nullptr, -6000, -6000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TickWith(window);
    ::SetWindowPos(window, nullptr, before.left, before.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{40, 40, 40}));
    EXPECT_EQ(ModeWrites().size(), 1u) << "monitors already in the mode are read, not written";
    TickWith(window);   // back on its first screen: evaluated again
    EXPECT_STREQ(AutoPage().m_szLastScreen, "\\\\.\\DISPLAY1");
}

TEST_F(WatcherTest, AnotherWindowInFrontIsEvaluatedAgain)
{
    Register("ARCADE", 33);
    ReloadRegistrations();
    WriteDword(RegKeyRoot, RegValueDefMode, 41);
    ReloadRegistrations();   // the lists read the registry again
    TickWith(Arcade().Window("ArcadeMain"));
    TickWith(Plain().Window("PlainMain"));
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{41, 41, 41})) << "the default mode";
    EXPECT_EQ(CurrentApplication(), "PLAINAPP");
    TickWith(Arcade().Window("ArcadeMain"));
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33})) << "back in front, evaluated again";
}

TEST_F(WatcherTest, TheProgramsOwnWindowIsRememberedAndNothingMore)
{
    WriteDword(RegKeyRoot, RegValueDefMode, 41);
    ReloadRegistrations();
    Main().ShowSettingWindow();
    ShowAutoColorTab();
    Sim("trace clear");
    TickWith(Main().m_hWnd, false);
    EXPECT_EQ(AutoPage().m_hLastForeground, Main().m_hWnd);
    EXPECT_FALSE(TakeSelectApplication());
    EXPECT_EQ(CurrentApplication(), "");
    EXPECT_TRUE(Trace({"0xFF00:0x15"}).empty());
    EXPECT_EQ(AutoModes(), (std::vector<int>{-1, -1, -1}));
}

TEST_F(WatcherTest, TheShellCountsOnlyWithFolderAndPictureViewerWindows)
{
    Register("EXPLORER", 33);
    Register("SHIMGVW", 40);
    WriteDword(RegKeyRoot, RegValueDefMode, 41);
    ReloadRegistrations();

    TickWith(Shell().Window("ExploreWClass"), false);
    EXPECT_TRUE(TakeSelectApplication());
    EXPECT_EQ(CurrentApplication(), "EXPLORER");
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33}));

    TickWith(Shell().Window("ShImgVw:CPreviewWnd"));
    EXPECT_EQ(CurrentApplication(), "SHIMGVW");
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{40, 40, 40}));

    TickWith(Shell().Window("CabinetWClass"));
    EXPECT_EQ(CurrentApplication(), "EXPLORER");
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33}));

    // The desktop belongs to the shell too, yet is no application: not even
    // the default mode is applied.
    const HWND desktop = Shell().Window("Progman");
    TickWith(desktop, false);
    EXPECT_EQ(AutoPage().m_hLastForeground, desktop);
    EXPECT_FALSE(TakeSelectApplication());
    EXPECT_EQ(CurrentApplication(), "");
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33}));
}

TEST_F(WatcherTest, TheDefaultModeNotChangeWritesNothing)
{
    ASSERT_EQ(SelectedData(AutoPage().m_comboDefaultMode), 47);
    TickWith(Plain().Window("PlainMain"));
    EXPECT_EQ(CurrentApplication(), "PLAINAPP");
    EXPECT_TRUE(ModeWrites().empty());
    EXPECT_EQ(AutoModes(), (std::vector<int>{-1, -1, -1}));

    // A stored mode that is no monitor mode is not cut down to one.
    Register("ARCADE", 256 + 22);
    ReloadRegistrations();
    TickWith(Arcade().Window("ArcadeMain"));
    EXPECT_TRUE(ModeWrites().empty());
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{22, 22, 23}));
}

TEST_F(WatcherTest, AModeAMonitorLacksIsNotWrittenButRemembered)
{
    Register("ARCADE", 24);   // not offered by monitor 3
    ReloadRegistrations();
    TickWith(Arcade().Window("ArcadeMain"));
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{24, 24, 23}));
    EXPECT_EQ(AutoModes(), (std::vector<int>{24, 24, 24}));
    EXPECT_EQ(ModeWrites().size(), 2u);
}

TEST_F(WatcherTest, AMonitorThatDoesNotAnswerIsSkipped)
{
    Register("ARCADE", 33);
    ReloadRegistrations();
    Sim("fault 2 dead");
    TickWith(Arcade().Window("ArcadeMain"));
    Sim("fault clear");
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 22, 33}));
    EXPECT_EQ(AutoModes(), (std::vector<int>{33, -1, 33}));
}

TEST_F(WatcherTest, MinimisedAndInvisibleWindowsAreIgnored)
{
    const HWND main = Arcade().Window("ArcadeMain");
    TickWith(main);
    TickWith(Arcade().Window("min:ArcadeMin"));
    EXPECT_EQ(AutoPage().m_hLastForeground, main);
    TickWith(Arcade().Window("hidden:ArcadeHidden"));
    EXPECT_EQ(AutoPage().m_hLastForeground, main);
    TickWith(nullptr);
    EXPECT_EQ(AutoPage().m_hLastForeground, main);
}

TEST_F(WatcherTest, WorksWhileTheSettingsWindowIsHiddenOrShowsTheAutoColorPage)
{
    const HWND window = Arcade().Window("ArcadeMain");
    Main().ShowSettingWindow();   // on the Hot Key tab
    TickWith(window);
    EXPECT_EQ(AutoPage().m_hLastForeground, nullptr);
    ShowTab(1);
    TickWith(window);
    EXPECT_EQ(AutoPage().m_hLastForeground, nullptr);

    ShowAutoColorTab();
    TickWith(window);
    EXPECT_EQ(AutoPage().m_hLastForeground, window);

    Main().HideSettingWindow();
    TickWith(Plain().Window("PlainMain"));
    EXPECT_EQ(AutoPage().m_hLastForeground, Plain().Window("PlainMain"));

    SetAutoColor(false);
    TickWith(window);
    EXPECT_EQ(AutoPage().m_hLastForeground, Plain().Window("PlainMain")) << "switched off";
    // Switching on again keeps the window remembered: it is not evaluated anew.
    Register("PLAINAPP", 33);
    ReloadRegistrations();
    SetAutoColor(true);
    TickWith(Plain().Window("PlainMain"));
    EXPECT_TRUE(ModeWrites().empty());
}

} // namespace
