#include "framework/CenteredRect.h"

namespace {

// The start of a span of `length` centred on [aroundStart, aroundEnd) and
// kept inside [workStart, workEnd); the start edge wins when it cannot fit.
LONG CentredStart(LONG length, LONG aroundStart, LONG aroundEnd, LONG workStart, LONG workEnd)
{
    LONG start = aroundStart + (aroundEnd - aroundStart - length) / 2;
    if (start + length > workEnd)
        start = workEnd - length;
    if (start < workStart)
        start = workStart;
    return start;
}

}  // namespace

CRect CenteredRect(const CSize& size, const CRect& around, const CRect& workArea)
{
    const LONG left = CentredStart(size.cx, around.left, around.right, workArea.left, workArea.right);
    const LONG top = CentredStart(size.cy, around.top, around.bottom, workArea.top, workArea.bottom);
    return CRect(left, top, left + size.cx, top + size.cy);
}
