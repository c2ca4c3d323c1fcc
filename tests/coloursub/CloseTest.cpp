// The dialog ends with 0 when the monitor no longer permits adjustment or
// stops answering during a user action, with 255 when closed from outside
// or the monitor is gone at a device change. The page's button opens it;
// its colours and colour bar.
#include "ColourSubTest.h"

#include "SimWrites.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"
#include "tests/harness/GdiObjects.h"

#include <dbt.h>

namespace {

using CloseTest = ColourSubTest;
using SubLookTest = ColourSubTest;

// Let run, a dialog still open takes this OK; one already ended never sees it.
void OkUnlessEnded(CDlgColorSub& d)
{
    d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(CloseTest, PollEndsItWhenAdjustmentIsNoLongerPermitted)
{
    Start(Scenario);
    EXPECT_EQ(Run([&](CDlgColorSub&) { Sim("set 1 adjust-enable 0 quiet"); }, After::LetItRun), 0);
    Sim("set 1 adjust-enable 0x100 quiet");   // the whole word counts
    Sim("set 1 adjust-state 1 quiet");
    EXPECT_EQ(Run([&](CDlgColorSub& d) { PollTick(d), OkUnlessEnded(d); }, After::LetItRun), IDOK);
    Sim("set 1 adjust-state 2 quiet");
    EXPECT_EQ(Run([&](CDlgColorSub& d) { PollTick(d); }), 0);
}

TEST_F(CloseTest, EndsWhenTheMonitorStopsAnswering)
{
    Start(Scenario);
    ClickSameModels();
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        Sim("fault 1 dead");
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
    }), 0);
    EXPECT_EQ(SimValue(2, "brightness"), 61);   // the other monitor still got the write
    EXPECT_EQ(Run([&](CDlgColorSub& d) { PollTick(d); }), 0);

    Sim("fault clear");
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        d.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
        OkUnlessEnded(d);
    }, After::LetItRun), IDOK);
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        Sim("fault 1 dead");
        EXPECT_EQ(d.SendMessage(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
        OkUnlessEnded(d);
    }, After::LetItRun), SubDialogClosedFromOutside);
}

// The label pictures a dialog swaps go with it, also the ones the controls
// loaded from the template.
TEST_F(CloseTest, LeavesNoGdiObjectBehind)
{
    Start(Scenario);
    Run([](CDlgColorSub&) {});   // what the first opening loads stays
    const long before = GdiObjects::Count(GetCurrentProcess());
    ASSERT_GT(before, 0);
    for (const char* mode : {"set 1 mode 34", "set 1 mode 22", "set 1 mode 34"}) {
        Run([&](CDlgColorSub&) {
            Sim(mode);
            DeliverReports();
        });
    }
    EXPECT_EQ(GdiObjects::Count(GetCurrentProcess()), before);
}

TEST_F(CloseTest, ClosedFromOutsideOrUnpluggedEndsWith255)
{
    Start(Scenario);
    EXPECT_EQ(Run([&](CDlgColorSub& d) { d.SendMessage(UM_CLOSE_SUBDIALOG); }), SubDialogClosedFromOutside);
    EXPECT_EQ(theApp.m_hWndColorSub, nullptr);
    EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen);   // the page's end steps are skipped
    // Whichever sees the unplugging first, the dialog or the main window's
    // rebuild and timer, the dialog is ended from outside.
    EXPECT_EQ(Run([&](CDlgColorSub&) { ASSERT_GE(SimUnplug(1), 0); }, After::LetItRun), SubDialogClosedFromOutside);
    // The main window hid the settings window meanwhile; show it again for the tests after.
    ASSERT_GE(SimPlug(1), 0);
    Rebuild();
}

// Any plug or unplug makes the default monitor current under a dialog open
// on another one. A click that comes before the main window closes the
// dialog writes nothing: not there, not to the dialog's own monitor.
TEST_F(CloseTest, ClickAfterAnotherMonitorBecameCurrentWritesNothing)
{
    Start(Scenario, 1);
    Sim("set 2 brightness 40 quiet");
    EXPECT_EQ(Run([&](CDlgColorSub& d) {
        ASSERT_GE(SimUnplug(3), 0);
        ASSERT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(1));
        Sim("trace clear");
        Press(d, IDC_SLIDER_BRIGHTNESS, VK_RIGHT);
        Click(d, IDCANCEL);
    }), SubDialogClosedFromOutside);
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());
    EXPECT_EQ(SimValue(1, "brightness"), 60);
    ASSERT_GE(SimPlug(3), 0);
    Rebuild();
}

