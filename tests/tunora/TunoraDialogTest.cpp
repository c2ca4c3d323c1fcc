// The enhancement-functions dialog: what it shows at opening, how a choice
// reaches the monitor (and the same-model monitors), OK, Cancel and Reset,
// the monitor's reports, and the ways it is ended from outside.
#include "TunoraTest.h"

#include "../colour/ModeUnreadAtOpening.h"
#include "../shell/DeviceBroadcast.h"
#include "device/MonitorFeatures.h"
#include "device/OrvelUsb.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"

#include <dbt.h>

namespace {

using TunoraOpeningTest = TunoraTest;
using TunoraChangeTest = TunoraTest;
using TunoraEndingTest = TunoraTest;
using TunoraReportTest = TunoraTest;

// Monitors 1, 2 and 4 share a model name, 4 starts in another mode; 3 is of
// another model. Mode 40 offers Glintara alone, mode 44 the second label row.
const char FunctionsScenario[] = R"(
profile a
  model "PANEL-A"
  code PANELA01
  modes 22 23 40 44
  start-mode 22
  mask 22 0x1E5FFFF
  mask 23 0x1E5FFFF
  mask 40 0x40000
  mask 44 0x1E50000
  default sensora 1 mode 22
  default crisora 3 mode 22
  default skin-tone 1 mode 22
  default text-enhancer 1 mode 22
  default glintara 2 mode 22
end
profile b
  model "PANEL-B"
  code PANELB01
  modes 22 23
  start-mode 22
  mask 22 0x1E5FFFF
end
monitor 1 a A0000001 display 1
monitor 2 a A0000002 display 1
monitor 3 b B0000001 display 1
monitor 4 a A0000003 display 1
set 2 sensora 0
set 4 mode 23
)";

const std::vector<std::string> EnableTexts{"Disable", "Enable"};
const std::vector<std::string> LevelTexts{"Off", "1", "2", "3", "4", "5"};

// The five functions of a monitor, in the dialog's order.
std::vector<int> Functions(int monitor)
{
    return {TunoraTest::Stored(monitor, FEATURE_SENSORA), TunoraTest::Stored(monitor, FEATURE_CRISORA),
            TunoraTest::Stored(monitor, FEATURE_SKIN_TONE), TunoraTest::Stored(monitor, FEATURE_TEXT_ENHANCER),
            TunoraTest::Stored(monitor, FEATURE_GLINTARA)};
}

TEST_F(TunoraOpeningTest, ShowsTheMonitorsFunctionsAndCommitsOnOk)
{
    Start(FunctionsScenario);
    HWND opened = nullptr;
    OpenFromPage([&](CDlgColTunoraFunctions& dialog) {
        opened = dialog.m_hWnd;
        EXPECT_EQ(theApp.m_hWndTunora, dialog.m_hWnd);
        EXPECT_EQ(theApp.m_hWndReport.load(), dialog.m_hWnd);
        EXPECT_EQ(dialog.m_nTimerID, IDT_TUNORA_POLL);
        EXPECT_EQ(Texts(dialog, IDC_COMBO_SENSORA), (std::vector<std::string>{"Full Screen", "Video"}));
        EXPECT_EQ(Texts(dialog, IDC_COMBO_CRISORA), LevelTexts);
        EXPECT_EQ(Texts(dialog, IDC_COMBO_SKIN_TONE), EnableTexts);
        EXPECT_EQ(Texts(dialog, IDC_COMBO_TEXT_ENHANCER), EnableTexts);
        EXPECT_EQ(Texts(dialog, IDC_COMBO_GLINTARA), LevelTexts);
        const int ids[] = {IDC_COMBO_SENSORA, IDC_COMBO_CRISORA, IDC_COMBO_SKIN_TONE, IDC_COMBO_TEXT_ENHANCER,
                           IDC_COMBO_GLINTARA};
        std::vector<int> shown;
        for (int id : ids) {
            shown.push_back(Shown(dialog, id));
            EXPECT_TRUE(Usable(dialog, id)) << id;
        }
        EXPECT_EQ(shown, (std::vector<int>{1, 3, 1, 1, 2}));
        EXPECT_EQ(dialog.m_savedColor.Value(ColorSlot::Glintara), 2);
        EXPECT_TRUE(dialog.m_savedColor.Valid(ColorSlot::Mode));
        Sim("trace clear");
        Click(dialog, IDOK);
    });
    EXPECT_FALSE(::IsWindow(opened));
    EXPECT_EQ(WritesTo(1, "0xFF01:0xA0"), 1);
    EXPECT_EQ(Trace({"KvSetFeature"}).size(), 1u) << "OK only commits";
    // The page takes the monitor back.
    EXPECT_EQ(theApp.m_hWndTunora, nullptr);
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
    EXPECT_EQ(theApp.m_hWndReport.load(), Page().m_hWnd);
}

