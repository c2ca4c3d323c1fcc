// A run from start to "E&xit" with three monitors on two screens and a few
// stored settings: every monitor read, bound to its screen and subscribed;
// a second copy that ends at once; the exit that unsubscribes, releases the
// monitors and deletes the tray icon.
#include "tests/e2e/E2eEnvironment.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/SimPipe.h"
#include "tests/e2e/TalvexRunTest.h"

#include <shellapi.h>

#include <cstdio>

namespace {

struct Monitor {
    const char* number;
    const char* serial;
    const char* model;
    const char* code;
    const char* libraryDisplay;   // where the monitor-information library puts it
    const char* boundDisplay;     // where the program must put it
    const char* label;
};

// The default monitors: three on two screens, two of one model. The third
// is bound by hand to the first screen, which wins over the library.
const Monitor Monitors[] = {
    {"1", "S27Q0001", "SIM-27Q", "SIM27Q01", "\\\\.\\DISPLAY1", "\\\\.\\DISPLAY1", "1"},
    {"2", "S27Q0002", "SIM-27Q", "SIM27Q01", "\\\\.\\DISPLAY2", "\\\\.\\DISPLAY2", "2"},
    {"3", "S32U0001", "SIM-32U", "SIM32U01", "\\\\.\\DISPLAY2", "\\\\.\\DISPLAY1", "1"},
};

const char StoredAssociation[] = "Monitor\\S32U0001-1";
const char StoredDisplay[] = "\\\\.\\DISPLAY1";

// Power keys stored for the second and third monitor (two hot-key types):
// Ctrl+Alt+F9 and Ctrl+Alt+F10.
struct StoredKey {
    const char* subkey;
    BYTE virtualKey;
};
const StoredKey StoredKeys[] = {{"HotKey\\SIM-27Q_S27Q0002", VK_F9}, {"HotKey\\SIM-32U_S32U0001", VK_F10}};
constexpr BYTE HotKeyControlAlt = 0x02 | 0x04;
constexpr UINT PowerModifiers = MOD_CONTROL | MOD_ALT;

const char Tip[] = "Talvex Ver1.0.1";
constexpr UINT TrayFlags = 0x7;   // message, icon, tip

void StoreSettings()
{
    ASSERT_TRUE(ProgramSettings::WriteString(StoredAssociation, "Display Name", StoredDisplay));
    for (const StoredKey& key : StoredKeys) {
        ASSERT_TRUE(ProgramSettings::WriteBinary(key.subkey, "VKey", {key.virtualKey, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        ASSERT_TRUE(ProgramSettings::WriteBinary(key.subkey, "Mod", {HotKeyControlAlt, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
}

// Whether every stored power key is held (by the program) or every one free.
bool PowerKeysTaken(bool taken)
{
    for (const StoredKey& key : StoredKeys) {
        if (TalvexRunTest::HotKeyTaken(PowerModifiers, key.virtualKey) != taken)
            return false;
    }
    return true;
}

const TraceEntry* Read(const TraceLog& log, const Monitor& m, const char* feature)
{
    return log.Last("KvGetFeatureArray", {{"monitor", m.number}, {"feature", feature}, {"result", AnySuccess}});
}

// Identity and model code read, and a record of the monitor-information library.
void ExpectRead(const TraceLog& log, const Monitor& m)
{
    SCOPED_TRACE(std::string("monitor ") + m.number);
    const TraceEntry* identity = Read(log, m, "0xFF00:0x35");
    ASSERT_NE(identity, nullptr) << "identity not read";
    const std::string text = TraceLog::HexText(identity->value("data"));
    EXPECT_EQ(text.substr(0, 8), m.serial);
    EXPECT_EQ(text.find(m.model), 8u) << text;
    const TraceEntry* code = Read(log, m, "0xFF00:0xC3");
    ASSERT_NE(code, nullptr) << "model code not read";
    EXPECT_EQ(TraceLog::HexText(code->value("data")), m.code);
    EXPECT_GE(log.Count("KvnGetMonitorInfo", {{"serial", m.serial}, {"display", m.libraryDisplay}, {"result", "0"}}),
              1u)
        << "the library's record of the monitor was not asked for";
    const TraceEntry* capabilities = Read(log, m, "0xFF00:0xCE");
    EXPECT_NE(capabilities, nullptr) << "capabilities not read";
}

// Flag cleared and reports subscribed, the subscription after the whole list was built.
void ExpectConnected(const TraceLog& log, const Monitor& m, SimPipe& pipe)
{
    SCOPED_TRACE(std::string("monitor ") + m.number);
    const TraceEntry* cleared = log.Last(
        "KvSetFeatureArray", {{"monitor", m.number}, {"feature", "0xFF01:0x68"}, {"data", "0000"}, {"result", AnySuccess}});
    ASSERT_NE(cleared, nullptr) << "connect flag not cleared";
    EXPECT_EQ(pipe.Ask(std::string("get ") + m.number + " connect-flag"), "0");
    const TraceEntry* subscribed = log.Last("KvReportON", {{"monitor", m.number}, {"result", AnySuccess}});
    ASSERT_NE(subscribed, nullptr) << "reports not subscribed";
    const TraceEntry* lastCleared = log.Last("KvSetFeatureArray", {{"feature", "0xFF01:0x68"}});
    EXPECT_GT(subscribed->sequence, lastCleared->sequence);
}

std::string ComboLine(const Monitor& m)
{
    return TalvexRunTest::MonitorLine(m.label, m.model, m.serial);
}

double Since(LONGLONG ticks)
{
    return TalvexProcess::Seconds(ticks, TalvexProcess::Now());
}

} // namespace

class StartupExitTest : public TalvexRunTest {
protected:
    // Far more than a start needs: a start that hangs fails soon.
    static constexpr DWORD ScenarioStartWaitMs = 15000;
    // Into the last entry of a popup menu from its bottom edge: past the
    // frame, well within one entry's height.
    static constexpr LONG LastItemOffset = 8;

    void ExpectSecondCopyEndsAtOnce(const TalvexProcess& first, SimPipe& pipe);
    void ExpectCleanExit(TalvexProcess& run, const TraceFile& trace, int shownBefore);
    static void ExpectBoundInColourPage(const TalvexProcess& run, HWND page);
};

// The settings window's list shows each monitor on the screen it was bound
// to; the current one is the first of the list on the window's screen.
void StartupExitTest::ExpectBoundInColourPage(const TalvexProcess& run, HWND page)
{
    HWND combo = RemoteWindow::FindControl(page, IDC_COMBO_MONITOR);
    const std::vector<std::string> items = RemoteWindow::ComboItems(combo);
    ASSERT_EQ(items.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(items[i], ComboLine(Monitors[i]));
    const std::string screen = ScreenOf(run.MainWindow());
    int expected = -1;
    for (int i = 0; i < 3 && expected < 0; ++i) {
        if (screen == Monitors[i].boundDisplay)
            expected = i;
    }
    EXPECT_EQ(RemoteWindow::ComboSelection(combo), expected) << "window on " << screen;
}

void StartupExitTest::ExpectSecondCopyEndsAtOnce(const TalvexProcess& first, SimPipe& pipe)
{
    TraceFile trace(E2eEnvironment::FreshFile("second-start-trace.txt"));
    TalvexProcess second;
    std::string error;
    ASSERT_TRUE(second.Start("", trace.Path(), error)) << error;
    DWORD code = 0;
    ASSERT_TRUE(second.WaitForExit(StartWaitMs, &code)) << "the second copy keeps running";
    const double seconds = TalvexProcess::Seconds(second.StartTicks(), TalvexProcess::Now());
    std::printf("[ figures  ] second start ended after %.3f s\n", seconds);
    RecordProperty("second_start_ms", static_cast<int>(seconds * 1000));
    EXPECT_LT(seconds, 10.0);

    const TraceLog log = trace.Read();
    EXPECT_EQ(log.Count("KvFind") + log.Count("KvnFindMonitors") + log.Count("KvReportON"), 0u)
        << "the second copy went looking for monitors:\n" << trace.Text();
    EXPECT_EQ(log.Count("KvRelease", {{"result", AnySuccess}}), 1u) << "its way out releases the library";
    for (const TraySpy::Call& call : E2eEnvironment::Spy().Calls())
        EXPECT_NE(call.ownerPid, second.Pid()) << "the second copy touched the tray";

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(first.MainWindow()));
    EXPECT_TRUE(first.Sync(StepWaitMs));
    const std::string listed = pipe.Ask("list");
    EXPECT_NE(listed.find("3 serial=S32U0001"), std::string::npos) << "the first copy's monitors are gone: " << listed;
}

void StartupExitTest::ExpectCleanExit(TalvexProcess& run, const TraceFile& trace, int shownBefore)
{
    const HWND main = run.MainWindow();
    const TraceLog before = trace.Read();
    const LONGLONG commanded = TalvexProcess::Now();
    Command(run, ID_TRAY_EXIT);
    DWORD code = 99;
    ASSERT_TRUE(run.WaitForExit(StartWaitMs, &code)) << "\"E&xit\" did not end the program";
    std::printf("[ figures  ] exit took %.3f s\n", Since(commanded));
    EXPECT_EQ(code, 0u);

    const TraceLog log = trace.Read();
    for (const Monitor& m : Monitors) {
        const TraceEntry* on = before.Last("KvReportON", {{"monitor", m.number}, {"result", AnySuccess}});
        ASSERT_NE(on, nullptr);
        EXPECT_NE(log.FirstAfter(before.LastSequence(), "KvReportOFF",
                                 {{"handle", on->value("handle")}, {"monitor", m.number}, {"result", AnySuccess}}),
                  nullptr)
            << "reports of monitor " << m.number << " not ended";
    }
    const TraceEntry* released = log.Last("KvRelease", {{"result", AnySuccess}});
    ASSERT_NE(released, nullptr) << "the monitors were not released";
    EXPECT_EQ(released->sequence, log.LastSequence()) << "the release is the last call";
    EXPECT_LT(log.Last("KvReportOFF")->sequence, released->sequence);

    const std::vector<TraySpy::Call> tray = TrayCallsOf(main);
    ASSERT_FALSE(tray.empty());
    const TraySpy::Call& deleted = tray.back();
    EXPECT_EQ(deleted.record.message, static_cast<DWORD>(NIM_DELETE)) << "the icon was left to Wine";
    EXPECT_EQ(deleted.record.id, 0u);
    EXPECT_TRUE(deleted.ownerAlive) << "deleted by the program, while its window existed";
    EXPECT_EQ(deleted.answer, TRUE) << "Wine's tray knew the icon";
    EXPECT_TRUE(RemoteWindow::WaitUntil([&] { return TraySpy::ShownIconCount() == shownBefore; }, StepWaitMs));
    EXPECT_TRUE(PowerKeysTaken(false)) << "the power keys were not given back";
}

TEST_F(StartupExitTest, EveryMonitorBoundOneInstanceAndACleanExit)
{
    StoreSettings();
    TraceFile trace(E2eEnvironment::FreshFile("startup-trace.txt"));
    const int shownBefore = TraySpy::ShownIconCount();
    TalvexProcess run;
    ASSERT_TRUE(StartAndSettle(run, "", trace, 3));
    SimPipe pipe(run.Pid());

    {
        SCOPED_TRACE("start-up");
        const TraceLog log = trace.Read();
        for (const Monitor& m : Monitors) {
            ExpectRead(log, m);
            ExpectConnected(log, m, pipe);
        }
        EXPECT_FALSE(IsWindowVisible(run.MainWindow())) << "the program starts in the tray";
        EXPECT_TRUE(PowerKeysTaken(true)) << "the stored power keys are not registered";
    }
    {
        SCOPED_TRACE("tray icon");
        const std::vector<TraySpy::Call> tray = TrayCallsOf(run.MainWindow());
        ASSERT_EQ(tray.size(), 2u) << "an add, then the picture of a present monitor";
        EXPECT_EQ(tray[0].record.message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(tray[1].record.message, static_cast<DWORD>(NIM_MODIFY));
        for (const TraySpy::Call& call : tray) {
            EXPECT_EQ(call.record.id, 0u);
            EXPECT_EQ(call.record.flags, TrayFlags);
            EXPECT_EQ(call.record.callback, TrayCallback);
            EXPECT_EQ(call.record.tip, Tip);
            EXPECT_EQ(call.answer, TRUE);
        }
        EXPECT_NE(tray[0].record.iconHash, tray[1].record.iconHash) << "the image did not change";
        EXPECT_EQ(TraySpy::ShownIconCount(), shownBefore + 1);
    }
    {
        SCOPED_TRACE("second start");
        ExpectSecondCopyEndsAtOnce(run, pipe);
    }
    {
        SCOPED_TRACE("settings window");
        ASSERT_TRUE(OpenSettings(run));
        EXPECT_TRUE(PowerKeysTaken(false)) << "hot keys stay registered while the window is open";
        std::string error;
        HWND page = ShowColourPage(run, error);
        ASSERT_NE(page, nullptr) << error;
        ExpectBoundInColourPage(run, page);
        ASSERT_TRUE(CloseSettings(run, error)) << error;
        EXPECT_TRUE(PowerKeysTaken(true)) << "\"&Close\" registers the hot keys again";
    }
    {
        SCOPED_TRACE("exit");
        ExpectCleanExit(run, trace, shownBefore);
        std::string display;
        EXPECT_TRUE(ProgramSettings::ReadString(StoredAssociation, "Display Name", display));
        EXPECT_EQ(display, StoredDisplay) << "the stored association was touched";
    }
}

// The monitors can come from a scenario file named in the environment
// instead of the embedded default: the program starts with them.
TEST_F(StartupExitTest, StartsWithTheMonitorsOfAScenarioFile)
{
    const std::string scenario = E2eEnvironment::WriteFile("one-monitor.txt", "profile one\n"
                                                                             "  model \"E2E-ONE\"\n"
                                                                             "  code E2EONE01\n"
                                                                             "  modes 22 23\n"
                                                                             "end\n"
                                                                             "monitor 1 one E2E00001 display 2\n");
    TraceFile trace(E2eEnvironment::FreshFile("scenario-file-trace.txt"));
    TalvexProcess run;
    ASSERT_TRUE(StartAndSettle(run, scenario, trace, 1, ScenarioStartWaitMs));
    const TraceLog log = trace.Read();
    const TraceEntry* identity = log.Last("KvGetFeatureArray", {{"feature", "0xFF00:0x35"}, {"result", AnySuccess}});
    ASSERT_NE(identity, nullptr);
    EXPECT_EQ(TraceLog::HexText(identity->value("data")).substr(0, 8), "E2E00001");
    Command(run, ID_TRAY_EXIT);
    EXPECT_TRUE(run.WaitForExit(StepWaitMs));
}

// The user's way out: a right click on the tray icon, then "E&xit", the
// last entry of the menu, clicked.
TEST_F(StartupExitTest, ExitChosenFromTheTrayMenu)
{
    TraceFile trace(E2eEnvironment::FreshFile("menu-exit-trace.txt"));
    TalvexProcess run;
    ASSERT_TRUE(StartAndSettle(run, "", trace, 3));
    std::string error;
    HWND menu = RightClickTrayIcon(run, error);
    ASSERT_NE(menu, nullptr) << error;
    RECT rect{};
    GetWindowRect(menu, &rect);
    const POINT exitItem{(rect.left + rect.right) / 2, rect.bottom - LastItemOffset};
    ASSERT_TRUE(RemoteWindow::ClickAt(exitItem, menu, error)) << error;
    ASSERT_TRUE(run.WaitForExit(StepWaitMs)) << "\"E&xit\" from the menu did not end the program";
    const TraceLog log = trace.Read();
    const TraceEntry* released = log.Last("KvRelease", {{"result", AnySuccess}});
    ASSERT_NE(released, nullptr) << "the monitors were not released";
    EXPECT_EQ(released->sequence, log.LastSequence());
    const std::vector<TraySpy::Call> tray = TrayCallsOf(run.MainWindow());
    ASSERT_FALSE(tray.empty());
    EXPECT_EQ(tray.back().record.message, static_cast<DWORD>(NIM_DELETE));
}
