#pragma once
// While one lives on a thread, the next message box or file dialog that the
// thread opens for `owner` is centred on it as the framework's own dialogs
// are (CWnd::CenterWindow). Those dialogs place themselves and take no
// position; a hook procedure of the file dialog's own (OFN_ENABLEHOOK) could
// move it, but would give it the old look. So a thread hook moves the dialog
// as it is first shown.
//
//     CenteredSystemDialog centred(owner);
//     ::GetOpenFileNameA(&ofn);
#include "framework/WinTypes.h"

class CenteredSystemDialog
{
public:
    explicit CenteredSystemDialog(HWND owner);
    ~CenteredSystemDialog();
    CenteredSystemDialog(const CenteredSystemDialog&) = delete;
    CenteredSystemDialog& operator=(const CenteredSystemDialog&) = delete;

private:
    static LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam);
    bool IsTheDialog(HWND hWnd) const;

    HWND m_owner;
    CenteredSystemDialog* m_outer;
    bool m_done = false;
};
