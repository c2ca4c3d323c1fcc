// Every other end of the connection list: "Cancel", Esc, the main window's
// close request and a listed monitor that stops answering end it with 0 in
// every state, close the menus that are open and store nothing.
#include "MonitorListDialogTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "standins/libdravo/DravoSim.h"
#include "tests/device/SimControl.h"
#include "tests/shell/Scenarios.h"
#include "tests/shell/SimTrace.h"

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

// Monitors 1 and 2 are listed; 3 is a target that display matching refused.
const char* const ThreeTargets = "monitor 1 wide W0000001\n"
                                 "monitor 2 tall T0000002\n"
                                 "monitor 3 wide W0000003\n"
                                 "set 3 assoc-invalid 1\n";

class EndingTest : public MonitorListDialogTest
{
protected:
    // The wizard's states; StepK has monitor K's menu open.
    enum Stage { Listing, Started, Step1, Step2, Step3, Complete };
    enum Way { CancelButton, EscapeKey, CloseRequest };

    void StartThree()
    {
        LoadScenario(Scenarios::With(ThreeTargets).c_str());
        Associate("OLD00001-2", "\\\\.\\DISPLAY2");
        StartOk();
        ASSERT_EQ(ListedSerials(), (Lines{"W0000001", "T0000002"}));
    }

    static void Advance(CDlgMonitor& dialog, Stage stage)
    {
        for (int click = 0; click < static_cast<int>(stage); ++click)
            Click(dialog, IDOK);
    }

