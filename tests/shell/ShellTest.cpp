#include "ShellTest.h"
#include "tests/harness/WaitFor.h"
#include "tests/harness/WineDesktop.h"

#include "SimTrace.h"
#include "standins/libdravo/DravoSim.h"

#include <stdexcept>

ShellTest::ShellTest() = default;

void ShellTest::SetUp()
{
    DeleteProgramKey();
    ResetApplicationState();
    InstallSeams();
    LoadScenario(nullptr);
}

void ShellTest::TearDown()
{
    Stop();
    DeleteProgramKey();
}

// The fields as the constructor leaves them: every test is a first start.
void ShellTest::ResetApplicationState()
{
    theApp.m_pMainWnd = nullptr;
    theApp.m_StatusAll.DeleteAll();
    theApp.m_StatusAll.m_nCurMonitor = 0;
    theApp.m_StatusAll.m_hCurDevice = 0;
    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;
    theApp.m_StatusAll.m_strCurSerial.Empty();
    theApp.m_bSettingShown = FALSE;
    theApp.m_bMonitorListOpen = FALSE;
    theApp.m_hWndColorSub = nullptr;
    theApp.m_hWndMonitorList = nullptr;
    theApp.m_hWndMessage = nullptr;
    theApp.m_hWndReport = nullptr;
    theApp.m_bTrayIconOk = TRUE;
    theApp.m_nDisplayMonitors = 0;
    theApp.m_nDevices = 0;
    theApp.PurgeReports();
    theApp.m_listDevices.RemoveAll();
    theApp.m_bFoundOnce = FALSE;
    theApp.m_hMutex = nullptr;
    theApp.m_hWndTunora = nullptr;
    theApp.m_strCommonAppData.Empty();
    theApp.m_bApplySameModels = FALSE;
    theApp.m_hDevNotify = nullptr;
}

void ShellTest::InstallSeams()
{
    m_seams->sleep = [this](DWORD ms) {
        sleeps.push_back(ms);
        SimTrace::Note("Test sleep " + std::to_string(ms));
    };
    m_seams->messageBox = [this](HWND, LPCSTR text, LPCSTR caption, UINT type) {
        messageBoxes.emplace_back(text ? text : "");
        messageBoxCaptions.emplace_back(caption ? caption : "");
        messageBoxTypes.push_back(type);
        return IDOK;
    };
    m_seams->trackPopupMenu = [this](HMENU menu, UINT flags, int, int, HWND owner, LPCRECT) {
        MenuCall call;
        call.menu = menu;
        call.flags = flags;
        call.owner = owner;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            call.ids.push_back(GetMenuItemID(menu, i));
            call.states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
        }
        call.defaultItem = static_cast<int>(GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED));
        menus.push_back(call);
        if (onMenu)
            onMenu(call);
        return TRUE;
    };
    // Nobody works in another program: the foreground is ours.
    m_seams->foregroundWindow = [] { return static_cast<HWND>(nullptr); };

    m_shellSeams->notifyIcon = [this](DWORD message, NOTIFYICONDATAA* data) {
        TrayCall call;
        call.message = message;
        call.icon = data->hIcon == theApp.LoadIcon(128) ? 128 : data->hIcon == theApp.LoadIcon(152) ? 152 : 0;
        call.id = data->uID;
        call.flags = data->uFlags;
        call.callback = data->uCallbackMessage;
        call.window = data->hWnd;
        call.tip = data->szTip;
        trayCalls.push_back(call);
        static const char* const names[] = {"add", "modify", "delete"};
        SimTrace::Note(std::string("Test tray ") + (message <= 2 ? names[message] : "other") +
                       " icon=" + std::to_string(call.icon));
        return trayAnswer ? trayAnswer(message, data) : TRUE;
    };
    m_shellSeams->disassociateProfile = [this](LPCSTR profile, LPCSTR device) {
        profileCalls.push_back({"disassociate", profile, device});
        return TRUE;
    };
    m_shellSeams->installProfile = [this](LPCSTR profile) {
        profileCalls.push_back({"install", profile, ""});
        return installResult;
    };
    m_shellSeams->associateProfile = [this](LPCSTR profile, LPCSTR device) {
        profileCalls.push_back({"associate", profile, device});
        return TRUE;
    };
}

void ShellTest::LoadScenario(const char* text)
{
    ASSERT_GE(SimLoadScenario(text), 0) << [] {
        char why[512] = {};
        SimLastError(why, sizeof why);
        return std::string(why);
    }();
    SimTrace::Clear();
}

void ShellTest::Reload(const std::string& text)
{
    SimTrace::Clear();
    ASSERT_GE(SimLoadScenario(text.c_str()), 0);
}

