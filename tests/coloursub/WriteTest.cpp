// Every slider move and list choice goes to the monitor at once, and with
// "Apply to the same models" to the other monitors of the model name that
// are in the mode the dialog was opened in and allow the feature.
#include "ColourSubTest.h"

#include "colour/ColorTables.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

using WriteTest = ColourSubTest;

TEST_F(WriteTest, SliderMoveWritesTheCurrentMonitorOnly)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "61");
        Press(d, IDC_SLIDER_SATURATION, VK_LEFT);
        EXPECT_EQ(BoxText(d, IDC_EDIT_SATURATION), "-1");
    });
    EXPECT_EQ(Value(1, "brightness"), 61);
    EXPECT_EQ(Value(1, "saturation"), 49);
    EXPECT_EQ(Value(2, "brightness"), 60);
    EXPECT_EQ(Value(2, "saturation"), 50);
    // An arrow key writes, and the end of the scroll that follows writes again.
    EXPECT_THAT(Writes(1),
                ElementsAre("0x82:0x10 3D0000", "0x82:0x10 3D0000", "0xFF00:0xB3 310000", "0xFF00:0xB3 310000"));
    // A move does not change the page's record; Cancel and the page rely on that.
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 60);
}

TEST_F(WriteTest, SameModelsGetTheWriteInTheOpeningModeOnly)
{
    Start(Scenario);
    ClickSameModels();
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        EXPECT_EQ(Value(1, "brightness"), 61);
        EXPECT_EQ(Value(2, "brightness"), 61);
        EXPECT_EQ(Value(3, "brightness"), 7);    // another model
        EXPECT_EQ(Value(4, "brightness"), 50);   // "panel-a" is another name

        Sim("set 2 mode 23 quiet");
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        EXPECT_EQ(Value(1, "brightness"), 62);
        EXPECT_EQ(Value(2, "brightness"), 70);
        EXPECT_EQ(Value(2, "brightness mode 22"), 61);
        EXPECT_EQ(d.GetHandle(), Handle(1));
    });
}

TEST_F(WriteTest, SameModelMonitorWithoutTheFeatureBitIsLeftAlone)
{
    Start(Scenario);
    ClickSameModels();
    theApp.m_StatusAll.m_arMonitors[1]->m_Caps.dwModeFeatures[22] &= ~static_cast<DWORD>(MF_SATURATION);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_SATURATION, VK_RIGHT);
        Press(d, IDC_SLIDER_CONTRAST, VK_RIGHT);
    });
    EXPECT_EQ(Value(1, "saturation"), 51);
    EXPECT_EQ(Value(2, "saturation"), 50);
    EXPECT_EQ(Value(2, "contrast"), 51);
}

TEST_F(WriteTest, TemperatureSliderWalksTheOfferedSteps)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_TEMPERATURE, VK_RIGHT);   // the 7th step is index 10
        EXPECT_EQ(Value(1, "temperature"), 10);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "8500K");
        Press(d, IDC_SLIDER_TEMPERATURE, VK_END);     // index 15, the maximum
        EXPECT_EQ(Value(1, "temperature"), 15);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "OFF");
        Press(d, IDC_SLIDER_TEMPERATURE, VK_HOME);
        EXPECT_EQ(Value(1, "temperature"), 1);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "4000K");
    });
    // Home and End write only at the end of the scroll.
    EXPECT_THAT(Writes(1), ElementsAre("0xFF00:0x07 0A0000", "0xFF00:0x07 0A0000", "0xFF00:0x07 0F0000",
                                       "0xFF00:0x07 010000"));
}

// A page key moves the thumb at once, but the value goes at the end of the
// scroll, when the key is released.
TEST_F(WriteTest, PageKeysWriteAtTheEndOfScroll)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        const HWND slider = Control(d, IDC_SLIDER_BRIGHTNESS);
        ::SendMessageA(slider, WM_KEYDOWN, VK_NEXT, 0);
        Pump();
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 80);
        EXPECT_EQ(Value(1, "brightness"), 60);
        ::SendMessageA(slider, WM_KEYUP, VK_NEXT, 0xC0000001);
        Pump();
        EXPECT_EQ(Value(1, "brightness"), 80);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "80");
    });
}

TEST_F(WriteTest, ListChoiceWritesItsItemData)
{
    Start(Scenario);
    ClickSameModels();
    Run([&](CDlgColorSub& d) {
        Choose(d, IDC_COMBO_GAMMA, "RTS");
        Choose(d, IDC_COMBO_OVERDRIVE, "Enhanced");
        Choose(d, IDC_COMBO_NOISE_REDUCTION, "Enable");
        Choose(d, IDC_COMBO_CONTRAST_ENHANCER, "Standard");
        Choose(d, IDC_COMBO_VELOCIS, "On");
    });
    for (int monitor : {1, 2}) {
        EXPECT_EQ(Value(monitor, "gamma"), 247) << monitor;
        EXPECT_EQ(Value(monitor, "overdrive"), 2) << monitor;
        EXPECT_EQ(Value(monitor, "noise-reduction"), 1) << monitor;
        EXPECT_EQ(Value(monitor, "contrast-enhancer"), 1) << monitor;
        EXPECT_EQ(Value(monitor, "velocis"), 1) << monitor;
    }
    EXPECT_EQ(Value(3, "gamma"), 4);
    const std::vector<std::string> writes = Writes(1);
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0], "0xFF00:0x66 F70000");
    EXPECT_EQ(writes[1], "0xFF01:0x4A 020000");
}

} // namespace
