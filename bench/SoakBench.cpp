// Soak of the real talvex.exe with the default monitors, driven from outside
// through the simulated monitors' control pipe and the program's windows:
//  1. unplug/plug cycles (default 10,000), each with the settings window
//     open, every tenth with the colour adjustment dialog open as well;
//  2. monitor-list rebuilds (default 1,000), each after a burst of reports
//     (default 1,000) to the colour page or, in two rounds of five, to the
//     colour adjustment dialog; after each burst a click is posted behind it
//     and timed until it takes effect, which should be within 200 ms.
// Memory, kernel handles, windows and GDI objects are counted after a
// warm-up (twice 300 cycles and 20 rounds) and every 100 cycles and rounds,
// always in the same state (settings window hidden, every monitor plugged,
// the program idle); they should end within 1 % of where they started.
// Records that leaked would show in the memory.
// Run on the two-screen display, with time enough:
//   E2E_TIMEOUT=30000 tests/e2e/run-e2e.sh <source> <build> bench_soak.exe [cycles] [rebuilds] [per burst]
#include "bench/ProcessObjects.h"
#include "device/OrvelUsb.h"
#include "res/resource.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/SimPipe.h"
#include "tests/e2e/TalvexProcess.h"

#include <dbt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT TrayCallback = 0x464;
constexpr DWORD StartWaitMs = 30000;
constexpr DWORD StepWaitMs = 15000;
constexpr DWORD IdleBeforeCountMs = 1500;
constexpr int ColourTab = 1;
constexpr int DialogEvery = 10;
constexpr int ProgressEvery = 100;
// What the report-storm tests ask of 10,000 queued reports.
constexpr double ClickLimitMs = 200;
const char DialogCaption[] = "Color Adjustment";
// Monitor 1 of the default scenario: its first HID interface.
const char MonitorOneInterface[] =
    "\\\\?\\HID#VID_2E7A&PID_0101&MI_00#7&1a2b01&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

double NowMs()
{
    return TalvexProcess::Seconds(0, TalvexProcess::Now()) * 1000.0;
}

struct Series {
    std::vector<double> values;
    void Add(double value) { values.push_back(value); }
    double Max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
    void Print(const char* what, const char* unit) const
    {
        if (values.empty())
            return;
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        double sum = 0;
        for (double v : sorted)
            sum += v;
        std::printf("%-46s n %6zu  mean %8.1f  median %8.1f  p99 %8.1f  max %8.1f %s\n", what, sorted.size(),
                    sum / sorted.size(), sorted[sorted.size() / 2], sorted[sorted.size() * 99 / 100], sorted.back(),
                    unit);
    }
};