    void End(CDlgMonitor& dialog, Way way)
    {
        switch (way) {
        case CancelButton:
            Click(dialog, IDCANCEL);
            break;
        case EscapeKey:   // through the modal loop's dialog keys
            PostMessageA(dialog.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        case CloseRequest:   // as the main window's timer sends it
            Main()->CloseSubDialogs();
            break;
        }
    }

    // The menu keys the stage itself writes: each confirmed monitor's menu
    // opened and closed, then the open one's.
    static Lines StageKeys(Stage stage)
    {
        Lines keys;
        const int confirmed = stage == Complete ? 3 : stage >= Step1 ? stage - Step1 : 0;
        for (int monitor = 1; monitor <= confirmed; ++monitor) {
            keys.push_back(std::to_string(monitor) + ":4000");
            keys.push_back(std::to_string(monitor) + ":8000");
        }
        if (stage >= Step1 && stage <= Step3)
            keys.push_back(std::to_string(stage - Step1 + 1) + ":4000");
        return keys;
    }

    // What the end writes: the open menu closed, or on a close request while
    // the wizard runs every listed monitor's menu, and the open one's.
    static Lines EndKeys(Stage stage, Way way)
    {
        if (way != CloseRequest)
            return stage >= Step1 && stage <= Step3 ? Lines{std::to_string(stage - Step1 + 1) + ":8000"} : Lines{};
        if (stage == Listing)
            return {};
        Lines keys{"1:8000", "2:8000"};
        if (stage == Step3)
            keys.push_back("3:8000");
        return keys;
    }

    void ExpectNothingApplied()
    {
        EXPECT_EQ(ListedSerials(), (Lines{"W0000001", "T0000002"}));
        EXPECT_EQ(StoredAssociations(), Lines{"OLD00001-2=\\\\.\\DISPLAY2"});
        EXPECT_FALSE(MonitorSetChangeQueued());
        EXPECT_TRUE(SimTrace::With("KvReportOFF").empty());
        EXPECT_FALSE(theApp.m_bMonitorListOpen);
        EXPECT_EQ(theApp.m_hWndMonitorList, nullptr);
    }
};

TEST_F(EndingTest, EveryStateEndsWithZeroAndClosesTheOpenMenus)
{
    StartThree();
    const char* const stageNames[] = {"Listing", "Started", "Step1", "Step2", "Step3", "Complete"};
    const char* const wayNames[] = {"Cancel", "Esc", "close request"};
    for (Stage stage : {Listing, Started, Step1, Step2, Step3, Complete}) {
        for (Way way : {CancelButton, EscapeKey, CloseRequest}) {
            SCOPED_TRACE(std::string(stageNames[stage]) + ", " + wayNames[way]);
            SimTrace::Clear();
            std::vector<Recorded> recorded;
            const INT_PTR result = RunDialog([&](CDlgMonitor& dialog) {
                Advance(dialog, stage);
                End(dialog, way);
            }, &recorded);
            EXPECT_EQ(result, 0);
            EXPECT_TRUE(recorded.empty());
            Lines expected = StageKeys(stage);
            for (const std::string& key : EndKeys(stage, way))
                expected.push_back(key);
            EXPECT_EQ(MenuKeys(), expected);
            EXPECT_EQ(Menus({1, 2, 3}), (std::vector<int>{0, 0, 0}));

            // The same from the tray: nothing is applied.
            SimTrace::Clear();
            OpenFromTray([&](CDlgMonitor& dialog) {
                Advance(dialog, stage);
                End(dialog, way);
            });
            ExpectNothingApplied();
        }
    }
}

// A device change ends the wizard only when a listed monitor stopped
// answering. When it is the one whose menu is open, nothing can be sent to
// it; when it is another, the open menu is closed first.
TEST_F(EndingTest, AMonitorThatStopsAnsweringEndsTheWizard)
{
    StartThree();
    struct Case {
        Stage stage;
        int silent;   // 0: every monitor answers
        Lines keys;   // calls on the menu key at the device change
    };
    for (const Case& c : {Case{Step2, 0, {}}, Case{Step1, 1, {}}, Case{Step3, 2, {"3:8000"}}}) {
        SCOPED_TRACE(c.silent);
        View before;
        View after;
        Lines keyCalls;
        std::vector<Recorded> recorded;
        const INT_PTR result = RunDialog([&](CDlgMonitor& dialog) {
            Advance(dialog, c.stage);
            if (c.silent) {
                ASSERT_TRUE(SimRun("fault " + std::to_string(c.silent) + " dead"));
            }
            SimTrace::Clear();
            before = Look(dialog);
            EXPECT_EQ(SendMessageA(dialog.m_hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
            after = Look(dialog);
            keyCalls = MenuKeys();
            // Described but not written counts too: nothing at all may be sent to a silent monitor.
            if (c.keys.empty()) {
                EXPECT_TRUE(SimTrace::With("feature=0xFF00:0x0F").empty());
            }
            if (!c.silent) {
                EXPECT_EQ(Menus({1, 2, 3}), (std::vector<int>{0, 1, 0}));
                Click(dialog, IDCANCEL);
            } else if (c.silent == 1) {
                // A close request can still come before the dialog is gone: nothing is freed twice.
                Main()->CloseSubDialogs();
            }
        }, &recorded);
        ASSERT_TRUE(SimRun("fault clear"));
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(recorded.empty());
        EXPECT_EQ(keyCalls, c.keys);
        EXPECT_EQ(after.message, before.message);
    }
}

// The monitor being added is not listed: when it stops answering, the wizard
// goes on, and what it recorded is applied. The rebuild leaves out the
// monitor it cannot read.
TEST_F(EndingTest, AMonitorBeingAddedThatStopsAnsweringLeavesTheWizardRunning)
{
    StartThree();
    View before;
    View after;
    OpenFromTray([&](CDlgMonitor& dialog) {
        Advance(dialog, Step3);
        ASSERT_TRUE(SimRun("fault 3 dead"));
        before = Look(dialog);
        EXPECT_EQ(SendMessageA(dialog.m_hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
        after = Look(dialog);
        ClickThrough(dialog);
        EXPECT_EQ(Look(dialog).message, Text(IDS_MANUAL_COMPLETE));
        Click(dialog, IDOK);
    });
    ASSERT_TRUE(SimRun("fault clear"));
    EXPECT_EQ(after.message, before.message);
    EXPECT_EQ(after.ok, "&Next");
    EXPECT_EQ(ListedSerials(), (Lines{"W0000001", "T0000002"}));
    EXPECT_EQ(StoredAssociations(), (Lines{"T0000002-1=\\\\.\\DISPLAY1", "W0000001-1=\\\\.\\DISPLAY1"}));
    EXPECT_TRUE(MonitorSetChangeQueued());
}

// Unplugged for real: the broadcast reaches the dialog and the main window,
// which rebuilds its list; the wizard ends and nothing of it is applied.
TEST_F(EndingTest, AMonitorUnpluggedDuringTheWizardEndsIt)
{
    StartThree();
    OpenFromTray([&](CDlgMonitor& dialog) {
        Advance(dialog, Step2);
        ASSERT_GE(SimUnplug(1), 0);
    });
    const Lines listed = ListedSerials();
    EXPECT_EQ(std::find(listed.begin(), listed.end(), "W0000001"), listed.end()) << "the main window follows the unplug";
    EXPECT_EQ(StoredAssociations(), Lines{"OLD00001-2=\\\\.\\DISPLAY2"});
    EXPECT_FALSE(theApp.m_bMonitorListOpen);
    EXPECT_EQ(theApp.m_hWndMonitorList, nullptr);
    EXPECT_EQ(Menus({2}), std::vector<int>{0});
}

} // namespace
