// The monitor-list rebuild of the real main window, in this process, with
// 1, 4 and 16 simulated monitors on two screens. Each rebuild discovers,
// reads, binds and orders every monitor again. Sleeps and the tray are
// caught by the seams; everything else is the program's own code.
// Run: tests/e2e/run-e2e.sh <source> <build> bench_monitor_list.exe [rebuilds]
#include "device/SeltuLibrary.h"
#include "framework/Seams.h"
#include "shell/CVantorApp.h"
#include "shell/CVantorDlg.h"
#include "shell/ShellSeams.h"
#include "standins/libdravo/DravoSim.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char Profile[] = R"(profile bench
  model "BENCH-27"
  code BENCH027
  modes 22 23 40
  hotkeys 0x180
  hotkeys2 0x200
  mask 22 0x3ED94FF
  mask 40 0x8940B
end
)";

// count monitors, alternately on the first and the second screen.
std::string Scenario(int count)
{
    std::string text = Profile;
    for (int i = 1; i <= count; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "monitor %d bench B%07d display %d\n", i, i, 1 + (i + 1) % 2);
        text += line;
    }
    return text;
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Loads the monitors; the device changes this announces reach the window at once.
bool Load(int count)
{
    if (SimLoadScenario(Scenario(count).c_str()) < 0)
        return false;
    Pump();
    // What a display change tells the program; the rebuild reads that many records.
    return KvnFindMonitors(&theApp.m_nDisplayMonitors, 0) >= 0;
}

double Milliseconds(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

bool Measure(CVantorDlg* main, int count, int rebuilds)
{
    if (!Load(count)) {
        std::printf("%d monitors: the scenario was refused\n", count);
        return false;
    }
    main->RefreshMonitorList();
    if (theApp.m_StatusAll.m_arMonitors.GetSize() != count) {
        std::printf("%d monitors: the list holds %d\n", count, static_cast<int>(theApp.m_StatusAll.m_arMonitors.GetSize()));
        return false;
    }
    std::vector<double> times;
    for (int i = 0; i < rebuilds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const BOOL changed = main->RefreshMonitorList();
        times.push_back(Milliseconds(start));
        if (changed || theApp.m_StatusAll.m_arMonitors.GetSize() != count) {
            std::printf("%d monitors: a rebuild of the same set changed the list\n", count);
            return false;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("%2d monitors: rebuild min %7.2f  median %7.2f  max %7.2f ms  (%d rebuilds)\n", count, times.front(),
                times[times.size() / 2], times.back(), rebuilds);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const int rebuilds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    Seams::Override seams;
    seams->sleep = [](DWORD) {};
    ShellSeams::Override shell;
    shell->notifyIcon = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    // The library's trace and control pipe stay quiet: only the program's work is timed.
    _putenv("TALVEX_SIM_CONTROL=0");

    if (!theApp.InitInstance()) {
        std::printf("the main window did not start\n");
        return 1;
    }
    auto* main = static_cast<CVantorDlg*>(theApp.m_pMainWnd);
    bool ok = true;
    for (int count : {1, 4, 16})
        ok = ok && Measure(main, count, rebuilds);
    if (main->m_hWnd)
        main->DestroyWindow();
    Pump();
    theApp.ExitInstance();
    return ok ? 0 : 1;
}
