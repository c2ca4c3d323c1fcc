// Opens every window of the program through its own code, one after the
// other, and saves each as a picture of its own: the tray menu, the monitor
// connection list and its wizard, the three pages, the F12 warning, a
// message box, both colour dialogs, both file dialogs and the About box.
// Usage: talvex_screenshots.exe OUTPUT-FOLDER (pictures as NAME.bmp)
#include "ScreenScript.h"
#include "WindowCapture.h"
#include "tests/harness/WineDesktop.h"

#include "framework/Afx.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/CVantorDlg.h"
#include "shell/Messages.h"

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using Finder = std::function<HWND()>;

std::string g_folder;
ScreenScript g_script;
HWND g_target = nullptr;   // the window the last wait found
int g_failures = 0;
bool g_started = false;   // the main window was there
// What the last WM_NCACTIVATE told each window of this thread: its caption
// is drawn that way.
std::map<HWND, bool> g_captionActive;

CVantorDlg* Main()
{
    return dynamic_cast<CVantorDlg*>(theApp.m_pMainWnd);
}

HWND MainHandle()
{
    CVantorDlg* main = Main();
    return main ? main->m_hWnd : nullptr;
}

struct Search {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[32] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (hWnd == MainHandle() || !::IsWindowVisible(hWnd) || lstrcmpA(className, search->className) != 0)
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

// A shown top-level window of this thread, of that class, other than the main window.
Finder OwnWindow(const char* className)
{
    return [className] {
        Search search{className, nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    };
}

Finder Handle(HWND CVantorApp::*field)
{
    return [field] { return theApp.*field; };
}

HWND HotKeyPage()
{
    return Main() ? Main()->m_pageHotKey.m_hWnd : nullptr;
}

HWND ColourPage()
{
    return Main() ? Main()->m_pageColor.m_hWnd : nullptr;
}

HWND AutoColorPage()
{
    return Main() ? Main()->m_pageAutoColor.m_hWnd : nullptr;
}

void Do(const std::string& what, std::function<void()> action)
{
    g_script.Add(what, [action] {
        action();
        return true;
    });
}

LRESULT CALLBACK NoteCaption(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_NCACTIVATE)
        g_captionActive[message->hwnd] = message->wParam != 0;
    else if (code == HC_ACTION && message->message == WM_NCDESTROY)
        g_captionActive.erase(message->hwnd);   // its handle may come back for another window
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Empty when the window is the active, foreground window with its caption
// drawn active; otherwise what it lacks.
std::string MissingActivation(HWND window)
{
    if (!::IsWindowVisible(window))
        return "not shown";
    if (::GetActiveWindow() != window)
        return "not the active window";
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    if (!::GetWindowInfo(window, &info) || !(info.dwWindowStatus & WS_ACTIVECAPTION))
        return "no active caption";
    // Wine reports the status above for the active window, whatever its
    // caption was last told.
    const auto caption = g_captionActive.find(window);
    if (caption == g_captionActive.end() || !caption->second)
        return "caption drawn inactive";
    if (::GetForegroundWindow() != window)
        return "not the foreground window";
    return "";
}

// Waits until the window is shown; it becomes the target.
void WaitFor(const std::string& what, Finder find)
{
    g_script.Add("wait for " + what, [find] {
        const HWND window = find();
        if (!window || !::IsWindowVisible(window))
            return false;
        g_target = window;
        return true;
    });
}

void WaitGone(const std::string& what, Finder find)
{
    g_script.Add("wait until closed: " + what, [find] {
        const HWND window = find();
        return !window || !::IsWindowVisible(window);
    });
}

// Saves the target; a window that takes the activation (every one but a
// menu) only once it has it, so that its caption shows it.
void Capture(const std::string& name, bool active = true)
{
    const auto capture = [name] {
        const std::string path = g_folder + "\\" + name + ".bmp";
        if (SaveWindowBitmap(g_target, path)) {
            RECT shown{};
            ::GetWindowRect(g_target, &shown);
            std::printf("%-22s at %d,%d size %dx%d\n", name.c_str(), static_cast<int>(shown.left),
                        static_cast<int>(shown.top), static_cast<int>(shown.right - shown.left),
                        static_cast<int>(shown.bottom - shown.top));
        } else {
            std::fprintf(stderr, "screenshots: could not save %s\n", path.c_str());
            ++g_failures;
        }
        std::fflush(stdout);
    };
    g_script.Add(
        "capture " + name + (active ? " once active" : ""),
        [capture, active] {
            if (active && !MissingActivation(g_target).empty())
                return false;
            capture();
            return true;
        },
        [] { return MissingActivation(g_target); });
}

// The user's mouse press brings the window it lands in to the front, as
// the posted commands below do not. Without a window manager Wine hands the
// foreground to the desktop soon after a window that has the display's
// focus is hidden and shown again (the colour dialogs do that to the
// settings window, the wizard to itself); the user's next press takes it
// back.
void PressOn(HWND control)
{
    const HWND window = ::GetAncestor(control, GA_ROOT);
    if (window && ::GetForegroundWindow() != window)
        ::SetForegroundWindow(window);
}

// A click on a control of the target, posted: what it opens runs its own loop.
void Click(const std::string& what, int id)
{
    Do("click " + what, [id] {
        const HWND control = ::GetDlgItem(g_target, id);
        PressOn(control);
        ::PostMessageA(g_target, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    });
}

void ClickOnPage(const std::string& what, Finder page, int id)
{
    Do("click " + what, [page, id] {
        const HWND pageWindow = page();
        const HWND control = ::GetDlgItem(pageWindow, id);
        PressOn(control);
        ::PostMessageA(pageWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    });
}

void ToMain(const std::string& what, UINT message, WPARAM wParam, LPARAM lParam)
{
    Do(what, [message, wParam, lParam] { ::PostMessageA(MainHandle(), message, wParam, lParam); });
}

// The settings window on the tab, as a click on the tab selects it.
void CapturePage(int tab, Finder page, const std::string& name)
{
    Do("select tab " + std::to_string(tab), [tab] {
        const HWND tabs = ::GetDlgItem(MainHandle(), IDC_TAB);
        TabCtrl_SetCurSel(tabs, tab);
        NMHDR notify{tabs, IDC_TAB, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(MainHandle(), WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&notify));
    });
    WaitFor(name + " page", page);
    Do("the settings window", [] { g_target = MainHandle(); });
    Capture(name);
}

// A modal window: wait for it, capture it, end it with the command, wait until it has gone.
void CaptureModal(const std::string& name, Finder find, int endCommand)
{
    WaitFor(name, find);
    Capture(name);
    Click("end " + name, endCommand);
    WaitGone(name, find);
}

void TrayAndMonitorList()
{
    g_script.Add("the program's start", [] { return g_started = MainHandle() != nullptr; });
    ToMain("open the tray menu", UM_TRAYICON, 0, WM_RBUTTONUP);
    WaitFor("tray menu", OwnWindow("#32768"));
    Capture("tray-menu", false);
    Do("close the tray menu", [] { ::EndMenu(); });
    WaitGone("tray menu", OwnWindow("#32768"));

    const Finder list = Handle(&CVantorApp::m_hWndMonitorList);
    ToMain("open the monitor connection list", WM_COMMAND, ID_TRAY_MONITOR_LIST, 0);
    WaitFor("monitor connection list", list);
    Capture("monitor-list");
    Click("Manual setting", IDOK);
    // The user takes the wizard by its caption to move it to a screen.
    Do("press on the wizard", [] { PressOn(g_target); });
    Capture("monitor-wizard-start");
    Click("Next", IDOK);
    Capture("monitor-wizard-step");
    Click("Cancel", IDCANCEL);
    WaitGone("monitor connection list", list);
}

void HotKeyPageWindows()
{
    ToMain("open the settings window", WM_COMMAND, ID_TRAY_SETTING, 0);
    WaitFor("settings window", MainHandle);
    Capture("hot-key");

    // F12 typed into the first hot-key field.
    Do("type F12", [] {
        const HWND field = ::GetDlgItem(HotKeyPage(), IDC_HOTKEY_FIRST);
        PressOn(field);
        ::SetFocus(field);
        ::PostMessageA(field, WM_KEYDOWN, VK_F12, 1);
        ::PostMessageA(field, WM_KEYUP, VK_F12, 0xC0000001);
    });
    CaptureModal("f12-warning", Handle(&CVantorApp::m_hWndMessage), IDOK);

    // Ticking "Apply to the same models" asks first; the answer No leaves it as it was.
    Do("tick Apply to the same models", [] {
        const HWND box = ::GetDlgItem(HotKeyPage(), IDC_CHECK_SAME_MODELS_HOTKEY);
        PressOn(box);
        ::PostMessageA(box, BM_CLICK, 0, 0);
    });
    CaptureModal("message-box", OwnWindow("#32770"), IDNO);
}

void ColourPageWindows()
{
    CapturePage(1, ColourPage, "color-adjustment");

    ClickOnPage("Color...", ColourPage, IDC_BTN_COLOR);
    CaptureModal("color-dialog", Handle(&CVantorApp::m_hWndColorSub), IDCANCEL);
    WaitFor("settings window again", MainHandle);
    ClickOnPage("Tunora Functions...", ColourPage, IDC_BTN_TUNORA);
    CaptureModal("tunora-functions", Handle(&CVantorApp::m_hWndTunora), IDCANCEL);
    WaitFor("settings window again", MainHandle);

    ClickOnPage("Import...", ColourPage, IDC_BTN_IMPORT);
    CaptureModal("import-file", OwnWindow("#32770"), IDCANCEL);
    ClickOnPage("Export...", ColourPage, IDC_BTN_EXPORT);
    CaptureModal("export-file", OwnWindow("#32770"), IDCANCEL);
}

void AutoColorPageAndAbout()
{
    CapturePage(2, AutoColorPage, "auto-color");

    ToMain("open the About box", WM_SYSCOMMAND, IDM_ABOUT, 0);
    CaptureModal("about", OwnWindow("#32770"), IDOK);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: talvex_screenshots.exe OUTPUT-FOLDER\n");
        return 2;
    }
    g_folder = argv[1];
    if (!WaitForWineDesktop(WineDesktopWaitMs)) {
        std::fprintf(stderr, "screenshots: Wine's desktop did not come up (no tray window)\n");
        return 1;
    }
    ::SetWindowsHookExA(WH_CALLWNDPROC, NoteCaption, nullptr, ::GetCurrentThreadId());
    TrayAndMonitorList();
    HotKeyPageWindows();
    ColourPageWindows();
    AutoColorPageAndAbout();
    g_script.Start([] { ::PostMessageA(MainHandle(), WM_COMMAND, ID_TRAY_EXIT, 0); });
    const int exitCode = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_SHOWNORMAL);
    if (!g_started) {
        std::fprintf(stderr, "screenshots: the program did not start\n");
        return 1;
    }
    if (g_script.Failures() || g_failures)
        return 1;
    return exitCode;
}
