#include "framework/CFont.h"

#include "framework/CHandleMap.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

namespace {
using FontMap = CHandleMap<CFont, HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;
}

CFont* CFont::FromHandle(HFONT hFont)
{
    return FontMap::Instance().FromHandle(hFont);
}

void CFont::DeleteTempMap()
{
    FontMap::Instance().DeleteTemp();
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    DeleteObject();
    return lpLogFont && Attach(::CreateFontIndirectA(lpLogFont));
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    return GetObject(sizeof(LOGFONTA), pLogFont);
}
