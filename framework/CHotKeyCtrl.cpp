#include "framework/CHotKeyCtrl.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)

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
