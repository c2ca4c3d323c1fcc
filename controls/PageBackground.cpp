#include "controls/PageBackground.h"

void AlignBackgroundBrush(const CWnd& page, CBrush& brush, CSize origin, CDC* pDC, const CWnd& control)
{
    CRect rect;
    control.GetWindowRect(&rect);
    page.ScreenToClient(&rect);
    brush.UnrealizeObject();
    pDC->SetBrushOrg(origin.cx - rect.left, origin.cy - rect.top);
}
