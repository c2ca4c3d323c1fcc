// Start-up of the real talvex.exe with the default monitors, seen from
// outside: process start to main window, tray icon added and switched to
// the monitor picture, every monitor subscribed, the message loop idle;
// then its private memory, and the time "E&xit" takes. Each round also
// starts a bare tray program (bench_bare.exe tray) for the same figures of
// a program that does nothing else, and gives talvex.exe's as ratios; the
// last round's private memory of both is shown by place.
// Run on the two-screen display: tests/e2e/run-e2e.sh <source> <build> bench_startup.exe [rounds]
#include "bench/MemoryMap.h"
#include "res/resource.h"
#include "tests/e2e/TalvexProcess.h"
#include "tests/e2e/TraceFile.h"
#include "tests/e2e/TraySpy.h"

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD WaitMs = 30000;
constexpr DWORD IdleBeforeMemoryMs = 1000;
constexpr size_t DefaultMonitors = 3;

struct Round {
    double window = 0, iconAdded = 0, iconSwitched = 0, subscribed = 0, idle = 0, exit = 0;
    double privateMb = 0, workingSetMb = 0;
    double bareIconAdded = 0, barePrivateMb = 0;
    MemoryMap::Shares places, barePlaces;
    double IconRatio() const { return iconAdded / bareIconAdded; }
    double MemoryRatio() const { return privateMb / barePrivateMb; }
};

const TraySpy::Call* FindCall(const std::vector<TraySpy::Call>& calls, DWORD pid, DWORD message)
{
    for (const TraySpy::Call& call : calls) {
        if (call.ownerPid == pid && call.record.message == message)
            return &call;
    }
    return nullptr;
}

// Seconds from the process start to the tray request, or -1 when none came.
double TrayTime(TraySpy& spy, const TalvexProcess& run, DWORD message)
{
    spy.WaitFor([&](const std::vector<TraySpy::Call>& calls) { return FindCall(calls, run.Pid(), message); },
                WaitMs);
    const std::vector<TraySpy::Call> calls = spy.Calls();
    const TraySpy::Call* call = FindCall(calls, run.Pid(), message);
    return call ? TalvexProcess::Seconds(run.StartTicks(), call->ticks) : -1;
}

// Polls the trace closely: its lines carry no time of their own.
double SubscribedTime(const TraceFile& trace, const TalvexProcess& run)
{
    const DWORD deadline = GetTickCount() + WaitMs;
    while (GetTickCount() < deadline) {
        if (trace.Read().Count("KvReportON", {{"result", AnySuccess}}) >= DefaultMonitors)
            return TalvexProcess::Seconds(run.StartTicks(), TalvexProcess::Now());
        Sleep(1);
    }
    return -1;
}

bool Fail(const char* what)
{
    std::printf("%s\n", what);
    return false;
}

bool MeasureRound(TraySpy& spy, const std::string& tracePath, Round& round)
{
    TraceFile trace(tracePath);
    trace.Reset();
    TalvexProcess run;
    std::string error;
    if (!run.Start("", trace.Path(), error)) {
        std::printf("%s\n", error.c_str());
        return false;
    }
    if (!run.WaitForMainWindow(WaitMs))
        return Fail("talvex.exe showed no main window");
    round.window = TalvexProcess::Seconds(run.StartTicks(), TalvexProcess::Now());
    round.iconAdded = TrayTime(spy, run, NIM_ADD);
    round.iconSwitched = TrayTime(spy, run, NIM_MODIFY);
    round.subscribed = SubscribedTime(trace, run);
    if (!run.Sync(WaitMs))
        return Fail("talvex.exe did not take a message");
    round.idle = TalvexProcess::Seconds(run.StartTicks(), TalvexProcess::Now());

    Sleep(IdleBeforeMemoryMs);
    const TalvexProcess::Memory memory = run.MemoryUse();
    round.privateMb = memory.privateBytes / 1048576.0;
    round.workingSetMb = memory.workingSet / 1048576.0;
    round.places = MemoryMap::Of(run.Handle(), UnixProcess::Find("talvex.exe"));

    const LONGLONG commanded = TalvexProcess::Now();
    PostMessageA(run.MainWindow(), WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
    if (!run.WaitForExit(WaitMs))
        return Fail("talvex.exe did not end");
    round.exit = TalvexProcess::Seconds(commanded, TalvexProcess::Now());
    if (round.iconAdded < 0 || round.iconSwitched < 0)
        return Fail("talvex.exe's tray requests were not seen");
    return round.subscribed >= 0 || Fail("not every monitor was subscribed");
}

bool MeasureBareRound(TraySpy& spy, Round& round)
{
    TalvexProcess run;
    std::string error;
    if (!run.StartProgram("bench_bare.exe", "tray", "TalvexBenchBare", error)) {
        std::printf("%s\n", error.c_str());
        return false;
    }
    if (!run.WaitForMainWindow(WaitMs))
        return Fail("bench_bare.exe showed no window");
    round.bareIconAdded = TrayTime(spy, run, NIM_ADD);
    if (!run.Sync(WaitMs))
        return Fail("bench_bare.exe did not take a message");
    Sleep(IdleBeforeMemoryMs);
    round.barePrivateMb = run.MemoryUse().privateBytes / 1048576.0;
    round.barePlaces = MemoryMap::Of(run.Handle(), UnixProcess::Find("bench_bare.exe"));
    PostMessageA(run.MainWindow(), WM_CLOSE, 0, 0);
    if (!run.WaitForExit(WaitMs))
        return Fail("bench_bare.exe did not end");
    return round.bareIconAdded > 0 || Fail("bench_bare.exe's tray request was not seen");
}

void Report(const char* what, std::vector<double> values, double scale, const char* unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-46s min %8.2f  median %8.2f  max %8.2f %s\n", what, values.front() * scale,
                values[values.size() / 2] * scale, values.back() * scale, unit);
}