void PostClick(HWND control)
{
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

class Soak {
public:
    explicit Soak(TalvexProcess& run)
        : m_run(run), m_pipe(run.Pid()), m_objects(run.Handle(), run.Pid()), m_main(run.MainWindow())
    {
    }

    bool Settle();
    bool Cycle(int index);
    bool Round(int index, int perBurst);
    bool EndRounds();
    ObjectCounts IdleCounts();
    void PrintTimes() const;
    // Every click posted behind a burst took effect within the limit.
    bool ClicksWithin(double limitMs) const
    {
        return m_pageClickMs.Max() <= limitMs && m_dialogClickMs.Max() <= limitMs;
    }
    const std::string& Error() const { return m_error; }

private:
    bool Fail(const std::string& why);
    bool Ask(const std::string& command);
    bool OpenSettings();
    bool ShowColourTab();
    bool OpenColourDialog();
    HWND ColourDialog() const;
    HWND ColourPage() const;
    bool WaitClosed();
    bool Rebuild();
    bool ClickBehindTheBurst();
    double RoundTripMs();

    TalvexProcess& m_run;
    SimPipe m_pipe;
    ProcessObjects m_objects;
    HWND m_main;
    std::string m_error;
    Series m_cycleMs, m_cycleRoundTripMs, m_roundMs, m_burstRoundTripMs, m_pageClickMs, m_dialogClickMs,
        m_rebuildMs;
};

bool Soak::Fail(const std::string& why)
{
    m_error = why + " (" + RemoteWindow::ThreadState(m_main) + ")";
    return false;
}

bool Soak::Ask(const std::string& command)
{
    const std::string answer = m_pipe.Ask(command);
    return answer.rfind("error", 0) != 0 || Fail("\"" + command + "\": " + answer);
}

bool Soak::Settle()
{
    const bool listed = RemoteWindow::WaitUntil(
        [&] {
            const std::string list = m_pipe.Ask("list");
            size_t handles = 0;
            for (size_t at = 0; (at = list.find("handle=0x", at)) != std::string::npos; ++at)
                ++handles;
            return handles == 3;
        },
        StartWaitMs);
    return (listed && m_run.Sync(StepWaitMs)) || Fail("the default monitors were not found");
}

double Soak::RoundTripMs()
{
    const double start = NowMs();
    return m_run.Sync(StepWaitMs) ? NowMs() - start : -1;
}

HWND Soak::ColourDialog() const
{
    HWND dialog = RemoteWindow::FindDialog(m_run.Pid(), DialogCaption);
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

HWND Soak::ColourPage() const
{
    return RemoteWindow::FindPageWith(m_main, IDC_CHECK_SAME_MODELS_COLOR);
}

bool Soak::OpenSettings()
{
    if (IsWindowVisible(m_main))
        return true;
    PostMessageA(m_main, TrayCallback, 0, WM_LBUTTONDBLCLK);
    return RemoteWindow::WaitUntil([&] { return IsWindowVisible(m_main) != FALSE; }, StepWaitMs) ||
           Fail("the settings window did not open");
}

// A click on the tab, posted to the tab control at the tab's place.
bool Soak::ShowColourTab()
{
    HWND tab = RemoteWindow::FindControl(m_main, IDC_TAB);
    HWND page = ColourPage();
    RECT item{};
    if (!tab || !page || !RemoteWindow::TabItemScreenRect(tab, ColourTab, item))
        return Fail("no colour tab");
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ScreenToClient(tab, &centre);
    PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    PostMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    return (RemoteWindow::WaitUntil([&] { return IsWindowVisible(page) != FALSE; }, StepWaitMs) &&
            m_run.Sync(StepWaitMs)) ||
           Fail("the colour page did not show");
}

bool Soak::OpenColourDialog()
{
    HWND page = ColourPage();
    HWND button = RemoteWindow::FindControl(page, IDC_BTN_COLOR);
    if (!page || !button)
        return Fail("no \"C&olor...\" button");
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BTN_COLOR, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return RemoteWindow::WaitUntil([&] { return ColourDialog() != nullptr; }, StepWaitMs) ||
           Fail("the colour adjustment dialog did not open");
}

// A changed monitor set closes the dialogs and hides the settings window.
bool Soak::WaitClosed()
{
    return RemoteWindow::WaitUntil([&] { return !IsWindowVisible(m_main) && !ColourDialog(); }, StepWaitMs) ||
           Fail("the settings window or the dialog stayed after the monitor set changed");
}

bool Soak::Cycle(int index)
{
    const double start = NowMs();
    if (!OpenSettings())
        return false;
    if (index % DialogEvery == 0 && !(ShowColourTab() && OpenColourDialog()))
        return false;
    const std::string monitor = std::to_string(1 + index % 3);
    if (!Ask("unplug " + monitor) || !WaitClosed() || !Ask("plug " + monitor))
        return false;
    const double roundTrip = RoundTripMs();
    if (roundTrip < 0)
        return Fail("the main window does not answer");
    m_cycleRoundTripMs.Add(roundTrip);
    m_cycleMs.Add(NowMs() - start);
    return true;
}

// What Windows sends when a further HID interface of monitor 1 arrives: the
// program rebuilds its list, finds the same monitors and keeps its windows.
bool Soak::Rebuild()
{
    const size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + sizeof MonitorOneInterface;
    std::vector<char> storage(size, 0);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(storage.data());
    record->dbcc_size = static_cast<DWORD>(size);
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(record->dbcc_name, MonitorOneInterface, sizeof MonitorOneInterface);
    const double start = NowMs();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(m_main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(record),
                             SMTO_NORMAL, StepWaitMs, &result))
        return Fail("the rebuild did not end");
    m_rebuildMs.Add(NowMs() - start);
    return true;
}

// Posted behind the burst's messages, as the system hands out a click only
// once no posted message is left: the dialog's Cancel, else the page's
// "Apply to the same models".
bool Soak::ClickBehindTheBurst()
{
    const double start = NowMs();
    if (HWND dialog = ColourDialog()) {
        PostClick(RemoteWindow::FindControl(dialog, IDCANCEL));
        if (!RemoteWindow::WaitUntil([&] { return ColourDialog() == nullptr; }, StepWaitMs))
            return Fail("Cancel behind the burst did not close the dialog");
        m_dialogClickMs.Add(NowMs() - start);
        return true;
    }
    HWND box = RemoteWindow::FindControl(ColourPage(), IDC_CHECK_SAME_MODELS_COLOR);
    const LRESULT before = SendMessageA(box, BM_GETCHECK, 0, 0);
    PostClick(box);
    if (!RemoteWindow::WaitUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) != before; }, StepWaitMs))
        return Fail("the click behind the burst was not taken");
    m_pageClickMs.Add(NowMs() - start);
    return true;
}

