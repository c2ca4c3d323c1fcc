#pragma once
// A tab control.
#include "framework/CWnd.h"

#include <commctrl.h>

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    LONG InsertItem(int nItem, LPCSTR lpszItem);
    LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const;
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    void SetCurFocus(int nItem);
    // bLarger FALSE: the display area of a window rectangle; TRUE: the reverse.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
};
