// What the page lists: the monitors, and the current monitor's colour modes
// by its supported-mode mask, with their names and the current one selected.
#include "ColourPageTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

using ModeListTest = ColourPageTest;

const char ListingScenario[] = R"(
profile listing
  model "LIST-A"
  code LISTA001
  modes 46 0 22 5 40 33 45
  start-mode 33
  mask 22 0x94FF
  mask 33 0x8003
end
monitor 1 listing L0000001 display 1
)";

const char UnpluggedScenario[] = R"(
profile one
  model "ONE"
  code ONE00001
  modes 22 23
end
monitor 1 one N0000001 display 1
unplug 1
)";

} // namespace

TEST_F(ModeListTest, ListsTheSupportedModesInOrderWithTheirNames)
{
    Start(ListingScenario);
    EXPECT_THAT(ListedModes(), ElementsAre(0, 5, 22, 33, 40, 45, 46));
    // Bit 63 stands for "Not change the mode", bit 47 for nothing: a mask
    // that holds them lists no more modes.
    CurrentCaps().qwModes |= (1ULL << 63) | (1ULL << 47);
    Page().SendMessage(UM_PAGE_REFRESH);
    EXPECT_THAT(ListedModes(), ElementsAre(0, 5, 22, 33, 40, 45, 46));
    // Modes without a name of their own are blank lines.
    EXPECT_THAT(ListedTexts(),
                ElementsAre(" ", " ", "User1 mode", "Cinema mode", "FPS1 mode", "Game (Light scene) mode", "Web/sRGB mode"));
    EXPECT_EQ(SelectedMode(), 33);
    EXPECT_TRUE(Enabled(IDC_COMBO_COLOR_MODE));
}

TEST_F(ModeListTest, ListsTheDefaultMonitorsModelsAndSelectsTheCurrentMode)
{
    Start(nullptr, 2);
    EXPECT_THAT(ListedModes(), ElementsAre(22, 23, 33, 40, 41, 46));
    EXPECT_EQ(SelectedMode(), 23);

    Start(nullptr, 0);
    EXPECT_THAT(ListedModes(), ElementsAre(22, 23, 24, 33, 34, 40, 41, 42, 43, 44, 45, 46));
    EXPECT_THAT(ListedTexts(),
                ElementsAre("User1 mode", "User2 mode", "User3 mode", "Cinema mode", "Paper mode", "FPS1 mode",
                            "FPS2 mode", "RTS mode", "Web mode", "Game (Dark scene) mode", "Game (Light scene) mode",
                            "Web/sRGB mode"));
    EXPECT_EQ(SelectedMode(), 22);
}

TEST_F(ModeListTest, MonitorListNamesEveryMonitorAndSelectsTheCurrentOne)
{
    Start(nullptr, 1);
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    ASSERT_EQ(all.m_arMonitors.GetSize(), 3);
    const std::string label = static_cast<LPCSTR>(all.m_arMonitors[0]->m_strDisplayLabel);
    EXPECT_FALSE(label.empty());
    EXPECT_THAT(MonitorTexts(), ElementsAre("Monitor" + label + " (SIM-27Q S/N:S27Q0001)",
                                            "Monitor" + label + " (SIM-27Q S/N:S27Q0002)",
                                            "Monitor" + label + " (SIM-32U S/N:S32U0001)"));
    EXPECT_EQ(::SendMessageA(Item(IDC_COMBO_MONITOR), CB_GETCURSEL, 0, 0), 1);
}

TEST_F(ModeListTest, FailedModeReadDisablesTheListAndKeepsItsItems)
{
    Start();
    const std::vector<int> before = ListedModes();
    CurrentCaps().qwModes = 1ULL << 22;
    Sim("fault 1 read mode");
    Sim("report 1 modelist 0 bits 8 count 8");
    DeliverReports();
    EXPECT_FALSE(Enabled(IDC_COMBO_COLOR_MODE));
    EXPECT_EQ(ListedModes(), before);
    EXPECT_EQ(SelectedMode(), 22);
    EXPECT_FALSE(theApp.m_pCurColor->Valid(ColorSlot::Mode));

    Sim("fault clear");
    Sim("report 1 modelist 0 bits 8 count 8");
    DeliverReports();
    EXPECT_TRUE(Enabled(IDC_COMBO_COLOR_MODE));
    EXPECT_THAT(ListedModes(), ElementsAre(22));
    EXPECT_TRUE(theApp.m_pCurColor->Valid(ColorSlot::Mode));
}

// With no monitor left the page shows no monitor, allows nothing and
// talks to no monitor; the mode list keeps what it showed.
TEST_F(ModeListTest, RefreshWithoutAnyMonitorTouchesNoMonitor)
{
    Start(UnpluggedScenario);
    ASSERT_EQ(theApp.m_StatusAll.m_arMonitors.GetSize(), 0);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, 0u);
    Page().SendMessage(UM_PAGE_REFRESH);
    Tick();
    EXPECT_TRUE(MonitorTexts().empty());
    EXPECT_FALSE(Enabled(IDC_COMBO_COLOR_MODE));
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
    EXPECT_FALSE(Enabled(IDC_BTN_IMPORT));
    EXPECT_FALSE(Enabled(IDC_BTN_TUNORA));
    EXPECT_TRUE(Trace({"monitor=1"}).empty());
}
