#pragma once
// The program's windows seen and worked from another process: finding a
// control by id, reading combo boxes, and real mouse input at a control's
// place on the screen.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class RemoteWindow {
public:
    // A descendant of root with that control id.
    static HWND FindControl(HWND root, int id);
    // The tab page (a child dialog) that holds a control with that id.
    static HWND FindPageWith(HWND root, int controlId);
    // A top-level dialog of the process with that caption, shown or not.
    static HWND FindDialog(DWORD pid, const char* caption);
    // A shown top-level dialog of the process that holds a control with that
    // id: found the same way whatever the language of its caption.
    static HWND ShownDialogWith(DWORD pid, int controlId);
    // The shown top-level windows of the process.
    static std::vector<HWND> ShownWindowsOf(DWORD pid);
    // The window that has the keyboard focus in the window's thread.
    static HWND FocusOf(HWND window);

    static std::vector<std::string> ComboItems(HWND combo);
    static int ComboSelection(HWND combo);
    // The first item whose item data is that value; -1 when none.
    static int ComboIndexOfData(HWND combo, LONG_PTR data);

    // A tab's rectangle on the screen (the tab control's own answer).
    static bool TabItemScreenRect(HWND tab, int index, RECT& rect);
    // A left click with real input at that screen point; refused (with the
    // reason) when the window there is not target or one of its children.
    static bool ClickAt(POINT point, HWND target, std::string& error);
    static bool Click(HWND target, std::string& error);
    // Two clicks at the centre of the window, quick enough to be one double click.
    static bool DoubleClick(HWND target, std::string& error);
    static bool RightClick(HWND target, std::string& error);

    // What the window's thread has now: active, focus and capture windows, as
    // class and control id, for a failure message.
    static std::string ThreadState(HWND window);

    // Polls until done holds or the time is up.
    static bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds);

private:
    static bool Centre(HWND target, POINT& centre, std::string& error);
    static bool Clicks(POINT point, HWND target, int count, DWORD down, DWORD up, std::string& error);
};
