#include "tests/e2e/TalvexRunTest.h"
#include "tests/e2e/E2eEnvironment.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/RemoteWindow.h"

#include "standins/talvexsim/ProcessFinder.h"

void TalvexRunTest::SetUp()
{
    ASSERT_TRUE(RunningTalvexPids().empty()) << "a talvex.exe from elsewhere still runs";
    ProgramSettings::Clear();
}

void TalvexRunTest::TearDown()
{
    ProgramSettings::Clear();
}

std::vector<DWORD> TalvexRunTest::RunningTalvexPids()
{
    return ProcessFinder::byName("talvex.exe");
}

::testing::AssertionResult TalvexRunTest::StartAndSettle(TalvexProcess& run, const std::string& scenario,
                                                         const TraceFile& trace, size_t monitors,
                                                         DWORD milliseconds)
{
    std::string error;
    trace.Reset();
    if (!run.Start(scenario, trace.Path(), error))
        return ::testing::AssertionFailure() << error;
    if (!run.WaitForMainWindow(milliseconds))
        return ::testing::AssertionFailure() << "no main window \"Talvex\" of process " << run.Pid();
    TraceLog log;
    const bool subscribed = trace.WaitFor(
        [&](const TraceLog& t) { return t.Count("KvReportON", {{"result", AnySuccess}}) >= monitors; }, milliseconds, log);
    if (!subscribed)
        return ::testing::AssertionFailure() << "the monitors were not all subscribed; trace:\n" << trace.Text();
    if (!run.Sync(StepWaitMs))
        return ::testing::AssertionFailure() << "the program does not take messages";
    return ::testing::AssertionSuccess();
}

void TalvexRunTest::Command(const TalvexProcess& run, UINT id)
{
    PostMessageA(run.MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void TalvexRunTest::TrayMouse(const TalvexProcess& run, UINT mouseMessage)
{
    PostMessageA(run.MainWindow(), TrayCallback, 0, mouseMessage);
}

std::vector<TraySpy::Call> TalvexRunTest::TrayCallsOf(HWND owner)
{
    return E2eEnvironment::Spy().CallsFor(owner);
}

bool TalvexRunTest::OpenSettings(const TalvexProcess& run)
{
    TrayMouse(run, WM_LBUTTONDBLCLK);
    return RemoteWindow::WaitUntil([&] { return IsWindowVisible(run.MainWindow()) != FALSE; }, StepWaitMs) &&
           run.Sync(StepWaitMs);
}

namespace {

// The program's icon is the only one the private display's tray shows.
HWND ProgramIcon(std::string& error)
{
    const std::vector<HWND> icons = TraySpy::ShownIcons();
    if (icons.size() == 1)
        return icons[0];
    error = "the tray shows " + std::to_string(icons.size()) + " icons, not the program's one";
    return nullptr;
}

} // namespace

HWND TalvexRunTest::RightClickTrayIcon(const TalvexProcess& run, std::string& error)
{
    HWND icon = ProgramIcon(error);
    if (!icon || !RemoteWindow::RightClick(icon, error))
        return nullptr;
    HWND menu = nullptr;
    RemoteWindow::WaitUntil([&] {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32768", nullptr));) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == run.Pid() && IsWindowVisible(w))
                menu = w;
        }
        return menu != nullptr;
    }, StepWaitMs);
    if (!menu)
        error = "no popup menu of the program after the right click";
    return menu;
}

bool TalvexRunTest::DoubleClickTrayIcon(const TalvexProcess& run, std::string& error)
{
    HWND icon = ProgramIcon(error);
    if (!icon || !RemoteWindow::DoubleClick(icon, error))
        return false;
    if (!RemoteWindow::WaitUntil([&] { return IsWindowVisible(run.MainWindow()) != FALSE; }, StepWaitMs)) {
        error = "the double click did not open the settings window";
        return false;
    }
    return run.Sync(StepWaitMs);
}

HWND TalvexRunTest::ShowColourPage(const TalvexProcess& run, std::string& error)
{
    HWND tab = RemoteWindow::FindControl(run.MainWindow(), IDC_TAB);
    HWND page = RemoteWindow::FindPageWith(run.MainWindow(), IDC_CHECK_SAME_MODELS_COLOR);
    RECT item{};
    if (!tab || !page || !RemoteWindow::TabItemScreenRect(tab, 1, item)) {
        error = "no tab control with a second tab, or no colour page";
        return nullptr;
    }
    const POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    if (!RemoteWindow::ClickAt(centre, tab, error))
        return nullptr;
    HWND monitors = RemoteWindow::FindControl(page, IDC_COMBO_MONITOR);
    const bool shown = RemoteWindow::WaitUntil(
        [&] { return IsWindowVisible(page) && SendMessageA(monitors, CB_GETCOUNT, 0, 0) > 0; }, StepWaitMs);
    if (!shown || !run.Sync(StepWaitMs)) {
        error = "the colour page did not show its monitors after the click";
        return nullptr;
    }
    return page;
}

bool TalvexRunTest::HotKeyTaken(UINT modifiers, UINT virtualKey)
{
    constexpr int ProbeId = 0x7E2E;
    if (RegisterHotKey(nullptr, ProbeId, modifiers, virtualKey)) {
        UnregisterHotKey(nullptr, ProbeId);
        return false;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

// Loaded here as data, the program's resources are chosen by the same
// locale as in the program, and come in the same code page.
std::string TalvexRunTest::ProgramString(UINT id)
{
    const std::string file = TalvexProcess::BinFolder() + "talvex.exe";
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char text[256] = {};
    if (module) {
        LoadStringA(module, id, text, sizeof text);
        FreeLibrary(module);
    }
    return text;
}

std::string TalvexRunTest::MonitorLine(const std::string& label, const std::string& model, const std::string& serial)
{
    return ProgramString(IDS_MONITOR) + label + " (" + model + " S/N:" + serial + ")";
}

std::string TalvexRunTest::ScreenOf(HWND window)
{
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONULL);
    if (!monitor || !GetMonitorInfoA(monitor, &info))
        return std::string();
    return info.szDevice;
}

bool TalvexRunTest::CloseSettings(const TalvexProcess& run, std::string& error)
{
    HWND close = RemoteWindow::FindControl(run.MainWindow(), IDC_CLOSE);
    if (!close || !RemoteWindow::Click(close, error))
        return false;
    if (!RemoteWindow::WaitUntil([&] { return !IsWindowVisible(run.MainWindow()); }, StepWaitMs)) {
        error = "the settings window stayed after \"&Close\" (" + RemoteWindow::ThreadState(run.MainWindow()) + ")";
        return false;
    }
    return run.Sync(StepWaitMs);
}
