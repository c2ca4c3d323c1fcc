// OK commits, Cancel gives back the values found at opening (to the other
// monitors of the model name too), Reset returns the mode to the monitor's
// defaults, after a question when the mode carries enhancement functions.
#include "ColourSubTest.h"

#include "SimWrites.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

using EndTest = ColourSubTest;

constexpr char Commit[] = "0xFF01:0xA0 000000";
constexpr char ResetCommand[] = "0xFF01:0xA1 =1";

std::string StringOf(UINT id)
{
    CString text;
    text.LoadString(id);
    return text.GetString();
}

TEST_F(EndTest, OkCommitsEvenWithoutAChange)
{
    Start(Scenario);
    ClickSameModels();
    EXPECT_EQ(Run([&](CDlgColorSub& d) { Click(d, IDOK); }), IDOK);
    EXPECT_THAT(SimWrites(1), ElementsAre(Commit));
    EXPECT_THAT(SimWrites(2), ElementsAre(Commit));
    EXPECT_TRUE(SimWrites(3).empty() && SimWrites(4).empty());
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);   // the page takes the reports back
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
}

TEST_F(EndTest, CancelGivesBackTheOpeningValuesEverywhere)
{
    Start(Scenario);
    ClickSameModels();
    Sim("set 2 brightness 45 quiet");   // monitor 2's own value
    Sim("set 1 temperature 15 quiet");  // the gains follow the temperature
    Sim("set 2 temperature 15 quiet");
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        EXPECT_EQ(SimValue(2, "brightness"), 60);   // the opening brought it to monitor 1's values
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Press(d, IDC_SLIDER_GAIN_RED, VK_RIGHT);
        Choose(d, IDC_COMBO_GAMMA, "RTS");
        Click(d, IDCANCEL);
    }), IDCANCEL);
    for (int monitor : {1, 2}) {
        EXPECT_EQ(SimValue(monitor, "gamma"), 4) << monitor;
        EXPECT_EQ(SimValue(monitor, "gain-red"), 204) << monitor;
        EXPECT_EQ(SimWrites(monitor).back(), Commit) << monitor;
    }
    EXPECT_EQ(SimValue(1, "brightness"), 60);
    EXPECT_EQ(SimValue(2, "brightness"), 45);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Gamma), 4);

    // Under temperature 6 the gains are the monitor's: Cancel leaves them.
    Sim("set 1 temperature 6 quiet");
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_GAIN_RED, VK_RIGHT);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(SimValue(1, "gain-red"), 205);
}

// Only the monitors kept at opening (answering, in the dialog's mode) follow
// the changes: one silent then, or in another mode and switched to the
// dialog's at its buttons meanwhile, receives nothing, not even a commit.
TEST_F(EndTest, OnlyMonitorsKeptAtOpeningFollowTheChanges)
{
    Start(Scenario);
    ClickSameModels();
    Sim("fault 2 read mode times 1");
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(SimValue(1, "brightness"), 60);

    Sim("set 2 mode 23 quiet");
    Run([&](CDlgColorSub& d) {
        Sim("set 2 mode 22 quiet");
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(SimValue(2, "brightness"), 60);
    EXPECT_TRUE(SimWrites(2).empty());
}

// A value monitor 2 did not answer at opening could not be given back: it
// is neither brought to monitor 1's nor changed, while the others follow.
TEST_F(EndTest, AValueNotAnsweredAtOpeningStaysTheMonitorsOwn)
{
    Start(Scenario);
    ClickSameModels();
    Sim("set 2 brightness 45 quiet");
    Sim("fault 2 read brightness times 1");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(SimValue(2, "brightness"), 45);
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Choose(d, IDC_COMBO_GAMMA, "RTS");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(SimValue(2, "brightness"), 45);
    EXPECT_THAT(SimWrittenFeatures(2), Not(Contains("0x82:0x10")));
    EXPECT_THAT(SimWrittenFeatures(2), Contains("0xFF00:0x66"));
}

// Monitors 2 and 5 report one serial: each gets its own values back.
TEST_F(EndTest, MonitorsOfOneSerialGetTheirOwnValuesBack)
{
    const std::string scenario = std::string(Scenario) + "monitor 5 a A0000002\n";
    Start(scenario.c_str());
    ASSERT_EQ(theApp.m_StatusAll.m_arMonitors.GetSize(), 5);
    ClickSameModels();
    Sim("set 2 brightness 45 quiet");
    Sim("set 5 brightness 30 quiet");
    Run([&](CDlgColorSub& d) { Click(d, IDCANCEL); });
    EXPECT_EQ(SimValue(2, "brightness"), 45);
    EXPECT_EQ(SimValue(5, "brightness"), 30);
}

TEST_F(EndTest, ResetAsksFirstWhenTheModeCarriesFunctions)
{
    Start(Scenario);
    ClickSameModels();
    Sim("set 1 brightness 40 quiet");
    Sim("set 2 brightness 40 quiet");
    std::vector<std::pair<std::string, UINT>> questions;
    int answer = IDNO;
    m_seams->messageBox = [&](HWND, LPCSTR text, LPCSTR, UINT type) {
        questions.emplace_back(text, type);
        return answer;
    };
    Run([&](CDlgColorSub& d) {
        Click(d, IDC_BTN_RESET);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].first, StringOf(IDS_RESET_CONFIRM));
        EXPECT_EQ(questions[0].second, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_TRUE(SimWrites(1).empty());

        answer = IDYES;
        Click(d, IDC_BTN_RESET);
        EXPECT_THAT(SimWrites(1), ElementsAre(ResetCommand));
        EXPECT_THAT(SimWrites(2), ElementsAre(ResetCommand));
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "60");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 60);
        Click(d, IDCANCEL);   // after Reset: the opening values, not the defaults
    });
    EXPECT_EQ(SimValue(1, "brightness"), 40);
    EXPECT_EQ(SimValue(2, "brightness"), 40);
}

