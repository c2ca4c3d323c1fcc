// Roads taken with the keyboard alone, the keys pressed through the system
// as a user's are. The letters come from the controls' own texts, so the
// roads hold in either language of the resources: a hot key typed on its
// page acts once the window is closed; the colour adjustment opened on the
// second monitor writes nothing once an unplug has made another monitor
// current; keys typed after the tray menu reach none of the hidden pages.
#include "tests/e2e/E2eEnvironment.h"
#include "tests/e2e/ProgramSettings.h"
#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/SimPipe.h"
#include "tests/e2e/TalvexRunTest.h"
#include "tests/harness/KeyInput.h"

#include <commctrl.h>

#include <atomic>
#include <cwchar>
#include <cwctype>
#include <thread>

namespace {

// The two default monitors of one model, first in the pages' lists.
struct Listed {
    const char* number;
    const char* hotKeySubkey;
};
const Listed Pair[] = {{"1", "HotKey\\SIM-27Q_S27Q0001"}, {"2", "HotKey\\SIM-27Q_S27Q0002"}};

// The colour-mode key is the page's second field on either hot-key type,
// and the third of the stored words.
constexpr int ColourModeField = IDC_HOTKEY_FIRST + 1;
constexpr size_t ColourModeByte = 2 * 2;
constexpr WORD BindingKey = 'K';
constexpr BYTE BindingFlags = HOTKEYF_CONTROL | HOTKEYF_SHIFT;
const char StartMode[] = "22";
const char NextMode[] = "23";   // the model's mode after its start mode

// Long enough for any key that acts to show what it did.
constexpr DWORD QuietMs = 1000;

const char Brightness[] = "0x82:0x10";
const char ConnectFlag[] = "0xFF01:0x68";   // cleared by every rebuild of the list

// Writes to a monitor after a point of the trace, but the connect flag.
std::vector<std::string> WritesAfter(const TraceLog& log, long after, const std::string& monitor)
{
    std::vector<std::string> writes;
    for (const TraceEntry& entry : log.Entries()) {
        const bool write = entry.call == "KvSetFeatureArray" || entry.call == "KvSetFeatureValue";
        if (write && entry.sequence > after && entry.value("feature") != ConnectFlag &&
            entry.value("monitor") == monitor)
            writes.push_back(entry.text);
    }
    return writes;
}

// The stored colour-mode binding: key word and modifier word.
DWORD StoredBinding(const char* subkey)
{
    const std::vector<BYTE> keys = ProgramSettings::ReadBinary(subkey, "VKey");
    const std::vector<BYTE> mods = ProgramSettings::ReadBinary(subkey, "Mod");
    if (keys.size() <= ColourModeByte + 1 || mods.size() <= ColourModeByte + 1)
        return 0;
    return MAKELONG(MAKEWORD(keys[ColourModeByte], keys[ColourModeByte + 1]),
                    MAKEWORD(mods[ColourModeByte], mods[ColourModeByte + 1]));
}

bool TracedAfter(const TraceFile& trace, long after, const char* call, const TraceFilter& filter)
{
    const TraceLog log = trace.Read();
    return log.FirstAfter(after, call, filter) != nullptr;
}

// The program's thread is inside a long handler (the settle wait of a
// device change): a message sent to it is not answered at once.
bool Busy(const TalvexProcess& run)
{
    constexpr UINT BusyMs = 100;
    DWORD_PTR result = 0;
    return !SendMessageTimeoutA(run.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, BusyMs, &result);
}

// "Activate &Auto Color" as stored; 2 when nothing is.
DWORD AutoColourStored()
{
    DWORD stored = 2;
    ProgramSettings::ReadDword("", "ModeChange", stored);
    return stored;
}

bool Shown(HWND window)
{
    return IsWindowVisible(window) != FALSE;
}

} // namespace

class KeyboardRoadTest : public TalvexRunTest {
protected:
    // Presses the keys, then waits until what they do shows.
    ::testing::AssertionResult Type(std::initializer_list<WORD> keys, const std::function<bool()>& done,
                                    const std::string& what);
    // Starts the program, opens the settings window from the tray and goes
    // to the colour page (m_colour) with Right on the tabs.
    ::testing::AssertionResult OpenColourPage(const TraceFile& trace);
    ::testing::AssertionResult TabTo(HWND control);
    ::testing::AssertionResult CloseByKeys();
    // The letter the control's text marks with '&', as its key.
    static WORD Mnemonic(HWND control);
    HWND Focus() const { return RemoteWindow::FocusOf(m_run.MainWindow()); }
    HWND Page(int controlId) const { return RemoteWindow::FindPageWith(m_run.MainWindow(), controlId); }
    void Exit();

