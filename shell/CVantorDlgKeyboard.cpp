// One keyboard for the settings window and its pages: Alt+C and Enter on
// "&Close" hide the window, the arrows and Ctrl+Tab change tabs, Tab and
// Shift+Tab enter the shown page, and mnemonics reach the page's controls.
// While the window is hidden, keys do nothing.
#include "shell/CVantorDlg.h"

#include "res/resource.h"
#include "shell/PageKeyboard.h"

#include <cctype>
#include <set>

namespace {

// Where the keyboard enters each page.
const UINT TabFirstControlIds[] = {IDC_COMBO_MONITOR, IDC_COMBO_MONITOR, IDC_CHECK_AUTO_COLOR};
constexpr int TabCount = 3;
constexpr BYTE MnemonicScanCode = 0x45;

bool KeyDown(int virtualKey)
{
    return GetKeyState(virtualKey) < 0;
}

} // namespace

BOOL CVantorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (PageKeyboard::IsKeyForHiddenWindow(pMsg))
        return TRUE;
    if (pMsg->message == WM_SYSKEYDOWN) {
        if (pMsg->wParam == 'C') {
            OnBnClickedClose();
            return TRUE;
        }
        HandleMnemonic(pMsg);
        return FALSE;
    }
    if (pMsg->message != WM_KEYDOWN)
        return CDialog::PreTranslateMessage(pMsg);

    const HWND focus = ::GetFocus();
    const bool onTab = focus && focus == m_tab.m_hWnd;
    const bool onClose = focus && focus == ::GetDlgItem(m_hWnd, IDC_CLOSE);
    switch (pMsg->wParam) {
    case VK_RETURN:
        if (onClose)
            OnBnClickedClose();
        return TRUE;
    case VK_RIGHT:
    case VK_LEFT:
        if (onTab)
            StepTab(pMsg->wParam == VK_RIGHT ? 1 : -1);
        else
            HandleMnemonic(pMsg);
        return FALSE;
    case VK_TAB:
        if (KeyDown(VK_CONTROL)) {
            StepTab(KeyDown(VK_SHIFT) ? -1 : 1);
            return FALSE;
        }
        if (!KeyDown(VK_SHIFT) && onTab) {
            EnterCurrentPage(false);
            return FALSE;
        }
        if (KeyDown(VK_SHIFT) && onClose) {
            EnterCurrentPage(true);
            return FALSE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    default:
        HandleMnemonic(pMsg);   // Escape too: it never hides the window
        return FALSE;
    }
}

void CVantorDlg::StepTab(int nDelta)
{
    const int next = (m_tab.GetCurSel() + nDelta + TabCount) % TabCount;
    m_tab.SetCurSel(next);
    ShowTabPage(next);
    m_nCurTab = next;
}

void CVantorDlg::EnterCurrentPage(bool bBackwards)
{
    const int tab = m_tab.GetCurSel();
    CDialog* page = PageOfTab(tab);
    if (!page)
        return;
    const HWND first = ::GetDlgItem(page->m_hWnd, TabFirstControlIds[tab]);
    page->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    if (bBackwards)
        page->SendMessage(WM_NEXTDLGCTL, 1, FALSE);   // the previous control: the page's last
}

// Letters typed on the tab control or the Close button go to the page
// control whose mnemonic they are, as if typed there.
void CVantorDlg::HandleMnemonic(MSG* pMsg)
{
    const WPARAM key = pMsg->wParam;
    if (key < 'A' || key > 'Z')
        return;
    const int tab = m_tab.GetCurSel();
    CDialog* page = PageOfTab(tab);
    if (!page)
        return;
    CWnd* control = page->GetDlgItem(TabFirstControlIds[tab]);
    std::set<HWND> visited;
    // The walk ends back at its start, or at any control met before when
    // the start is outside the tab cycle (disabled or hidden).
    while (control && visited.insert(control->m_hWnd).second) {
        CString text;
        control->GetWindowText(text);
        const int amp = text.Find('&');
        if (amp >= 0 && amp + 1 < text.GetLength()) {
            const int c = static_cast<unsigned char>(text[amp + 1]);
            if (static_cast<WPARAM>(std::toupper(c)) == key || static_cast<WPARAM>(std::tolower(c)) == key) {
                page->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
                keybd_event(static_cast<BYTE>(key), MnemonicScanCode, KEYEVENTF_EXTENDEDKEY, 0);
                keybd_event(static_cast<BYTE>(key), MnemonicScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
            }
        }
        control = page->GetNextDlgTabItem(control, FALSE);
    }
}
