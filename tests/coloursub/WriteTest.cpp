// Every slider move and list choice goes to the monitor at once, and with
// "Apply to the same models" to the other monitors of the model name that
// are in the opening mode and allow the feature. The current monitor's
// reports move the controls; other monitors' reports are only freed.
#include "ColourSubTest.h"

#include "../colour/MessageSpy.h"
#include "SimWrites.h"
#include "colour/ColorTables.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "standins/libdravo/DravoSim.h"

#include <gmock/gmock.h>

#include <memory>
#include <string>

using ::testing::ElementsAre;

namespace {

using WriteTest = ColourSubTest;
using SubReportTest = ColourSubTest;

TEST_F(WriteTest, SliderMoveWritesTheMonitorAndItsSameModelPeers)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "61");
    });
    // The arrow writes, and the end of the scroll that follows writes again.
    EXPECT_THAT(SimWrites(1), ElementsAre("0x82:0x10 3D0000", "0x82:0x10 3D0000"));
    EXPECT_TRUE(SimWrites(2).empty());
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 60);   // a move is not a read

    ClickSameModels();
    theApp.m_StatusAll.m_arMonitors[1]->m_Caps.dwModeFeatures[22] &= ~static_cast<DWORD>(MF_SATURATION);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_CONTRAST, VK_RIGHT);
        Press(d, IDC_SLIDER_SATURATION, VK_RIGHT);
        Sim("set 2 mode 23 quiet");
        Press(d, IDC_SLIDER_HUE, VK_RIGHT);
        EXPECT_EQ(d.GetHandle(), Handle(1));
    });
    EXPECT_EQ(SimValue(1, "contrast"), 51);
    EXPECT_EQ(SimValue(2, "contrast mode 22"), 51);
    EXPECT_EQ(SimValue(2, "saturation mode 22"), 50);  // its mask lacks the bit
    EXPECT_EQ(SimValue(2, "hue mode 22"), 32);         // no longer in the opening mode
    EXPECT_EQ(SimValue(3, "contrast"), 50);            // another model
    EXPECT_EQ(SimValue(4, "contrast"), 50);            // "panel-a" is another name
}

TEST_F(WriteTest, TemperatureWalksTheOfferedStepsAndPageKeysWriteAtTheEnd)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Press(d, IDC_SLIDER_TEMPERATURE, VK_RIGHT);   // the 7th step is index 10
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "8500K");
        Press(d, IDC_SLIDER_TEMPERATURE, VK_END);     // Home and End write at the end of the scroll
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "OFF");

        const HWND slider = Control(d, IDC_SLIDER_BRIGHTNESS);
        ::SendMessageA(slider, WM_KEYDOWN, VK_NEXT, 0);
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS), 80);
        EXPECT_EQ(SimValue(1, "brightness"), 60);
        ::SendMessageA(slider, WM_KEYUP, VK_NEXT, 0xC0000001);
        EXPECT_EQ(SimValue(1, "brightness"), 80);
    });
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x07 0A0000", "0xFF00:0x07 0A0000", "0xFF00:0x07 0F0000",
                                          "0x82:0x10 500000"));
}

TEST_F(WriteTest, ListChoiceWritesItsItemData)
{
    Start(Scenario);
    ClickSameModels();
    Run([&](CDlgColorSub& d) {
        Choose(d, IDC_COMBO_GAMMA, "RTS");
        Choose(d, IDC_COMBO_OVERDRIVE, "Enhanced");
        Choose(d, IDC_COMBO_VELOCIS, "On");
    });
    EXPECT_THAT(SimWrites(1), ElementsAre("0xFF00:0x66 F70000", "0xFF01:0x4A 020000", "0xFF01:0xED 010000"));
    EXPECT_EQ(SimWrites(2), SimWrites(1));
    EXPECT_TRUE(SimWrites(3).empty());
}

