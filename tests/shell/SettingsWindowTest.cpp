// The settings window: closing only hides it, "E&xit" ends the program (also
// from inside a modal dialog's loop), the About box, where the window and its
// dialogs open, and the keyboard: keys sent to the dialog handling as
// messages, and pressed as on the keyboard.
#include "HotKeyProbe.h"
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "tests/controls/MemoryCanvas.h"
#include "tests/harness/KeyInput.h"

#include <cctype>

namespace {

using namespace ShellIds;

class SettingsWindowTest : public ShellTest
{
protected:
    // One monitor with Power bound to Ctrl+Alt+F22.
    CVantorDlg* StartWithHotKey()
    {
        LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
        BindHotKeys("SIM-27Q_W0000001", {{VK_F22, HOTKEYF_CONTROL | HOTKEYF_ALT}});
        return StartOk();
    }
    CVantorDlg* ShowSettings()
    {
        SendMessageA(MainHandle(), WM_COMMAND, IdSetting, 0);
        EXPECT_TRUE(IsWindowVisible(MainHandle()));
        return Main();
    }
    bool HotKeyTaken() const { return probe.IsTaken(MOD_CONTROL | MOD_ALT, VK_F22); }

    static std::string TextOf(HWND window)
    {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    HotKeyProbe probe;
};

TEST_F(SettingsWindowTest, ClosingTheWindowHidesItAndPutsTheHotKeysBack)
{
    CVantorDlg* dlg = StartWithHotKey();
    ShowSettings();
    ASSERT_FALSE(HotKeyTaken());
    SendMessageA(dlg->m_hWnd, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(IsWindow(dlg->m_hWnd)) << "WM_CLOSE never destroys the main window";
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
    EXPECT_FALSE(quitSeen);
    EXPECT_TRUE(HotKeyTaken());
    EXPECT_FALSE(IsWindowVisible(dlg->m_pageHotKey.m_hWnd));
}

TEST_F(SettingsWindowTest, ExitEndsTheProgram)
{
    CVantorDlg* dlg = StartWithHotKey();
    const HWND window = dlg->m_hWnd;
    ASSERT_TRUE(HotKeyTaken());
    SendMessageA(window, WM_COMMAND, IdExit, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    Pump();
    EXPECT_TRUE(quitSeen);
    EXPECT_FALSE(HotKeyTaken());
    ASSERT_FALSE(trayCalls.empty());
    EXPECT_EQ(trayCalls.back().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(SettingsWindowTest, ExitWhileTheAboutBoxRunsWaitsForItsLoop)
{
    CVantorDlg* dlg = StartWithHotKey();
    const HWND window = dlg->m_hWnd;
    HWND about = nullptr;
    bool mainAliveInLoop = false;
    Seams::Override seams;
    seams->modalDialogReady = [&](CDialog& dialog) {
        about = dialog.m_hWnd;
        PostMessageA(window, WM_COMMAND, IdExit, 0);   // chosen in the tray while the box is open
    };
    // The box's loop sees the exit, then this message reaches the box.
    SendMessageA(window, WM_SYSCOMMAND, IdmAbout, 0);
    mainAliveInLoop = IsWindow(window) != FALSE;
    EXPECT_NE(about, nullptr);
    EXPECT_FALSE(IsWindow(about)) << "the About box was closed";
    EXPECT_TRUE(mainAliveInLoop) << "the main window was destroyed under the dialog's loop";
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }, 2000)) << "the program ends once the box has gone";
    EXPECT_TRUE(quitSeen);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_FALSE(HotKeyTaken());
}

TEST_F(SettingsWindowTest, TheAboutBoxShowsTheStringsWhiteOnBlack)
{
    StartWithHotKey();
    char notice[256] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 104, notice, sizeof notice), 0);
    std::string caption, version, shownNotice;
    COLORREF textColour = 0;
    int backgroundMode = 0;
    LOGBRUSH brush{};
    LONG okStyle = 0;
    Seams::Override seams;
    seams->modalDialogReady = [&](CDialog& dialog) {
        const HWND box = dialog.m_hWnd;
        caption = TextOf(box);
        version = TextOf(GetDlgItem(box, 1159));
        shownNotice = TextOf(GetDlgItem(box, 1160));
        okStyle = GetWindowLongA(GetDlgItem(box, IDOK), GWL_STYLE);
        HDC dc = CreateCompatibleDC(nullptr);
        const auto answer = SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(GetDlgItem(box, 1159)));
        GetObjectA(reinterpret_cast<HBRUSH>(answer), sizeof brush, &brush);
        textColour = GetTextColor(dc);
        backgroundMode = GetBkMode(dc);
        DeleteDC(dc);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    };
    SendMessageA(MainHandle(), WM_SYSCOMMAND, IdmAbout, 0);
    EXPECT_EQ(caption, "About Talvex");
    EXPECT_EQ(version, "Talvex Ver1.0.1");
    EXPECT_EQ(shownNotice, notice);
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 0));
    EXPECT_EQ(textColour, RGB(255, 255, 255));
    EXPECT_EQ(backgroundMode, TRANSPARENT);
    EXPECT_EQ(okStyle & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(IsWindow(MainHandle())) << "the box's result changes nothing";
}

