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
    if (PageKeyboard::IsKeyForHiddenWindow(pMsg) || IsForwardedCharacter(pMsg))
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
    CDialog* page = PageOfTab(m_tab.GetCurSel());
    for (HWND control : MnemonicTargets(static_cast<char>(key))) {
        page->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        keybd_event(static_cast<BYTE>(key), MnemonicScanCode, KEYEVENTF_EXTENDEDKEY, 0);
        keybd_event(static_cast<BYTE>(key), MnemonicScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    }
}

// The shown page's controls, in tab order, whose mnemonic is the letter.
std::vector<HWND> CVantorDlg::MnemonicTargets(char letter)
{
    std::vector<HWND> targets;
    const int tab = m_tab.GetCurSel();
    CDialog* page = PageOfTab(tab);
    if (!page)
        return targets;
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
            if (std::toupper(c) == letter || std::tolower(c) == letter)
                targets.push_back(control->m_hWnd);
        }
        control = page->GetNextDlgTabItem(control, FALSE);
    }
    return targets;
}

// The character a forwarded letter makes on the tab control or "&Close".
// The page acts on the key made again for its control; the character must
// do nothing more (under Wine the dialog handling would find the page's
// control from here and click it once more, so Alt+A would tick
// "Activate &Auto Color" twice).
bool CVantorDlg::IsForwardedCharacter(const MSG* pMsg)
{
    if (pMsg->message != WM_CHAR && pMsg->message != WM_SYSCHAR)
        return false;
    if (pMsg->hwnd != m_tab.m_hWnd && pMsg->hwnd != ::GetDlgItem(m_hWnd, IDC_CLOSE))
        return false;
    const WPARAM character = pMsg->wParam;
    if (character > 0x7F || !std::isalpha(static_cast<int>(character)))
        return false;
    return !MnemonicTargets(static_cast<char>(std::toupper(static_cast<int>(character)))).empty();
}
