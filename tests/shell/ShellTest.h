#pragma once
// The fixture of the shell's window tests. Each test starts from a clean
// slate: the program's registry key removed, the application object's
// shared fields as at process start, the simulated monitors loaded afresh,
// and every wait, message box, menu, tray and colour-profile call caught by
// the seams. The main window started by a test is destroyed and
// ExitInstance run when the test ends, whatever happened in it.
#include "framework/Afx.h"
#include "shell/CVantorApp.h"
#include "shell/CVantorDlg.h"
#include "shell/ShellSeams.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Where the program keeps its settings.
#define SHELL_TEST_ROOT "Software\\Orvel\\Talvex V1.0x"

class ShellTest : public ::testing::Test
{
protected:
    struct TrayCall {
        DWORD message = 0;
        UINT icon = 0;           // 128, 152, or 0 for an icon of neither id
        UINT id = 0;
        UINT flags = 0;
        UINT callback = 0;
        HWND window = nullptr;
        std::string tip;
    };
    struct ProfileCall {
        std::string call;        // "disassociate", "install", "associate"
        std::string profile;
        std::string device;
    };
    struct MenuCall {
        HMENU menu = nullptr;
        UINT flags = 0;
        HWND owner = nullptr;
        std::vector<UINT> ids;   // command ids in item order (0 for separators)
        std::vector<UINT> states;
        int defaultItem = -1;    // by command; -1 none
    };

    ShellTest();
    void SetUp() override;
    void TearDown() override;

    // Loads a scenario (null: the embedded default); the trace starts empty.
    void LoadScenario(const char* text);
    // Loads another scenario while the program runs: the simulator unplugs
    // the old monitors and plugs the new ones, each with its device-change
    // broadcast, before this returns. The trace keeps what that caused.
    void Reload(const std::string& text);
    // theApp.InitInstance, as the framework calls it, once Wine's desktop is up.
    BOOL Start();
    // Start, expecting success with a main window; without one the test ends
    // there, failed with what was missing.
    CVantorDlg* StartOk();
    // A later start in the same test: the shared fields as at process start first.
    CVantorDlg* StartAgain();
    CVantorDlg* Main() const;
    HWND MainHandle() const;
    // Destroys the main window if it is still there, takes the quit message
    // it leaves and runs ExitInstance (once per Start).
    void Stop();

    // Dispatches what is queued through the framework's pump; a WM_QUIT met
    // on the way is taken out and remembered in quitSeen.
    void Pump();
    // Pumps until done() holds or the time is up.
    bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000);
    void PumpFor(int milliseconds);

    // One hot-key slot as the Hot Key page stores it: a virtual key and HOTKEYF_* flags.
    struct KeyBinding {
        WORD key = 0;
        WORD modifiers = 0;
    };
    // Stores a monitor's bindings under R\HotKey\<model>_<serial>, slots in
    // the order Power, Mute, Color Mode, Screen Size, Glintara 2.
    static void BindHotKeys(const char* modelAndSerial, std::initializer_list<KeyBinding> slots);

    static void WriteDword(const char* subkey, const char* value, DWORD data);
    static void WriteString(const char* subkey, const char* value, const char* text);
    static void WriteBinary(const char* subkey, const char* value, const BYTE* data, DWORD size);
    static bool ReadDword(const char* subkey, const char* value, DWORD* data);
    static void DeleteProgramKey();

    // The monitors of the list, as serials in list order.
    static std::vector<std::string> ListedSerials();
    static CMonitorStatus* Listed(int index);
    static std::string CurrentSerial();

    std::vector<TrayCall> TrayCallsOf(DWORD message) const;

    // What the seams saw.
    std::vector<TrayCall> trayCalls;
    std::vector<DWORD> sleeps;
    std::vector<std::string> messageBoxes;
    std::vector<std::string> messageBoxCaptions;
    std::vector<UINT> messageBoxTypes;
    std::vector<MenuCall> menus;
    std::vector<ProfileCall> profileCalls;
    bool quitSeen = false;

    // How the seams answer. The tray answers TRUE unless trayAnswer says
    // otherwise; the profile installation answers installResult.
    std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)> trayAnswer;
    BOOL installResult = TRUE;
    // Runs while a popup menu is tracked, before it returns.
    std::function<void(const MenuCall&)> onMenu;

private:
    void InstallSeams();
    static void ResetApplicationState();

    Seams::Override m_seams;
    ShellSeams::Override m_shellSeams;
    bool m_started = false;
};
