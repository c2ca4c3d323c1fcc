// The "Auto Color" page itself: its start from the registry, the lists, the
// editor with its questions, registering and deleting applications, and
// the focus when a button that has it is disabled.
#include "AutoPageTest.h"

#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "tests/harness/KeyInput.h"

#include <algorithm>
#include <functional>

namespace {

const std::vector<int> AllModes = {22, 23, 24, 33, 34, 40, 41, 42, 43, 44, 45, 46};

// Counts the messages that empty or fill the page's two mode lists while it lives.
class ListRefills {
public:
    explicit ListRefills(std::vector<HWND> lists)
    {
        s_lists = std::move(lists);
        s_count = 0;
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~ListRefills() { ::UnhookWindowsHookEx(m_hook); }
    ListRefills(const ListRefills&) = delete;
    ListRefills& operator=(const ListRefills&) = delete;
    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && (call->message == CB_RESETCONTENT || call->message == CB_ADDSTRING) &&
            std::find(s_lists.begin(), s_lists.end(), call->hwnd) != s_lists.end())
            ++s_count;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<HWND> s_lists;
    static inline int s_count = 0;
    HHOOK m_hook;
};

class AutoColorPageTest : public AutoPageTest {
protected:
    void SetUp() override
    {
        AutoPageTest::SetUp();
        StartApps();
        Start();
        RecreateAutoPage();
        ShowAutoColorTab();
        Sim("trace clear");
    }

    static CComboBox& Applications() { return g_comboApplication; }
    static CComboBox& Modes() { return g_comboColorMode; }
    static CComboBox& Defaults() { return AutoPage().m_comboDefaultMode; }

    static void SelectApplication(const std::string& prefix)
    {
        const int item = IndexOfText(Applications(), prefix);
        ASSERT_GE(item, 0) << prefix;
        Pick(Applications(), item);
    }
    static void PickMode(int mode) { PickData(Modes(), mode); }
    static bool HasKey(const char* name) { return KeyExists(SettingsLayout::TonalisKey(name)); }
    static std::string StoredDescription(const char* name)
    {
        char text[300] = {};
        DWORD size = sizeof text;
        ::RegGetValueA(HKEY_CURRENT_USER, SettingsLayout::TonalisKey(name), RegValueDescription, RRF_RT_REG_SZ,
                       nullptr, text, &size);
        return text;
    }
    static bool Enabled(int id) { return ::IsWindowEnabled(AutoItem(id)) != FALSE; }
    static int Registrations() { return static_cast<int>(AutoPage().m_pRegisteredList->GetCount()); }
};

TEST_F(AutoColorPageTest, AFirstStartSwitchesOnAndStoresIt)
{
    DWORD value = 0;
    EXPECT_EQ(::SendMessageA(AutoItem(IDC_CHECK_AUTO_COLOR), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueModeChange, &value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(SelectedData(Defaults()), 47);
    EXPECT_FALSE(ReadDword(RegKeyRoot, RegValueDefMode, &value)) << "nothing written until the user picks";

    WriteDword(RegKeyRoot, RegValueModeChange, 0);
    WriteDword(RegKeyRoot, RegValueDefMode, 24);
    RecreateAutoPage();
    EXPECT_EQ(::SendMessageA(AutoItem(IDC_CHECK_AUTO_COLOR), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SelectedData(Defaults()), 24);
    for (int id : {IDC_COMBO_APPLICATION, IDC_COMBO_APPLICATION_MODE, IDC_COMBO_DEFAULT_MODE, IDC_BTN_REGISTER,
                   IDC_BTN_DELETE})
        EXPECT_FALSE(Enabled(id)) << id;

    // A value of another type counts as missing: the box is on and 1 is stored.
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, RegKeyRoot, RegValueModeChange, REG_SZ, "0", 2), ERROR_SUCCESS);
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, RegKeyRoot, RegValueDefMode, REG_SZ, "24", 3), ERROR_SUCCESS);
    RecreateAutoPage();
    EXPECT_EQ(::SendMessageA(AutoItem(IDC_CHECK_AUTO_COLOR), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueModeChange, &value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(SelectedData(Defaults()), 47);
}

TEST_F(AutoColorPageTest, TheBoxSwitchesTheListsAndIsStored)
{
    SelectApplication("ARCADE");
    PickMode(33);
    EXPECT_TRUE(Enabled(IDC_BTN_REGISTER));
    EXPECT_TRUE(Enabled(IDC_BTN_DELETE)) << "offered for an application without a registration too";
    Click(AutoItem(IDC_CHECK_AUTO_COLOR));
    DWORD value = 1;
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueModeChange, &value));
    EXPECT_EQ(value, 0u);
    for (int id : {IDC_COMBO_APPLICATION, IDC_COMBO_APPLICATION_MODE, IDC_COMBO_DEFAULT_MODE, IDC_BTN_REGISTER,
                   IDC_BTN_DELETE})
        EXPECT_FALSE(Enabled(id)) << id;
    Click(AutoItem(IDC_CHECK_AUTO_COLOR));
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueModeChange, &value));
    EXPECT_EQ(value, 1u);
    EXPECT_TRUE(Enabled(IDC_BTN_REGISTER));
}

