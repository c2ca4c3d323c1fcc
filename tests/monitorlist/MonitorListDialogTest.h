#pragma once
// The monitor connection list over the simulated monitors, in the real main
// window of the shell's test fixture. A test opens the dialog from the tray
// command (or runs it directly to see its result) with a script that looks
// at it and clicks through it once it is up; the modal loop then runs until
// the dialog ends. A dialog that a script leaves open is cancelled after a
// few seconds, and the test fails.
#include "tests/shell/ShellTest.h"

#include "shell/CDlgMonitor.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class MonitorListDialogTest : public ShellTest
{
protected:
    using Script = std::function<void(CDlgMonitor& dialog)>;

    // What the dialog shows.
    struct View {
        std::string caption;
        std::string message;
        std::string ok;
        std::string cancel;
        bool okEnabled = false;
        bool listShown = false;
        bool headerShown = false;
        std::vector<std::string> lines;
    };
    // One confirmed association: the simulated monitor and the screen name.
    using Recorded = std::pair<int, std::string>;

    void TearDown() override;

    // The tray command, as the menu sends it.
    void OpenFromTray(const Script& script);
    // DoModal of a dialog made here; the associations of a completed wizard
    // end up in recorded, and the list is freed.
    INT_PTR RunDialog(const Script& script, std::vector<Recorded>* recorded = nullptr);

    static View Look(const CDlgMonitor& dialog);
    static void Click(CDlgMonitor& dialog, int id);
    // Starts the wizard and clicks "&Next" until it is complete.
    static void ClickThrough(CDlgMonitor& dialog);
    static void MoveTo(CDlgMonitor& dialog, int x, int y);
    // The adjustment menu of each simulated monitor: 1 shown, 0 hidden.
    static std::vector<int> Menus(std::initializer_list<int> monitors);
    // Simulated monitor n by its library handle; 0 when none.
    static int MonitorOf(DWORD handle);
    static DWORD HandleOf(int monitor);
    // The menu key writes since the last trace clear, as "<monitor>:<code>".
    static std::vector<std::string> MenuKeys();

    // The stored screen associations as "subkey=Display Name", in key order.
    static std::vector<std::string> StoredAssociations();
    static void Associate(const std::string& subkey, const char* displayName);
    // Whether the Auto Color page has been told of a changed monitor set.
    bool MonitorSetChangeQueued() const;

    static std::string Step(int k);
    static std::string Start(int targets);
    static std::string Text(UINT id);

private:
    INT_PTR Run(const Script& script, const std::function<INT_PTR()>& modal);
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD);

    static HWND s_dialog;
    static bool s_watchdogFired;
};
