#include "framework/CHotKeyCtrl.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)

BEGIN_MESSAGE_MAP(CHotKeyCtrl, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
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
        NotifyChange();
}

void CHotKeyCtrl::NotifyChange()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}
