#include "framework/CBitmap.h"

#include "framework/AfxGlobals.h"
#include "framework/CDC.h"
#include "framework/CHandleMap.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

namespace {
using BitmapMap = CHandleMap<CBitmap, HGDIOBJ, CGdiObject, &CGdiObject::m_hObject>;
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return BitmapMap::Instance().FromHandle(hBitmap);
}

void CBitmap::DeleteTempMap()
{
    BitmapMap::Instance().DeleteTemp();
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    DeleteObject();
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    DeleteObject();
    return pDC && Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    DeleteObject();
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}
