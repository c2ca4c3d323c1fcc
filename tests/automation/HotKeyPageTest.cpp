// The "Hot Key" page: the controls a monitor's type offers, editing with
// its refusals, storing by the write rule, and same-model copies.
#include "AutoPageTest.h"

#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CDlgMessage.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr WORD Shift = HOTKEYF_SHIFT, Ctrl = HOTKEYF_CONTROL, Alt = HOTKEYF_ALT, Ext = HOTKEYF_EXT;
constexpr int PowerControl = 0, ColorModeControl = 1, GlintaraControl = 2, MuteControl = 5, ScreenSizeControl = 6;

// Monitors of hot-key type 1, type 0 and none, and one of the first model
// name under another model code.
const char* const TypesScenario = R"(
profile one
  model "SIM-ONE"
  code SIMONE01
  modes 22 23
  hotkeys 0x180
  hotkeys2 0x200
end
profile zero
  model "SIM-ZERO"
  code SIMZER01
  modes 22 23
  hotkeys 0x180
end
profile none
  model "SIM-NONE"
  code SIMNON01
  modes 22 23
  hotkeys 0
end
profile onebis
  model "SIM-ONE"
  code SIMONE02
  modes 22 23
  hotkeys 0x180
  hotkeys2 0x200
end
monitor 1 one ONE00001
monitor 2 zero ZERO0001
monitor 3 none NONE0001
monitor 4 one ONE00002
monitor 5 onebis ONEB0001
)";

class HotKeyPageTest : public AutoPageTest {
protected:
    void Open(const char* scenario = nullptr, int current = 0)
    {
        Start(scenario, current);
        ShowTab(HotKeyTab);
        if (::SendMessageA(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY), BM_GETCHECK, 0, 0) == BST_CHECKED)
            ::SendMessageA(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY), BM_SETCHECK, BST_UNCHECKED, 0);
    }

    static HWND Control(int i) { return HotKeyItem(IDC_HOTKEY_FIRST + i); }

    // The user types a combination into control i.
    static void Type(int i, WORD key, WORD modifiers)
    {
        ::SetFocus(Control(i));
        ::SendMessageA(Control(i), HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
        ::SendMessageA(HotKeyPage().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOTKEY_FIRST + i, EN_CHANGE),
                       reinterpret_cast<LPARAM>(Control(i)));
        Pump();
    }
    // Keys as the keyboard gives them to control i, focused in the window in
    // front (i < 0: to whichever window has the keyboard); a virtual key goes
    // down, its negative comes up.
    static void Keyboard(int i, std::initializer_list<int> keys)
    {
        if (i >= 0) {
            ::SetForegroundWindow(Main().m_hWnd);
            ::SetFocus(Control(i));
        }
        std::vector<INPUT> input;
        for (int key : keys) {
            INPUT event{};
            event.type = INPUT_KEYBOARD;
            event.ki.wVk = static_cast<WORD>(key < 0 ? -key : key);
            event.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(event.ki.wVk, MAPVK_VK_TO_VSC));
            event.ki.dwFlags = key < 0 ? KEYEVENTF_KEYUP : 0;
            input.push_back(event);
        }
        ASSERT_EQ(::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
        Pump();
    }
    static HotKeyBinding Shown(int i)
    {
        const LRESULT key = ::SendMessageA(Control(i), HKM_GETHOTKEY, 0, 0);
        return {LOBYTE(key), HIBYTE(key)};
    }
    static CMonitorStatus& Monitor(int index) { return *theApp.m_StatusAll.m_arMonitors[index]; }
    static HotKeyBinding Slot(int index, int slot) { return Monitor(index).m_HotKeys[slot]; }

    // The stored words of a monitor's "VKey" or "Mod"; empty when missing.
    static std::vector<WORD> Stored(int index, const char* value)
    {
        BYTE bytes[HotKeyValueBytes] = {};
        DWORD size = sizeof bytes;
        const CString key = SettingsLayout::HotKeyKey(Monitor(index).m_strModelName, Monitor(index).m_strSerial);
        if (::RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_REG_BINARY, nullptr, bytes, &size) != ERROR_SUCCESS)
            return {};
        std::vector<WORD> words;
        for (int i = 0; i < HotKeyFunctionCount; ++i)
            words.push_back(static_cast<WORD>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
        return words;
    }
    static void StoreRaw(int index, const char* value, std::vector<WORD> words)
    {
        BYTE bytes[HotKeyValueBytes] = {};
        for (size_t i = 0; i < words.size(); ++i) {
            bytes[2 * i] = LOBYTE(words[i]);
            bytes[2 * i + 1] = HIBYTE(words[i]);
        }
        const CString key = SettingsLayout::HotKeyKey(Monitor(index).m_strModelName, Monitor(index).m_strSerial);
        ::RegSetKeyValueA(HKEY_CURRENT_USER, key, value, REG_BINARY, bytes, sizeof bytes);
    }
    static bool Visible(int id) { return ::IsWindowVisible(HotKeyItem(id)) != FALSE; }
    static std::string Text(int id)
    {
        char text[128] = {};
        ::GetWindowTextA(HotKeyItem(id), text, sizeof text);
        return text;
    }
    static void PickMonitor(int index) { Pick(HotKeyPage().m_comboMonitor, index); }
    static bool SameModelsTicked()
    {
        return ::SendMessageA(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void TickSameModels()
    {
        m_answers = {IDYES};
        Click(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY));
        ASSERT_TRUE(SameModelsTicked());
    }
    static DWORD StoredSameModels()
    {
        DWORD value = 0xDEAD;
        ReadDword(RegKeyHotKey, RegValueMultiControl, &value);
        return value;
    }

    // Message boxes of the program's own kind that the page opened.
    struct OwnBox {
        std::string text;
        BOOL warning = FALSE;
    };
    std::vector<OwnBox> m_ownBoxes;
    // What the box is closed with: IDOK, or 255 as the main window does it.
    void AnswerOwnBoxes(INT_PTR result)
    {
        m_seams->modalDialogReady = [this, result](CDialog& dialog) {
            auto* box = dynamic_cast<CDlgMessage*>(&dialog);
            if (!box) {
                dialog.EndDialog(IDCANCEL);
                return;
            }
            m_ownBoxes.push_back({box->m_strText.GetString(), box->m_bWarning});
            EXPECT_EQ(theApp.m_hWndMessage, box->m_hWnd);
            if (result == SubDialogClosedFromOutside)
                Main().CloseSubDialogs();
            else
                box->EndDialog(static_cast<int>(result));
        };
    }
};