TEST_F(TunoraOpeningTest, ModeWithoutGlintaraLevelsGivesAnEmptyUsableList)
{
    Start(FunctionsScenario);
    Sim("set 1 mode 40 quiet");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        EXPECT_TRUE(Texts(dialog, IDC_COMBO_GLINTARA).empty());
        EXPECT_TRUE(Usable(dialog, IDC_COMBO_GLINTARA));
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_SENSORA)) << "not in the mode's mask";
        Click(dialog, IDOK);
    });
}

TEST_F(TunoraOpeningTest, EnhancersWaitForCrisoraAndTheTextFlag)
{
    Start(FunctionsScenario);
    Sim("set 1 crisora 0 quiet");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        EXPECT_EQ(Shown(dialog, IDC_COMBO_SKIN_TONE), 0) << "shows Disable while Crisora is off";
        EXPECT_EQ(Shown(dialog, IDC_COMBO_TEXT_ENHANCER), 0);
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_SKIN_TONE));
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_TEXT_ENHANCER));

        Choose(dialog, IDC_COMBO_CRISORA, 2);
        EXPECT_EQ(Stored(1, FEATURE_CRISORA), 2);
        EXPECT_EQ(Shown(dialog, IDC_COMBO_SKIN_TONE), 1);
        EXPECT_EQ(Shown(dialog, IDC_COMBO_TEXT_ENHANCER), 1);
        EXPECT_TRUE(Usable(dialog, IDC_COMBO_SKIN_TONE));
        EXPECT_TRUE(Usable(dialog, IDC_COMBO_TEXT_ENHANCER));
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Crisora), 2);
        Click(dialog, IDOK);
    });

    Sim("set 1 text-enhancer-flag 1 quiet");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        EXPECT_EQ(Shown(dialog, IDC_COMBO_TEXT_ENHANCER), 0);
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_TEXT_ENHANCER));
        EXPECT_TRUE(Usable(dialog, IDC_COMBO_SKIN_TONE));
        Sim("trace clear");
        Choose(dialog, IDC_COMBO_TEXT_ENHANCER, 1);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(Trace({"KvSetFeatureArray", "monitor=1 ", "0xFF01:0xAC", "data=010000"}).size(), 1u)
        << "the flag byte is always sent as 0";
}

TEST_F(TunoraOpeningTest, MonitorThatDoesNotAnswerLeavesTheListsEmpty)
{
    Start(FunctionsScenario);
    Sim("fault 1 read mode");
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  EXPECT_TRUE(Texts(dialog, IDC_COMBO_SENSORA).empty());
                  EXPECT_TRUE(Texts(dialog, IDC_COMBO_GLINTARA).empty());
                  Click(dialog, IDCANCEL);
              }),
              IDCANCEL);
    // Nothing was read, so nothing is put back and the page's record stays.
    EXPECT_TRUE(Trace({"KvSetFeatureArray", "0xFF01:0xA9"}).empty());
    EXPECT_TRUE(theApp.m_pCurColor->Valid(ColorSlot::Mode));
}

