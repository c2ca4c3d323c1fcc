// Opening the connection list: where it stands, what it says, its colours,
// one line per known monitor, and which monitors the wizard would bind.
#include "MonitorListDialogTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "tests/shell/Scenarios.h"
#include "tests/shell/SimTrace.h"

#include <tuple>

namespace {

using Lines = std::vector<std::string>;

class OpeningTest : public MonitorListDialogTest
{
};

TEST_F(OpeningTest, WithoutASupportedMonitorOnlyCloseIsOfferedAndNothingChanges)
{
    LoadScenario(Scenarios::With("monitor 1 alien X0000001\nmonitor 2 alien X0000002\n").c_str());
    Associate("S0000009-2", "\\\\.\\DISPLAY2");
    StartOk();
    ASSERT_TRUE(ListedSerials().empty());
    trayCalls.clear();
    SimTrace::Clear();

    View listing;
    View afterEnter;
    OpenFromTray([&](CDlgMonitor& dialog) {
        listing = Look(dialog);
        Click(dialog, IDOK);   // as Enter would: the disabled button does nothing
        afterEnter = Look(dialog);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(listing.ok, "&Manual setting");
    EXPECT_FALSE(listing.okEnabled);
    EXPECT_EQ(listing.cancel, "&Close");
    EXPECT_TRUE(listing.lines.empty());
    EXPECT_EQ(afterEnter.caption, "Monitor Connection List");
    EXPECT_EQ(afterEnter.message, listing.message);
    EXPECT_TRUE(afterEnter.listShown);

    EXPECT_EQ(StoredAssociations(), Lines{"S0000009-2=\\\\.\\DISPLAY2"});
    EXPECT_TRUE(ListedSerials().empty());
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_FALSE(MonitorSetChangeQueued());
    EXPECT_TRUE(MenuKeys().empty());
    EXPECT_FALSE(theApp.m_bMonitorListOpen);
    EXPECT_EQ(theApp.m_hWndMonitorList, nullptr);

    EXPECT_EQ(RunDialog([](CDlgMonitor& dialog) { Click(dialog, IDCANCEL); }), 0);
}

TEST_F(OpeningTest, TheListOpensOnTopOfThePrimaryScreenWithItsTextsAndColours)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\n").c_str());
    StartOk();
    OpenFromTray([&](CDlgMonitor& dialog) {
        RECT desktop{};
        GetWindowRect(GetDesktopWindow(), &desktop);
        RECT own{};
        GetWindowRect(dialog.m_hWnd, &own);
        EXPECT_EQ(own.left, desktop.right / 2 - (own.right - own.left) / 2);
        EXPECT_EQ(own.top, desktop.bottom / 6);
        EXPECT_TRUE(GetWindowLongA(dialog.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(IsWindowVisible(dialog.m_hWnd));

        const View view = Look(dialog);
        EXPECT_EQ(view.caption, "Monitor Connection List");
        EXPECT_EQ(view.message, "Monitors that the software detects are listed. \nTo add the monitor, or to relate "
                                "the monitors to software \nmanually, click [Manual setting].\n");
        EXPECT_EQ(view.ok, "&Manual setting");
        EXPECT_TRUE(view.okEnabled);
        EXPECT_EQ(view.cancel, "&Close");
        EXPECT_TRUE(view.listShown);
        EXPECT_TRUE(view.headerShown);
        EXPECT_EQ(view.lines.size(), 2u);
        char header[128] = {};
        GetDlgItemTextA(dialog.m_hWnd, IDC_MONITOR_HEADER, header, sizeof header);
        EXPECT_STREQ(header, "Monitor       /  Model     /  Serial No.");

        EXPECT_TRUE(theApp.m_bMonitorListOpen);
        EXPECT_EQ(theApp.m_hWndMonitorList, dialog.m_hWnd);

        // White text straight on black, except the list's blue lines on the standard brush.
        HDC dc = CreateCompatibleDC(nullptr);
        const auto paint = [&](UINT message, HWND control) {
            SetTextColor(dc, RGB(1, 2, 3));
            SetBkMode(dc, OPAQUE);
            const LRESULT brush = SendMessageA(dialog.m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(control));
            return std::tuple(reinterpret_cast<HBRUSH>(brush), GetTextColor(dc), GetBkMode(dc));
        };
        const HBRUSH black = dialog.m_brBackground;
        EXPECT_EQ(paint(WM_CTLCOLORSTATIC, GetDlgItem(dialog.m_hWnd, IDC_MONITOR_MESSAGE)),
                  std::tuple(black, RGB(255, 255, 255), TRANSPARENT));
        EXPECT_EQ(paint(WM_CTLCOLORDLG, dialog.m_hWnd), std::tuple(black, RGB(255, 255, 255), TRANSPARENT));
        const auto [listBrush, listText, listMode] = paint(WM_CTLCOLORLISTBOX, GetDlgItem(dialog.m_hWnd, IDC_MONITOR_LIST));
        EXPECT_NE(listBrush, black);
        EXPECT_EQ(listText, 0xFF0000u);
        EXPECT_EQ(listMode, OPAQUE);
        DeleteDC(dc);
        LOGBRUSH logBrush{};
        ASSERT_TRUE(GetObjectA(black, sizeof logBrush, &logBrush));
        EXPECT_EQ(logBrush.lbColor, RGB(0, 0, 0));
        for (const CButtonEx* button : {&dialog.m_btnOK, &dialog.m_btnCancel}) {
            EXPECT_EQ(button->GetFaceColor(), RGB(0, 0, 0));
            EXPECT_EQ(button->GetTextColor(), RGB(255, 255, 255));
        }
        Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(theApp.m_bMonitorListOpen);
    EXPECT_EQ(theApp.m_hWndMonitorList, nullptr);
}

// Label and model are padded to 13 and 11 characters; longer ones are kept whole.
TEST_F(OpeningTest, EachKnownMonitorHasItsNumberedLine)
{
    LoadScenario(Scenarios::With("profile exact\n  model \"LONGMODEL27\"\n  code EXACT001\nend\n"
                                 "profile long\n  model \"LONGER-MODEL-270\"\n  code LONGM001\nend\n"
                                 "monitor 1 wide A0000001\n"
                                 "monitor 2 exact B0000002\n"
                                 "monitor 3 tall C0000003\n"
                                 "monitor 4 alien X0000004\n"
                                 "monitor 5 long E0000005\n")
                     .c_str());
    Associate("B0000002-1234", "\\\\.\\DISPLAY1234");     // label 1234-2: "Monitor1234-2", 13 characters
    Associate("E0000005-123456", "\\\\.\\DISPLAY123456"); // "Monitor123456-2"
    StartOk();
    ASSERT_EQ(ListedSerials(), (Lines{"A0000001", "B0000002", "C0000003", "E0000005"}));

    const Lines expected = {
        "1)    Monitor1     /  SIM-27Q    /  A0000001",
        "2)    Monitor1234-2/  LONGMODEL27/  B0000002",
        "3)    Monitor1     /  SIM-32U    /  C0000003",
        "4)    Monitor123456-2/  LONGER-MODEL-270/  E0000005",
    };
    View view;
    OpenFromTray([&](CDlgMonitor& dialog) {
        view = Look(dialog);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(view.lines, expected);

    // An empty entry of the list gets no line, but uses up its number.
    theApp.m_StatusAll.m_arMonitors.InsertAt(1, nullptr);
    OpenFromTray([&](CDlgMonitor& dialog) {
        view = Look(dialog);
        Click(dialog, IDCANCEL);
    });
    theApp.m_StatusAll.m_arMonitors.RemoveAt(1);
    EXPECT_EQ(view.lines, (Lines{"1)    Monitor1     /  SIM-27Q    /  A0000001",
                                 "3)    Monitor1234-2/  LONGMODEL27/  B0000002",
                                 "4)    Monitor1     /  SIM-32U    /  C0000003",
                                 "5)    Monitor123456-2/  LONGER-MODEL-270/  E0000005"}));
}

TEST_F(OpeningTest, OnlyTheFirstThreeStepsGetTheirOwnOrdinal)
{
    for (int k : {1, 2, 3, 4, 11, 12, 13, 21, 22, 23}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(static_cast<LPCSTR>(CDlgMonitor::StepText(k)), Step(k));
    }
    EXPECT_NE(Step(21).find("21th"), std::string::npos);
    EXPECT_NE(Step(2).find("2nd"), std::string::npos);
}

} // namespace
