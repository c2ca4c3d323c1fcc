#pragma once
// The fixture of the end-to-end tests: the program's settings removed
// around each test, and the start of a run up to the point where the
// program idles in its message loop with every monitor subscribed.
#include "tests/e2e/TalvexProcess.h"
#include "tests/e2e/TraceFile.h"
#include "tests/e2e/TraySpy.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TalvexRunTest : public ::testing::Test {
public:
    // The tray icon's callback message.
    static constexpr UINT TrayCallback = 0x464;
    static constexpr DWORD StartWaitMs = 30000;
    static constexpr DWORD StepWaitMs = 10000;

    // Posts a tray-menu command, as the menu does when the user picks it.
    static void Command(const TalvexProcess& run, UINT id);
    // Posts the tray's callback for a mouse message at the icon.
    static void TrayMouse(const TalvexProcess& run, UINT mouseMessage);

    // Opens the settings window with the message the tray sends for a
    // double click on the icon; true once it is shown.
    static bool OpenSettings(const TalvexProcess& run);
    // The same with a real double click on the icon Wine's tray shows.
    static bool DoubleClickTrayIcon(const TalvexProcess& run, std::string& error);
    // A real right click on the icon; the program's popup menu once it shows.
    static HWND RightClickTrayIcon(const TalvexProcess& run, std::string& error);
    // Clicks the "Color Adjustment" tab with real input; the colour page once
    // it is shown and has filled its monitor list, else null.
    static HWND ShowColourPage(const TalvexProcess& run, std::string& error);
    // Clicks "&Close" with real input; true once the window is hidden.
    static bool CloseSettings(const TalvexProcess& run, std::string& error);
    // Whether another program holds that global hot key now.
    static bool HotKeyTaken(UINT modifiers, UINT virtualKey);
    // A string of the program's resources in the language the program shows.
    static std::string ProgramString(UINT id);
    // A line of the pages' monitor lists: "Monitor2 (SIM-27Q S/N:S27Q0002)".
    static std::string MonitorLine(const std::string& label, const std::string& model, const std::string& serial);
    // The display device name of the screen holding most of the window.
    static std::string ScreenOf(HWND window);

    static std::vector<TraySpy::Call> TrayCallsOf(HWND owner);
    static std::vector<DWORD> RunningTalvexPids();

protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits until its main window exists and the
    // trace shows the given number of monitors subscribed to reports.
    ::testing::AssertionResult StartAndSettle(TalvexProcess& run, const std::string& scenario,
                                              const TraceFile& trace, size_t monitors,
                                              DWORD milliseconds = StartWaitMs);
};