// Without the mode there is no mask to allow a function: nothing can be chosen.
TEST_F(TunoraOpeningTest, ModeUnreadAtOpeningLeavesEveryListDisabled)
{
    Start(FunctionsScenario);
    ModeUnreadAtOpening<CDlgColTunoraFunctions> dialog;
    RunDialog([&](CDlgColTunoraFunctions& d) {
        EXPECT_FALSE(d.m_savedColor.Valid(ColorSlot::Mode));
        for (int id : {IDC_COMBO_SENSORA, IDC_COMBO_CRISORA, IDC_COMBO_SKIN_TONE, IDC_COMBO_TEXT_ENHANCER,
                       IDC_COMBO_GLINTARA})
            EXPECT_FALSE(Usable(d, id)) << id;
        Click(d, IDOK);
    }, &dialog);
}

TEST_F(TunoraChangeTest, ChoiceGoesToTheMonitorAndTheSameModelInItsMode)
{
    Start(FunctionsScenario);
    ClickSameModels();
    const std::vector<int> untouched3 = Functions(3);
    const std::vector<int> untouched4 = Functions(4);
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  // Opening brought monitor 2 to monitor 1's functions.
                  EXPECT_EQ(Functions(2), (std::vector<int>{1, 3, 1, 1, 2}));
                  EXPECT_EQ(theApp.m_StatusAll.m_arMonitors[1]->m_Color.Value(ColorSlot::Sensora), 0)
                      << "its own state is kept for Cancel";
                  Choose(dialog, IDC_COMBO_GLINTARA, 4);
                  Choose(dialog, IDC_COMBO_SENSORA, 0);
                  // Later mode changes do not change who follows.
                  Sim("set 1 mode 23 quiet");
                  Choose(dialog, IDC_COMBO_GLINTARA, 3);
                  EXPECT_EQ(dialog.GetHandle(), Handle(1));
                  Click(dialog, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Stored(1, FEATURE_GLINTARA, 22), 4);
    EXPECT_EQ(Stored(1, FEATURE_GLINTARA, 23), 3);
    EXPECT_EQ(Functions(2), (std::vector<int>{0, 3, 1, 1, 3}));
    EXPECT_EQ(Functions(3), untouched3) << "another model name";
    EXPECT_EQ(Functions(4), untouched4) << "another colour mode";
    EXPECT_EQ(WritesTo(2, "0xFF01:0xA0"), 1);
    EXPECT_EQ(WritesTo(4, "0xFF01:0xA0"), 0);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Glintara), 2) << "the record follows reports only";
}

TEST_F(TunoraChangeTest, CancelPutsEveryMonitorBack)
{
    Start(FunctionsScenario);
    ClickSameModels();
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  Choose(dialog, IDC_COMBO_GLINTARA, 5);
                  Choose(dialog, IDC_COMBO_CRISORA, 0);
                  Sim("trace clear");
                  Click(dialog, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(Functions(1), (std::vector<int>{1, 3, 1, 1, 2}));
    EXPECT_EQ(Functions(2), (std::vector<int>{0, 3, 1, 1, 2})) << "monitor 2 gets its own state back";
    // Every saved function is written, changed or not, then the commit.
    const std::vector<std::string> writes = Trace({"KvSetFeature", "monitor=1 "});
    ASSERT_EQ(writes.size(), 7u);
    EXPECT_NE(writes.front().find("0xFF00:0x15"), std::string::npos);
    EXPECT_NE(writes.back().find("0xFF01:0xA0"), std::string::npos);
    EXPECT_EQ(WritesTo(2, "0xFF01:0xA0"), 1);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Crisora), 3);
}

// Only what the dialog found at opening takes part: a monitor silent then
// receives nothing, and a function monitor 2 did not answer then is neither
// brought to monitor 1's nor changed.
TEST_F(TunoraChangeTest, OnlyWhatAnsweredAtOpeningTakesPart)
{
    Start(FunctionsScenario);
    ClickSameModels();
    Sim("fault 2 read mode times 1");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        Choose(dialog, IDC_COMBO_GLINTARA, 5);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Stored(1, FEATURE_GLINTARA), 2);
    EXPECT_TRUE(Trace({"KvSetFeature", "monitor=2 "}).empty());

    Sim("set 2 glintara 4 quiet");
    Sim("fault 2 read glintara times 1");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        EXPECT_EQ(Stored(2, FEATURE_GLINTARA), 4);
        Choose(dialog, IDC_COMBO_GLINTARA, 5);
        Choose(dialog, IDC_COMBO_CRISORA, 1);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Functions(2), (std::vector<int>{0, 3, 1, 1, 4}));
    EXPECT_EQ(WritesTo(2, "0xFF01:0xAD"), 0);
    EXPECT_EQ(WritesTo(2, "0xFF01:0xAA"), 2) << "the change and its restore";
}

