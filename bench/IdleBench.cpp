// Idle cost of the real talvex.exe: hidden, default monitors, the foreground
// watcher on (first start: the settings are cleared), nothing happening.
// Its CPU and the wineserver's over a measuring window, against a bare
// program with two 100 ms timers (bench_bare.exe timers, as the program's
// timers 10 and 14); both are started here, one after the other in each round.
// Run on the two-screen display: tests/e2e/run-e2e.sh <source> <build> bench_idle.exe [rounds] [seconds]
#include "bench/UnixProcess.h"
#include "res/resource.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/TalvexProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD WaitMs = 30000;
constexpr DWORD SettleMs = 3000;   // start-up's last posted work and Wine's helpers calm down

struct Cpu {
    double program = 0;   // share of one core, in per cent
    double server = 0;
    double Total() const { return program + server; }
};

// CPU shares of the process and the wineserver over the next window.
bool MeasureWindow(const UnixProcess& process, const UnixProcess& server, DWORD seconds, Cpu& cpu)
{
    const double program0 = process.CpuSeconds();
    const double server0 = server.CpuSeconds();
    const LONGLONG start = TalvexProcess::Now();
    Sleep(seconds * 1000);
    const double program1 = process.CpuSeconds();
    const double server1 = server.CpuSeconds();
    const double elapsed = TalvexProcess::Seconds(start, TalvexProcess::Now());
    if (program0 < 0 || program1 < 0 || server0 < 0 || server1 < 0)
        return false;
    cpu.program = (program1 - program0) * 100 / elapsed;
    cpu.server = (server1 - server0) * 100 / elapsed;
    return true;
}

bool MeasureTalvex(const UnixProcess& server, DWORD seconds, Cpu& cpu)
{
    TalvexProcess run;
    std::string error;
    if (!run.Start("", "", error) || !run.WaitForMainWindow(WaitMs) || !run.Sync(WaitMs)) {
        std::printf("talvex.exe did not start: %s\n", error.c_str());
        return false;
    }
    Sleep(SettleMs);
    const UnixProcess process = UnixProcess::Find("talvex.exe");
    const bool measured = process.Valid() && MeasureWindow(process, server, seconds, cpu);
    PostMessageA(run.MainWindow(), WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
    return run.WaitForExit(WaitMs) && measured;
}

bool MeasureBare(const UnixProcess& server, DWORD seconds, Cpu& cpu)
{
    TalvexProcess run;
    std::string error;
    if (!run.StartProgram("bench_bare.exe", "timers", "TalvexBenchBare", error) || !run.WaitForMainWindow(WaitMs) ||
        !run.Sync(WaitMs)) {
        std::printf("bench_bare.exe did not start: %s\n", error.c_str());
        return false;
    }
    Sleep(SettleMs);
    const UnixProcess process = UnixProcess::Find("bench_bare.exe");
    const bool measured = process.Valid() && MeasureWindow(process, server, seconds, cpu);
    PostMessageA(run.MainWindow(), WM_CLOSE, 0, 0);
    return run.WaitForExit(WaitMs) && measured;
}

void Report(const char* what, std::vector<double> values, const char* unit)
{
    std::sort(values.begin(), values.end());
    std::printf("%-40s min %7.3f  median %7.3f  max %7.3f%s\n", what, values.front(), values[values.size() / 2],
                values.back(), unit);
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

    Cpu background;
    MeasureWindow(server, server, seconds, background);
    std::vector<Cpu> talvex, bare;
    for (int i = 0; i < rounds; ++i) {
        Cpu a, b;
        if (!MeasureTalvex(server, seconds, a) || !MeasureBare(server, seconds, b)) {
            std::printf("round %d failed\n", i + 1);
            return 1;
        }
        talvex.push_back(a);
        bare.push_back(b);
        std::printf("round %d: talvex.exe %.3f %% + wineserver %.3f %%; "
                    "two-timer program %.3f %% + wineserver %.3f %%\n",
                    i + 1, a.program, a.server, b.program, b.server);
    }

    std::printf("idle CPU over %lu s, %d rounds, in per cent of one core\n", static_cast<unsigned long>(seconds),
                rounds);
    std::printf("wineserver with neither running: %.3f %%\n", background.server);
    auto column = [](const std::vector<Cpu>& cpus, double (*pick)(const Cpu&)) {
        std::vector<double> values;
        for (const Cpu& cpu : cpus)
            values.push_back(pick(cpu));
        return values;
    };
    auto ratio = [&](double (*pick)(const Cpu&)) {
        std::vector<double> values;
        for (size_t i = 0; i < talvex.size(); ++i)
            values.push_back(pick(bare[i]) > 0 ? pick(talvex[i]) / pick(bare[i]) : 0);
        return values;
    };
    auto pickProgram = [](const Cpu& cpu) { return cpu.program; };
    auto pickServer = [](const Cpu& cpu) { return cpu.server; };
    auto pickTotal = [](const Cpu& cpu) { return cpu.Total(); };
    Report("talvex.exe", column(talvex, pickProgram), " %");
    Report("  wineserver meanwhile", column(talvex, pickServer), " %");
    Report("two-timer program", column(bare, pickProgram), " %");
    Report("  wineserver meanwhile", column(bare, pickServer), " %");
    Report("ratio, process alone", ratio(pickProgram), "");
    Report("ratio, process and wineserver", ratio(pickTotal), "");
    return 0;
}
