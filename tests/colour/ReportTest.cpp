// The monitors' reports while the page is the report target: the current
// monitor's mode and mode list are followed, everything else is only freed,
// and a record the queue does not hold is left alone.
#include "ColourPageTest.h"
#include "MessageSpy.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"

#include <gmock/gmock.h>

#include <string>

using ::testing::ElementsAre;

namespace {

using ReportTest = ColourPageTest;

ULONGLONG ModeBits(std::initializer_list<int> modes)
{
    ULONGLONG bits = 0;
    for (int mode : modes)
        bits |= 1ULL << mode;
    return bits;
}

} // namespace

TEST_F(ReportTest, ModeReportOfTheCurrentMonitorSelectsThatMode)
{
    Start();
    PickMode(40);
    ASSERT_FALSE(Enabled(IDC_BTN_IMPORT));
    Sim("set 1 mode 23");
    DeliverReports();
    EXPECT_EQ(SelectedMode(), 23);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 23);
    Tick();
    EXPECT_TRUE(Enabled(IDC_BTN_IMPORT));
    EXPECT_TRUE(Enabled(IDC_BTN_EXPORT));
}

// Reports queued behind each other are taken at once and shown with one
// update, in the order they came: the poll among them enables the buttons for
// the mode selected at that point. A click behind ten thousand of them is
// acted on at once.
TEST_F(ReportTest, StormOfReportsIsShownOnceInOrderAndAClickFollowsAtOnce)
{
    constexpr int Storm = 10000;
    Start();
    PickMode(40);
    ASSERT_FALSE(Enabled(IDC_BTN_IMPORT));
    MessageSpy selections(Item(IDC_COMBO_COLOR_MODE), CB_SETCURSEL);
    double clickedMs = 0, actedMs = 0;
    MessageSpy commands(Page().m_hWnd, WM_COMMAND, [&](WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) == IDC_CHECK_SAME_MODELS_COLOR && actedMs == 0)
            actedMs = MessageSpy::NowMs();
    });
    Sim("set 1 mode 23");
    Sim("burst 1 " + std::to_string(Storm));   // the colour mode, 23
    Sim("report 1 adjust-enable 1");
    Sim("set 1 mode 40");
    ASSERT_GE(SimWaitReports(60000), 0);
    ASSERT_GE(theApp.GetQueuedReportCount(), Storm + 3);
    const HWND box = Item(IDC_CHECK_SAME_MODELS_COLOR);
    clickedMs = MessageSpy::NowMs();
    ::PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    ASSERT_TRUE(PumpUntil([&] { return actedMs != 0; })) << "the click was not acted on";
    EXPECT_LT(actedMs - clickedMs, 200.0);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
    EXPECT_EQ(SelectedMode(), 40);
    EXPECT_TRUE(Enabled(IDC_BTN_IMPORT)) << "the poll came while User2 mode was selected";
    EXPECT_LE(selections.Count(), 2);
    EXPECT_EQ(theApp.m_bApplySameModels, TRUE);
}

TEST_F(ReportTest, ReportsOfAnotherMonitorChangeNothingButAreFreed)
{
    Start();
    CurrentCaps().qwModes = ModeBits({22, 40});
    Sim("set 2 mode 23");
    Sim("report 2 modelist 0 bits 8 count 8");
    Sim("set 2 adjust-enable 0");
    DeliverReports();   // fails unless the page took every record
    EXPECT_EQ(SelectedMode(), 22);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);
    EXPECT_EQ(ListedModes().size(), 12u);
    EXPECT_TRUE(Enabled(IDC_BTN_COLOR));
}

TEST_F(ReportTest, ModeListReportRefillsTheList)
{
    Start();
    CurrentCaps().qwModes = ModeBits({22, 40});
    Sim("set 1 mode 40 quiet");
    Sim("report 1 modelist 0 bits 8 count 8");
    DeliverReports();
    EXPECT_THAT(ListedModes(), ElementsAre(22, 40));
    EXPECT_THAT(ListedTexts(), ElementsAre("User1 mode", "FPS1 mode"));
    EXPECT_EQ(SelectedMode(), 40);
}

TEST_F(ReportTest, AnyOtherReportOfTheCurrentMonitorSelectsItsModeAgain)
{
    Start();
    // The list shows a mode the monitor is not in, as after a failed write.
    ::SendMessageA(Item(IDC_COMBO_COLOR_MODE), CB_SETCURSEL, 5, 0);
    ASSERT_EQ(SelectedMode(), 40);
    Sim("set 1 glintara 3");   // a report on the second vendor page
    DeliverReports();
    EXPECT_EQ(SelectedMode(), 22);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);
}

TEST_F(ReportTest, RecordNotInTheQueueIsNotTouched)
{
    Start();
    HidReport record{Handle(1), 0xFF00, 0x15, 23};
    const HidReport copy = record;
    ASSERT_EQ(theApp.GetQueuedReportCount(), 0);
    Page().SendMessage(WM_HIDREPORT, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(SelectedMode(), 22);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);
    EXPECT_EQ(record.hDevice, copy.hDevice);
    EXPECT_EQ(record.value, copy.value);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
}

TEST_F(ReportTest, PageIsTheReportTargetOnlyWhileShown)
{
    Start();
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);

    ShowTab(2);
    EXPECT_EQ(theApp.m_hWndReport, nullptr);
    Sim("set 1 mode 23");
    ASSERT_GE(SimWaitReports(5000), 0);
    Pump();
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);   // dropped, nothing queued
    EXPECT_EQ(SelectedMode(), 22);

    ShowColourTab();   // the refresh reads the monitor again
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
    EXPECT_EQ(SelectedMode(), 23);
    Sim("set 1 mode 24");
    DeliverReports();
    EXPECT_EQ(SelectedMode(), 24);
}
