// Whether the monitor lets the user adjust (polled by timer 25 and on the
// monitor's reports) and which buttons the selected mode enables.
#include "ColourPageTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

using PollTest = ColourPageTest;
using ButtonRuleTest = ColourPageTest;

const int ModeControls[] = {IDC_COMBO_COLOR_MODE, IDC_BTN_COLOR, IDC_BTN_IMPORT, IDC_BTN_EXPORT, IDC_BTN_TUNORA};

const char NoColourAdjustScenario[] = R"(
profile plain
  model "PLAIN"
  code PLAIN001
  color-adjust 2
  modes 22 40
  start-mode 22
  mask 22 0x3ED94FF
end
monitor 1 plain P0000001 display 1
)";

const char NoPermissionFeatureScenario[] = R"(
profile closed
  model "CLOSED"
  code CLOSED01
  modes 22 40
  start-mode 22
  mask 22 0x3ED94FF
  absent adjust-enable
end
monitor 1 closed C0000001 display 1
)";

} // namespace

// The five controls the poll switches; "Apply to the same models" stays.
#define EXPECT_MODE_CONTROLS(enabled)                                                 \
    do {                                                                              \
        for (int id : ModeControls)                                                   \
            EXPECT_EQ(Enabled(id), (enabled)) << "control " << id;                    \
        EXPECT_TRUE(Enabled(IDC_CHECK_SAME_MODELS_COLOR));                            \
    } while (0)

TEST_F(PollTest, TimerRunsWhileShownAndStopsWhenHidden)
{
    Start();
    ShowTab(0);
    ShowTab(1);   // shown again: the real timer runs
    EXPECT_EQ(Page().m_nTimerId, IDT_COLOR_PAGE_POLL);
    EXPECT_TRUE(Page().m_bPageVisible);
    // Quietly: no report, only the timer's poll can notice.
    Sim("set 1 adjust-enable 0 quiet");
    EXPECT_TRUE(PumpUntil([] { return !Enabled(IDC_COMBO_COLOR_MODE); }, 3000));
    Sim("set 1 adjust-enable 1 quiet");
    EXPECT_TRUE(PumpUntil([] { return Enabled(IDC_COMBO_COLOR_MODE); }, 3000));

    ShowTab(2);
    EXPECT_FALSE(Page().m_bPageVisible);
    EXPECT_FALSE(::KillTimer(Page().m_hWnd, IDT_COLOR_PAGE_POLL));   // none left to kill
}

TEST_F(PollTest, PermissionFollowsAdjustEnableAndAdjustState)
{
    Start();
    struct Case {
        const char* command;
        bool permitted;
    };
    const Case cases[] = {
        {"set 1 adjust-enable 0 quiet", false},
        {"set 1 adjust-enable 0x100 quiet", true},   // the whole word counts, not its low byte
        {"set 1 adjust-state 2 quiet", false},
        {"set 1 adjust-state 1 quiet", true},
        {"set 1 adjust-state 3 quiet", true},
        {"set 1 adjust-enable 1 quiet", true},
    };
    for (const Case& c : cases) {
        Sim(c.command);
        Tick();
        SCOPED_TRACE(c.command);
        EXPECT_MODE_CONTROLS(c.permitted);
    }
}

TEST_F(PollTest, MonitorWithoutThePermissionFeatureIsNeverAdjusted)
{
    Start(NoPermissionFeatureScenario);
    Tick();
    EXPECT_MODE_CONTROLS(false);
}

TEST_F(PollTest, NoPollWhileASubDialogIsOpenOrForAnotherTimer)
{
    Start();
    Sim("set 1 adjust-enable 0 quiet");
    Sim("trace clear");
    theApp.m_StatusAll.m_bSubDialogOpen = TRUE;
    Tick();
    EXPECT_MODE_CONTROLS(true);
    EXPECT_TRUE(Trace({"handle=0x"}).empty());

    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;
    Page().SendMessage(WM_TIMER, IDT_COLOR_SUB_POLL, 0);
    EXPECT_MODE_CONTROLS(true);
    Tick();
    EXPECT_MODE_CONTROLS(false);
    EXPECT_EQ(Page().GetHandle(), Handle(1));
}

TEST_F(PollTest, PermissionReportsOfTheCurrentMonitorPollAtOnce)
{
    Start();
    Sim("set 1 adjust-enable 0");
    DeliverReports();
    EXPECT_MODE_CONTROLS(false);
    Sim("set 1 adjust-enable 1");
    DeliverReports();
    EXPECT_MODE_CONTROLS(true);
    Sim("set 1 adjust-state 2");
    DeliverReports();
    EXPECT_MODE_CONTROLS(false);
    Sim("set 1 adjust-state 0");
    DeliverReports();
    EXPECT_MODE_CONTROLS(true);

    // Another monitor's report is not the current monitor's business.
    Sim("set 2 adjust-enable 0");
    DeliverReports();
    EXPECT_MODE_CONTROLS(true);
}

