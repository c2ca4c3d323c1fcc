#include "shell/PageKeyboard.h"

#include "res/resource.h"

namespace PageKeyboard {

namespace {

// The page lives on the tab control, which lives on the main window.
HWND MainWindowOf(const CDialog& page)
{
    const HWND tab = ::GetParent(page.m_hWnd);
    return tab ? ::GetParent(tab) : nullptr;
}

bool FocusOn(HWND control)
{
    const HWND focus = ::GetFocus();
    return control && (focus == control || focus == ::GetWindow(control, GW_CHILD));
}

// From the entry control backwards (wrapping): the page's last enabled tab stop.
HWND LastEnabledControl(CDialog& page, HWND start)
{
    return ::GetNextDlgTabItem(page.m_hWnd, start, TRUE);
}

// The entry control, or the first enabled tab stop after it.
HWND FirstEnabledControl(CDialog& page, HWND start)
{
    if (::IsWindowEnabled(start) && ::IsWindowVisible(start))
        return start;
    return ::GetNextDlgTabItem(page.m_hWnd, start, FALSE);
}

} // namespace

bool IsKeyForHiddenWindow(const MSG* pMsg)
{
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && !::IsWindowVisible(pMsg->hwnd);
}

BOOL PreTranslateMessage(CDialog& page, MSG* pMsg, UINT firstControlId)
{
    if (IsKeyForHiddenWindow(pMsg))
        return TRUE;
    const HWND main = MainWindowOf(page);
    if (main && pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == 'C') {
        ::SetFocus(::GetDlgItem(main, IDC_CLOSE));
        return FALSE;   // the main window hides itself on it
    }
    // Only Tab needs the entry control: looking it up costs a server round
    // trip under Wine, and every timer tick of the page passes here.
    const bool tab = main && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB;
    const HWND start = tab ? ::GetDlgItem(page.m_hWnd, firstControlId) : nullptr;
    if (start) {
        if (GetKeyState(VK_SHIFT) >= 0) {
            if (FocusOn(LastEnabledControl(page, start))) {
                ::SetFocus(::GetDlgItem(main, IDC_CLOSE));
                return TRUE;
            }
        } else if (FocusOn(FirstEnabledControl(page, start))) {
            ::SetFocus(::GetDlgItem(main, IDC_TAB));
            return TRUE;
        }
    }
    return page.CDialog::PreTranslateMessage(pMsg);
}

} // namespace PageKeyboard
