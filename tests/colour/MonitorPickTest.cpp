// Picking another monitor in the page's monitor list: the main window makes
// it current, and the page lists and polls the new monitor's modes.
#include "ColourPageTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {
using MonitorPickTest = ColourPageTest;
}

TEST_F(MonitorPickTest, MainWindowSelectsThePickedMonitorAndThePageListsItsModes)
{
    Start();
    PickMonitor(2);
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    EXPECT_EQ(all.m_nCurMonitor, 2);
    EXPECT_EQ(all.m_hCurDevice, Handle(3));
    EXPECT_EQ(std::string(static_cast<LPCSTR>(all.m_strCurSerial)), "S32U0001");
    EXPECT_EQ(Page().GetHandle(), Handle(3));
    EXPECT_THAT(ListedModes(), ElementsAre(22, 23, 33, 40, 41, 46));
    EXPECT_EQ(SelectedMode(), 23);
    EXPECT_THAT(m_sleeps, ElementsAre(500u, 100u));
    EXPECT_TRUE(Enabled(IDC_BTN_IMPORT));
    PickMode(33);   // the SIM-32U's mode 33 has no functions bit, the SIM-27Q's has
    EXPECT_FALSE(Enabled(IDC_BTN_TUNORA));
    // The new monitor's reports now reach the page, the old one's do not.
    Sim("set 3 mode 40");   // reported
    Sim("set 1 mode 24");
    DeliverReports();
    EXPECT_EQ(SelectedMode(), 40);
}

TEST_F(MonitorPickTest, PickedMonitorIsPolledAtOnce)
{
    Start();
    Sim("set 2 adjust-enable 0 quiet");
    PickMonitor(1);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(2));
    EXPECT_FALSE(Enabled(IDC_COMBO_COLOR_MODE));
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
}

TEST_F(MonitorPickTest, MonitorThatDoesNotAnswerLeavesTheListAlone)
{
    Start();
    const std::vector<int> before = ListedModes();
    Sim("fault 3 dead");
    PickMonitor(2);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(3));   // the main window still selects it
    EXPECT_EQ(ListedModes(), before);
    EXPECT_THAT(m_sleeps, ElementsAre(500u));
}