// A USB glitch: the dialog's monitor is back within the main window's wait,
// with another handle. The monitors are the same, so the main window hides
// nothing; the dialog ends from outside, and the page takes the settings
// window and the reports back.
TEST_F(CloseTest, GlitchOfItsMonitorGivesThePageTheWindowBack)
{
    Start(Scenario, 1);
    bool back = false;
    m_seams->sleep = [&](DWORD) {
        if (!back)
            back = SimPlug(2) >= 0;
    };
    m_seams->modalDialogReady = [&](CDialog& dialog) {
        ::KillTimer(dialog.m_hWnd, IDT_COLOR_SUB_POLL);
        ASSERT_GE(SimUnplug(2), 0);
        OkUnlessEnded(static_cast<CDlgColorSub&>(dialog));
    };
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_COLOR, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_BTN_COLOR)));
    m_seams->modalDialogReady = nullptr;
    ASSERT_TRUE(back);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, Handle(2));
    EXPECT_TRUE(Trace({"0xFF01:0xA0"}).empty()) << "not ended by the OK behind";
    EXPECT_FALSE(::IsIconic(Main().m_hWnd));
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
}

TEST_F(CloseTest, ColourButtonOfThePageOpensIt)
{
    Start(Scenario, 1);
    Sim("set 2 brightness 44 quiet");
    bool opened = false;
    m_seams->modalDialogReady = [&](CDialog& dialog) {
        auto* d = dynamic_cast<CDlgColorSub*>(&dialog);
        ASSERT_NE(d, nullptr);
        opened = true;
        EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen);
        EXPECT_EQ(theApp.m_hWndReport, d->m_hWnd);
        EXPECT_EQ(BoxText(*d, IDC_EDIT_BRIGHTNESS), "44");
        Click(*d, IDOK);
    };
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_COLOR, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_BTN_COLOR)));
    EXPECT_TRUE(opened);
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
}

LOGBRUSH BrushOf(LRESULT brush)
{
    LOGBRUSH info{};
    ::GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
    return info;
}

TEST_F(SubLookTest, ValueBoxesLabelsAndColourBar)
{
    Start(Scenario);
    auto barCentre = [](CDlgColorSub& d, COLORREF* frame) {
        RECT bar{};
        ::GetWindowRect(Control(d, IDC_COLOR_BAR), &bar);
        ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&bar), 2);
        ::ShowWindow(d.m_hWnd, SW_SHOWNORMAL);   // as the modal loop would
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = ::GetDC(d.m_hWnd);
        const COLORREF centre = ::GetPixel(dc, (bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
        *frame = ::GetPixel(dc, bar.left, (bar.top + bar.bottom) / 2);
        ::ReleaseDC(d.m_hWnd, dc);
        return centre;
    };
    auto grey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); };
    COLORREF frame = 0;
    Run([&](CDlgColorSub& d) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        auto ask = [&](int id) {
            ::SetBkMode(dc, OPAQUE);
            return d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(Control(d, id)));
        };
        EXPECT_EQ(BrushOf(ask(IDC_EDIT_HUE)).lbColor, static_cast<COLORREF>(0xDCE4E4));
        EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        EXPECT_EQ(ask(IDC_GROUP_NOISE_REDUCTION), reinterpret_cast<LRESULT>(static_cast<HBRUSH>(d.m_brBackground)));
        EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
        RECT group{};
        ::GetWindowRect(Control(d, IDC_GROUP_NOISE_REDUCTION), &group);
        ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&group), 2);
        POINT origin{};
        ::GetBrushOrgEx(dc, &origin);
        EXPECT_EQ(origin.x, d.m_sizeBackground.cx - group.left);
        EXPECT_EQ(origin.y, d.m_sizeBackground.cy - group.top);
        ::DeleteDC(dc);

        EXPECT_FALSE(grey(barCentre(d, &frame)));
        EXPECT_EQ(frame, static_cast<COLORREF>(0x404040));
    });
    PickMode(40);   // no temperature: the bar in grey
    Run([&](CDlgColorSub& d) { EXPECT_TRUE(grey(barCentre(d, &frame))); });
}

} // namespace
