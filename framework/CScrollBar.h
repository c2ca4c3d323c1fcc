#pragma once
// A scroll bar control; also the type scroll handlers receive for the
// control that sent WM_HSCROLL/WM_VSCROLL (a slider among them).
#include "framework/CWnd.h"

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
};