// Showing the window (and the end of a move) makes the monitor of the
// screen under it current; the Hot Key page gets a refresh for it.
TEST_F(SettingsWindowTest, TheMonitorUnderTheWindowBecomesCurrent)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 tall B0000002\nmonitor 3 wide C0000003\n").c_str());
    WriteString("\\Monitor\\A0000001-2", "Display Name", "\\\\.\\DISPLAY2");   // no such screen here
    CVantorDlg* dlg = StartOk();
    ASSERT_EQ(CurrentSerial(), "B0000002");   // order 10 before 20
    SendMessageA(dlg->m_hWnd, UmSelectMonitor, 0, 0);
    ASSERT_EQ(CurrentSerial(), "A0000001");
    Pump();
    ShowSettings();
    EXPECT_EQ(CurrentSerial(), "B0000002") << "the first listed monitor on the window's screen";
    EXPECT_EQ(dlg->m_pageHotKey.GetHandle(), Listed(1)->m_hDevice);
    MSG msg{};
    EXPECT_TRUE(PeekMessageA(&msg, dlg->m_pageHotKey.m_hWnd, UmPageRefresh, UmPageRefresh, PM_REMOVE));

    // A screen with no listed monitor on it changes nothing.
    SendMessageA(dlg->m_hWnd, UmSelectMonitor, 0, 0);
    WriteString("\\Monitor\\B0000002-3", "Display Name", "\\\\.\\DISPLAY3");
    WriteString("\\Monitor\\C0000003-4", "Display Name", "\\\\.\\DISPLAY4");
    dlg->RefreshMonitorList();   // the same serials: the selection stays
    ASSERT_EQ(CurrentSerial(), "A0000001");
    SendMessageA(dlg->m_hWnd, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(CurrentSerial(), "A0000001");
}

CRect WindowRect(HWND window)
{
    CRect rect;
    GetWindowRect(window, &rect);
    return rect;
}

