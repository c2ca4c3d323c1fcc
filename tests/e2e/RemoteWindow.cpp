#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/RemoteMemory.h"

#include <commctrl.h>

#include <cstring>

namespace {

constexpr DWORD PollMs = 10;
constexpr int ComboTextMax = 512;

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

bool IsSelfOrChild(HWND window, HWND target)
{
    return window == target || IsChild(target, window);
}

LONG Normalised(LONG value, int origin, int extent)
{
    return static_cast<LONG>((static_cast<LONGLONG>(value - origin) * 65535 + (extent - 1) / 2) / (extent - 1));
}

struct DialogSearch {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindCaptioned(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[32] = {};
    char caption[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (pid != search->pid || std::strcmp(className, "#32770") != 0 || std::strcmp(caption, search->caption) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ShownSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectShown(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ShownSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

std::string Describe(HWND window)
{
    if (!window)
        return "none";
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) + " #" + std::to_string(GetDlgCtrlID(window));
}

} // namespace

HWND RemoteWindow::FindControl(HWND root, int id)
{
    ControlSearch search{id, nullptr};
    EnumChildWindows(root, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RemoteWindow::FindDialog(DWORD pid, const char* caption)
{
    DialogSearch search{pid, caption, nullptr};
    EnumWindows(FindCaptioned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> RemoteWindow::ShownWindowsOf(DWORD pid)
{
    ShownSearch search{pid, {}};
    EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RemoteWindow::ShownDialogWith(DWORD pid, int controlId)
{
    for (HWND window : ShownWindowsOf(pid)) {
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0 && FindControl(window, controlId))
            return window;
    }
    return nullptr;
}

HWND RemoteWindow::FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

HWND RemoteWindow::FindPageWith(HWND root, int controlId)
{
    HWND control = FindControl(root, controlId);
    return control ? GetParent(control) : nullptr;
}

// Wine hands a combo box's text to another process in UTF-16 whatever the
// caller's character set; the wide message says so openly.
std::vector<std::string> RemoteWindow::ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[ComboTextMax] = {};
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length >= 0 && length < ComboTextMax)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[ComboTextMax * 2] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.emplace_back(text);
    }
    return items;
}

int RemoteWindow::ComboSelection(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

int RemoteWindow::ComboIndexOfData(HWND combo, LONG_PTR data)
{
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(combo, CB_GETITEMDATA, i, 0) == data)
            return static_cast<int>(i);
    }
    return -1;
}

bool RemoteWindow::TabItemScreenRect(HWND tab, int index, RECT& rect)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(tab, &pid);
    RemoteMemory remote(pid, sizeof(RECT));
    if (!remote.Valid() || !SendMessageA(tab, TCM_GETITEMRECT, index, remote.Address()) ||
        !remote.Read(&rect, sizeof rect))
        return false;
    MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

bool RemoteWindow::ClickAt(POINT point, HWND target, std::string& error)
{
    return Clicks(point, target, 1, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, error);
}

bool RemoteWindow::Clicks(POINT point, HWND target, int count, DWORD down, DWORD up, std::string& error)
{
    HWND there = WindowFromPoint(point);
    if (!IsSelfOrChild(there, target)) {
        char name[64] = {};
        GetClassNameA(there, name, sizeof name);
        error = "at " + std::to_string(point.x) + "," + std::to_string(point.y) + " lies a window of class " +
                name + ", not the one to click";
        return false;
    }
    // Injected moves leave the X pointer where it was; a window mapped or
    // restacked under it later makes Wine move the cursor back there, even
    // between a button's down and up. The pointer itself goes to the point.
    SetCursorPos(point.x, point.y);
    std::vector<INPUT> input(1 + 2 * count);
    for (INPUT& one : input)
        one.type = INPUT_MOUSE;
    input[0].mi.dx = Normalised(point.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input[0].mi.dy = Normalised(point.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    for (int i = 0; i < count; ++i) {
        input[1 + 2 * i].mi.dwFlags = down;
        input[2 + 2 * i].mi.dwFlags = up;
    }
    if (SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)) != input.size()) {
        error = "SendInput refused the clicks (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return true;
}

bool RemoteWindow::Centre(HWND target, POINT& centre, std::string& error)
{
    RECT rect{};
    if (!GetWindowRect(target, &rect)) {
        error = "no window to click";
        return false;
    }
    centre = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return true;
}

bool RemoteWindow::Click(HWND target, std::string& error)
{
    POINT centre{};
    return Centre(target, centre, error) && ClickAt(centre, target, error);
}

bool RemoteWindow::DoubleClick(HWND target, std::string& error)
{
    POINT centre{};
    return Centre(target, centre, error) &&
           Clicks(centre, target, 2, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, error);
}

bool RemoteWindow::RightClick(HWND target, std::string& error)
{
    POINT centre{};
    return Centre(target, centre, error) &&
           Clicks(centre, target, 1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, error);
}

std::string RemoteWindow::ThreadState(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return "no thread state";
    return "active " + Describe(info.hwndActive) + ", focus " + Describe(info.hwndFocus) + ", capture " +
           Describe(info.hwndCapture) + ", foreground " + Describe(GetForegroundWindow()) +
           (IsWindowEnabled(window) ? "" : ", window disabled");
}

bool RemoteWindow::WaitUntil(const std::function<bool()>& done, DWORD milliseconds)
{
    const DWORD deadline = GetTickCount() + milliseconds;
    while (!done()) {
        if (GetTickCount() >= deadline)
            return done();
        Sleep(PollMs);
    }
    return true;
}
