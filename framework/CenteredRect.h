#pragma once
// Where a top-level window goes when it is centred: on the middle of
// `around`, then moved (never resized) into `workArea`. A window larger than
// the work area keeps its top-left corner, and so its caption, inside it.
#include "framework/CRect.h"

CRect CenteredRect(const CSize& size, const CRect& around, const CRect& workArea);