CRect WorkAreaOf(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

void ExpectCentredInside(const CRect& shown, const CRect& around, const CRect& work, const std::string& what)
{
    CRect inside;
    inside.IntersectRect(&shown, &work);
    EXPECT_EQ(inside, shown) << what << " lies wholly inside the work area";
    EXPECT_NEAR(shown.CenterPoint().x, around.CenterPoint().x, 2) << what;
    EXPECT_NEAR(shown.CenterPoint().y, around.CenterPoint().y, 2) << what;
}

// The system's own dialogs of this thread owned by `owner` (file dialogs,
// message boxes), really shown: each is cancelled as soon as it is activated
// and noted with the place it had when it closed.
class SystemDialogWatch
{
public:
    struct Closed {
        std::string caption;
        CRect shown;
    };

    explicit SystemDialogWatch(HWND owner) : m_owner(owner)
    {
        s_watch = this;
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~SystemDialogWatch()
    {
        UnhookWindowsHookEx(m_hook);
        s_watch = nullptr;
    }

    std::vector<Closed> closed;

private:
    bool IsWatched(HWND window) const
    {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        return GetWindow(window, GW_OWNER) == m_owner && std::string(className) == "#32770";
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && s_watch->IsWatched(window)) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        } else if (code == HCBT_DESTROYWND && s_watch->IsWatched(window)) {
            char caption[256] = {};
            GetWindowTextA(window, caption, sizeof caption);
            CRect shown;
            GetWindowRect(window, &shown);
            s_watch->closed.push_back({caption, shown});
        }
        return CallNextHookEx(s_watch->m_hook, code, wParam, lParam);
    }

    static SystemDialogWatch* s_watch;
    HWND m_owner;
    HHOOK m_hook = nullptr;
};

SystemDialogWatch* SystemDialogWatch::s_watch = nullptr;