TEST_F(AutoColorPageTest, RegisteredAndRunningApplicationsAreListed)
{
    Register("GAME", 33, "Game of the test");
    Register("BARE", 22);
    Register("NOMODE", 22);
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, SettingsLayout::TonalisKey("NOMODE"), RegValueMode);
    Register("WILD", 256);
    RecreateAutoPage();

    const std::vector<std::string> texts = Texts(Applications());
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "BARE ()");   // registry order, then the running ones
    EXPECT_EQ(texts[1], "GAME (Game of the test)");
    EXPECT_EQ(texts[2], "WILD ()");
    auto listed = [&](const std::string& text) { return std::count(texts.begin(), texts.end(), text); };
    EXPECT_EQ(listed("ARCADE (Arcade Test Game)"), 1);
    EXPECT_EQ(listed("PLAINAPP (Detailed information unavailable)"), 1);
    EXPECT_GE(IndexOfText(Applications(), "EXPLORER ("), 3) << "a folder window";
    EXPECT_GE(IndexOfText(Applications(), "SHIMGVW ("), 3) << "the picture viewer";
    EXPECT_EQ(IndexOfText(Applications(), "NOMODE"), -1) << "no \"Mode\": no registration";
    EXPECT_EQ(IndexOfText(Applications(), "AUTOMATION_PAGE_TEST"), -1) << "the program itself";
    EXPECT_EQ(Registrations(), 3);

    SelectApplication("GAME");
    EXPECT_EQ(SelectedData(Modes()), 33);
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{33, 33, 33})) << "applied when selected";
    SelectApplication("WILD");
    EXPECT_EQ(SelectedData(Modes()), -1) << "a stored mode no monitor offers";
}

TEST_F(AutoColorPageTest, TheModeListsFollowTheMonitors)
{
    EXPECT_EQ(Data(Modes()), AllModes);
    std::vector<int> defaults = AllModes;
    defaults.push_back(47);
    EXPECT_EQ(Data(Defaults()), defaults);
    EXPECT_EQ(Texts(Defaults()).back(), "Not change the mode");
    EXPECT_EQ(Texts(Modes()).front(), "User1 mode");

    // The same monitors: the lists stay, and look as refilled ones would.
    WriteDword(RegKeyRoot, RegValueDefMode, 33);
    Modes().SetCurSel(2);
    {
        ListRefills refills({Modes().m_hWnd, Defaults().m_hWnd});
        AutoPage().SendMessage(UM_MONITORS_CHANGED, 0, 0);
        SelectApplication("ARCADE");
        EXPECT_EQ(refills.Count(), 0);
    }
    EXPECT_EQ(Data(Modes()), AllModes);
    EXPECT_EQ(SelectedData(Modes()), -1);
    EXPECT_EQ(SelectedData(Defaults()), 33);
    // A list that lost an item is whole again, and without the mode picked
    // there is nothing to register or delete.
    PickMode(33);
    ASSERT_TRUE(Enabled(IDC_BTN_REGISTER));
    Modes().DeleteString(3);
    AutoPage().SendMessage(UM_MONITORS_CHANGED, 0, 0);
    EXPECT_EQ(Data(Modes()), AllModes);
    EXPECT_EQ(Texts(Modes()).front(), "User1 mode");
    EXPECT_FALSE(Enabled(IDC_BTN_REGISTER));
    EXPECT_FALSE(Enabled(IDC_BTN_DELETE));

    PickMode(33);
    m_answers = {IDNO};   // the page hides: the mode is not kept
    Start("profile one\n modes 22 40\nend\nmonitor 1 one ONE00001\nunplug 1\n");
    ASSERT_EQ(theApp.m_StatusAll.m_arMonitors.GetSize(), 0);
    WriteDword(RegKeyRoot, RegValueDefMode, 40);
    AutoPage().SendMessage(UM_MONITORS_CHANGED, 0, 0);
    EXPECT_TRUE(Data(Modes()).empty());
    EXPECT_FALSE(Enabled(IDC_BTN_REGISTER)) << "an empty list";
    EXPECT_FALSE(Enabled(IDC_BTN_DELETE));
    EXPECT_EQ(Data(Defaults()), std::vector<int>{47}) << "a stored mode no monitor offers";
    DWORD stored = 0;
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueDefMode, &stored));
    EXPECT_EQ(stored, 40u) << "left as it was";
}

