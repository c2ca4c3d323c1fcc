// Each group is enabled only when the monitor answered its feature and the
// current mode's mask has its bit; its label picture follows in colour or
// in grey. The Reset button follows its own bit alone.
#include "ColourSubTest.h"

#include "res/resource.h"

#include <algorithm>

namespace {

using MaskTest = ColourSubTest;

struct Group {
    int slider;   // or list
    int box;      // 0 for a list
    int picture;  // 0 for the temperature
    UINT on;
    UINT off;
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

// The enabled groups by their first control; every other group greyed.
void ExpectEnabled(CDlgColorSub& d, std::initializer_list<int> enabled)
{
    for (const Group& group : Groups) {
        const bool on = std::find(enabled.begin(), enabled.end(), group.slider) != enabled.end();
        EXPECT_EQ(ColourSubTest::IsOn(d, group.slider), on) << group.slider;
        if (group.box) {
            EXPECT_EQ(ColourSubTest::IsOn(d, group.box), on) << group.box;
        }
        if (group.picture) {
            EXPECT_TRUE(ColourSubTest::ShowsBitmap(d, group.picture, on ? group.on : group.off)) << group.picture;
        }
    }
}

TEST_F(MaskTest, EveryGroupOfAModeThatAllowsAll)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {IDC_SLIDER_TEMPERATURE, IDC_SLIDER_BRIGHTNESS, IDC_SLIDER_CONTRAST, IDC_SLIDER_BLACK_LEVEL,
                          IDC_SLIDER_GAIN_RED, IDC_SLIDER_GAIN_GREEN, IDC_SLIDER_GAIN_BLUE, IDC_SLIDER_SATURATION,
                          IDC_SLIDER_HUE, IDC_COMBO_GAMMA, IDC_COMBO_CONTRAST_ENHANCER, IDC_COMBO_VELOCIS,
                          IDC_COMBO_OVERDRIVE, IDC_COMBO_NOISE_REDUCTION});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
    });
}

TEST_F(MaskTest, GroupsOutsideTheModeMaskAreGreyed)
{
    Start(Scenario);
    PickMode(40);   // 0x8940B
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {IDC_SLIDER_BRIGHTNESS, IDC_SLIDER_CONTRAST, IDC_SLIDER_BLACK_LEVEL, IDC_COMBO_GAMMA,
                          IDC_COMBO_VELOCIS, IDC_COMBO_OVERDRIVE});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
        // Greyed groups still show their values.
        EXPECT_EQ(BoxText(d, IDC_EDIT_HUE), "0");
    });
}

TEST_F(MaskTest, ResetFollowsItsBitAlone)
{
    Start(Scenario);
    PickMode(46);   // 0x8000
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
    });
    PickMode(34);   // 0x8003
    Run([&](CDlgColorSub& d) {
        ExpectEnabled(d, {IDC_SLIDER_BRIGHTNESS, IDC_SLIDER_CONTRAST});
        EXPECT_TRUE(IsOn(d, IDC_BTN_RESET));
    });
    CurrentCaps().dwModeFeatures[34] = 0x7FFF;   // everything but the Reset bit
    Run([&](CDlgColorSub& d) { EXPECT_FALSE(IsOn(d, IDC_BTN_RESET)); });
}

// The overdrive group is enabled only while the monitor's flag byte is 0; a
// flag of 1 also shows the list at "Off".
TEST_F(MaskTest, OverdriveFlagGreysItsGroup)
{
    Start(Scenario);
    Sim("set 1 overdrive 2 quiet");
    Sim("set 1 overdrive-flag 1 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_FALSE(IsOn(d, IDC_COMBO_OVERDRIVE));
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Off");
        EXPECT_TRUE(ShowsBitmap(d, IDC_PIC_OVERDRIVE, IDB_OVERDRIVE_OFF));
    });
    Sim("set 1 overdrive-flag 2 quiet");
    Run([&](CDlgColorSub& d) {
        EXPECT_FALSE(IsOn(d, IDC_COMBO_OVERDRIVE));
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Enhanced");
    });
}

} // namespace