// Every window opens where the user looks, wholly inside the work area: the
// settings window in the middle of the screen, the About box and the F12
// warning on the settings window, the colour dialogs (which minimise it) in
// the middle of its screen, the file dialogs and a message box on the
// settings window wherever it is. The monitor connection list keeps its own
// place. Moved by the user, the settings window opens there again, unless no
// screen shows that place.
TEST_F(SettingsWindowTest, WindowsOpenCentredInsideTheWorkArea)
{
    CVantorDlg* dlg = StartWithHotKey();
    ShowSettings();
    const CRect work = WorkAreaOf(dlg->m_hWnd);
    const CRect settings = WindowRect(dlg->m_hWnd);
    ExpectCentredInside(settings, work, work, "settings window");

    struct Opened {
        std::string caption;
        CRect shown;
        bool ownerMinimised = false;
    };
    std::vector<Opened> opened;
    Seams::Override seams;
    seams->modalDialogReady = [&](CDialog& dialog) {
        const HWND owner = GetWindow(dialog.m_hWnd, GW_OWNER);
        opened.push_back({TextOf(dialog.m_hWnd), WindowRect(dialog.m_hWnd), IsIconic(owner) != FALSE});
        dialog.EndDialog(IDCANCEL);
    };
    SendMessageA(dlg->m_hWnd, WM_SYSCOMMAND, IdmAbout, 0);
    const HWND field = GetDlgItem(dlg->m_pageHotKey.m_hWnd, 1094);
    Pump();   // the page shows its monitor before anything is typed there
    SetFocus(field);
    SendMessageA(field, HKM_SETHOTKEY, VK_F12, 0);
    SendMessageA(dlg->m_pageHotKey.m_hWnd, WM_COMMAND, MAKEWPARAM(1094, EN_CHANGE), reinterpret_cast<LPARAM>(field));
    const auto clickOnColourPage = [page = dlg->m_pageColor.m_hWnd](int button) {
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, button)));
    };
    clickOnColourPage(1047 /* "C&olor..." */);
    clickOnColourPage(1048 /* "Tunora &Functions..." */);
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].caption, "About Talvex");
    ExpectCentredInside(opened[0].shown, settings, work, "About box");
    EXPECT_EQ(opened[1].caption, "Talvex");
    ExpectCentredInside(opened[1].shown, settings, work, "F12 warning, after sizing itself to its text");
    for (int i : {2, 3}) {
        EXPECT_TRUE(opened[i].ownerMinimised) << opened[i].caption;
        ExpectCentredInside(opened[i].shown, work, work, opened[i].caption);
    }
    SendMessageA(dlg->m_hWnd, WM_COMMAND, IdMonitorList, 0);
    ASSERT_EQ(opened.size(), 5u);
    const CRect desktop = WindowRect(GetDesktopWindow());
    EXPECT_EQ(opened[4].shown.top, desktop.bottom / 6) << "the monitor connection list";
    EXPECT_NEAR(opened[4].shown.CenterPoint().x, desktop.CenterPoint().x, 1) << "the monitor connection list";

    // The system places its own dialogs on the screen: with the settings
    // window away from the middle, only centring on it puts them there.
    ASSERT_EQ(WindowRect(dlg->m_hWnd), settings);
    SetWindowPos(dlg->m_hWnd, nullptr, settings.left + (work.right - settings.right) / 2,
                 settings.top + (work.bottom - settings.bottom) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const CRect moved = WindowRect(dlg->m_hWnd);
    {
        SystemDialogWatch watch(dlg->m_hWnd);
        seams->messageBox = nullptr;
        clickOnColourPage(1233 /* "&Import..." */);
        clickOnColourPage(1234 /* "&Export..." */);
        AfxMessageBox("centred", MB_OK);
        ASSERT_EQ(watch.closed.size(), 3u);
        for (const auto& [caption, shown] : watch.closed)
            ExpectCentredInside(shown, moved, work, caption);
    }

    SetWindowPos(dlg->m_hWnd, nullptr, work.left + 20, work.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(dlg->m_hWnd, WM_CLOSE, 0, 0);
    ShowSettings();
    EXPECT_EQ(WindowRect(dlg->m_hWnd).TopLeft(), CPoint(work.left + 20, work.top + 30));

    // Left where no screen is any more (one was unplugged): back in the middle.
    SetWindowPos(dlg->m_hWnd, nullptr, 30000, 30000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(dlg->m_hWnd, WM_CLOSE, 0, 0);
    ShowSettings();
    EXPECT_EQ(WindowRect(dlg->m_hWnd), settings);
}

class KeyboardTest : public SettingsWindowTest
{
protected:
    void SetUp() override
    {
        SettingsWindowTest::SetUp();
        dlg = StartWithHotKey();
        ShowSettings();
        tab = GetDlgItem(dlg->m_hWnd, IdTab);
        close = GetDlgItem(dlg->m_hWnd, IdClose);
    }
    void TearDown() override
    {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
        SettingsWindowTest::TearDown();
    }
    // A key typed on the target control, as the message loop meets it; true
    // when the main window consumed it. The target has the focus first:
    // another program's window may have taken it meanwhile.
    bool Key(HWND target, UINT message, WPARAM key)
    {
        SetFocus(target);
        MSG msg{target, message, key, 0, GetTickCount(), {0, 0}};
        const bool consumed = AfxPreTranslateMessage(&msg) != FALSE;
        if (!consumed) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Pump();
        return consumed;
    }
    static void Hold(std::initializer_list<int> keys)
    {
        BYTE state[256] = {};
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    // Keys pressed on the keyboard, once the program has handled them.
    void Type(std::initializer_list<WORD> keys)
    {
        ASSERT_TRUE(PressKeys(keys));
        EXPECT_TRUE(PumpUntil(InputHandled));
    }
    // The letter the control's text marks with '&', in the language of the resources.
    static WORD Mnemonic(HWND control)
    {
        const std::string text = TextOf(control);
        const size_t amp = text.find('&');
        return amp + 1 < text.size() ? static_cast<WORD>(std::toupper(static_cast<unsigned char>(text[amp + 1]))) : 0;
    }
    HWND Shown() const
    {
        for (CDialog* page : {static_cast<CDialog*>(&dlg->m_pageHotKey), static_cast<CDialog*>(&dlg->m_pageColor),
                              static_cast<CDialog*>(&dlg->m_pageAutoColor)}) {
            if (IsWindowVisible(page->m_hWnd))
                return page->m_hWnd;
        }
        return nullptr;
    }

    // Alt+C typed on a control of the page of that tab.
    void AltCFromPage(int page, int controlId)
    {
        for (int step = 0; step < page; ++step)
            Key(tab, WM_KEYDOWN, VK_RIGHT);
        ASSERT_EQ(dlg->m_tab.GetCurSel(), page);
        const HWND control = GetDlgItem(Shown(), controlId);
        ASSERT_NE(control, nullptr);
        Key(control, WM_SYSKEYDOWN, 'C');
        EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd)) << "the page kept Alt+C from the main window";
        EXPECT_FALSE(theApp.m_bSettingShown);
    }

    CVantorDlg* dlg = nullptr;
    HWND tab = nullptr;
    HWND close = nullptr;
};

TEST_F(KeyboardTest, AltCHidesAndEscapeDoesNothing)
{
    EXPECT_FALSE(Key(tab, WM_KEYDOWN, VK_ESCAPE));
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_TRUE(Key(tab, WM_SYSKEYDOWN, 'C'));
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
    EXPECT_TRUE(HotKeyTaken());
}

// The pages see a key before the main window: none may keep Alt+C from it.
TEST_F(KeyboardTest, AltCHidesFromTheHotKeyPage)
{
    AltCFromPage(0, 1094 /* the first hot-key field */);
}

TEST_F(KeyboardTest, AltCHidesFromTheColourPage)
{
    AltCFromPage(1, 1008 /* the monitor list */);
}

TEST_F(KeyboardTest, AltCHidesFromTheAutoColorPage)
{
    AltCFromPage(2, 1029 /* "Activate &Auto Color" */);
}

TEST_F(KeyboardTest, EnterHidesOnlyFromTheCloseButton)
{
    EXPECT_TRUE(Key(tab, WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_TRUE(Key(close, WM_KEYDOWN, VK_RETURN));
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
}

TEST_F(KeyboardTest, ArrowsOnTheTabsAndCtrlTabWrapAround)
{
    ASSERT_EQ(dlg->m_tab.GetCurSel(), 0);
    Key(tab, WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 2);
    EXPECT_EQ(dlg->m_nCurTab, 2);
    EXPECT_EQ(Shown(), dlg->m_pageAutoColor.m_hWnd);
    Key(tab, WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 0);
    EXPECT_EQ(Shown(), dlg->m_pageHotKey.m_hWnd);

    Hold({VK_CONTROL});
    Key(close, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 1);
    EXPECT_EQ(Shown(), dlg->m_pageColor.m_hWnd);
    Hold({VK_CONTROL, VK_SHIFT});
    Key(close, WM_KEYDOWN, VK_TAB);
    Key(close, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(dlg->m_tab.GetCurSel(), 2);
    EXPECT_EQ(dlg->m_nCurTab, 2);
}

TEST_F(KeyboardTest, TabEntersTheShownPage)
{
    Key(tab, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg->m_pageHotKey.m_hWnd, 1008)) << "the Hot Key page's monitor list";

    // Backwards from "&Close": the page's last control.
    Hold({VK_SHIFT});
    Key(close, WM_KEYDOWN, VK_TAB);
    const HWND first = GetDlgItem(dlg->m_pageHotKey.m_hWnd, 1008);
    EXPECT_EQ(GetFocus(), GetNextDlgTabItem(dlg->m_pageHotKey.m_hWnd, first, TRUE));
}

// A control shows what it draws afresh: a cue that a click hid or drew twice shows up here.
bool ShowsAsDrawnAfresh(HWND control)
{
    RECT client{};
    GetClientRect(control, &client);
    MemoryCanvas shown(client.right, client.bottom, RGB(1, 2, 3));
    MemoryCanvas afresh(client.right, client.bottom, RGB(1, 2, 3));
    shown.CopyFrom(control);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    afresh.CopyFrom(control);
    return shown.Differences(afresh).empty();
}

// Alt+A, or "a" alone, on the tabs or on "&Close" moves the focus to
// "Activate &Auto Color" and ticks or unticks it once, as a click would, and
// the box keeps its focus cue.
TEST_F(KeyboardTest, AMnemonicOnTheTabsReachesThePagesControl)
{
    Key(tab, WM_KEYDOWN, VK_LEFT);   // the Auto Color page
    ASSERT_EQ(Shown(), dlg->m_pageAutoColor.m_hWnd);
    const HWND box = GetDlgItem(Shown(), 1029);
    const WORD letter = Mnemonic(box);
    ASSERT_NE(letter, 0);
    for (HWND from : {tab, close}) {
        for (bool alt : {true, false}) {
            const std::string how = std::string(alt ? "Alt+" : "") + static_cast<char>(letter) +
                                    (from == tab ? " on the tabs" : " on Close");
            SetFocus(from);
            const LRESULT before = SendMessageA(box, BM_GETCHECK, 0, 0);
            if (alt)
                Type({VK_MENU, letter});
            else
                Type({letter});
            EXPECT_EQ(GetFocus(), box) << how;
            const LRESULT after = SendMessageA(box, BM_GETCHECK, 0, 0);
            EXPECT_NE(after, before) << how << ": one press, one toggle";
            DWORD stored = 2;
            EXPECT_TRUE(ReadDword("", "ModeChange", &stored));
            EXPECT_EQ(stored, after == BST_CHECKED ? 1u : 0u) << how;
            EXPECT_TRUE(ShowsAsDrawnAfresh(box)) << how << ": the focus cue shows once";
        }
    }
    Type({VK_SPACE});
    EXPECT_TRUE(ShowsAsDrawnAfresh(box)) << "Space on the box";
}

// The tray menu makes the hidden window the foreground window with the
// focus (on its tab control), and it keeps both when the menu is left with
// Esc. What is typed then acts on none of its pages: the mnemonics of the
// page of the tab left selected, the arrows and Ctrl+Tab.
TEST_F(KeyboardTest, KeysTypedAfterTheTrayMenuReachNoHiddenPage)
{
    int fileDialogs = 0;
    Seams::Override seams;
    seams->fileDialog = [&](OPENFILENAMEA&, BOOL) {
        ++fileDialogs;
        return FALSE;
    };
    const struct {
        int tab;
        int control;
    } leftOn[] = {{2, 1029 /* "Activate &Auto Color" */}, {1, 1234 /* "&Export..." */}};
    for (const auto& [page, controlId] : leftOn) {
        ShowSettings();
        for (int step = 0; step < page; ++step)
            Key(tab, WM_KEYDOWN, VK_RIGHT);
        const HWND control = GetDlgItem(Shown(), controlId);
        ASSERT_NE(control, nullptr);
        Key(close, WM_KEYDOWN, VK_RETURN);
        ASSERT_FALSE(IsWindowVisible(dlg->m_hWnd));
        SendMessageA(dlg->m_hWnd, UmTrayIcon, 0, WM_RBUTTONUP);
        ASSERT_EQ(GetForegroundWindow(), dlg->m_hWnd);
        const HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        for (auto keys : {std::initializer_list<WORD>{Mnemonic(control)}, {VK_RIGHT}, {VK_CONTROL, VK_TAB}}) {
            SetFocus(focus);   // each from where the menu left the focus
            Type(keys);
        }
        EXPECT_EQ(dlg->m_tab.GetCurSel(), page);
        EXPECT_EQ(Shown(), nullptr);
    }
    EXPECT_EQ(SendMessageA(GetDlgItem(dlg->m_pageAutoColor.m_hWnd, 1029), BM_GETCHECK, 0, 0), BST_CHECKED);
    DWORD stored = 2;
    EXPECT_TRUE(ReadDword("", "ModeChange", &stored));
    EXPECT_EQ(stored, 1u);
    EXPECT_EQ(fileDialogs, 0) << "no Export dialog over the hidden window";
}

} // namespace
