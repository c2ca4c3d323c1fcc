#pragma once
// The pages paint their background bitmap as a pattern brush. A control
// that asks for the brush gets it shifted by the control's place on the
// page, so that its background lines up with the page's.
#include "framework/Afx.h"

void AlignBackgroundBrush(const CWnd& page, CBrush& brush, CSize origin, CDC* pDC, const CWnd& control);
