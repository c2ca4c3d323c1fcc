#include "AutoPageTest.h"

#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <memory>

namespace {

std::unique_ptr<AppProcess> g_arcade;
std::unique_ptr<AppProcess> g_plain;
std::unique_ptr<AppProcess> g_shell;

class AppsEnvironment : public ::testing::Environment {
public:
    void TearDown() override { AutoPageTest::EndApps(); }
};

[[maybe_unused]] ::testing::Environment* const g_appsEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppsEnvironment);

const AppProcess& Started(std::unique_ptr<AppProcess>& app, const char* program,
                          const std::vector<std::string>& windows)
{
    if (!app)
        app = std::make_unique<AppProcess>(program, windows);
    EXPECT_TRUE(app->Started()) << program;
    return *app;
}

} // namespace

const AppProcess& AutoPageTest::Arcade()
{
    return Started(g_arcade, "arcade.exe", {"ArcadeMain", "ArcadeSecond", "min:ArcadeMin", "hidden:ArcadeHidden"});
}

const AppProcess& AutoPageTest::Plain()
{
    return Started(g_plain, "plainapp.exe", {"PlainMain"});
}

const AppProcess& AutoPageTest::Shell()
{
    return Started(g_shell, "shellapp\\explorer.exe",
                   {"ExploreWClass", "CabinetWClass", "ShImgVw:CPreviewWnd", "Progman"});
}

void AutoPageTest::StartApps()
{
    Arcade();
    Plain();
    Shell();
}

void AutoPageTest::EndApps()
{
    g_arcade.reset();
    g_plain.reset();
    g_shell.reset();
}

void AutoPageTest::SetUp()
{
    ColourPageTest::SetUp();
    m_seams->messageBox = [this](HWND, LPCSTR text, LPCSTR, UINT type) {
        m_boxTexts.push_back(text ? text : "");
        m_boxTypes.push_back(type);
        if (m_answers.empty())
            return IDOK;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    };
    m_seams->foregroundWindow = [this] { return m_foreground; };
    // A mode left picked by the test before would be asked about when the
    // page is next hidden.
    g_comboColorMode.SetCurSel(-1);
    HoldWatchTimer();
    CDlgTonalis& page = AutoPage();
    page.m_hLastForeground = nullptr;
    page.m_szLastScreen[0] = '\0';
    SetAutoColor(true);
}

CDlgTonalis& AutoPageTest::AutoPage()
{
    return Main().m_pageAutoColor;
}

CDlgHotKey& AutoPageTest::HotKeyPage()
{
    return Main().m_pageHotKey;
}

HWND AutoPageTest::AutoItem(int id)
{
    return ::GetDlgItem(AutoPage().m_hWnd, id);
}

HWND AutoPageTest::HotKeyItem(int id)
{
    return ::GetDlgItem(HotKeyPage().m_hWnd, id);
}

void AutoPageTest::TickWith(HWND window, bool pump)
{
    m_foreground = window;
    AutoPage().SendMessage(WM_TIMER, IDT_FOREGROUND_WATCH, 0);
    if (pump)
        Pump();
}

void AutoPageTest::HoldWatchTimer()
{
    ::KillTimer(AutoPage().m_hWnd, IDT_FOREGROUND_WATCH);
}

void AutoPageTest::RecreatePage(CDialog& page, UINT templateId)
{
    CRect rect;
    page.GetWindowRect(&rect);
    Main().m_tab.ScreenToClient(&rect);
    page.DestroyWindow();
    ASSERT_TRUE(page.Create(templateId, &Main().m_tab));
    page.MoveWindow(&rect, FALSE);
    Pump();
}

void AutoPageTest::RecreateAutoPage()
{
    g_comboColorMode.SetCurSel(-1);   // no unsaved mode to ask about on the way
    RecreatePage(AutoPage(), IDD_AUTO_COLOR);
    HoldWatchTimer();
}

void AutoPageTest::ShowAutoColorTab()
{
    ShowTab(AutoColorTab);
}

void AutoPageTest::SetAutoColor(bool on)
{
    const bool checked = ::SendMessageA(AutoItem(IDC_CHECK_AUTO_COLOR), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked != on)
        Click(AutoItem(IDC_CHECK_AUTO_COLOR));
}

void AutoPageTest::Register(const char* name, DWORD mode, const char* description)
{
    const CString key = SettingsLayout::TonalisKey(name);
    WriteDword(key, RegValueMode, mode);
    if (description) {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(handle, RegValueDescription, 0, REG_SZ, reinterpret_cast<const BYTE*>(description),
                         static_cast<DWORD>(strlen(description) + 1));
        ::RegCloseKey(handle);
    }
}

bool AutoPageTest::ReadDword(const char* subkey, const char* value, DWORD* out)
{
    DWORD size = sizeof *out;
    return ::RegGetValueA(HKEY_CURRENT_USER, subkey, value, RRF_RT_REG_DWORD, nullptr, out, &size) == ERROR_SUCCESS;
}

bool AutoPageTest::KeyExists(const char* subkey)
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(handle);
    return true;
}

void AutoPageTest::WriteDword(const char* subkey, const char* value, DWORD data)
{
    HKEY handle = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(handle, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    ::RegCloseKey(handle);
}

void AutoPageTest::ReloadRegistrations()
{
    AutoPage().SendMessage(UM_MONITORS_CHANGED, 0, 0);
}

std::vector<std::string> AutoPageTest::Texts(const CComboBox& combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        texts.push_back(text.GetString());
    }
    return texts;
}

std::vector<int> AutoPageTest::Data(const CComboBox& combo)
{
    std::vector<int> data;
    for (int i = 0; i < combo.GetCount(); ++i)
        data.push_back(static_cast<int>(combo.GetItemData(i)));
    return data;
}

int AutoPageTest::SelectedData(const CComboBox& combo)
{
    const int item = combo.GetCurSel();
    return item < 0 ? -1 : static_cast<int>(combo.GetItemData(item));
}

std::string AutoPageTest::SelectedText(const CComboBox& combo)
{
    const int item = combo.GetCurSel();
    return item < 0 ? std::string() : Texts(combo)[static_cast<size_t>(item)];
}

void AutoPageTest::Pick(CComboBox& combo, int item)
{
    combo.SetCurSel(item);
    ::SendMessageA(::GetParent(combo.m_hWnd), WM_COMMAND, MAKEWPARAM(combo.GetDlgCtrlID(), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo.m_hWnd));
    Pump();
}

void AutoPageTest::PickData(CComboBox& combo, int data)
{
    const std::vector<int> all = Data(combo);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == data) {
            Pick(combo, static_cast<int>(i));
            return;
        }
    }
    ADD_FAILURE() << "no item with data " << data;
}

int AutoPageTest::IndexOfText(const CComboBox& combo, const std::string& prefix)
{
    const std::vector<std::string> texts = Texts(combo);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void AutoPageTest::Click(HWND button)
{
    ::SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
}

std::vector<std::string> AutoPageTest::ModeWrites()
{
    return Trace({"KvSetFeatureArray", "feature=0xFF00:0x15"});
}

bool AutoPageTest::TakeSelectApplication()
{
    MSG msg{};
    return ::PeekMessageA(&msg, AutoPage().m_hWnd, UM_SELECT_APPLICATION, UM_SELECT_APPLICATION, PM_REMOVE) != FALSE;
}