bool Soak::Round(int index, int perBurst)
{
    const double start = NowMs();
    if (!OpenSettings() || (!IsWindowVisible(ColourPage()) && !ColourDialog() && !ShowColourTab()))
        return false;
    const int phase = index % 5;
    if ((phase == 1 || phase == 2) && !ColourDialog() && !OpenColourDialog())
        return false;
    if (!Ask("burst 1 " + std::to_string(perBurst)) || !Ask("wait 60000"))
        return false;
    const double roundTrip = RoundTripMs();
    if (roundTrip < 0)
        return Fail("the main window does not answer");
    m_burstRoundTripMs.Add(roundTrip);
    // The dialog stays open over one rebuild and is cancelled in the next round.
    if (phase != 1 && !ClickBehindTheBurst())
        return false;
    if (!Rebuild())
        return false;
    m_roundMs.Add(NowMs() - start);
    return true;
}

bool Soak::EndRounds()
{
    if (HWND dialog = ColourDialog()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        if (!RemoteWindow::WaitUntil([&] { return ColourDialog() == nullptr; }, StepWaitMs))
            return Fail("the dialog did not close");
    }
    HWND close = RemoteWindow::FindControl(m_main, IDC_CLOSE);
    PostMessageA(m_main, WM_COMMAND, MAKEWPARAM(IDC_CLOSE, BN_CLICKED), reinterpret_cast<LPARAM>(close));
    return RemoteWindow::WaitUntil([&] { return !IsWindowVisible(m_main); }, StepWaitMs) ||
           Fail("\"&Close\" did not hide the settings window");
}

ObjectCounts Soak::IdleCounts()
{
    m_run.Sync(StepWaitMs);
    Sleep(IdleBeforeCountMs);
    m_run.Sync(StepWaitMs);
    return m_objects.Count();
}

void Soak::PrintTimes() const
{
    m_cycleMs.Print("unplug/plug cycle", "ms");
    m_cycleRoundTripMs.Print("round trip to the main window after a cycle", "ms");
    m_roundMs.Print("burst and rebuild round", "ms");
    m_burstRoundTripMs.Print("round trip to the main window after a burst", "ms");
    m_pageClickMs.Print("page: click behind a burst to its effect", "ms");
    m_dialogClickMs.Print("dialog: Cancel behind a burst to its close", "ms");
    m_rebuildMs.Print("monitor-list rebuild (with its 500 ms sleep)", "ms");
}

void PrintCounts(const char* when, const ObjectCounts& counts)
{
    std::printf("%-28s private %8.2f MiB  handles %5ld  windows %4ld  GDI objects %5ld\n", when, counts.privateMb,
                counts.handles, counts.windows, counts.gdiObjects);
    std::fflush(stdout);
}

double Change(double from, double to)
{
    return from != 0 ? 100.0 * (to - from) / from : 0;
}

bool Within(const ObjectCounts& start, const ObjectCounts& end)
{
    const double changes[] = {Change(start.privateMb, end.privateMb), Change(start.handles, end.handles),
                              Change(start.windows, end.windows), Change(start.gdiObjects, end.gdiObjects)};
    std::printf("change from the start: private %+.2f %%, handles %+.2f %%, windows %+.2f %%, GDI %+.2f %%\n",
                changes[0], changes[1], changes[2], changes[3]);
    return std::all_of(std::begin(changes), std::end(changes), [](double c) { return c >= -1.0 && c <= 1.0; });
}