TEST_F(HotKeyPageTest, TheMonitorsTypeDecidesTheControls)
{
    Open(TypesScenario);
    EXPECT_EQ(Texts(HotKeyPage().m_comboMonitor).size(), 5u);
    EXPECT_NE(SelectedText(HotKeyPage().m_comboMonitor).find("(SIM-ONE S/N:ONE00001)"), std::string::npos);
    const std::vector<int> typeOne = {PowerControl, ColorModeControl, GlintaraControl, MuteControl, ScreenSizeControl};
    for (int i = 0; i < HotKeyControlCount; ++i) {
        const bool used = std::find(typeOne.begin(), typeOne.end(), i) != typeOne.end();
        EXPECT_EQ(Visible(IDC_HOTKEY_FIRST + i), used) << i;
        EXPECT_EQ(Visible(IDC_HOTKEY_LABEL_FIRST + i), used) << i;
    }
    EXPECT_EQ(Text(IDC_HOTKEY_LABEL_FIRST + PowerControl), "Power On/Off :");
    EXPECT_EQ(Text(IDC_HOTKEY_LABEL_FIRST + ColorModeControl), "Color Mode :");
    EXPECT_EQ(Text(IDC_HOTKEY_LABEL_FIRST + GlintaraControl), "Glintara 2 On/Off :");
    EXPECT_EQ(Text(IDC_HOTKEY_LABEL_FIRST + MuteControl), "Mute On/Off :");
    EXPECT_EQ(Text(IDC_HOTKEY_LABEL_FIRST + ScreenSizeControl), "Screen Size :");

    PickMonitor(1);   // type 0: no Glintara 2 key
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 1);
    EXPECT_TRUE(Visible(IDC_HOTKEY_FIRST + PowerControl));
    EXPECT_FALSE(Visible(IDC_HOTKEY_FIRST + GlintaraControl));
    EXPECT_FALSE(Visible(IDC_HOTKEY_LABEL_FIRST + GlintaraControl));
    EXPECT_TRUE(Visible(IDC_HOTKEY_FIRST + ScreenSizeControl));

    Type(PowerControl, 'P', Ctrl | Alt);
    PickMonitor(2);   // no hot keys: nothing of the monitor before stays shown
    for (int i = 0; i < HotKeyControlCount; ++i)
        EXPECT_FALSE(Visible(IDC_HOTKEY_FIRST + i)) << i;
    EXPECT_TRUE(Stored(2, RegValueVKey).empty());
}

