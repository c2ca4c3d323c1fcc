#include "framework/CRect.h"

#include <algorithm>

void CRect::CopyRect(LPCRECT source)
{
    if (source)
        SetRect(source->left, source->top, source->right, source->bottom);
    else
        SetRectEmpty();
}

BOOL CRect::EqualRect(LPCRECT other) const
{
    return other && left == other->left && top == other->top && right == other->right && bottom == other->bottom;
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::OffsetRect(int x, int y)
{
    left += x;
    right += x;
    top += y;
    bottom += y;
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT a, LPCRECT b)
{
    if (!a || !b) {
        SetRectEmpty();
        return FALSE;
    }
    CRect result(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom));
    if (result.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = result;
    return TRUE;
}

BOOL CRect::UnionRect(LPCRECT a, LPCRECT b)
{
    CRect first(a), second(b);
    if (first.IsRectEmpty())
        *this = second;
    else if (second.IsRectEmpty())
        *this = first;
    else
        SetRect(std::min(first.left, second.left), std::min(first.top, second.top),
                std::max(first.right, second.right), std::max(first.bottom, second.bottom));
    if (IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    return TRUE;
}