// A notification that rebuilds the list without changing it (a monitor's
// second HID interface) gives every monitor a new object while the dialog is
// open. Monitor 4, in another mode at opening and switched to the dialog's
// at its own buttons meanwhile, was not kept: it takes no change.
TEST_F(TunoraChangeTest, CancelAfterARebuildGivesBackWhatWasFoundAtOpening)
{
    Start(FunctionsScenario);
    ClickSameModels();
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        ASSERT_TRUE(theApp.m_StatusAll.m_arMonitors[1]->m_Color.Valid(ColorSlot::Mode));
        ASSERT_EQ(DeviceBroadcast::Interface(OrvelUsbVendorId, 0x0101).SendTo(Main().m_hWnd, DBT_DEVICEARRIVAL), TRUE);
        ASSERT_FALSE(theApp.m_StatusAll.m_arMonitors[1]->m_Color.Valid(ColorSlot::Mode)) << "not rebuilt";
        Sim("set 4 mode 22 quiet");
        Choose(dialog, IDC_COMBO_GLINTARA, 5);
        Sim("trace clear");
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Functions(1), (std::vector<int>{1, 3, 1, 1, 2}));
    EXPECT_EQ(Functions(2), (std::vector<int>{0, 3, 1, 1, 2}));
    EXPECT_EQ(WritesTo(2, "0xFF01:0xA0"), 1);
    EXPECT_EQ(Stored(4, FEATURE_COLOR_MODE), 22);
    EXPECT_EQ(Stored(4, FEATURE_GLINTARA), 2);
    EXPECT_EQ(WritesTo(4, "0xFF01:0xA0"), 0);
}

TEST_F(TunoraChangeTest, ResetSendsTheCommandAndReportsRefill)
{
    Start(FunctionsScenario);
    ClickSameModels();
    Sim("set 1 glintara 5 quiet");
    Sim("set 2 glintara 5 quiet");
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        EXPECT_EQ(Shown(dialog, IDC_COMBO_GLINTARA), 5);
        Sim("trace clear");
        Click(dialog, IDC_BTN_RESET);
        EXPECT_EQ(Trace({"KvSetFeatureValue", "0xFF01:0xA1", "value=10"}).size(), 2u);
        EXPECT_EQ(Shown(dialog, IDC_COMBO_GLINTARA), 5) << "nothing is re-read";
        DeliverReports();
        EXPECT_EQ(Shown(dialog, IDC_COMBO_GLINTARA), 2);
        Click(dialog, IDOK);
    });
    EXPECT_TRUE(m_messages.empty()) << "Reset asks nothing";
    EXPECT_EQ(Stored(1, FEATURE_GLINTARA), 2);
    EXPECT_EQ(Stored(2, FEATURE_GLINTARA), 2);
}

// Closed from outside after a changed monitor set, the page leaves the
// settings window to the main window, which is about to hide it. With the
// same monitors nothing else would restore it: the page does.
TEST_F(TunoraEndingTest, ClosedFromOutsideLeavesThePageToTheMainWindow)
{
    Start(FunctionsScenario);
    OpenFromPage([&](CDlgColTunoraFunctions&) {
        Main().m_bSetChanged = TRUE;
        Main().CloseSubDialogs();
    });
    Main().m_bSetChanged = FALSE;
    EXPECT_EQ(theApp.m_hWndTunora, nullptr);
    EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen) << "the rebuild clears it";
    EXPECT_EQ(theApp.m_hWndReport.load(), nullptr);
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());

    OpenFromPage([&](CDlgColTunoraFunctions&) { Main().CloseSubDialogs(); });
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
    EXPECT_EQ(theApp.m_hWndReport.load(), Page().m_hWnd);

    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) { dialog.SendMessage(UM_CLOSE_SUBDIALOG); }), 255);
}

