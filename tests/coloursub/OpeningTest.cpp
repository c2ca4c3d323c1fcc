// Opening: the current mode's values in the controls, ranges, page sizes and
// texts from the monitor's maxima, the lists from its capabilities; every
// group greyed, its picture too, unless the monitor answered it and the
// mode's mask allows it.
#include "ColourSubTest.h"

#include "../colour/ModeUnreadAtOpening.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

using OpeningTest = ColourSubTest;
using MaskTest = ColourSubTest;

TEST_F(OpeningTest, ControlsShowTheModeValuesWithTheirRanges)
{
    Start(Scenario);
    Sim("set 1 saturation 30 quiet");
    Sim("set 1 gain-red 102 quiet");
    Sim("set 1 velocis 1 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(theApp.m_hWndColorSub, d.m_hWnd);
        EXPECT_EQ(theApp.m_hWndReport, d.m_hWnd);
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS), 60);
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS, TBM_GETRANGEMAX), 100);
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS, TBM_GETPAGESIZE), 20);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "60");
        EXPECT_EQ(BoxText(d, IDC_EDIT_SATURATION), "-20");
        EXPECT_EQ(Slider(d, IDC_SLIDER_SATURATION, TBM_GETPAGESIZE), 4);
        EXPECT_EQ(BoxText(d, IDC_EDIT_HUE), "0");   // 32 of 63, centred
        EXPECT_EQ(Slider(d, IDC_SLIDER_GAIN_RED), 102);
        EXPECT_EQ(BoxText(d, IDC_EDIT_GAIN_RED), "40");
        EXPECT_EQ(Slider(d, IDC_SLIDER_GAIN_BLUE, TBM_GETPAGESIZE), 51);
        // Steps 1-6, 10, 12 and 15 are offered; index 6 is the sixth.
        EXPECT_EQ(Slider(d, IDC_SLIDER_TEMPERATURE, TBM_GETRANGEMAX), 8);
        EXPECT_EQ(Slider(d, IDC_SLIDER_TEMPERATURE), 5);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "6500K");
        EXPECT_THAT(Items(d, IDC_COMBO_GAMMA), ElementsAre("1.8", "2.0", "2.2", "2.4", "2.6", "Power", "FPS (High)",
                                                           "FPS (Medium)", "FPS (Low)", "RTS"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "2.2");
        EXPECT_THAT(Items(d, IDC_COMBO_OVERDRIVE), ElementsAre("Off", "Standard", "Enhanced"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Standard");
        EXPECT_THAT(Items(d, IDC_COMBO_NOISE_REDUCTION), ElementsAre("Disable", "Enable"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_VELOCIS), "On");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Saturation), 30);
    });
    EXPECT_EQ(theApp.m_hWndColorSub, nullptr);
    EXPECT_EQ(theApp.m_hWndReport, nullptr);   // ended from outside: the page is not restored

    Start(Scenario, 2);   // monitor 3: maxima of 31, four temperature steps
    Sim("set 3 temperature 15 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "22");   // 7 of 31
        EXPECT_EQ(Slider(d, IDC_SLIDER_CONTRAST, TBM_GETPAGESIZE), 6);
        EXPECT_EQ(Slider(d, IDC_SLIDER_TEMPERATURE, TBM_GETRANGEMAX), 3);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "OFF");   // the maximum
        EXPECT_THAT(Items(d, IDC_COMBO_GAMMA), ElementsAre("1.8", "2.2"));
    });
}

