// The dialog ends by itself with 0 when the monitor no longer permits
// adjustment or stops answering during a user action, and with 255 when the
// main window closes it or the monitor is gone at a device change.
#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"

#include <dbt.h>

namespace {

using CloseTest = ColourSubTest;

// Left to run, a dialog that is still open takes a posted OK; one that has
// ended does not see it.
void OkUnlessEnded(CDlgColorSub& d)
{
    d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(CloseTest, EndsWhenAdjustmentIsNoLongerPermitted)
{
    Start(Scenario);
    // The dialog's own timer notices.
    EXPECT_EQ(Run([&](CDlgColorSub&) { Sim("set 1 adjust-enable 0 quiet"); }, After::LetItRun), 0);
    Sim("set 1 adjust-enable 0x100 quiet");   // the whole word counts
    Sim("set 1 adjust-state 2 quiet");
    EXPECT_EQ(Run([&](CDlgColorSub& d) { PollTick(d); }), 0);
}

TEST_F(CloseTest, StaysOpenWhileAdjustmentIsPermitted)
{
    Start(Scenario);
    Sim("set 1 adjust-state 1 quiet");
    const INT_PTR result = Run(
        [&](CDlgColorSub& d) {
            PollTick(d);
            OkUnlessEnded(d);
        },
        After::LetItRun);
    EXPECT_EQ(result, IDOK);
}

TEST_F(CloseTest, EndsWhenTheMonitorStopsAnsweringDuringAnAction)
{
    Start(Scenario);
    ClickSameModels();
    const INT_PTR result = Run([&](CDlgColorSub& d) {
        Sim("fault 1 dead");
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
    });
    EXPECT_EQ(result, 0);
    // The write still reached the other monitor of the model.
    EXPECT_EQ(Value(2, "brightness"), 61);
    Sim("fault clear");
    EXPECT_EQ(Value(1, "brightness"), 60);

    // A dead monitor is not polled into staying: the poll ends it too.
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        Sim("fault 1 dead");
        PollTick(d);
    }), 0);
}

TEST_F(CloseTest, EndsWith255WhenClosedFromOutside)
{
    Start(Scenario);
    EXPECT_EQ(Run([&](CDlgColorSub& d) { d.SendMessage(UM_CLOSE_SUBDIALOG); }), SubDialogClosedFromOutside);
    EXPECT_EQ(theApp.m_hWndColorSub, nullptr);
    EXPECT_EQ(theApp.m_hWndReport, nullptr);
    EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen);   // the page's steps are skipped
}

TEST_F(CloseTest, DeviceChangeEndsItOnlyWhenTheMonitorIsGone)
{
    Start(Scenario);
    INT_PTR result = Run(
        [&](CDlgColorSub& d) {
            d.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
            OkUnlessEnded(d);
        },
        After::LetItRun);
    EXPECT_EQ(result, IDOK);

    result = Run(
        [&](CDlgColorSub& d) {
            Sim("fault 1 dead");
            EXPECT_EQ(d.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
            OkUnlessEnded(d);
        },
        After::LetItRun);
    EXPECT_EQ(result, SubDialogClosedFromOutside);
}

TEST_F(CloseTest, UnpluggingTheMonitorEndsIt)
{
    Start(Scenario);
    // Whichever sees the broadcast first, the dialog or the main window's
    // rebuild followed by its timer, the dialog is ended from outside.
    const INT_PTR result = Run([&](CDlgColorSub&) { ASSERT_GE(SimUnplug(1), 0); }, After::LetItRun);
    EXPECT_EQ(result, SubDialogClosedFromOutside);
    ASSERT_GE(SimPlug(1), 0);
}

} // namespace
