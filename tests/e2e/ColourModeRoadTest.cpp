// The road of one request with the default monitors (two of one model on
// two screens, one of another): the settings window from the tray, the
// "Color Adjustment" tab clicked, a mode picked with "Apply to the same
// models" checked, the window closed with "&Close".
#include "tests/e2e/E2eEnvironment.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/SimPipe.h"
#include "tests/e2e/TalvexRunTest.h"

#include <cstdio>

namespace {

const char ModeFeature[] = "0xFF00:0x15";
// Modes that both models offer, so that a write to the other model would
// be taken and show in the trace.
constexpr int FirstPick = 33;
constexpr int SecondPick = 40;
constexpr int OtherModelStartMode = 23;

std::string HexWord(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X", value & 0xFF, value >> 8 & 0xFF);
    return text;
}

// Mode writes to a monitor after a point of the trace.
std::vector<const TraceEntry*> ModeWrites(const TraceLog& log, long after, const std::string& monitor)
{
    std::vector<const TraceEntry*> writes;
    for (const char* call : {"KvSetFeatureArray", "KvSetFeatureValue"}) {
        for (const TraceEntry* entry : log.Find(call, {{"monitor", monitor}, {"feature", ModeFeature}})) {
            if (entry->sequence > after)
                writes.push_back(entry);
        }
    }
    return writes;
}

} // namespace

class ColourModeRoadTest : public TalvexRunTest {
protected:
    // Picks a mode as the user's choice in the list does: the selection,
    // then the list's change notification to the page, handled when this returns.
    ::testing::AssertionResult PickMode(HWND page, int mode);
    bool ClickSameModels(HWND page, bool checked);

    TalvexProcess m_run;
    std::string m_error;
};

::testing::AssertionResult ColourModeRoadTest::PickMode(HWND page, int mode)
{
    HWND modes = RemoteWindow::FindControl(page, IDC_COMBO_COLOR_MODE);
    const int item = RemoteWindow::ComboIndexOfData(modes, mode);
    if (item < 0)
        return ::testing::AssertionFailure() << "mode " << mode << " is not in the list";
    if (!IsWindowEnabled(modes))
        return ::testing::AssertionFailure() << "the mode list is disabled";
    SendMessageA(modes, CB_SETCURSEL, item, 0);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(page, WM_COMMAND, MAKEWPARAM(IDC_COMBO_COLOR_MODE, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(modes), SMTO_NORMAL, StepWaitMs, &result))
        return ::testing::AssertionFailure() << "the page did not take the pick";
    return ::testing::AssertionSuccess();
}

bool ColourModeRoadTest::ClickSameModels(HWND page, bool checked)
{
    HWND box = RemoteWindow::FindControl(page, IDC_CHECK_SAME_MODELS_COLOR);
    const LRESULT wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    return RemoteWindow::Click(box, m_error) &&
           RemoteWindow::WaitUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == wanted; }, StepWaitMs) &&
           m_run.Sync(StepWaitMs);
}

TEST_F(ColourModeRoadTest, ModeGoesToTheCurrentMonitorAndItsSameModelTwin)
{
    TraceFile trace(E2eEnvironment::FreshFile("road-trace.txt"));
    ASSERT_TRUE(StartAndSettle(m_run, "", trace, 3));
    SimPipe pipe(m_run.Pid());

    ASSERT_TRUE(DoubleClickTrayIcon(m_run, m_error)) << m_error;
    const long beforeTab = trace.Read().LastSequence();
    HWND page = ShowColourPage(m_run, m_error);
    ASSERT_NE(page, nullptr) << m_error;

    HWND monitors = RemoteWindow::FindControl(page, IDC_COMBO_MONITOR);
    EXPECT_EQ(RemoteWindow::ComboItems(monitors),
              (std::vector<std::string>{MonitorLine("1", "SIM-27Q", "S27Q0001"), MonitorLine("2", "SIM-27Q", "S27Q0002"),
                                        MonitorLine("2", "SIM-32U", "S32U0001")}));
    const int currentIndex = RemoteWindow::ComboSelection(monitors);
    ASSERT_TRUE(currentIndex == 0 || currentIndex == 1) << "the current monitor is one of the pair";
    const std::string current = std::to_string(currentIndex + 1);
    const std::string twin = currentIndex == 0 ? "2" : "1";
    EXPECT_EQ(currentIndex == 0 ? "\\\\.\\DISPLAY1" : "\\\\.\\DISPLAY2", ScreenOf(m_run.MainWindow()))
        << "the current monitor is the first one on the window's screen";
    const TraceLog shown = trace.Read();
    EXPECT_NE(shown.FirstAfter(beforeTab, "KvGetFeatureArray", {{"monitor", current}, {"feature", ModeFeature}}),
              nullptr)
        << "the page did not re-read the current monitor";

    ASSERT_TRUE(ClickSameModels(page, true)) << m_error;
    DWORD multiControl = 0;
    EXPECT_TRUE(ProgramSettings::ReadDword("Color", "Multi Control", multiControl));
    EXPECT_EQ(multiControl, 1u);

    const long beforePick = trace.Read().LastSequence();
    ASSERT_TRUE(PickMode(page, FirstPick));
    TraceLog log = trace.Read();
    const auto currentWrites = ModeWrites(log, beforePick, current);
    const auto twinWrites = ModeWrites(log, beforePick, twin);
    ASSERT_EQ(currentWrites.size(), 1u);
    ASSERT_EQ(twinWrites.size(), 1u) << "the same-model monitor was not written";
    EXPECT_EQ(currentWrites[0]->value("data").substr(0, 4), HexWord(FirstPick));
    EXPECT_EQ(twinWrites[0]->value("data").substr(0, 4), HexWord(FirstPick));
    EXPECT_LT(currentWrites[0]->sequence, twinWrites[0]->sequence);
    EXPECT_NE(log.FirstAfter(currentWrites[0]->sequence, "KvGetFeatureArray",
                             {{"monitor", twin}, {"feature", ModeFeature}, {"result", AnySuccess}}),
              nullptr)
        << "the twin is asked before it is written";
    EXPECT_TRUE(ModeWrites(log, beforePick, "3").empty()) << "the other model was written";
    EXPECT_EQ(pipe.Ask("get " + current + " mode"), std::to_string(FirstPick));
    EXPECT_EQ(pipe.Ask("get " + twin + " mode"), std::to_string(FirstPick));
    EXPECT_EQ(pipe.Ask("get 3 mode"), std::to_string(OtherModelStartMode));

    // Without the box only the current monitor follows.
    ASSERT_TRUE(ClickSameModels(page, false)) << m_error;
    EXPECT_TRUE(ProgramSettings::ReadDword("Color", "Multi Control", multiControl));
    EXPECT_EQ(multiControl, 0u);
    const long beforeSecond = trace.Read().LastSequence();
    ASSERT_TRUE(PickMode(page, SecondPick));
    log = trace.Read();
    EXPECT_EQ(ModeWrites(log, beforeSecond, current).size(), 1u);
    EXPECT_TRUE(ModeWrites(log, beforeSecond, twin).empty());
    EXPECT_EQ(pipe.Ask("get " + twin + " mode"), std::to_string(FirstPick));

    ASSERT_TRUE(CloseSettings(m_run, m_error)) << m_error;
    Command(m_run, ID_TRAY_EXIT);
    EXPECT_TRUE(m_run.WaitForExit(StartWaitMs));
}