TEST_F(SubReportTest, CurrentMonitorsReportsMoveTheControls)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        Sim("set 1 brightness 33");
        Sim("set 1 temperature 12");
        Sim("set 1 gamma 247");
        Sim("report 1 overdrive bytes 0201");   // flag 1: shown "Off", greyed
        DeliverReports();
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS), 33);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "33");
        EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Brightness), 33);
        EXPECT_EQ(Slider(d, IDC_SLIDER_TEMPERATURE), 7);
        EXPECT_EQ(BoxText(d, IDC_EDIT_TEMPERATURE), "9300K");
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "RTS");
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Off");
        EXPECT_FALSE(IsOn(d, IDC_COMBO_OVERDRIVE));

        Sim("report 1 overdrive bytes 0202");   // flag 2: the value shown, still greyed
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "Enhanced");
        EXPECT_FALSE(IsOn(d, IDC_COMBO_OVERDRIVE));

        // Values no item holds: gamma keeps the last it could show, also
        // within one run of reports; overdrive shows none.
        Sim("set 1 gamma 4");
        Sim("set 1 gamma 7");
        Sim("report 1 overdrive bytes 0500");
        // Another monitor's report is freed, not applied.
        Sim("set 2 brightness 10");
        DeliverReports();
        EXPECT_EQ(Chosen(d, IDC_COMBO_GAMMA), "2.2");
        EXPECT_EQ(Chosen(d, IDC_COMBO_OVERDRIVE), "(none)");
        EXPECT_TRUE(IsOn(d, IDC_COMBO_OVERDRIVE));
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS), 33);

        // A mode report changes the enabling, not the values shown.
        Sim("set 1 mode 34");
        DeliverReports();
        EXPECT_FALSE(IsOn(d, IDC_SLIDER_SATURATION));
        EXPECT_TRUE(IsOn(d, IDC_SLIDER_BRIGHTNESS));
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "33");
    });
}

// Reports queued behind each other are taken at once and shown with one
// update: a click behind ten thousand of them is acted on at once, and finds
// the controls as the last report left them.
TEST_F(SubReportTest, ClickBehindAStormOfReportsIsActedOnAtOnce)
{
    constexpr int Storm = 10000;
    Start(Scenario);
    std::unique_ptr<MessageSpy> textSets, commands;
    double clickedMs = 0, cancelMs = 0;
    std::string brightness;
    bool saturationOn = true;
    int textSetsBeforeCancel = -1;
    INT_PTR queuedAtCancel = -1;
    const INT_PTR result = Run([&](CDlgColorSub& d) {
        textSets = std::make_unique<MessageSpy>(Control(d, IDC_EDIT_BRIGHTNESS), WM_SETTEXT);
        commands = std::make_unique<MessageSpy>(d.m_hWnd, WM_COMMAND, [&](WPARAM wParam, LPARAM) {
            if (LOWORD(wParam) != IDCANCEL || cancelMs != 0)
                return;
            cancelMs = MessageSpy::NowMs();
            brightness = BoxText(d, IDC_EDIT_BRIGHTNESS);
            saturationOn = IsOn(d, IDC_SLIDER_SATURATION);
            textSetsBeforeCancel = textSets->Count();
            queuedAtCancel = theApp.GetQueuedReportCount();
        });
        Sim("set 1 brightness 33");
        Sim("set 1 mode 34");
        Sim("burst 1 " + std::to_string(Storm));   // the colour mode, 34
        ASSERT_GE(SimWaitReports(60000), 0);
        ASSERT_GE(theApp.GetQueuedReportCount(), Storm + 2);
        const HWND cancel = Control(d, IDCANCEL);
        clickedMs = MessageSpy::NowMs();
        ::PostMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        ::PostMessageA(cancel, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_NE(cancelMs, 0) << "the click was not acted on";
    EXPECT_LT(cancelMs - clickedMs, 200.0);
    EXPECT_EQ(brightness, "33");
    EXPECT_FALSE(saturationOn);            // mode 34 does not allow it
    EXPECT_LE(textSetsBeforeCancel, 2);    // not one update per report
    EXPECT_EQ(queuedAtCancel, 0);
    EXPECT_EQ(SimValue(1, "mode"), 22);    // Cancel wrote the opening values back
    EXPECT_EQ(SimValue(1, "brightness"), 60);
}

TEST_F(SubReportTest, FeatureInvalidAtOpeningStaysEmpty)
{
    Start(Scenario);
    Sim("fault 1 read brightness");
    Run([&](CDlgColorSub& d) {
        Sim("fault clear");
        Sim("set 1 brightness 33");
        DeliverReports();
        EXPECT_EQ(Slider(d, IDC_SLIDER_BRIGHTNESS), 0);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "");
        // A record the queue does not hold is not read.
        HidReport stray{Handle(1), 0x82, 0x12, 5};
        d.SendMessage(WM_HIDREPORT, 0, reinterpret_cast<LPARAM>(&stray));
        EXPECT_EQ(BoxText(d, IDC_EDIT_CONTRAST), "50");
    });
}

} // namespace
