#include "framework/CException.h"

#include "framework/CCodePage.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

BOOL CException::GetErrorMessage(LPSTR buffer, UINT maxLength, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (buffer && maxLength)
        buffer[0] = '\0';
    return FALSE;
}

CString CException::GetErrorText() const
{
    char buffer[1024];
    if (!GetErrorMessage(buffer, sizeof buffer))
        return CString();
    return CString(buffer);
}

BOOL CException::CopyMessage(const CString& text, LPSTR buffer, UINT maxLength)
{
    if (!buffer || maxLength == 0)
        return FALSE;
    const char* begin = text.GetString();
    const char* end = begin + text.GetLength();
    const char* p = begin;
    while (p < end) {
        int length = CCodePage::CharLength(p, end);
        if (static_cast<UINT>(p - begin + length) > maxLength - 1)
            break;
        p += length;
    }
    memcpy(buffer, begin, static_cast<size_t>(p - begin));
    buffer[p - begin] = '\0';
    return TRUE;
}
