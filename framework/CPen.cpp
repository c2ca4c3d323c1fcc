#include "framework/CPen.h"

#include "framework/CHandleMap.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

namespace {
using PenMap = CHandleMap<CPen, HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return PenMap::Instance().FromHandle(hPen);
}

void CPen::DeleteTempMap()
{
    PenMap::Instance().DeleteTemp();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    DeleteObject();
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}