// Silent at opening: the lists are filled, nothing is read, the next user
// action ends the dialog, and Cancel leaves the page's record alone.
TEST_F(OpeningTest, MonitorSilentAtOpening)
{
    Start(Scenario);
    Sim("fault 1 read mode");
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        EXPECT_EQ(Items(d, IDC_COMBO_VELOCIS).size(), 2u);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "");
        Press(d, IDC_SLIDER_CONTRAST, VK_RIGHT);
    }), 0);
    EXPECT_EQ(Run([&](CDlgColorSub& d) { Click(d, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);
    EXPECT_TRUE(theApp.m_pCurColor->Valid(ColorSlot::Mode));
}

struct Group {
    int control;   // slider or list
    int box;       // 0 for a list
    int picture;   // 0 for the temperature
    UINT on, off;
};

const Group Groups[] = {
    {IDC_SLIDER_TEMPERATURE, IDC_EDIT_TEMPERATURE, 0, 0, 0},
    {IDC_SLIDER_BRIGHTNESS, IDC_EDIT_BRIGHTNESS, IDC_PIC_BRIGHTNESS, IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF},
    {IDC_SLIDER_CONTRAST, IDC_EDIT_CONTRAST, IDC_PIC_CONTRAST, IDB_CONTRAST, IDB_CONTRAST_OFF},
    {IDC_SLIDER_BLACK_LEVEL, IDC_EDIT_BLACK_LEVEL, IDC_PIC_BLACK_LEVEL, IDB_BLACK_LEVEL, IDB_BLACK_LEVEL_OFF},
    {IDC_SLIDER_GAIN_RED, IDC_EDIT_GAIN_RED, IDC_PIC_GAIN_RED, IDB_GAIN_RED, IDB_GAIN_RED_OFF},
    {IDC_SLIDER_GAIN_GREEN, IDC_EDIT_GAIN_GREEN, IDC_PIC_GAIN_GREEN, IDB_GAIN_GREEN, IDB_GAIN_GREEN_OFF},
    {IDC_SLIDER_GAIN_BLUE, IDC_EDIT_GAIN_BLUE, IDC_PIC_GAIN_BLUE, IDB_GAIN_BLUE, IDB_GAIN_BLUE_OFF},
    {IDC_SLIDER_SATURATION, IDC_EDIT_SATURATION, IDC_PIC_SATURATION, IDB_SATURATION, IDB_SATURATION_OFF},
    {IDC_SLIDER_HUE, IDC_EDIT_HUE, IDC_PIC_HUE, IDB_HUE, IDB_HUE_OFF},
    {IDC_COMBO_GAMMA, 0, IDC_PIC_GAMMA, IDB_GAMMA, IDB_GAMMA_OFF},
    {IDC_COMBO_CONTRAST_ENHANCER, 0, IDC_PIC_CONTRAST_ENHANCER, IDB_CONTRAST_ENHANCER, IDB_CONTRAST_ENHANCER_OFF},
    {IDC_COMBO_VELOCIS, 0, IDC_PIC_VELOCIS, IDB_VELOCIS, IDB_VELOCIS_OFF},
    {IDC_COMBO_OVERDRIVE, 0, IDC_PIC_OVERDRIVE, IDB_OVERDRIVE, IDB_OVERDRIVE_OFF},
    {IDC_COMBO_NOISE_REDUCTION, 0, IDC_PIC_NOISE_REDUCTION, IDB_NOISE_REDUCTION, IDB_NOISE_REDUCTION_OFF},
};

// The groups enabled, by their first control; all others greyed.
void ExpectEnabled(CDlgColorSub& d, std::initializer_list<int> enabled)
{
    for (const Group& g : Groups) {
        const bool on = std::find(enabled.begin(), enabled.end(), g.control) != enabled.end();
        EXPECT_EQ(ColourSubTest::IsOn(d, g.control), on) << g.control;
        EXPECT_TRUE(!g.box || ColourSubTest::IsOn(d, g.box) == on) << g.box;
        EXPECT_TRUE(!g.picture || ColourSubTest::ShowsBitmap(d, g.picture, on ? g.on : g.off)) << g.picture;
    }
}

TEST_F(MaskTest, GroupsFollowTheModeMaskAndTheAnswers)
{
    Start(Scenario);
    PickMode(40);
    Sim("fault 1 read contrast");
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {IDC_SLIDER_BRIGHTNESS, IDC_SLIDER_BLACK_LEVEL, IDC_COMBO_GAMMA, IDC_COMBO_VELOCIS,
                          IDC_COMBO_OVERDRIVE});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
        EXPECT_EQ(BoxText(d, IDC_EDIT_CONTRAST), "");   // not answered
        EXPECT_EQ(Slider(d, IDC_SLIDER_CONTRAST), 0);
        EXPECT_EQ(BoxText(d, IDC_EDIT_HUE), "0");       // greyed, still shown
    });
    Sim("fault clear");
    PickMode(46);   // the Reset bit alone
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
    });
    PickMode(22);
    CurrentCaps().dwModeFeatures[22] = 0x7FFF;   // everything but the Reset bit, and no Velocis
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {IDC_SLIDER_TEMPERATURE, IDC_SLIDER_BRIGHTNESS, IDC_SLIDER_CONTRAST, IDC_SLIDER_BLACK_LEVEL,
                          IDC_SLIDER_GAIN_RED, IDC_SLIDER_GAIN_GREEN, IDC_SLIDER_GAIN_BLUE, IDC_SLIDER_SATURATION,
                          IDC_SLIDER_HUE, IDC_COMBO_GAMMA, IDC_COMBO_CONTRAST_ENHANCER, IDC_COMBO_OVERDRIVE});
        EXPECT_FALSE(IsOn(d, IDC_BTN_RESET));
    });
}

// Without the mode there is no mask to allow anything, and Cancel could not
// give a change back: nothing is offered.
TEST_F(MaskTest, ModeUnreadAtOpeningOffersNothing)
{
    Start(Scenario);
    CurrentCaps().dwModeFeatures[0] = 0x3ED94FF;   // what an unread mode's 0 would name
    ModeUnreadAtOpening<CDlgColorSub> dialog;
    Run([&](CDlgColorSub& d) {
        ASSERT_FALSE(d.m_savedColor.Valid(ColorSlot::Mode));
        ExpectEnabled(d, {});
        EXPECT_FALSE(IsOn(d, IDC_BTN_RESET));
    }, After::EndFromOutside, &dialog);
}

} // namespace
