#pragma once
// Memory exhaustion. A std::bad_alloc from new is treated the same way.
#include "framework/CException.h"

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR buffer, UINT maxLength, UINT* helpContext = nullptr) const override;
    // The description of memory exhaustion in the system's language.
    static CString Description();
};