TEST_F(HotKeyPageTest, AnAcceptedKeyIsStoredAtOnceByTheWriteRule)
{
    Open(nullptr, 2);   // SIM-32U, type 0
    StoreRaw(2, RegValueVKey, {0, 0, 0, 0, 'G'});   // a Glintara 2 key from a time the monitor had one
    StoreRaw(2, RegValueMod, {0, 0, 0, 0, Shift});
    Type(PowerControl, 'P', Ctrl | Alt);
    EXPECT_EQ(Slot(2, HotKeyPower), (HotKeyBinding{'P', Ctrl | Alt}));
    EXPECT_EQ(Stored(2, RegValueVKey), (std::vector<WORD>{'P', 0, 0, 0, 'G'}));
    EXPECT_EQ(Stored(2, RegValueMod), (std::vector<WORD>{Ctrl | Alt, 0, 0, 0, Shift}));

    Type(ScreenSizeControl, VK_F12, Shift);   // F12 with a modifier is fine
    Type(MuteControl, VK_CAPITAL, 0);         // so is CapsLock alone
    Type(ColorModeControl, VK_CAPITAL, Ctrl);
    EXPECT_EQ(Stored(2, RegValueVKey), (std::vector<WORD>{'P', VK_CAPITAL, VK_CAPITAL, VK_F12, 'G'}));
    EXPECT_EQ(Stored(2, RegValueMod), (std::vector<WORD>{Ctrl | Alt, 0, Ctrl, Shift, Shift}));
    EXPECT_TRUE(m_boxTexts.empty());

    // A new monitor's first edit makes its subkey with both values.
    PickMonitor(0);
    EXPECT_TRUE(Stored(0, RegValueVKey).empty());
    Type(GlintaraControl, 'G', Ctrl);
    EXPECT_EQ(Stored(0, RegValueVKey), (std::vector<WORD>{0, 0, 0, 0, 'G'}));
    EXPECT_EQ(Stored(0, RegValueMod), (std::vector<WORD>{0, 0, 0, 0, Ctrl}));
}

TEST_F(HotKeyPageTest, RefusedKeysAreClearedWithoutAWord)
{
    Open();
    const std::vector<std::pair<WORD, WORD>> refused = {
        {VK_PAUSE, 0}, {VK_PAUSE, Ctrl}, {VK_SLEEP, 0}, {VK_PROCESSKEY, 0}, {0xFF, Alt}, {VK_CAPITAL, Shift}, {0, Ctrl}};
    for (const auto& [key, modifiers] : refused) {
        Type(PowerControl, 'P', Ctrl);
        ASSERT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl}));
        Type(PowerControl, key, modifiers);
        EXPECT_EQ(Shown(PowerControl), HotKeyBinding{}) << key;
        EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{}) << key;
        EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 0) << key;
        EXPECT_EQ(Stored(0, RegValueMod)[HotKeyPower], 0) << key;
    }
    EXPECT_TRUE(m_boxTexts.empty());
}

