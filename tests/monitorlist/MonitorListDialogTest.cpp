#include "MonitorListDialogTest.h"

#include "framework/Seams.h"
#include "res/resource.h"
#include "standins/libdravo/DravoSim.h"
#include "tests/device/SimControl.h"
#include "tests/shell/SimTrace.h"

#include <algorithm>

HWND MonitorListDialogTest::s_dialog = nullptr;
bool MonitorListDialogTest::s_watchdogFired = false;

namespace {

constexpr UINT WatchdogMs = 4000;
constexpr UINT UmMonitorsChanged = 0x46B;
const char* const MonitorKey = SHELL_TEST_ROOT "\\Monitor";

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string line(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        line.resize(line.size() - 1);
        lines.push_back(line);
    }
    return lines;
}

} // namespace

void MonitorListDialogTest::TearDown()
{
    EXPECT_FALSE(s_watchdogFired) << "a dialog was left open by its script";
    s_watchdogFired = false;
    ShellTest::TearDown();
}

void CALLBACK MonitorListDialogTest::Watchdog(HWND, UINT, UINT_PTR, DWORD)
{
    s_watchdogFired = true;
    if (IsWindow(s_dialog))
        PostMessageA(s_dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

INT_PTR MonitorListDialogTest::Run(const Script& script, const std::function<INT_PTR()>& modal)
{
    Seams::Override seams;
    UINT_PTR watchdog = 0;
    seams->modalDialogReady = [&](CDialog& dialog) {
        auto* list = dynamic_cast<CDlgMonitor*>(&dialog);
        ASSERT_NE(list, nullptr);
        s_dialog = list->m_hWnd;
        script(*list);
        watchdog = SetTimer(nullptr, 0, WatchdogMs, &Watchdog);
    };
    const INT_PTR result = modal();
    if (watchdog)
        KillTimer(nullptr, watchdog);
    s_dialog = nullptr;
    return result;
}

void MonitorListDialogTest::OpenFromTray(const Script& script)
{
    Pump();
    Run(script, [this] {
        SendMessageA(MainHandle(), WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
        return INT_PTR(0);
    });
}

INT_PTR MonitorListDialogTest::RunDialog(const Script& script, std::vector<Recorded>* recorded)
{
    CDlgMonitor dialog(nullptr);
    const INT_PTR result = Run(script, [&] { return dialog.DoModal(); });
    CPtrList* associations = dialog.TakeAssociations();
    if (associations && recorded) {
        POSITION pos = associations->GetHeadPosition();
        while (pos) {
            const auto* record = static_cast<CMonitorAssociation*>(associations->GetNext(pos));
            recorded->emplace_back(MonitorOf(record->m_hDevice), static_cast<LPCSTR>(record->m_strDisplayDevice));
        }
    }
    CDlgMonitor::DeleteAssociations(associations);
    EXPECT_EQ(associations, nullptr);
    return result;
}

MonitorListDialogTest::View MonitorListDialogTest::Look(const CDlgMonitor& dialog)
{
    View view;
    const HWND window = dialog.m_hWnd;
    view.caption = WindowText(window);
    view.message = ItemText(window, IDC_MONITOR_MESSAGE);
    view.ok = ItemText(window, IDOK);
    view.cancel = ItemText(window, IDCANCEL);
    view.okEnabled = IsWindowEnabled(GetDlgItem(window, IDOK)) != FALSE;
    view.listShown = IsWindowVisible(GetDlgItem(window, IDC_MONITOR_LIST)) != FALSE;
    view.headerShown = IsWindowVisible(GetDlgItem(window, IDC_MONITOR_HEADER)) != FALSE;
    view.lines = ListLines(GetDlgItem(window, IDC_MONITOR_LIST));
    return view;
}

void MonitorListDialogTest::Click(CDlgMonitor& dialog, int id)
{
    SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.m_hWnd, id)));
}

void MonitorListDialogTest::ClickThrough(CDlgMonitor& dialog)
{
    if (Look(dialog).ok == Text(IDS_MANUAL_SETTING))
        Click(dialog, IDOK);
    for (int guard = 0; guard < 64 && Look(dialog).ok == Text(IDS_NEXT); ++guard)
        Click(dialog, IDOK);
}

void MonitorListDialogTest::MoveTo(CDlgMonitor& dialog, int x, int y)
{
    SetWindowPos(dialog.m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<int> MonitorListDialogTest::Menus(std::initializer_list<int> monitors)
{
    std::vector<int> menus;
    for (int monitor : monitors) {
        std::vector<std::string> lines;
        const bool read = SimRun("get " + std::to_string(monitor) + " osd", &lines) && !lines.empty();
        menus.push_back(read ? std::stoi(lines.front()) : -1);
    }
    return menus;
}

int MonitorListDialogTest::MonitorOf(DWORD handle)
{
    for (int i = 0; i < SimMonitorCount(); ++i) {
        SimMonitorDesc desc{};
        if (handle != 0 && SimMonitorAt(i, &desc) >= 0 && desc.handle == handle)
            return desc.number;
    }
    return 0;
}

DWORD MonitorListDialogTest::HandleOf(int monitor)
{
    SimMonitorDesc desc{};
    return SimMonitorAt(monitor - 1, &desc) >= 0 ? desc.handle : 0;
}

std::vector<std::string> MonitorListDialogTest::MenuKeys()
{
    std::vector<std::string> keys;
    for (const std::string& line : SimTrace::With("KvSetFeatureArray", "feature=0xFF00:0x0F")) {
        // "data=" and the buffer: the code's low byte, its high byte, the extra byte.
        const std::string data = SimTrace::Field(line, "data=") + "0000000000";
        keys.push_back(SimTrace::Field(line, "monitor=").substr(8) + ":" + data.substr(7, 2) + data.substr(5, 2));
    }
    return keys;
}

std::vector<std::string> MonitorListDialogTest::StoredAssociations()
{
    std::vector<std::string> stored;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, MonitorKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return stored;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        char value[300] = {};
        DWORD size = sizeof value - 1;
        const LSTATUS read = RegGetValueA(key, name, "Display Name", RRF_RT_REG_SZ, nullptr, value, &size);
        stored.push_back(std::string(name) + "=" + (read == ERROR_SUCCESS ? value : "(unreadable)"));
    }
    RegCloseKey(key);
    std::sort(stored.begin(), stored.end());
    return stored;
}

void MonitorListDialogTest::Associate(const std::string& subkey, const char* displayName)
{
    WriteString(("\\Monitor\\" + subkey).c_str(), "Display Name", displayName);
}

bool MonitorListDialogTest::MonitorSetChangeQueued() const
{
    MSG msg{};
    const HWND page = Main()->m_pageAutoColor.m_hWnd;
    return page && PeekMessageA(&msg, page, UmMonitorsChanged, UmMonitorsChanged, PM_NOREMOVE);
}

std::string MonitorListDialogTest::Text(UINT id)
{
    char text[512] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

std::string MonitorListDialogTest::Start(int targets)
{
    return "Start monitor manual settings.\nThere are " + std::to_string(targets) + " of target monitors.";
}

std::string MonitorListDialogTest::Step(int k)
{
    static const char* const Ordinals[] = {"th", "st", "nd", "rd"};
    return "Set " + std::to_string(k) + (k >= 1 && k <= 3 ? Ordinals[k] : "th") +
           " of monitors.\n\nMove this window to the monitor screen that is displaying\n"
           "the Adjustment menu and then click [Next].";
}
