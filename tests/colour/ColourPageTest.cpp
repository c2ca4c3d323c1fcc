#include "ColourPageTest.h"
#include "tests/harness/WaitFor.h"

#include "../device/SimControl.h"
#include "device/MonitorReports.h"
#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"

#include <chrono>

CVantorDlg* ColourPageTest::s_main = nullptr;

namespace {

constexpr int ColourTab = 1;

// Ends the shared main window after the last test, with the tray left alone.
class MainWindowEnvironment : public ::testing::Environment {
public:
    void TearDown() override { ColourPageTest::EndMainWindow(); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment);

} // namespace

void ColourPageTest::SetUp()
{
    m_seams->sleep = [this](DWORD milliseconds) { m_sleeps.push_back(milliseconds); };
    m_seams->messageBox = [](HWND, LPCSTR, LPCSTR, UINT) { return IDOK; };
    m_shellSeams->notifyIcon = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    m_shellSeams->installProfile = [](LPCSTR) { return FALSE; };
    m_shellSeams->associateProfile = [](LPCSTR, LPCSTR) { return FALSE; };
    m_shellSeams->disassociateProfile = [](LPCSTR, LPCSTR) { return FALSE; };
    ClearSettings();
    MakeMainWindow();
    ASSERT_NE(s_main, nullptr);
}

void ColourPageTest::TearDown()
{
    theApp.m_StatusAll.m_bSubDialogOpen = FALSE;
    // The page keeps nothing of a test: the next one rebuilds and refreshes.
    if (Page().m_hWnd)
        ::EnableWindow(Item(IDC_COMBO_MONITOR), TRUE);
    ClearSettings();
}

void ColourPageTest::MakeMainWindow()
{
    if (s_main)
        return;
    auto* main = new CVantorDlg;
    if (!main->Create(IDD_TALVEX_DIALOG, nullptr)) {
        if (!main->m_hWnd)
            delete main;
        return;
    }
    s_main = main;
    theApp.m_pMainWnd = main;
    main->ShowSettingWindow();
    Pump();
}

void ColourPageTest::EndMainWindow()
{
    if (!s_main)
        return;
    ShellSeams::Override shellSeams;
    shellSeams->notifyIcon = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    theApp.m_pMainWnd = nullptr;
    s_main->DestroyWindow();   // deletes itself
    s_main = nullptr;
    ClearSettings();
}

void ColourPageTest::Start(const char* scenario, int current)
{
    ASSERT_GE(SimLoadScenario(scenario), 0) << (scenario ? scenario : "the default monitors");
    ASSERT_TRUE(SimFreshStart());
    Rebuild(current);
    ShowColourTab();
    // The page outlives the tests: "Apply to the same models" starts unchecked.
    if (::SendMessageA(Item(IDC_CHECK_SAME_MODELS_COLOR), BM_GETCHECK, 0, 0) == BST_CHECKED)
        ClickSameModels();
    ClearSettings();
}

// Loading and resetting the simulated monitors plugs them out and in again,
// and the main window follows. Other monitors stand on the screens too, which
// the main window learns from a display change. A changed monitor set would
// close the settings window at the next tick of its timer: that belongs to
// the main window's tests, here the window stays open.
void ColourPageTest::Rebuild(int current)
{
    Main().SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    Main().RefreshMonitorList();
    Main().SelectMonitor(current);
    Main().m_bSetChanged = FALSE;
    if (!theApp.m_bSettingShown)
        Main().ShowSettingWindow();
    Main().UnregisterAllHotKeys();
    StartMonitorReports();
    Pump();
    m_sleeps.clear();
}

// As the user does it: the tab control is clicked and notifies the window.
// The window acts on a change of tab only; here every click shows its page.
void ColourPageTest::ShowTab(int tab)
{
    Main().m_tab.SetCurSel(tab);
    Main().m_nCurTab = -1;
    NMHDR header{Main().m_tab.m_hWnd, IDC_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    Main().SendMessage(WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&header));
    Pump();
}

void ColourPageTest::ShowColourTab()
{
    ShowTab(ColourTab);
    HoldPollTimer();
    Sim("trace clear");
}

CVantorDlg& ColourPageTest::Main()
{
    return *s_main;
}

CDlgColor& ColourPageTest::Page()
{
    return s_main->m_pageColor;
}

HWND ColourPageTest::Item(int id)
{
    return ::GetDlgItem(Page().m_hWnd, id);
}

bool ColourPageTest::Enabled(int id)
{
    return ::IsWindowEnabled(Item(id)) != FALSE;
}

void ColourPageTest::Pump()
{
    MSG msg{};
    for (int guard = 0; guard < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard)
        AfxProcessMessage(msg);
}

bool ColourPageTest::PumpUntil(const std::function<bool()>& done, int milliseconds)
{
    return WaitFor(done, milliseconds, [] { Pump(); });
}

void ColourPageTest::DeliverReports()
{
    ASSERT_GE(SimWaitReports(5000), 0);
    ASSERT_TRUE(PumpUntil([] { return theApp.GetQueuedReportCount() == 0; }));
}

void ColourPageTest::Tick()
{
    Page().SendMessage(WM_TIMER, IDT_COLOR_PAGE_POLL, 0);
}

void ColourPageTest::HoldPollTimer()
{
    ::KillTimer(Page().m_hWnd, IDT_COLOR_PAGE_POLL);
}

std::vector<int> ColourPageTest::ListedModes()
{
    std::vector<int> modes;
    const HWND list = Item(IDC_COMBO_COLOR_MODE);
    const int count = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        modes.push_back(static_cast<int>(::SendMessageA(list, CB_GETITEMDATA, i, 0)));
    return modes;
}

namespace {

std::vector<std::string> ItemTexts(HWND combo)
{
    std::vector<std::string> texts;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(::SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        texts.push_back(text);
    }
    return texts;
}

} // namespace

std::vector<std::string> ColourPageTest::ListedTexts()
{
    return ItemTexts(Item(IDC_COMBO_COLOR_MODE));
}

std::vector<std::string> ColourPageTest::MonitorTexts()
{
    return ItemTexts(Item(IDC_COMBO_MONITOR));
}

int ColourPageTest::SelectedMode()
{
    const HWND list = Item(IDC_COMBO_COLOR_MODE);
    const LRESULT item = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
    return item == CB_ERR ? -1 : static_cast<int>(::SendMessageA(list, CB_GETITEMDATA, item, 0));
}

namespace {

void NotifySelection(HWND combo, int id)
{
    ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

} // namespace

void ColourPageTest::PickMode(int mode)
{
    const HWND list = Item(IDC_COMBO_COLOR_MODE);
    const std::vector<int> modes = ListedModes();
    int item = -1;
    for (size_t i = 0; i < modes.size(); ++i)
        item = modes[i] == mode ? static_cast<int>(i) : item;
    ASSERT_GE(item, 0) << "mode " << mode << " is not listed";
    ::SendMessageA(list, CB_SETCURSEL, item, 0);
    NotifySelection(list, IDC_COMBO_COLOR_MODE);
    Pump();
}

void ColourPageTest::PickNoMode()
{
    const HWND list = Item(IDC_COMBO_COLOR_MODE);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    NotifySelection(list, IDC_COMBO_COLOR_MODE);
    Pump();
}

void ColourPageTest::PickMonitor(int index)
{
    const HWND list = Item(IDC_COMBO_MONITOR);
    ::SendMessageA(list, CB_SETCURSEL, index, 0);
    NotifySelection(list, IDC_COMBO_MONITOR);
    Pump();
}

void ColourPageTest::ClickSameModels()
{
    ::SendMessageA(Item(IDC_CHECK_SAME_MODELS_COLOR), BM_CLICK, 0, 0);
    Pump();
}

DWORD ColourPageTest::Handle(int monitor)
{
    SimMonitorDesc desc{};
    return SimMonitorAt(monitor - 1, &desc) >= 0 ? desc.handle : 0;
}

std::vector<int> ColourPageTest::MonitorModes(std::initializer_list<int> monitors)
{
    std::vector<int> modes;
    for (int monitor : monitors) {
        DWORD value = 0;
        modes.push_back(SimGetValue(monitor, 0xFF00, 0x15, -1, &value) >= 0 ? static_cast<int>(value) : -1);
    }
    return modes;
}

void ColourPageTest::Sim(const std::string& command)
{
    ASSERT_TRUE(SimRun(command)) << command;
}

std::vector<std::string> ColourPageTest::Trace(const std::vector<std::string>& texts)
{
    std::vector<std::string> found;
    for (const std::string& line : SimTraceWith(texts.empty() ? std::string() : texts.front())) {
        bool all = true;
        for (const std::string& text : texts)
            all = all && line.find(text) != std::string::npos;
        if (all)
            found.push_back(line);
    }
    return found;
}

void ColourPageTest::ClearSettings()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, RegKeyRoot);
}

MonitorCapabilities& ColourPageTest::CurrentCaps()
{
    return theApp.m_StatusAll.GetCurrent()->m_Caps;
}
