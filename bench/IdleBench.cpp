// Idle cost of the real talvex.exe: hidden, default monitors, the foreground
// watcher on (first start: the settings are cleared), nothing happening,
// against a bare program with two 100 ms timers (bench_bare.exe timers, as
// the program's timers 10 and 14). Both are started here. Each round
// measures first both programs over the same window, so that a busy machine
// weighs on both alike: the ratio of their own CPU. Then each alone, for the
// wineserver's share, which the two cannot be told apart in.
// Run on the two-screen display: tests/e2e/run-e2e.sh <source> <build> bench_idle.exe [rounds] [seconds]
#include "bench/UnixProcess.h"
#include "res/resource.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/TalvexProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD WaitMs = 30000;
constexpr DWORD SettleMs = 3000;   // start-up's last posted work and Wine's helpers calm down

struct Round {
    double talvexTogether = 0, bareTogether = 0;   // per cent of one core, same window
    double talvexAlone = 0, talvexServer = 0;      // each alone, with the wineserver meanwhile
    double bareAlone = 0, bareServer = 0;
};

// A started program and its Linux side; ended when the object goes.
struct Program {
    TalvexProcess run;
    UnixProcess linuxSide;
    bool isTalvex = true;

    ~Program() { Stop(); }
    void Stop()
    {
        if (!run.Running())
            return;
        if (isTalvex)
            PostMessageA(run.MainWindow(), WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
        else
            PostMessageA(run.MainWindow(), WM_CLOSE, 0, 0);
        run.WaitForExit(WaitMs);
    }
};

bool Start(Program& program, bool talvex)
{
    std::string error;
    program.isTalvex = talvex;
    const bool started = talvex ? program.run.Start("", "", error)
                                : program.run.StartProgram("bench_bare.exe", "timers", "TalvexBenchBare", error);
    if (!started || !program.run.WaitForMainWindow(WaitMs) || !program.run.Sync(WaitMs)) {
        std::printf("%s did not start: %s\n", talvex ? "talvex.exe" : "bench_bare.exe", error.c_str());
        return false;
    }
    program.linuxSide = UnixProcess::Find(talvex ? "talvex.exe" : "bench_bare.exe");
    return program.linuxSide.Valid();
}

// CPU shares of each process over the next window, in per cent of one core.
bool Measure(const std::vector<const UnixProcess*>& processes, DWORD seconds, std::vector<double>& shares)
{
    Sleep(SettleMs);
    std::vector<double> before;
    for (const UnixProcess* process : processes)
        before.push_back(process->CpuSeconds());
    const LONGLONG start = TalvexProcess::Now();
    Sleep(seconds * 1000);
    const double elapsed = TalvexProcess::Seconds(start, TalvexProcess::Now());
    shares.clear();
    for (size_t i = 0; i < processes.size(); ++i) {
        const double after = processes[i]->CpuSeconds();
        if (before[i] < 0 || after < 0)
            return false;
        shares.push_back((after - before[i]) * 100 / elapsed);
    }
    return true;
}

bool MeasureRound(const UnixProcess& server, DWORD seconds, Round& round)
{
    std::vector<double> shares;
    Program talvex, bare;
    if (!Start(talvex, true) || !Start(bare, false) || !Measure({&talvex.linuxSide, &bare.linuxSide}, seconds, shares))
        return false;
    round.talvexTogether = shares[0];
    round.bareTogether = shares[1];
    bare.Stop();
    if (!Measure({&talvex.linuxSide, &server}, seconds, shares))
        return false;
    round.talvexAlone = shares[0];
    round.talvexServer = shares[1];
    talvex.Stop();
    Program bareAlone;
    if (!Start(bareAlone, false) || !Measure({&bareAlone.linuxSide, &server}, seconds, shares))
        return false;
    round.bareAlone = shares[0];
    round.bareServer = shares[1];
    return true;
}

void Report(const char* what, const std::vector<Round>& rounds, const std::function<double(const Round&)>& value)
{
    std::vector<double> values;
    for (const Round& round : rounds)
        values.push_back(value(round));
    std::sort(values.begin(), values.end());
    std::printf("%-46s min %7.3f  median %7.3f  max %7.3f\n", what, values.front(), values[values.size() / 2],
                values.back());
}

void ReportAll(const std::vector<Round>& rounds)
{
    Report("talvex.exe, both running (% of a core)", rounds, [](const Round& r) { return r.talvexTogether; });
    Report("two-timer program, both running", rounds, [](const Round& r) { return r.bareTogether; });
    Report("ratio of the two, same window", rounds, [](const Round& r) { return r.talvexTogether / r.bareTogether; });
    Report("talvex.exe alone", rounds, [](const Round& r) { return r.talvexAlone; });
    Report("  wineserver meanwhile", rounds, [](const Round& r) { return r.talvexServer; });
    Report("two-timer program alone", rounds, [](const Round& r) { return r.bareAlone; });
    Report("  wineserver meanwhile", rounds, [](const Round& r) { return r.bareServer; });
    Report("ratio alone, process", rounds, [](const Round& r) { return r.talvexAlone / r.bareAlone; });
    Report("ratio alone, process and wineserver", rounds, [](const Round& r) {
        return (r.talvexAlone + r.talvexServer) / (r.bareAlone + r.bareServer);
    });
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::max(1, std::atoi(argv[2]))) : 60;
    UnixProcess server = UnixProcess::Find("wineserver64");   // Debian's name for it
    if (!server.Valid())
        server = UnixProcess::Find("wineserver");
    if (!server.Valid()) {
        std::printf("the wineserver of this prefix cannot be read under Z:\\proc\n");
        return 1;
    }
    ProgramSettings::Clear();

    std::vector<Round> measured;
    for (int i = 0; i < rounds; ++i) {
        Round round;
        if (!MeasureRound(server, seconds, round)) {
            std::printf("round %d failed\n", i + 1);
            return 1;
        }
        std::printf("round %d: together %.3f %% / %.3f %% = %.3f; alone %.3f %% + %.3f %%, %.3f %% + %.3f %%\n", i + 1,
                    round.talvexTogether, round.bareTogether, round.talvexTogether / round.bareTogether,
                    round.talvexAlone, round.talvexServer, round.bareAlone, round.bareServer);
        measured.push_back(round);
    }
    std::printf("idle CPU over %lu s windows, %d rounds\n", static_cast<unsigned long>(seconds), rounds);
    ReportAll(measured);
    return 0;
}
