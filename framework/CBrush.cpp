#include "framework/CBrush.h"

#include "framework/CBitmap.h"
#include "framework/CHandleMap.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

namespace {
using BrushMap = CHandleMap<CBrush, HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return BrushMap::Instance().FromHandle(hBrush);
}

void CBrush::DeleteTempMap()
{
    BrushMap::Instance().DeleteTemp();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    DeleteObject();
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    DeleteObject();
    if (!pBitmap || !pBitmap->m_hObject)
        return FALSE;
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}