TEST_F(HotKeyPageTest, ACombinationOfAnotherControlIsClearedFromTheOneEdited)
{
    Open();
    Type(PowerControl, 'P', Ctrl);
    Type(MuteControl, 'P', Ctrl);
    EXPECT_EQ(Shown(MuteControl), HotKeyBinding{});
    EXPECT_EQ(Slot(0, HotKeyMute), HotKeyBinding{});
    EXPECT_EQ(Shown(PowerControl), (HotKeyBinding{'P', Ctrl}));
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl}));
    Type(MuteControl, 'P', Ctrl | Shift);   // other modifiers: another combination
    EXPECT_EQ(Slot(0, HotKeyMute), (HotKeyBinding{'P', Ctrl | Shift}));

    // Ctrl+Ins and Ctrl+Num 0 with NumLock off differ only in the extended
    // flag, which the system does not register: one combination.
    Type(ColorModeControl, VK_INSERT, Ctrl | Ext);
    Type(ScreenSizeControl, VK_INSERT, Ctrl);
    EXPECT_EQ(Shown(ScreenSizeControl), HotKeyBinding{});
    EXPECT_EQ(Slot(0, HotKeyScreenSize), HotKeyBinding{});
    EXPECT_EQ(Slot(0, HotKeyColorMode), (HotKeyBinding{VK_INSERT, Ctrl | Ext}));
}

// A modifier reaches the control before the key it goes with, and before
// the keys that leave the field: held alone it neither clears nor stores,
// and a field left on it shows its binding again.
TEST_F(HotKeyPageTest, LeavingAFieldWithAModifierKeepsItsKey)
{
    Open();
    Keyboard(PowerControl, {VK_CONTROL, 'P', -'P', -VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl})) << "Shift held";
    Keyboard(PowerControl, {VK_TAB, -VK_TAB, -VK_SHIFT, VK_CONTROL, VK_TAB, -VK_TAB, -VK_CONTROL});
    Keyboard(PowerControl, {VK_MENU, VK_TAB, -VK_TAB});
    // Alt+Tab: the system brings another window to the front.
    const HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                         nullptr, nullptr);
    ::SetForegroundWindow(other);
    Keyboard(-1, {-VK_MENU});
    ::DestroyWindow(other);
    EXPECT_EQ(Shown(PowerControl), (HotKeyBinding{'P', Ctrl}));
    EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 'P');

    // Nor is a key alone taken with a modifier that went down in the field
    // and came up elsewhere.
    Keyboard(ColorModeControl, {VK_SHIFT, VK_TAB, -VK_TAB, -VK_SHIFT});
    Keyboard(ColorModeControl, {'M', -'M'});
    EXPECT_EQ(Slot(0, HotKeyColorMode), (HotKeyBinding{'M', 0}));

    Keyboard(PowerControl, {VK_MENU, 'C', -'C', -VK_MENU});
    EXPECT_FALSE(theApp.m_bSettingShown) << "Alt+C closes the window";
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl}));

    // A modifier let go alone is a cleared field.
    Rebuild();
    ShowTab(HotKeyTab);
    Keyboard(PowerControl, {VK_SHIFT, -VK_SHIFT});
    EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 0);
}

// Keys that empty the field without a change notice from the control still
// clear the binding, before Alt+C closes the window.
TEST_F(HotKeyPageTest, EmptyingAFieldByTheKeyboardClearsItsBinding)
{
    Open();
    for (int key : {VK_BACK, VK_DELETE, VK_SPACE}) {
        Type(PowerControl, 'P', Ctrl);
        Keyboard(PowerControl, {key, -key});
        EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{}) << key;
        EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 0) << key;
    }
    Type(PowerControl, 'P', Ctrl);
    Keyboard(PowerControl, {VK_BACK, -VK_BACK, VK_MENU, 'C', -'C', -VK_MENU});
    EXPECT_EQ(Main().m_nHotKeyCount, 0u) << "nothing left to register";
}

TEST_F(HotKeyPageTest, OnlyTypingWhileTheWindowIsShownCounts)
{
    Open();
    ::SetFocus(Control(MuteControl));
    ::SendMessageA(Control(PowerControl), HKM_SETHOTKEY, MAKEWORD('P', Ctrl), 0);
    ::SendMessageA(HotKeyPage().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOTKEY_FIRST, EN_CHANGE),
                   reinterpret_cast<LPARAM>(Control(PowerControl)));
    EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{}) << "the focus is elsewhere";

    theApp.m_bSettingShown = FALSE;
    Type(PowerControl, 'P', Ctrl);
    theApp.m_bSettingShown = TRUE;
    EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{});
    EXPECT_TRUE(Stored(0, RegValueVKey).empty());
}

