#include "framework/CGdiObject.h"

#include "framework/CHandleMap.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {
using GdiMap = CHandleMap<CGdiObject, HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiMap::Instance().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    GdiMap::Instance().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
}

BOOL CGdiObject::UnrealizeObject()
{
    return m_hObject && ::UnrealizeObject(m_hObject);
}
