#include "framework/CHotKeyCtrl.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)

BEGIN_MESSAGE_MAP(CHotKeyCtrl, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CHotKeyCtrl::SetHotKey(WORD wVirtualKeyCode, WORD wModifiers)
{
    ::SendMessageA(m_hWnd, HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers), 0);
}

DWORD CHotKeyCtrl::GetHotKey() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, HKM_GETHOTKEY, 0, 0));
}

void CHotKeyCtrl::GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const
{
    DWORD hotKey = GetHotKey();
    wVirtualKeyCode = LOBYTE(LOWORD(hotKey));
    wModifiers = HIBYTE(LOWORD(hotKey));
}

void CHotKeyCtrl::SetRules(WORD wInvalidComb, WORD wModifiers)
{
    ::SendMessageA(m_hWnd, HKM_SETRULES, wInvalidComb, MAKELPARAM(wModifiers, 0));
}

// The parent passes the control's own notices back here first.
BOOL CHotKeyCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        m_bChangeNotified = true;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

void CHotKeyCtrl::OnKeyDown(UINT, UINT, UINT)
{
    DefaultWithChangeNotice();
}

void CHotKeyCtrl::OnSysKeyDown(UINT, UINT, UINT)
{
    DefaultWithChangeNotice();
}

// Wine's control empties itself on Backspace, Delete and Space without a
// change notice; the parent would go on holding the old key.
void CHotKeyCtrl::DefaultWithChangeNotice()
{
    const DWORD before = GetHotKey();
    m_bChangeNotified = false;
    Default();
    if (!m_bChangeNotified && ::IsWindow(m_hWnd) && GetHotKey() != before)
        NotifyParent(EN_CHANGE);
}

// The control keeps showing, and would add to the next key, a modifier
// that was still down when the focus went: it never sees it released.
void CHotKeyCtrl::OnKillFocus(CWnd*)
{
    Default();
    for (const WPARAM modifier : {VK_SHIFT, VK_CONTROL, VK_MENU})
        DefWindowProc(WM_KEYUP, modifier, 0xC0000001);
    NotifyParent(EN_KILLFOCUS);
}

void CHotKeyCtrl::NotifyParent(UINT code)
{
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}
