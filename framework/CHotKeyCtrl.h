#pragma once
// A hot-key control: a virtual key and HOTKEYF_ modifier flags.
//
// Beyond the platform control, it tells its parent of every change a key
// makes (EN_CHANGE) and of losing the focus (EN_KILLFOCUS), and forgets the
// modifiers held when it lost the focus: their release goes elsewhere.
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

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);

private:
    void DefaultWithChangeNotice();
    void NotifyParent(UINT code);

    bool m_bChangeNotified = false;

    DECLARE_MESSAGE_MAP()
};