TEST_F(HotKeyPageTest, F12AloneIsRefusedWithTheProgramsMessageBox)
{
    Open();
    AnswerOwnBoxes(IDOK);
    Type(PowerControl, 'P', Ctrl);
    Type(PowerControl, VK_F12, 0);
    ASSERT_EQ(m_ownBoxes.size(), 1u);
    EXPECT_EQ(m_ownBoxes[0].text, "The F12 key cannot be registered on this OS.");
    EXPECT_TRUE(m_ownBoxes[0].warning);
    EXPECT_EQ(theApp.m_hWndMessage, nullptr);
    EXPECT_EQ(Shown(PowerControl), HotKeyBinding{});
    EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{});
    EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 0);

    // Closed by the main window (the monitors changed meanwhile): the
    // control is cleared, but nothing is stored.
    AnswerOwnBoxes(SubDialogClosedFromOutside);
    Type(PowerControl, 'P', Ctrl);
    Type(PowerControl, VK_F12, 0);
    ASSERT_EQ(m_ownBoxes.size(), 2u);
    EXPECT_EQ(Shown(PowerControl), HotKeyBinding{});
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl}));
    EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyPower], 'P');
    EXPECT_EQ(theApp.m_hWndMessage, nullptr);
}

TEST_F(HotKeyPageTest, ApplyToTheSameModelsIsAskedAndStored)
{
    Open();
    Type(PowerControl, 'P', Ctrl);   // a monitor without any key clears the box
    m_answers = {IDNO};
    Click(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY));
    ASSERT_EQ(m_boxTexts.size(), 1u);
    EXPECT_EQ(m_boxTexts[0], "Do you want to apply the same hotkey settings to a monitor of the same model as "
                             "that selected for \"Monitor\"?");
    EXPECT_EQ(m_boxTypes[0], static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_FALSE(SameModelsTicked());
    EXPECT_EQ(StoredSameModels(), 0u);

    TickSameModels();
    EXPECT_EQ(StoredSameModels(), 1u);
    EXPECT_EQ(Slot(1, HotKeyPower), HotKeyBinding{}) << "nothing copied yet";
    Click(HotKeyItem(IDC_CHECK_SAME_MODELS_HOTKEY));
    EXPECT_EQ(m_boxTexts.size(), 2u) << "clearing it asks nothing";
    EXPECT_EQ(StoredSameModels(), 0u);
}

TEST_F(HotKeyPageTest, TheSameModelsBoxStartsAsStored)
{
    Open();
    for (DWORD stored : {1u, 0u}) {
        WriteDword(RegKeyHotKey, RegValueMultiControl, stored);
        RecreatePage(HotKeyPage(), IDD_HOT_KEY);
        EXPECT_EQ(SameModelsTicked(), stored == 1) << stored;
    }
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, RegKeyHotKey, RegValueMultiControl);
    RecreatePage(HotKeyPage(), IDD_HOT_KEY);
    EXPECT_FALSE(SameModelsTicked()) << "missing: off";
    ShowTab(HotKeyTab);
}

TEST_F(HotKeyPageTest, AnotherMonitorPickedCopiesToTheSameModelCodeFirst)
{
    Open(TypesScenario);
    Type(PowerControl, 'P', Ctrl);
    Type(GlintaraControl, 'G', Alt);
    TickSameModels();
    PickMonitor(1);

    EXPECT_EQ(Monitor(3).m_HotKeys, Monitor(0).m_HotKeys) << "same model code";
    EXPECT_EQ(Stored(3, RegValueVKey), (std::vector<WORD>{'P', 0, 0, 0, 'G'}));
    EXPECT_EQ(Slot(4, HotKeyPower), HotKeyBinding{}) << "same model name, another code";
    EXPECT_TRUE(Stored(4, RegValueVKey).empty());
    EXPECT_EQ(Slot(1, HotKeyPower), HotKeyBinding{});
    // The monitor now shown has no key at all: the box is cleared and stored so.
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 1);
    EXPECT_FALSE(SameModelsTicked());
    EXPECT_EQ(StoredSameModels(), 0u);
}