TEST_F(ButtonRuleTest, ButtonsFollowTheModeOfTheCurrentMonitor)
{
    Start();
    struct Case {
        int mode;
        bool color, importExport, functions;
    };
    const Case cases[] = {
        {22, true, true, true},  {23, true, true, true},    {24, true, true, true},
        {33, true, false, true},  // 0x248003: a functions bit, no user mode
        {34, true, false, false}, {40, true, false, false}, // 0x8003, 0x8940B
        {46, false, false, false},                          // empty mask
    };
    for (const Case& c : cases) {
        PickMode(c.mode);
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(Enabled(IDC_BTN_COLOR), c.color);
        EXPECT_EQ(Enabled(IDC_BTN_IMPORT), c.importExport);
        EXPECT_EQ(Enabled(IDC_BTN_EXPORT), c.importExport);
        EXPECT_EQ(Enabled(IDC_BTN_TUNORA), c.functions);
        Tick();   // the poll comes to the same
        EXPECT_EQ(Enabled(IDC_BTN_COLOR), c.color);
        EXPECT_EQ(Enabled(IDC_BTN_IMPORT), c.importExport);
        EXPECT_EQ(Enabled(IDC_BTN_TUNORA), c.functions);
    }
}

TEST_F(ButtonRuleTest, ColorNeedsTheColourAdjustWord)
{
    Start(NoColourAdjustScenario);
    Tick();
    EXPECT_EQ(SelectedMode(), 22);
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
    EXPECT_TRUE(Enabled(IDC_BTN_IMPORT));
    EXPECT_TRUE(Enabled(IDC_BTN_TUNORA));
}

TEST_F(ButtonRuleTest, FunctionsFollowTheGroupBitsAndColorAnyBit)
{
    Start();
    ASSERT_EQ(SelectedMode(), 22);
    struct Case {
        DWORD mask;
        bool functions;
    };
    const Case cases[] = {
        {0x10000, true},   {0x40000, true},   {0x200000, true},  {0x400000, true},  {0x800000, true},
        {0x1000000, true}, {0x20000, false},  {0x80000, false},  {0x100000, false}, {0x2000000, false},
        {0x8000, false},   {0x4000000, false}, {0x100, false},
    };
    for (const Case& c : cases) {
        CurrentCaps().dwModeFeatures[22] = c.mask;
        Tick();
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(Enabled(IDC_BTN_TUNORA), c.functions);
        EXPECT_TRUE(Enabled(IDC_BTN_COLOR));   // any bit at all
    }
    CurrentCaps().dwModeFeatures[22] = 0;
    Tick();
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
    EXPECT_TRUE(Enabled(IDC_BTN_IMPORT));
}

// Without a listed mode there is no mask: whatever lies next to the mask
// table must not enable anything.
TEST_F(ButtonRuleTest, NoSelectedModeDisablesTheModeButtons)
{
    Start();
    CurrentCaps().dwHotKeyCaps2 = 0xFFFFFFFF;   // the word before the table
    CurrentCaps().wGameGammas = 0xFFFF;          // and the one after it
    Sim("report 2 mode 0xFFFF");                 // another monitor's: no business of the page
    DeliverReports();
    ASSERT_EQ(SelectedMode(), 22);
    Sim("report 1 mode 0xFFFF");                 // mode -1 selects nothing
    DeliverReports();
    ASSERT_EQ(SelectedMode(), -1);
    Tick();
    EXPECT_TRUE(Enabled(IDC_COMBO_COLOR_MODE));
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
    EXPECT_FALSE(Enabled(IDC_BTN_IMPORT));
    EXPECT_FALSE(Enabled(IDC_BTN_EXPORT));
    EXPECT_FALSE(Enabled(IDC_BTN_TUNORA));

    PickNoMode();
    EXPECT_FALSE(Enabled(IDC_BTN_COLOR));
    EXPECT_FALSE(Enabled(IDC_BTN_TUNORA));
}

// A mode no list holds (from a report, or a mode of another monitor) keeps
// the selection, and with it the buttons of a real mode.
TEST_F(ButtonRuleTest, ModeOutsideTheTableKeepsTheSelection)
{
    Start();
    PickMode(34);
    for (const char* value : {"47", "200", "0x7FFF"}) {
        Sim(std::string("report 1 mode ") + value);
        DeliverReports();
        Tick();
        SCOPED_TRACE(value);
        EXPECT_EQ(SelectedMode(), 34);
        EXPECT_TRUE(Enabled(IDC_BTN_COLOR));
        EXPECT_FALSE(Enabled(IDC_BTN_TUNORA));
    }
}
