// OK commits, Cancel gives back the values found at opening (to the other
// monitors of the model name too), Reset returns the mode to the monitor's
// defaults, after a question when the mode carries enhancement functions.
#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

using EndTest = ColourSubTest;

constexpr char Commit[] = "0xFF01:0xA0 000000";
constexpr char ResetCommand[] = "0xFF01:0xA1 =1";

struct Question {
    std::string text;
    UINT type;
};

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
    EXPECT_THAT(Writes(1), ElementsAre(Commit));
    EXPECT_THAT(Writes(2), ElementsAre(Commit));
    EXPECT_TRUE(Writes(3).empty());
    EXPECT_TRUE(Writes(4).empty());
    // The page takes the reports back.
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
}

TEST_F(EndTest, OkKeepsTheChangedValues)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_CONTRAST, VK_RIGHT);
        Click(d, IDOK);
    });
    EXPECT_EQ(Value(1, "contrast"), 51);
    // The arrow writes, and the end of the scroll writes the same again.
    EXPECT_THAT(Writes(1), ElementsAre("0x82:0x12 330000", "0x82:0x12 330000", Commit));
}

TEST_F(EndTest, CancelGivesBackTheOpeningValuesEverywhere)
{
    Start(Scenario);
    ClickSameModels();
    Sim("set 2 brightness 45 quiet");   // monitor 2's own value, kept apart
    const INT_PTR result = Run([&](CDlgColorSub& d) {
        // Opening brought monitor 2 to monitor 1's values.
        EXPECT_EQ(Value(2, "brightness"), 60);
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Choose(d, IDC_COMBO_GAMMA, "RTS");
        ASSERT_EQ(Value(2, "gamma"), 247);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Value(1, "brightness"), 60);
    EXPECT_EQ(Value(1, "gamma"), 4);
    EXPECT_EQ(Value(2, "brightness"), 45);
    EXPECT_EQ(Value(2, "gamma"), 4);
    EXPECT_EQ(Writes(1).back(), Commit);
    EXPECT_EQ(Writes(2).back(), Commit);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 60);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Gamma), 4);
}

// Monitor 2 was silent at opening: nothing of it was saved, so Cancel
// neither writes to it nor commits the changes it received.
TEST_F(EndTest, CancelLeavesAMonitorThatWasSilentAtOpening)
{
    Start(Scenario);
    ClickSameModels();
    Sim("fault 2 read mode times 1");
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        EXPECT_EQ(Value(2, "brightness"), 61);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(Value(1, "brightness"), 60);
    EXPECT_THAT(Writes(2), ElementsAre("0x82:0x10 3D0000", "0x82:0x10 3D0000"));
}

// The gains go back only when the opening temperature lets the user set them.
TEST_F(EndTest, CancelRestoresTheGainsUnderTheirTemperatureOnly)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_GAIN_RED, VK_RIGHT);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(Value(1, "gain-red"), 205);   // temperature 6: the gains are the monitor's

    Sim("set 1 temperature 15 quiet");
    Sim("set 1 gain-red 204 quiet");
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_GAIN_RED, VK_RIGHT);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(Value(1, "gain-red"), 204);
}

TEST_F(EndTest, ResetAsksFirstWhenTheModeCarriesFunctions)
{
    Start(Scenario);
    ClickSameModels();
    Sim("set 1 brightness 40 quiet");
    Sim("set 2 brightness 40 quiet");
    std::vector<Question> questions;
    int answer = IDNO;
    m_seams->messageBox = [&](HWND, LPCSTR text, LPCSTR, UINT type) {
        questions.push_back({text, type});
        return answer;
    };
    Run([&](CDlgColorSub& d) {
        Click(d, IDC_BTN_RESET);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text, StringOf(IDS_RESET_CONFIRM));
        EXPECT_EQ(questions[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_TRUE(Writes(1).empty());
        EXPECT_EQ(Value(1, "brightness"), 40);

        answer = IDYES;
        Click(d, IDC_BTN_RESET);
        EXPECT_THAT(Writes(1), ElementsAre(ResetCommand));
        EXPECT_THAT(Writes(2), ElementsAre(ResetCommand));
        EXPECT_EQ(Value(2, "brightness"), 60);
        // The controls show the defaults the monitor went back to.
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 60);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "60");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 60);

        // Cancel after Reset: the values found at opening, not the defaults.
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(Value(1, "brightness"), 40);
    EXPECT_EQ(Value(2, "brightness"), 40);
}

TEST_F(EndTest, ResetWithoutFunctionsAsksNothing)
{
    Start(Scenario);
    PickMode(34);   // mask 0x8003
    Sim("set 1 brightness 20 quiet");
    Sim("trace clear");
    int questions = 0;
    m_seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
        ++questions;
        return IDNO;
    };
    Run([&](CDlgColorSub& d) {
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
        Click(d, IDC_BTN_RESET);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "50");
    });
    EXPECT_EQ(questions, 0);
    EXPECT_THAT(Writes(1), ElementsAre(ResetCommand));
}

// A colour-mode report while the question is open cancels the reset.
TEST_F(EndTest, ResetIsCancelledWhenTheModeChangedMeanwhile)
{
    Start(Scenario);
    std::vector<Question> questions;
    m_seams->messageBox = [&](HWND, LPCSTR text, LPCSTR, UINT type) {
        questions.push_back({text, type});
        if (questions.size() == 1) {
            Sim("set 1 mode 23");
            DeliverReports();

        }
        return IDYES;
    };
    Run([&](CDlgColorSub& d) { Click(d, IDC_BTN_RESET); });
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].text, StringOf(IDS_RESET_MODE_CHANGED));
    EXPECT_EQ(questions[1].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(Writes(1).empty());
}

} // namespace
