#pragma once
// Tests of the "Color Adjustment" page inside the real main window, over the
// simulated monitors. The main window is made once for the whole program
// (Wine takes its time over every top-level window it hides or destroys) and
// kept shown; each test loads its monitors, rebuilds the monitor list as a
// device change does, and opens the colour tab. The page's own poll timer is
// held, so a poll happens only where a test sends the timer's tick; one test
// lets the real timer run.
#include "colour/CDlgColor.h"
#include "device/MonitorCapabilities.h"
#include "framework/Seams.h"
#include "shell/CVantorDlg.h"
#include "shell/ShellSeams.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class ColourPageTest : public ::testing::Test {
public:
    // Ends the shared main window; called once after the last test.
    static void EndMainWindow();

protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the monitors (null: the simulator's default three), rebuilds
    // the list, makes monitor `current` (list index) current and shows the
    // colour tab.
    void Start(const char* scenario = nullptr, int current = 0);
    // The rebuild and selection of a device change, without the broadcast.
    void Rebuild(int current = 0);
    void ShowTab(int tab);
    void ShowColourTab();

    static CVantorDlg& Main();
    static CDlgColor& Page();
    static HWND Item(int id);
    static bool Enabled(int id);

    static void Pump();
    static bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);
    // Waits until the simulated monitors delivered their reports and the
    // page has consumed every queued record.
    static void DeliverReports();
    // One tick of the page's poll timer, as the system sends it.
    static void Tick();
    static void HoldPollTimer();

    // The mode list: item data, texts, the selected item's mode (-1: none).
    static std::vector<int> ListedModes();
    static std::vector<std::string> ListedTexts();
    static int SelectedMode();
    static std::vector<std::string> MonitorTexts();

    // The user's actions.
    static void PickMode(int mode);
    static void PickNoMode();
    static void PickMonitor(int index);
    static void ClickSameModels();

    // Simulated monitors by their scenario number (1, 2, ...).
    static DWORD Handle(int monitor);
    // Their colour modes as the monitors keep them.
    static std::vector<int> MonitorModes(std::initializer_list<int> monitors);
    static void Sim(const std::string& command);
    // Trace lines since the test began that hold every one of the texts.
    static std::vector<std::string> Trace(const std::vector<std::string>& texts);

    static void ClearSettings();
    static MonitorCapabilities& CurrentCaps();

    Seams::Override m_seams;
    ShellSeams::Override m_shellSeams;
    std::vector<DWORD> m_sleeps;

private:
    static void MakeMainWindow();
    static CVantorDlg* s_main;
};