BOOL ShellTest::Start()
{
    if (!WaitForWineDesktop(WineDesktopWaitMs, [this] { Pump(); })) {
        ADD_FAILURE() << "Wine's desktop did not come up within " << WineDesktopWaitMs / 1000
                      << " s (no tray window): the program was not started";
        return FALSE;
    }
    m_started = true;
    return theApp.InitInstance();
}

CVantorDlg* ShellTest::StartOk()
{
    const BOOL started = Start();
    if (!started || !Main()) {
        // The test cannot go on without the main window: it ends here, failed.
        throw std::runtime_error(std::string("the program did not start: InitInstance answered ") +
                                 (started ? "TRUE" : "FALSE") + ", main window " + (Main() ? "made" : "missing") +
                                 ", Wine's tray " + (WineTrayWindow() ? "up" : "gone"));
    }
    return Main();
}

CVantorDlg* ShellTest::StartAgain()
{
    ResetApplicationState();
    return StartOk();
}

CVantorDlg* ShellTest::Main() const
{
    return static_cast<CVantorDlg*>(theApp.m_pMainWnd);
}

HWND ShellTest::MainHandle() const
{
    return Main() ? Main()->m_hWnd : nullptr;
}

void ShellTest::Stop()
{
    if (CWnd* main = theApp.m_pMainWnd) {
        if (main->m_hWnd)
            main->DestroyWindow();
    }
    Pump();
    if (m_started) {
        m_started = false;
        theApp.ExitInstance();
    }
}

void ShellTest::Pump()
{
    MSG msg{};
    for (int guard = 0; guard < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT) {
            quitSeen = true;
            continue;
        }
        AfxProcessMessage(msg);
    }
}

bool ShellTest::PumpUntil(const std::function<bool()>& done, int milliseconds)
{
    return WaitFor(done, milliseconds, [this] { Pump(); });
}

void ShellTest::PumpFor(int milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

void ShellTest::WriteDword(const char* subkey, const char* value, DWORD data)
{
    const std::string path = std::string(SHELL_TEST_ROOT) + subkey;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), value, REG_DWORD, &data, sizeof data), ERROR_SUCCESS);
}

void ShellTest::WriteString(const char* subkey, const char* value, const char* text)
{
    const std::string path = std::string(SHELL_TEST_ROOT) + subkey;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), value, REG_SZ, text,
                              static_cast<DWORD>(strlen(text) + 1)),
              ERROR_SUCCESS);
}

void ShellTest::WriteBinary(const char* subkey, const char* value, const BYTE* data, DWORD size)
{
    const std::string path = std::string(SHELL_TEST_ROOT) + subkey;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), value, REG_BINARY, data, size), ERROR_SUCCESS);
}

void ShellTest::BindHotKeys(const char* modelAndSerial, std::initializer_list<KeyBinding> slots)
{
    BYTE keys[10] = {};
    BYTE modifiers[10] = {};
    size_t slot = 0;
    for (const KeyBinding& binding : slots) {
        if (slot >= 5)
            break;
        keys[slot * 2] = LOBYTE(binding.key);
        keys[slot * 2 + 1] = HIBYTE(binding.key);
        modifiers[slot * 2] = LOBYTE(binding.modifiers);
        modifiers[slot * 2 + 1] = HIBYTE(binding.modifiers);
        ++slot;
    }
    const std::string key = std::string("\\HotKey\\") + modelAndSerial;
    WriteBinary(key.c_str(), "VKey", keys, sizeof keys);
    WriteBinary(key.c_str(), "Mod", modifiers, sizeof modifiers);
}

bool ShellTest::ReadDword(const char* subkey, const char* value, DWORD* data)
{
    const std::string path = std::string(SHELL_TEST_ROOT) + subkey;
    DWORD size = sizeof *data;
    return RegGetValueA(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_REG_DWORD, nullptr, data, &size) ==
           ERROR_SUCCESS;
}

void ShellTest::DeleteProgramKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, SHELL_TEST_ROOT);
    RegDeleteKeyA(HKEY_CURRENT_USER, SHELL_TEST_ROOT);
}

std::vector<std::string> ShellTest::ListedSerials()
{
    std::vector<std::string> serials;
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (int i = 0; i < monitors.GetSize(); ++i)
        serials.emplace_back(monitors[i] ? static_cast<LPCSTR>(monitors[i]->m_strSerial) : "(null)");
    return serials;
}

CMonitorStatus* ShellTest::Listed(int index)
{
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    return index >= 0 && index < monitors.GetSize() ? monitors[index] : nullptr;
}

std::string ShellTest::CurrentSerial()
{
    CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    return current ? static_cast<LPCSTR>(current->m_strSerial) : "";
}

std::vector<ShellTest::TrayCall> ShellTest::TrayCallsOf(DWORD message) const
{
    std::vector<TrayCall> found;
    for (const TrayCall& call : trayCalls) {
        if (call.message == message)
            found.push_back(call);
    }
    return found;
}
