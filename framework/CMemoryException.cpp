#include "framework/CMemoryException.h"

#include "framework/CSystemMessage.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPSTR buffer, UINT maxLength, UINT* helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    return CopyMessage(Description(), buffer, maxLength);
}

CString CMemoryException::Description()
{
    const DWORD notEnoughMemory = 8;
    CString text = CSystemMessage::Text(notEnoughMemory);
    return text.IsEmpty() ? CString("Out of memory.") : text;
}
