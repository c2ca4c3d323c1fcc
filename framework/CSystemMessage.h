#pragma once
// The system's own text for an error code, in the system's language, without
// the trailing line break. Empty when the system has none (always in the
// native build).
#include "framework/CString.h"

class CSystemMessage
{
public:
    static CString Text(DWORD errorCode);
};