// The read rule takes the stored words when either value is there; the
// missing one reads as zero words.
TEST_F(HotKeyPageTest, ABindingLoadsFromOnlyOneOfItsTwoValues)
{
    Open();
    StoreRaw(0, RegValueVKey, {'P', 0, 'C'});
    Rebuild();
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', 0}));
    EXPECT_EQ(Slot(0, HotKeyColorMode), (HotKeyBinding{'C', 0}));

    const CString key = SettingsLayout::HotKeyKey(Monitor(0).m_strModelName, Monitor(0).m_strSerial);
    ASSERT_EQ(::RegDeleteKeyValueA(HKEY_CURRENT_USER, key, RegValueVKey), ERROR_SUCCESS);
    StoreRaw(0, RegValueMod, {0, Alt, Ctrl});
    Rebuild();
    EXPECT_EQ(Slot(0, HotKeyMute), (HotKeyBinding{0, Alt}));
    EXPECT_EQ(Slot(0, HotKeyColorMode), (HotKeyBinding{0, Ctrl}));
    EXPECT_EQ(Slot(0, HotKeyPower), HotKeyBinding{});
}

// Two monitors whose model codes could not be read are not of one model.
TEST_F(HotKeyPageTest, AnUnreadModelCodeMatchesNoOtherMonitor)
{
    Open(TypesScenario);
    Sim("fault 1 read model-code");
    Sim("fault 2 read model-code");
    Rebuild();
    ShowTab(HotKeyTab);
    ASSERT_TRUE(Monitor(0).m_strModelCode.IsEmpty());
    ASSERT_TRUE(Monitor(1).m_strModelCode.IsEmpty());
    Type(PowerControl, 'P', Ctrl);
    TickSameModels();
    PickMonitor(2);
    EXPECT_EQ(Slot(1, HotKeyPower), HotKeyBinding{});
    EXPECT_TRUE(Stored(1, RegValueVKey).empty());
}

TEST_F(HotKeyPageTest, HidingThePageCopiesToo)
{
    Open();
    Type(ColorModeControl, 'C', Ctrl | Alt);
    TickSameModels();
    ShowTab(1);
    EXPECT_EQ(Slot(1, HotKeyColorMode), (HotKeyBinding{'C', Ctrl | Alt}));
    EXPECT_EQ(Slot(2, HotKeyColorMode), HotKeyBinding{}) << "another model";
    EXPECT_EQ(Stored(1, RegValueVKey)[HotKeyColorMode], 'C');

    // The settings window closed: the main window registers what was copied.
    Main().OnBnClickedClose();
    EXPECT_EQ(Main().m_nHotKeyCount, 2u);
}

// After a rebuild another monitor of the model is current (a plugged one,
// say) while the page still shows the first: what is typed, and the copy at
// the automatic hide, go from the monitor shown.
TEST_F(HotKeyPageTest, TheMonitorShownIsTheOneEditedAndCopied)
{
    Open();
    Type(ColorModeControl, 'C', Ctrl | Alt);
    TickSameModels();
    Rebuild(1);
    Type(PowerControl, 'P', Ctrl);
    EXPECT_TRUE(Slot(1, HotKeyPower).IsFree());
    Main().m_bSetChanged = TRUE;
    Main().SendMessage(WM_TIMER, Main().m_nTimerId);
    ASSERT_FALSE(theApp.m_bSettingShown);
    EXPECT_EQ(Slot(0, HotKeyPower), (HotKeyBinding{'P', Ctrl}));
    EXPECT_EQ(Stored(0, RegValueVKey)[HotKeyColorMode], 'C');
    EXPECT_EQ(Slot(1, HotKeyColorMode), (HotKeyBinding{'C', Ctrl | Alt}));
}

} // namespace
