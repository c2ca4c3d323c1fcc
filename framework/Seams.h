#pragma once
// Replaceable calls for tests. Each goes to the real system call unless a
// test installed a replacement; Seams::Override saves the whole set when it
// is constructed and puts it back when it is destroyed:
//
//     Seams::Override seams;
//     seams->sleep = [&](DWORD ms) { slept += ms; };
//     seams->messageBox = [](HWND, LPCSTR, LPCSTR, UINT) { return IDYES; };
#include "framework/SeamOverride.h"
#include "framework/WinTypes.h"

#include <commdlg.h>

#include <functional>

class CDialog;

namespace Seams {

struct Hooks
{
    std::function<void(DWORD milliseconds)> sleep;
    // Every message box of the framework (AfxMessageBox and reports of caught exceptions).
    std::function<int(HWND owner, LPCSTR text, LPCSTR caption, UINT type)> messageBox;
    // Called once the dialog of a DoModal is initialised, before its modal loop
    // runs: a test can post a click, end the dialog, or look at its controls.
    std::function<void(CDialog& dialog)> modalDialogReady;
    std::function<BOOL(HMENU menu, UINT flags, int x, int y, HWND owner, LPCRECT rect)> trackPopupMenu;
    std::function<HWND()> foregroundWindow;
    std::function<HINSTANCE(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                            INT show)> shellExecute;
    // The open or save dialog: fills ofn.lpstrFile and returns TRUE for OK.
    std::function<BOOL(OPENFILENAMEA& ofn, BOOL open)> fileDialog;
};

// The replacements in force (empty members: the real calls).
Hooks& Current();

using Override = SeamOverride<Hooks, &Current>;

void Sleep(DWORD milliseconds);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
void ModalDialogReady(CDialog& dialog);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner, LPCRECT rect = nullptr);
HWND GetForegroundWindow();
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
BOOL FileDialog(OPENFILENAMEA& ofn, BOOL open);

}  // namespace Seams