// Any plug or unplug makes the default monitor current under a dialog open
// on another one: a choice or Cancel before the main window closes it writes
// nothing, there or to the dialog's own monitor.
TEST_F(TunoraEndingTest, ChoiceAfterAnotherMonitorBecameCurrentWritesNothing)
{
    Start(FunctionsScenario, 1);
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  ASSERT_GE(SimUnplug(3), 0);
                  ASSERT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(1));
                  Sim("trace clear");
                  Choose(dialog, IDC_COMBO_GLINTARA, 5);
                  Click(dialog, IDCANCEL);
              }),
              SubDialogClosedFromOutside);
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());
    ASSERT_GE(SimPlug(3), 0);
    Rebuild();
}

TEST_F(TunoraEndingTest, PollAndDeviceChangeEndTheDialog)
{
    Start(FunctionsScenario);
    // While the monitor permits and answers, the dialog stays until the
    // test's own Cancel behind the script.
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  dialog.SendMessage(WM_TIMER, IDT_TUNORA_POLL);
                  dialog.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED);
              }),
              IDCANCEL);
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  Sim("set 1 adjust-state 2 quiet");
                  dialog.SendMessage(WM_TIMER, IDT_TUNORA_POLL);
              }),
              0);
    Sim("set 1 adjust-state 0 quiet");
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  Sim("fault 1 dead");
                  dialog.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED);
              }),
              255);
    Sim("fault clear");

    // A choice on a monitor that stopped answering ends the dialog with 0.
    EXPECT_EQ(RunDialog([&](CDlgColTunoraFunctions& dialog) {
                  Sim("fault 1 read mode");
                  Choose(dialog, IDC_COMBO_SENSORA, 0);
              }),
              0);
}

TEST_F(TunoraReportTest, ReportsOfTheCurrentMonitorShowAtOnce)
{
    Start(FunctionsScenario);
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        Sim("set 1 glintara 4");
        Sim("set 2 sensora 1");   // another monitor: nothing changes, the record is freed
        Sim("report 1 text-enhancer bytes 0101");
        DeliverReports();
        EXPECT_EQ(Shown(dialog, IDC_COMBO_GLINTARA), 4);
        EXPECT_EQ(Shown(dialog, IDC_COMBO_SENSORA), 1);
        EXPECT_EQ(Shown(dialog, IDC_COMBO_TEXT_ENHANCER), 0);
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_TEXT_ENHANCER));
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Glintara), 4);

        Sim("set 1 mode 44");
        DeliverReports();
        EXPECT_EQ(Texts(dialog, IDC_COMBO_GLINTARA).at(1), "RTS (Low)");
        EXPECT_EQ(Shown(dialog, IDC_COMBO_GLINTARA), -1) << "until a Glintara report comes";
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 44);

        // A run of reports ends as one update per report would leave it: a
        // skin-tone report gives way to the value a later Crisora report
        // reads again, and stands over the one an earlier Crisora report read.
        Sim("set 1 skin-tone 1 quiet");
        Sim("report 1 skin-tone 0");
        Sim("set 1 crisora 2");
        DeliverReports();
        EXPECT_EQ(Shown(dialog, IDC_COMBO_SKIN_TONE), 1);
        EXPECT_TRUE(Usable(dialog, IDC_COMBO_SKIN_TONE));
        Sim("set 1 crisora 0");
        Sim("report 1 skin-tone 1");
        DeliverReports();
        EXPECT_EQ(Shown(dialog, IDC_COMBO_SKIN_TONE), 1) << "a skin-tone report shows its value as it is";
        EXPECT_FALSE(Usable(dialog, IDC_COMBO_SKIN_TONE));
        Click(dialog, IDOK);
    });
}

// Records still queued for the dialog when it closes go with it: their
// message goes to a window that is gone.
TEST_F(TunoraReportTest, RecordsQueuedAtClosingAreFreed)
{
    Start(FunctionsScenario);
    RunDialog([&](CDlgColTunoraFunctions& dialog) {
        Sim("set 1 glintara 4");
        ASSERT_GE(SimWaitReports(5000), 0);
        ASSERT_GT(theApp.GetQueuedReportCount(), 0);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
}

} // namespace
