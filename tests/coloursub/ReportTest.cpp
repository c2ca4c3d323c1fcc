// While open the dialog is the report target: the current monitor's reports
// move its controls, other monitors' reports are only freed.
#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

using SubReportTest = ColourSubTest;

TEST_F(SubReportTest, ReportOfTheCurrentMonitorMovesItsControl)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Sim("set 1 brightness 33");
        Sim("set 1 hue 63");
        DeliverReports();
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 33);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "33");
        EXPECT_EQ(BoxText(d, IDC_EDIT_HUE), "31");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 33);

        Sim("set 1 temperature 12");
        Sim("set 1 gamma 247");
        Sim("set 1 contrast-enhancer 2");
        DeliverReports();
        EXPECT_EQ(Position(d, IDC_SLIDER_TEMPERATURE), 7);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "9300K");
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "RTS");
        EXPECT_EQ(Chosen(d, IDC_COMBO_CONTRAST_ENHANCER), "Enhanced");

        // A gamma the list does not hold leaves the list as it was.
        Sim("set 1 gamma 7");
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "RTS");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Gamma), 7);
    });
}

TEST_F(SubReportTest, OverdriveReportCarriesItsFlag)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Sim("report 1 overdrive bytes 0201");
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Off");
        EXPECT_FALSE(IsOn(d, IDC_COMBO_OVERDRIVE));
        Sim("report 1 overdrive bytes 0200");
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Enhanced");
        EXPECT_TRUE(IsOn(d, IDC_COMBO_OVERDRIVE));
        Sim("report 1 overdrive bytes 0500");
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "(none)");
    });
}

TEST_F(SubReportTest, ReportsOfOtherMonitorsAreOnlyFreed)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Sim("set 2 brightness 10");
        Sim("set 3 mode 23");
        DeliverReports();   // fails unless every record was taken
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 60);
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 22);

        // A record the queue does not hold is not read.
        HidReport stray{Handle(1), 0x82, 0x10, 5};
        d.SendMessage(WM_HIDREPORT, 0, reinterpret_cast<LPARAM>(&stray));
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 60);
    });
}

// A mode report changes which groups are enabled, not the values shown.
TEST_F(SubReportTest, ModeReportChangesTheEnablingOnly)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Sim("set 1 mode 34");
        DeliverReports();
        EXPECT_FALSE(IsOn(d, IDC_SLIDER_SATURATION));
        EXPECT_FALSE(IsOn(d, IDC_COMBO_GAMMA));
        EXPECT_TRUE(IsOn(d, IDC_SLIDER_BRIGHTNESS));
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "60");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 34);
    });
}

TEST_F(SubReportTest, FeatureInvalidAtOpeningStaysEmpty)
{
    Start(Scenario);
    Sim("fault 1 read brightness");
    Run([&](CDlgColorSub& d) {
        Sim("fault clear");
        Sim("set 1 brightness 33");
        DeliverReports();
        EXPECT_EQ(Position(d, IDC_SLIDER_BRIGHTNESS), 0);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "");
    });
}

} // namespace
