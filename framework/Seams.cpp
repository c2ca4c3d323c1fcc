#include "framework/Seams.h"

#include "framework/CenteredSystemDialog.h"

#include <commdlg.h>
#include <shellapi.h>

namespace Seams {

Hooks& Current()
{
    static Hooks hooks;
    return hooks;
}

void Sleep(DWORD milliseconds)
{
    if (Current().sleep)
        Current().sleep(milliseconds);
    else
        ::Sleep(milliseconds);
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (Current().messageBox)
        return Current().messageBox(owner, text, caption, type);
    CenteredSystemDialog centred(owner);
    return ::MessageBoxA(owner, text, caption, type);
}

void ModalDialogReady(CDialog& dialog)
{
    if (Current().modalDialogReady)
        Current().modalDialogReady(dialog);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner, LPCRECT rect)
{
    if (Current().trackPopupMenu)
        return Current().trackPopupMenu(menu, flags, x, y, owner, rect);
    return ::TrackPopupMenu(menu, flags, x, y, 0, owner, rect);
}

HWND GetForegroundWindow()
{
    if (Current().foregroundWindow)
        return Current().foregroundWindow();
    return ::GetForegroundWindow();
}

HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show)
{
    if (Current().shellExecute)
        return Current().shellExecute(owner, verb, file, parameters, directory, show);
    return ::ShellExecuteA(owner, verb, file, parameters, directory, show);
}

BOOL FileDialog(OPENFILENAMEA& ofn, BOOL open)
{
    if (Current().fileDialog)
        return Current().fileDialog(ofn, open);
    CenteredSystemDialog centred(ofn.hwndOwner);
    return open ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
}

}  // namespace Seams
