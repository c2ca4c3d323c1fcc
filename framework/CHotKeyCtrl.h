#pragma once
// A hot-key control: a virtual key and HOTKEYF_ modifier flags.
#include "framework/CWnd.h"

class CHotKeyCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers);
    DWORD GetHotKey() const;
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const;
    // Combinations wInvalidComb (HKCOMB_) are replaced by wModifiers.
    void SetRules(WORD wInvalidComb, WORD wModifiers);
};