TEST_F(AutoColorPageTest, PickingTheDefaultModeStoresItOnly)
{
    PickData(Defaults(), 41);
    DWORD stored = 0;
    ASSERT_TRUE(ReadDword(RegKeyRoot, RegValueDefMode, &stored));
    EXPECT_EQ(stored, 41u);
    EXPECT_TRUE(ModeWrites().empty());
}

TEST_F(AutoColorPageTest, AModePickedForAnApplicationIsAppliedAtOnceButNotStored)
{
    SelectApplication("ARCADE");
    EXPECT_EQ(SelectedData(Modes()), -1);
    PickMode(40);
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{40, 40, 40}));
    EXPECT_FALSE(HasKey("ARCADE"));
    EXPECT_TRUE(m_boxTexts.empty());
}

TEST_F(AutoColorPageTest, RegisterAsksAndStoresModeAndDescription)
{
    SelectApplication("ARCADE");
    PickMode(33);
    m_answers = {IDYES};
    Click(AutoItem(IDC_BTN_REGISTER));
    ASSERT_EQ(m_boxTexts, std::vector<std::string>{"Save the mode setting of [ARCADE (Arcade Test Game)]?"});
    EXPECT_EQ(m_boxTypes[0], static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    DWORD mode = 0;
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("ARCADE"), RegValueMode, &mode));
    EXPECT_EQ(mode, 33u);
    EXPECT_EQ(StoredDescription("ARCADE"), "Arcade Test Game");
    EXPECT_EQ(Registrations(), 1);

    // The watcher now finds the registration.
    Main().HideSettingWindow();
    TickWith(Arcade().Window("ArcadeMain"));
    EXPECT_EQ(theApp.m_StatusAll.m_arMonitors[0]->m_nAutoMode, 33);
}

TEST_F(AutoColorPageTest, RegisterAnsweredNoClearsTheMode)
{
    SelectApplication("ARCADE");
    PickMode(33);
    m_answers = {IDNO};
    Click(AutoItem(IDC_BTN_REGISTER));
    EXPECT_FALSE(HasKey("ARCADE"));
    EXPECT_EQ(SelectedData(Modes()), -1);
    EXPECT_FALSE(Enabled(IDC_BTN_REGISTER));
    EXPECT_FALSE(Enabled(IDC_BTN_DELETE));
}

TEST_F(AutoColorPageTest, AnUnsavedModeIsOfferedBeforeTheEditorMovesOn)
{
    SelectApplication("ARCADE");
    PickMode(40);
    m_answers = {IDNO};
    SelectApplication("PLAINAPP");
    ASSERT_EQ(m_boxTexts, std::vector<std::string>{"Save the mode setting of [ARCADE (Arcade Test Game)]?"});
    EXPECT_FALSE(HasKey("ARCADE"));
    EXPECT_EQ(SelectedData(Modes()), -1) << "the newly shown application has no mode";

    PickMode(41);
    m_answers = {IDYES};
    SelectApplication("ARCADE");
    ASSERT_EQ(m_boxTexts.size(), 2u);
    EXPECT_EQ(m_boxTexts[1], "Save the mode setting of [PLAINAPP (Detailed information unavailable)]?");
    DWORD mode = 0;
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("PLAINAPP"), RegValueMode, &mode));
    EXPECT_EQ(mode, 41u);
    EXPECT_EQ(StoredDescription("PLAINAPP"), "Detailed information unavailable");

    // Selecting the shown application again asks nothing.
    PickMode(24);
    SelectApplication("ARCADE");
    EXPECT_EQ(m_boxTexts.size(), 2u);
}