TEST_F(EndTest, ResetWithoutFunctionsAsksNothing)
{
    Start(Scenario);
    PickMode(34);
    Sim("set 1 brightness 20 quiet");
    Sim("trace clear");
    int questions = 0;
    m_seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) { return ++questions, IDNO; };
    Run([&](CDlgColorSub& d) {
        Click(d, IDC_BTN_RESET);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "50");
    });
    EXPECT_EQ(questions, 0);
    EXPECT_THAT(SimWrites(1), ElementsAre(ResetCommand));
}

// A colour-mode report while the question is open cancels the reset.
TEST_F(EndTest, ResetIsCancelledWhenTheModeChangedMeanwhile)
{
    Start(Scenario);
    std::vector<std::pair<std::string, UINT>> questions;
    m_seams->messageBox = [&](HWND, LPCSTR text, LPCSTR, UINT type) {
        questions.emplace_back(text, type);
        if (questions.size() == 1) {
            Sim("set 1 mode 23");
            DeliverReports();
        }
        return IDYES;
    };
    Run([&](CDlgColorSub& d) { Click(d, IDC_BTN_RESET); });
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].first, StringOf(IDS_RESET_MODE_CHANGED));
    EXPECT_EQ(questions[1].second, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(SimWrites(1).empty());
}

// Whatever ended the dialog while the question was open (the main window,
// its own poll) ends the reset too, and a monitor made current meanwhile is
// not the one the user agreed to reset.
TEST_F(EndTest, ResetIsDroppedWhenTheDialogEndedOrTheMonitorChangedMeanwhile)
{
    Start(Scenario);
    ClickSameModels();
    m_seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
        Main().CloseSubDialogs();
        return IDYES;
    };
    EXPECT_EQ(Run([&](CDlgColorSub& d) { Click(d, IDC_BTN_RESET); }), SubDialogClosedFromOutside);
    EXPECT_TRUE(SimWrites(1).empty());
    EXPECT_TRUE(SimWrites(2).empty());

    Start(Scenario);
    m_seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
        Main().SendMessage(UM_SELECT_MONITOR, 0, 1);
        return IDYES;
    };
    Run([&](CDlgColorSub& d) { Click(d, IDC_BTN_RESET); });
    ASSERT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(2));
    EXPECT_THAT(SimWrites(1), Not(Contains(ResetCommand)));
    EXPECT_THAT(SimWrites(2), Not(Contains(ResetCommand)));

    // The dialog's own poll ended it: no longer permitted, no reset.
    Start(Scenario);
    CDlgColorSub* open = nullptr;
    m_seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
        Sim("set 1 adjust-enable 0 quiet");
        PollTick(*open);
        return IDYES;
    };
    EXPECT_EQ(Run([&](CDlgColorSub& d) { open = &d, Click(d, IDC_BTN_RESET); }), 0);
    EXPECT_THAT(SimWrites(1), Not(Contains(ResetCommand)));
}

} // namespace