int Arg(int argc, char** argv, int index, int fallback)
{
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    const int cycles = Arg(argc, argv, 1, 10000);
    const int rebuilds = Arg(argc, argv, 2, 1000);
    const int perBurst = Arg(argc, argv, 3, 1000);
    // The simulator's in-memory trace (its last 20,000 lines) is part of the
    // program's memory, and its heap is rearranged each time the trace turns
    // over from report lines to cycle lines or back: one step of memory, up
    // or down, soon after each switch, then flat for thousands of cycles.
    // After one pass the step was 1 to 1.5 %; two passes of both parts take
    // it to 0.3 to 0.8 %, though not to nothing.
    constexpr int WarmUpPasses = 2;
    constexpr int WarmUpCycles = 300;
    constexpr int WarmUpRounds = 20;
    setvbuf(stdout, nullptr, _IONBF, 0);
    ProgramSettings::Clear();
    TalvexProcess run;
    std::string error;
    if (!run.Start("", "", error) || !run.WaitForMainWindow(StartWaitMs)) {
        std::printf("talvex.exe did not start: %s\n", error.c_str());
        return 1;
    }
    Soak soak(run);
    bool ok = soak.Settle();
    for (int pass = 0; ok && pass < WarmUpPasses; ++pass) {
        for (int i = 0; ok && i < WarmUpCycles; ++i)
            ok = soak.Cycle(i);
        for (int i = 0; ok && i < WarmUpRounds; ++i)
            ok = soak.Round(i, perBurst);
        ok = ok && soak.EndRounds();
    }
    if (!ok) {
        std::printf("warm-up failed: %s\n", soak.Error().c_str());
        return 1;
    }
    const ObjectCounts start = soak.IdleCounts();
    PrintCounts("after the warm-up", start);
    double blockStart = NowMs();
    for (int i = 0; ok && i < cycles; ++i) {
        ok = soak.Cycle(i);
        if (ok && (i + 1) % ProgressEvery == 0) {
            std::printf("cycles %d to %d: %.0f ms each\n", i + 2 - ProgressEvery, i + 1,
                        (NowMs() - blockStart) / ProgressEvery);
            PrintCounts(("after cycle " + std::to_string(i + 1)).c_str(), soak.IdleCounts());
            blockStart = NowMs();
        }
    }
    const ObjectCounts afterCycles = ok ? soak.IdleCounts() : ObjectCounts{};
    if (ok)
        PrintCounts("after the cycles", afterCycles);
    blockStart = NowMs();
    for (int i = 0; ok && i < rebuilds; ++i) {
        ok = soak.Round(i, perBurst);
        if (ok && (i + 1) % ProgressEvery == 0) {
            std::printf("rounds %d to %d: %.0f ms each, %ld reports sent\n", i + 2 - ProgressEvery, i + 1,
                        (NowMs() - blockStart) / ProgressEvery, static_cast<long>(i + 1) * perBurst);
            // Counted in the same state as the cycles: window hidden, dialog closed.
            ok = soak.EndRounds();
            if (ok)
                PrintCounts(("after round " + std::to_string(i + 1)).c_str(), soak.IdleCounts());
            blockStart = NowMs();
        }
    }
    ok = ok && soak.EndRounds();
    if (!ok) {
        std::printf("failed: %s\n", soak.Error().c_str());
        soak.PrintTimes();
        return 1;
    }
    const ObjectCounts end = soak.IdleCounts();
    PrintCounts("after the bursts", end);
    std::printf("%d cycles, %d rebuilds with %ld reports in all\n", cycles, rebuilds,
                static_cast<long>(rebuilds) * perBurst);
    soak.PrintTimes();
    const bool within = Within(start, afterCycles) & Within(start, end);
    const bool responsive = soak.ClicksWithin(ClickLimitMs);
    const double exitStart = NowMs();
    PostMessageA(run.MainWindow(), WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
    const bool exited = run.WaitForExit(StartWaitMs);
    std::printf("\"E&xit\" to process end: %.0f ms%s\n", NowMs() - exitStart, exited ? "" : " (did not end)");
    std::printf("%s\n", within && exited ? "every count ended within 1 % of the start" : "NOT within 1 %");
    std::printf("%s %.0f ms\n", responsive ? "every click behind a burst took effect within" : "NOT every click within",
                ClickLimitMs);
    return within && exited && responsive ? 0 : 2;
}