void ReportAll(const std::vector<Round>& rounds)
{
    auto column = [&](double Round::*field) {
        std::vector<double> values;
        for (const Round& round : rounds)
            values.push_back(round.*field);
        return values;
    };
    Report("process start to main window", column(&Round::window), 1000, "ms");
    Report("process start to tray icon added", column(&Round::iconAdded), 1000, "ms");
    Report("process start to monitor picture in the tray", column(&Round::iconSwitched), 1000, "ms");
    Report("process start to every monitor subscribed", column(&Round::subscribed), 1000, "ms");
    Report("process start to message loop idle", column(&Round::idle), 1000, "ms");
    Report("private memory after start-up", column(&Round::privateMb), 1, "MiB");
    Report("working set after start-up", column(&Round::workingSetMb), 1, "MiB");
    Report("\"E&xit\" to process end", column(&Round::exit), 1000, "ms");
    Report("bare tray program: start to tray icon added", column(&Round::bareIconAdded), 1000, "ms");
    Report("bare tray program: private memory", column(&Round::barePrivateMb), 1, "MiB");
    auto ratios = [&](double (Round::*ratio)() const) {
        std::vector<double> values;
        for (const Round& round : rounds)
            values.push_back((round.*ratio)());
        return values;
    };
    Report("ratio to the bare program: tray icon added", ratios(&Round::IconRatio), 1, "");
    Report("ratio to the bare program: private memory", ratios(&Round::MemoryRatio), 1, "");
}

void ReportPlaces(const Round& round)
{
    constexpr double Shown = 0.05;   // MiB; smaller places are summed up
    std::vector<std::pair<double, std::string>> rows;
    for (const auto& [place, mib] : round.places)
        rows.push_back({mib, place});
    for (const auto& [place, mib] : round.barePlaces) {
        if (!round.places.count(place))
            rows.push_back({0, place});
    }
    std::sort(rows.rbegin(), rows.rend());
    auto bare = [&](const std::string& place) {
        const auto found = round.barePlaces.find(place);
        return found == round.barePlaces.end() ? 0.0 : found->second;
    };
    std::printf("private memory by place, last round (MiB)      talvex.exe  bare tray program\n");
    double restTalvex = 0, restBare = 0, allTalvex = 0, allBare = 0;
    for (const auto& [mib, place] : rows) {
        allTalvex += mib;
        allBare += bare(place);
        if (mib < Shown && bare(place) < Shown) {
            restTalvex += mib;
            restBare += bare(place);
            continue;
        }
        std::printf("  %-52s %8.2f %8.2f\n", place.c_str(), mib, bare(place));
    }
    std::printf("  %-52s %8.2f %8.2f\n", "smaller places together", restTalvex, restBare);
    std::printf("  %-52s %8.2f %8.2f\n", "all", allTalvex, allBare);
}

// This measuring program: Wine's share of any process with a window.
void ReportOwnMemory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        std::printf("for comparison, this measuring program: private %.1f MiB, working set %.1f MiB\n",
                    counters.PagefileUsage / 1048576.0, counters.WorkingSetSize / 1048576.0);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TraySpy spy;
    std::string error;
    if (!spy.Start(error)) {
        std::printf("the tray cannot be watched: %s\n", error.c_str());
        return 1;
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string tracePath = std::string(temp) + "talvex-startup-bench-trace.txt";

    std::vector<Round> measured;
    for (int i = 0; i < rounds; ++i) {
        Round round;
        if (!MeasureRound(spy, tracePath, round) || !MeasureBareRound(spy, round)) {
            std::printf("round %d failed\n", i + 1);
            return 1;
        }
        measured.push_back(round);
    }
    std::printf("talvex.exe start-up, default monitors, %d rounds (the first warms Wine up)\n", rounds);
    ReportAll(measured);
    ReportPlaces(measured.back());
    ReportOwnMemory();
    return 0;
}
