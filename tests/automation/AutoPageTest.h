#pragma once
// Tests of the "Auto Color" and "Hot Key" pages inside the real main window,
// over the simulated monitors, built on the colour page's fixture (the one
// shared main window, Start, Rebuild, ShowTab, the simulator). The watcher's
// timer is held: a tick happens where a test sends it, with the foreground
// window the test chose. Stand-in applications run in processes of their
// own for the whole program: the watcher ignores the program's own windows.
#include "AppProcess.h"

#include "automation/CDlgHotKey.h"
#include "automation/CDlgTonalis.h"
#include "tests/colour/ColourPageTest.h"

#include <deque>
#include <string>
#include <vector>

class AutoPageTest : public ColourPageTest {
public:
    static constexpr int HotKeyTab = 0;
    static constexpr int AutoColorTab = 2;

    // The stand-ins, started on first use and ended after the last test.
    static const AppProcess& Arcade();     // ARCADE, with a file description
    static const AppProcess& Plain();      // PLAINAPP, without one
    static const AppProcess& Shell();      // EXPLORER: folder, viewer, desktop windows
    static void StartApps();
    static void EndApps();

protected:
    void SetUp() override;

    static CDlgTonalis& AutoPage();
    static CDlgHotKey& HotKeyPage();
    static HWND AutoItem(int id);
    static HWND HotKeyItem(int id);

    // The watcher: one tick of its timer with `window` in front; pump: the
    // page then handles what the tick posted.
    void TickWith(HWND window, bool pump = true);
    void HoldWatchTimer();
    // A page's initialisation once more, as at program start (after the
    // test prepared the registry).
    static void RecreatePage(CDialog& page, UINT templateId);
    void RecreateAutoPage();
    void ShowAutoColorTab();
    void SetAutoColor(bool on);

    // Registry.
    static void Register(const char* name, DWORD mode, const char* description = nullptr);
    static bool ReadDword(const char* subkey, const char* value, DWORD* out);
    static bool KeyExists(const char* subkey);
    static void WriteDword(const char* subkey, const char* value, DWORD data);
    // Reloads the registered applications as a monitor change does.
    static void ReloadRegistrations();

    // Combo boxes, through the pages' own objects.
    static std::vector<std::string> Texts(const CComboBox& combo);
    static std::vector<int> Data(const CComboBox& combo);
    static int SelectedData(const CComboBox& combo);
    static std::string SelectedText(const CComboBox& combo);
    // As the user picks: the selection, then the list's notification.
    static void Pick(CComboBox& combo, int item);
    static void PickData(CComboBox& combo, int data);
    static int IndexOfText(const CComboBox& combo, const std::string& prefix);
    static void Click(HWND button);

    // Mode writes to the colour-mode feature since the trace was cleared.
    static std::vector<std::string> ModeWrites();
    // The page's UM_SELECT_APPLICATION waiting in the queue, taken out.
    static bool TakeSelectApplication();

    // The answers message boxes give, first come first used (IDOK when
    // none is left), and what they said.
    std::deque<int> m_answers;
    std::vector<std::string> m_boxTexts;
    std::vector<UINT> m_boxTypes;
    HWND m_foreground = nullptr;
};
