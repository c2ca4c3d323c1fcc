// Opening: the values of the current mode in the controls, with ranges,
// page sizes and texts from the monitor's maxima; the lists from the
// monitor's capabilities; the dialog published while it exists.
#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

using OpeningTest = ColourSubTest;

TEST_F(OpeningTest, ControlsShowTheModeValuesWithTheirRanges)
{
    Start(Scenario);
    Sim("set 1 brightness 40 quiet");
    Sim("set 1 saturation 30 quiet");
    Sim("set 1 hue 30 quiet");
    Sim("set 1 gain-red 102 quiet");
    Sim("set 1 velocis 1 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(theApp.m_hWndColorSub, d.m_hWnd);
        EXPECT_EQ(theApp.m_hWndReport, d.m_hWnd);

        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 40);
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_BRIGHTNESS), 100);
        EXPECT_EQ(PageSize(d, IDC_SLIDER_BRIGHTNESS), 20);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "40");
        EXPECT_EQ(BoxText(d, IDC_EDIT_CONTRAST), "50");
        EXPECT_EQ(BoxText(d, IDC_EDIT_BLACK_LEVEL), "50");
        EXPECT_EQ(PageSize(d, IDC_SLIDER_BLACK_LEVEL), 20);

        EXPECT_EQ(Position(d, IDC_SLIDER_SATURATION), 30);
        EXPECT_EQ(BoxText(d, IDC_EDIT_SATURATION), "-20");
        EXPECT_EQ(PageSize(d, IDC_SLIDER_SATURATION), 4);
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_HUE), 63);
        EXPECT_EQ(BoxText(d, IDC_EDIT_HUE), "-2");
        EXPECT_EQ(PageSize(d, IDC_SLIDER_HUE), 4);

        EXPECT_EQ(Position(d, IDC_SLIDER_GAIN_RED), 102);
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_GAIN_RED), 255);
        EXPECT_EQ(BoxText(d, IDC_EDIT_GAIN_RED), "40");
        EXPECT_EQ(BoxText(d, IDC_EDIT_GAIN_GREEN), "80");
        EXPECT_EQ(PageSize(d, IDC_SLIDER_GAIN_BLUE), 51);

        // Temperature steps 1-6, 10, 12 and 15 are offered; index 6 is the sixth.
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_TEMPERATURE), 8);
        EXPECT_EQ(Position(d, IDC_SLIDER_TEMPERATURE), 5);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "6500K");
        EXPECT_EQ(PageSize(d, IDC_SLIDER_TEMPERATURE), 1);

        EXPECT_THAT(Items(d, IDC_COMBO_GAMMA), ElementsAre("1.8", "2.0", "2.2", "2.4", "2.6", "Power", "FPS (High)",
                                                           "FPS (Medium)", "FPS (Low)", "RTS"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "2.2");
        EXPECT_THAT(Items(d, IDC_COMBO_CONTRAST_ENHANCER), ElementsAre("Off", "Standard", "Enhanced"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_CONTRAST_ENHANCER), "Off");
        EXPECT_THAT(Items(d, IDC_COMBO_VELOCIS), ElementsAre("Off", "On"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_VELOCIS), "On");
        EXPECT_THAT(Items(d, IDC_COMBO_OVERDRIVE), ElementsAre("Off", "Standard", "Enhanced"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Standard");
        EXPECT_THAT(Items(d, IDC_COMBO_NOISE_REDUCTION), ElementsAre("Disable", "Enable"));
        EXPECT_EQ(Chosen(d, IDC_COMBO_NOISE_REDUCTION), "Disable");

        // The page's record and the dialog's snapshot hold what was read.
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 40);
        EXPECT_EQ(d.m_savedColor.Value(ColorSlot::Brightness), 40);
        EXPECT_EQ(d.m_savedColor.Value(ColorSlot::Mode), 22);
        EXPECT_TRUE(d.m_savedColor.Valid(ColorSlot::Glintara));
    });
    EXPECT_EQ(theApp.m_hWndColorSub, nullptr);
    EXPECT_EQ(theApp.m_hWndReport, nullptr);   // ended from outside: the page is not restored
}

TEST_F(OpeningTest, SmallMaximaAndFewSteps)
{
    Start(Scenario, 2);   // monitor 3: brightness and contrast up to 31
    Sim("set 3 temperature 15 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_BRIGHTNESS), 31);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "22");   // 7 of 31
        EXPECT_EQ(PageSize(d, IDC_SLIDER_CONTRAST), 6);
        // Steps 3, 5, 6 and 15; 15 is the maximum and shows "OFF".
        EXPECT_EQ(RangeMax(d, IDC_SLIDER_TEMPERATURE), 3);
        EXPECT_EQ(Position(d, IDC_SLIDER_TEMPERATURE), 3);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "OFF");
        EXPECT_THAT(Items(d, IDC_COMBO_GAMMA), ElementsAre("1.8", "2.2"));
    });
}

TEST_F(OpeningTest, FeatureThatDoesNotAnswerIsEmptyAndGreyed)
{
    Start(Scenario);
    Sim("fault 1 read brightness");
    Sim("fault 1 read gamma");
    Run([&](CDlgColorSub& d) {
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 0);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "");
        EXPECT_FALSE(IsOn(d, IDC_SLIDER_BRIGHTNESS));
        EXPECT_FALSE(IsOn(d, IDC_EDIT_BRIGHTNESS));
        EXPECT_TRUE(ShowsBitmap(d, IDC_PIC_BRIGHTNESS, IDB_BRIGHTNESS_OFF));
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "(none)");
        EXPECT_FALSE(IsOn(d, IDC_COMBO_GAMMA));
        EXPECT_TRUE(IsOn(d, IDC_SLIDER_CONTRAST));
        EXPECT_EQ(BoxText(d, IDC_EDIT_CONTRAST), "50");
    });
}

// A monitor that does not answer at opening: the lists are filled, nothing
// is read; the next user action ends the dialog, and Cancel leaves the
// page's record as it was.
TEST_F(OpeningTest, MonitorSilentAtOpening)
{
    Start(Scenario);
    Sim("fault 1 read mode");
    const INT_PTR result = Run([&](CDlgColorSub& d) {
        EXPECT_EQ(Items(d, IDC_COMBO_VELOCIS).size(), 2u);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "");
        EXPECT_EQ(Chosen(d, IDC_COMBO_VELOCIS), "(none)");
        Sim("trace clear");
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_THAT(Writes(1), ElementsAre("0xFF01:0xA0 000000"));
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);
    EXPECT_TRUE(theApp.m_pCurColor->Valid(ColorSlot::Mode));

    Sim("fault clear");
    Sim("fault 1 read mode");
    EXPECT_EQ(Run([&](CDlgColorSub& d) { Press(d, IDC_SLIDER_CONTRAST, VK_RIGHT); }), 0);
}

} // namespace