TEST_F(AutoColorPageTest, HidingThePageOffersAnUnsavedModeToo)
{
    SelectApplication("ARCADE");
    PickMode(40);
    m_answers = {IDYES};
    ShowTab(1);
    ASSERT_EQ(m_boxTexts.size(), 1u);
    DWORD mode = 0;
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("ARCADE"), RegValueMode, &mode));
    EXPECT_EQ(mode, 40u);
    ShowAutoColorTab();
    EXPECT_EQ(SelectedData(Modes()), 40) << "shown again with its saved mode";
    ShowTab(1);
    EXPECT_EQ(m_boxTexts.size(), 1u) << "a saved mode is asked about no more";
}

TEST_F(AutoColorPageTest, DeleteAsksAndRemovesTheRegistration)
{
    Register("GAME", 33, "Game of the test");
    RecreateAutoPage();
    ShowAutoColorTab();
    SelectApplication("GAME");
    m_answers = {IDYES};
    Click(AutoItem(IDC_BTN_DELETE));
    ASSERT_EQ(m_boxTexts, std::vector<std::string>{"Are you sure to delete the mode setting of [GAME (Game of the test)]?"});
    EXPECT_FALSE(HasKey("GAME"));
    EXPECT_EQ(SelectedData(Modes()), -1);
    EXPECT_EQ(Registrations(), 0);
    EXPECT_EQ(SelectedText(Applications()), "GAME (Game of the test)") << "the item stays";
    EXPECT_EQ(AutoPage().m_pRegisteredList->GetCount(), 0);
}

TEST_F(AutoColorPageTest, DeletingWhatIsNotRegisteredFailsVisibly)
{
    SelectApplication("ARCADE");
    PickMode(33);
    m_answers = {IDYES};
    Click(AutoItem(IDC_BTN_DELETE));
    ASSERT_EQ(m_boxTexts.size(), 2u);
    EXPECT_EQ(m_boxTexts[1], "Failed to delete the mode setting.");
    EXPECT_EQ(m_boxTypes[1], static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(SelectedData(Modes()), -1);

    m_answers = {IDNO};   // answered No: nothing at all
    PickMode(33);
    Click(AutoItem(IDC_BTN_DELETE));
    EXPECT_EQ(m_boxTexts.size(), 3u);
    EXPECT_EQ(SelectedData(Modes()), 33);
}

// The watcher brings another application to the front while a question is
// open: what the user was asked about is what is stored, and the editor
// that moved on is left as the watcher showed it.
TEST_F(AutoColorPageTest, QuestionsStoreWhatTheyAskedAboutWhateverTheWatcherShows)
{
    Register("PLAINAPP", 41);
    RecreateAutoPage();
    ShowAutoColorTab();
    m_seams->messageBox = [this](HWND, LPCSTR text, LPCSTR, UINT) {
        m_boxTexts.push_back(text ? text : "");
        AutoPage().m_hLastForeground = nullptr;
        TickWith(Plain().Window("PlainMain"));
        EXPECT_EQ(SelectedData(Modes()), 41) << "the watcher shows PLAINAPP";
        return IDYES;
    };
    DWORD mode = 0;

    SelectApplication("ARCADE");
    PickMode(40);
    Click(AutoItem(IDC_BTN_REGISTER));
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("ARCADE"), RegValueMode, &mode));
    EXPECT_EQ(mode, 40u);
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("PLAINAPP"), RegValueMode, &mode));
    EXPECT_EQ(mode, 41u);

    SelectApplication("ARCADE");
    PickMode(24);
    SelectApplication("PLAINAPP");   // asks about ARCADE's unsaved 24
    ASSERT_EQ(m_boxTexts.size(), 2u);
    ASSERT_TRUE(ReadDword(SettingsLayout::TonalisKey("ARCADE"), RegValueMode, &mode));
    EXPECT_EQ(mode, 24u);

    SelectApplication("ARCADE");
    Click(AutoItem(IDC_BTN_DELETE));
    ASSERT_EQ(m_boxTexts.size(), 3u);
    EXPECT_EQ(m_boxTexts[2], "Are you sure to delete the mode setting of [ARCADE (Arcade Test Game)]?");
    EXPECT_FALSE(HasKey("ARCADE"));
    EXPECT_TRUE(HasKey("PLAINAPP"));
    EXPECT_EQ(SelectedText(Applications()), "PLAINAPP ()");
    EXPECT_EQ(SelectedData(Modes()), 41);
}