    TalvexProcess m_run;
    std::string m_error;
    HWND m_colour = nullptr;
};

::testing::AssertionResult KeyboardRoadTest::Type(std::initializer_list<WORD> keys, const std::function<bool()>& done,
                                                  const std::string& what)
{
    if (!PressKeys(keys))
        return ::testing::AssertionFailure() << "SendInput refused " << what;
    if (!RemoteWindow::WaitUntil(done, StepWaitMs))
        return ::testing::AssertionFailure() << what << " did nothing (" << RemoteWindow::ThreadState(m_run.MainWindow())
                                             << ")";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KeyboardRoadTest::OpenColourPage(const TraceFile& trace)
{
    ::testing::AssertionResult started = StartAndSettle(m_run, "", trace, 3);
    if (!started)
        return started;
    if (!DoubleClickTrayIcon(m_run, m_error))
        return ::testing::AssertionFailure() << m_error;
    m_colour = Page(IDC_CHECK_SAME_MODELS_COLOR);
    const HWND monitors = RemoteWindow::FindControl(m_colour, IDC_COMBO_MONITOR);
    return Type({VK_RIGHT}, [&] { return Shown(m_colour) && SendMessageA(monitors, CB_GETCOUNT, 0, 0) == 3; },
                "Right on the tabs");
}

::testing::AssertionResult KeyboardRoadTest::TabTo(HWND control)
{
    for (int step = 0; step < 20 && Focus() != control; ++step) {
        const HWND from = Focus();
        if (!Type({VK_TAB}, [&] { return Focus() != from; }, "Tab"))
            break;
    }
    if (Focus() != control)
        return ::testing::AssertionFailure() << "Tab never reached control " << GetDlgCtrlID(control);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KeyboardRoadTest::CloseByKeys()
{
    const HWND main = m_run.MainWindow();
    const WORD letter = Mnemonic(RemoteWindow::FindControl(main, IDC_CLOSE));
    return Type({VK_MENU, letter}, [&] { return !Shown(main); }, "Alt and the letter of \"&Close\"");
}

WORD KeyboardRoadTest::Mnemonic(HWND control)
{
    wchar_t text[128] = {};
    GetWindowTextW(control, text, 128);
    const wchar_t* amp = std::wcschr(text, L'&');
    return amp && amp[1] > 0 && amp[1] < 0x80 ? static_cast<WORD>(std::towupper(amp[1])) : 0;
}

void KeyboardRoadTest::Exit()
{
    Command(m_run, ID_TRAY_EXIT);
    EXPECT_TRUE(m_run.WaitForExit(StartWaitMs));
}

// The binding typed into the colour-mode field survives the modifier that
// leaves the field, is stored, and once "&Close" has registered it, the
// keys pressed anywhere step the shown monitor's mode, and only its.
TEST_F(KeyboardRoadTest, AHotKeyTypedOnItsPageActsOnceTheWindowIsClosed)
{
    TraceFile trace(E2eEnvironment::FreshFile("keys-hotkey-trace.txt"));
    ASSERT_TRUE(OpenColourPage(trace));
    SimPipe pipe(m_run.Pid());
    const HWND hotKeys = Page(IDC_HOTKEY_FIRST);
    ASSERT_TRUE(Type({VK_CONTROL, VK_SHIFT, VK_TAB}, [&] { return Shown(hotKeys); }, "Ctrl+Shift+Tab"));
    const int index = RemoteWindow::ComboSelection(RemoteWindow::FindControl(hotKeys, IDC_COMBO_MONITOR));
    ASSERT_TRUE(index == 0 || index == 1) << "the page shows one of the pair";
    const Listed& shown = Pair[index];
    const Listed& twin = Pair[1 - index];
    const HWND field = RemoteWindow::FindControl(hotKeys, ColourModeField);
    ASSERT_TRUE(TabTo(field));

    const DWORD binding = MAKELONG(BindingKey, BindingFlags);
    ASSERT_TRUE(Type({VK_CONTROL, VK_SHIFT, BindingKey}, [&] { return StoredBinding(shown.hotKeySubkey) == binding; },
                     "Ctrl+Shift+K in the field"));
    ASSERT_TRUE(Type({VK_SHIFT, VK_TAB}, [&] { return Focus() != field; }, "Shift+Tab"));
    EXPECT_EQ(SendMessageA(field, HKM_GETHOTKEY, 0, 0), MAKEWORD(BindingKey, BindingFlags))
        << "the field left on Shift shows its binding again";
    ASSERT_TRUE(CloseByKeys());
    EXPECT_EQ(StoredBinding(shown.hotKeySubkey), binding) << "the way out stored a modifier alone";
    ASSERT_TRUE(RemoteWindow::WaitUntil([] { return HotKeyTaken(MOD_CONTROL | MOD_SHIFT, BindingKey); }, StepWaitMs))
        << "\"&Close\" did not register the binding";

    const std::string mode = std::string("get ") + shown.number + " mode";
    ASSERT_EQ(pipe.Ask(mode), StartMode);
    ASSERT_TRUE(Type({VK_CONTROL, VK_SHIFT, BindingKey}, [&] { return pipe.Ask(mode) == NextMode; }, "the hot key"));
    EXPECT_EQ(pipe.Ask(std::string("get ") + twin.number + " mode"), StartMode);
    Exit();
}

// The colour adjustment opened by its letter on the second monitor, picked
// in the list with the arrows; a slider moved with an arrow; then the other
// model unplugged, which makes the first monitor current, and Esc. Nothing
// reaches the first monitor, and the second has its value back or keeps
// the moved one, as the Esc came before or after the list was rebuilt.
TEST_F(KeyboardRoadTest, ColourAdjustmentWritesNothingOnceAnUnplugMadeAnotherMonitorCurrent)
{
    TraceFile trace(E2eEnvironment::FreshFile("keys-colour-trace.txt"));
    ASSERT_TRUE(OpenColourPage(trace));
    SimPipe pipe(m_run.Pid());
    const HWND monitors = RemoteWindow::FindControl(m_colour, IDC_COMBO_MONITOR);
    ASSERT_TRUE(TabTo(monitors));
    if (RemoteWindow::ComboSelection(monitors) != 1) {
        const long before = trace.Read().LastSequence();
        const WORD arrow = RemoteWindow::ComboSelection(monitors) < 1 ? VK_DOWN : VK_UP;
        ASSERT_TRUE(Type({arrow}, [&] { return TracedAfter(trace, before, "KvGetFeatureArray", {{"monitor", "2"}}); },
                         "an arrow in the monitor list"));
        ASSERT_EQ(RemoteWindow::ComboSelection(monitors), 1);
    }
    ASSERT_TRUE(m_run.Sync(StepWaitMs));

    const long opened = trace.Read().LastSequence();
    HWND dialog = nullptr;
    ASSERT_TRUE(Type({VK_MENU, Mnemonic(RemoteWindow::FindControl(m_colour, IDC_BTN_COLOR))}, [&] {
        return (dialog = RemoteWindow::ShownDialogWith(m_run.Pid(), IDC_SLIDER_BRIGHTNESS)) != nullptr;
    }, "Alt and the letter of \"C&olor...\""));
    ASSERT_TRUE(TabTo(RemoteWindow::FindControl(dialog, IDC_SLIDER_BRIGHTNESS)));
    const std::string atOpening = pipe.Ask("get 2 brightness");
    ASSERT_TRUE(Type({VK_RIGHT}, [&] {
        return TracedAfter(trace, opened, "KvSetFeatureArray", {{"monitor", "2"}, {"feature", Brightness}});
    }, "Right on the brightness slider"));
    ASSERT_TRUE(m_run.Sync(StepWaitMs));
    const std::string moved = pipe.Ask("get 2 brightness");
    ASSERT_NE(moved, atOpening);

    // Esc comes while the program still handles the unplug, and is taken
    // once the rebuilt list has made the first monitor current.
    std::atomic<bool> unplugged{false};
    std::string answer;
    std::thread unplug([&] {
        answer = pipe.Ask("unplug 3");
        unplugged = true;
    });
    const bool duringUnplug = RemoteWindow::WaitUntil([&] { return unplugged || Busy(m_run); }, StepWaitMs) &&
                              !unplugged;
    const bool pressed = PressKeys({VK_ESCAPE});
    unplug.join();
    ASSERT_EQ(answer, "");
    ASSERT_TRUE(pressed && duringUnplug) << "Esc did not come while the unplug was handled";
    ASSERT_TRUE(RemoteWindow::WaitUntil([&] { return !IsWindow(dialog); }, StepWaitMs)) << "the dialog stayed";
    ASSERT_TRUE(m_run.Sync(StepWaitMs));

    const TraceLog log = trace.Read();
    EXPECT_EQ(WritesAfter(log, opened, "1"), std::vector<std::string>()) << "the first monitor was written";
    const std::string now = pipe.Ask("get 2 brightness");
    EXPECT_TRUE(now == moved || now == atOpening) << now;
    Exit();
}

// Two new taskbars announced while Wine's tray keeps the icon leave the
// program in the tray. Its menu leaves the hidden window the focus; what is
// typed after the menu is left with Esc acts on none of the pages, whichever
// tab was left selected: neither the letter of "Activate &Auto Color" nor
// that of "&Export...", nor the arrows, nor Ctrl+Tab.
TEST_F(KeyboardRoadTest, TheTrayOutlivesNewTaskbarsAndKeysAfterItsMenuReachNoHiddenPage)
{
    TraceFile trace(E2eEnvironment::FreshFile("keys-tray-trace.txt"));
    ASSERT_TRUE(StartAndSettle(m_run, "", trace, 3));
    const HWND main = m_run.MainWindow();
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    for (int announcement = 0; announcement < 2; ++announcement) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(main, taskbarCreated, 0, 0, SMTO_NORMAL, StepWaitMs, &result);
    }
    ASSERT_TRUE(m_run.Sync(StepWaitMs)) << "the program ended on a new taskbar";
    ASSERT_EQ(RemoteWindow::ShownWindowsOf(m_run.Pid()), std::vector<HWND>()) << "a new taskbar showed a window";
    ASSERT_EQ(TraySpy::ShownIcons().size(), 1u);
    const HWND tab = RemoteWindow::FindControl(main, IDC_TAB);
    const struct {
        int tab;
        int control;
    } leftOn[] = {{2, IDC_CHECK_AUTO_COLOR}, {1, IDC_BTN_EXPORT}};
    for (const auto& [selected, controlId] : leftOn) {
        SCOPED_TRACE("tab " + std::to_string(selected));
        ASSERT_TRUE(DoubleClickTrayIcon(m_run, m_error)) << m_error;
        for (int step = 1; step <= selected; ++step)
            ASSERT_TRUE(Type({VK_CONTROL, VK_TAB}, [&] { return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == step; },
                             "Ctrl+Tab"));
        const WORD letter = Mnemonic(RemoteWindow::FindControl(main, controlId));
        ASSERT_NE(letter, 0);
        ASSERT_TRUE(CloseByKeys());
        HWND menu = RightClickTrayIcon(m_run, m_error);
        ASSERT_NE(menu, nullptr) << m_error;
        ASSERT_TRUE(Type({VK_ESCAPE}, [&] { return !Shown(menu); }, "Esc on the tray menu"));

        ASSERT_TRUE(PressKeys({letter}) && PressKeys({VK_RIGHT}) && PressKeys({VK_CONTROL, VK_TAB}));
        // Keys that do nothing give nothing to wait for; a key that acts
        // shows well within this time. (A tray menu opened after them is no
        // mark: the program's callback overtakes a key it makes again.)
        RemoteWindow::WaitUntil([&] {
            return AutoColourStored() != 1 || !RemoteWindow::ShownWindowsOf(m_run.Pid()).empty() ||
                   SendMessageA(tab, TCM_GETCURSEL, 0, 0) != selected;
        }, QuietMs);
        EXPECT_EQ(RemoteWindow::ShownWindowsOf(m_run.Pid()), std::vector<HWND>()) << "a window showed";
        EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), selected);
        EXPECT_EQ(AutoColourStored(), 1u) << "\"Activate &Auto Color\" was toggled";
    }
    Exit();
}
