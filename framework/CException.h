#pragma once
// Base of the framework's exceptions. They are thrown by value and caught by
// reference; the window procedure catches every exception that a handler lets
// escape, so none unwinds through Win32.
#include "framework/CObject.h"
#include "framework/CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    // Copies the description into buffer (at most maxLength - 1 bytes, cut at
    // a character boundary, NUL-terminated). FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR buffer, UINT maxLength, UINT* helpContext = nullptr) const;
    // The whole description, empty when there is none.
    CString GetErrorText() const;

protected:
    static BOOL CopyMessage(const CString& text, LPSTR buffer, UINT maxLength);
};