TEST_F(AutoColorPageTest, TheWatchersApplicationIsSelectedAndAddedWhenMissing)
{
    Main().HideSettingWindow();
    Register("PLAINAPP", 41);
    ReloadRegistrations();
    // As if it had started after the page: not in the list yet.
    const int item = IndexOfText(Applications(), "PLAINAPP");
    ASSERT_GE(item, 0);
    delete static_cast<ApplicationEntry*>(g_comboApplication.GetItemDataPtr(item));
    g_comboApplication.DeleteString(static_cast<UINT>(item));
    const size_t count = Texts(Applications()).size();

    TickWith(Plain().Window("PlainMain"));
    EXPECT_EQ(SelectedText(Applications()), "PLAINAPP (Detailed information unavailable)");
    EXPECT_EQ(Texts(Applications()).size(), count + 1) << "only that application is added";
    EXPECT_EQ(SelectedData(Modes()), -1) << "the list item keeps its own mode";
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{41, 41, 41}));
}

// A button disabled while it has the focus: by itself (Space on "&Delete"
// answered Yes, on "&Register" answered No), by the watcher or by a monitor
// change refilling the lists. The focus moves on to the next enabled control
// first, and the keyboard goes on from there.
TEST_F(AutoColorPageTest, TheFocusMovesOnFromAButtonDisabledUnderIt)
{
    ::SetForegroundWindow(Main().m_hWnd);
    ASSERT_EQ(::GetForegroundWindow(), Main().m_hWnd);
    const auto type = [](WORD key) {
        ASSERT_TRUE(PressKeys({key}));
        EXPECT_TRUE(PumpUntil(InputHandled));
    };
    const struct {
        const char* what;
        int button;
        std::function<void()> disable;
    } cases[] = {
        {"Delete, Yes", IDC_BTN_DELETE, [&] { m_answers = {IDYES}; type(VK_SPACE); }},
        {"Register, No", IDC_BTN_REGISTER, [&] { m_answers = {IDNO}; type(VK_SPACE); }},
        {"the watcher", IDC_BTN_REGISTER, [&] { TickWith(Plain().Window("PlainMain")); }},
        {"a monitor change", IDC_BTN_DELETE, [&] {
             Modes().DeleteString(3);
             AutoPage().SendMessage(UM_MONITORS_CHANGED, 0, 0);
         }},
    };
    for (const auto& [what, button, disable] : cases) {
        AutoPage().m_hLastForeground = nullptr;
        SelectApplication("ARCADE");
        PickMode(33);
        ::SetFocus(AutoItem(button));
        ASSERT_EQ(::GetFocus(), AutoItem(button)) << what;
        disable();
        ASSERT_FALSE(Enabled(button)) << what;
        const HWND focus = ::GetFocus();
        EXPECT_TRUE(focus && ::IsWindowEnabled(focus) && ::IsWindowVisible(focus)) << what;
        type(VK_TAB);
        EXPECT_NE(::GetFocus(), focus) << what << ": Tab moves on";
        EXPECT_NE(::GetFocus(), nullptr) << what;
    }
}

TEST_F(AutoColorPageTest, ASelectMessageFromElsewhereIsNotRead)
{
    SelectApplication("ARCADE");
    char foreign[] = "PLAINAPP";
    AutoPage().SendMessage(UM_SELECT_APPLICATION, 0, reinterpret_cast<LPARAM>(foreign));
    AutoPage().SendMessage(UM_SELECT_APPLICATION, 0, 0x10);
    EXPECT_EQ(SelectedText(Applications()), "ARCADE (Arcade Test Game)");
}

} // namespace
