#pragma once
// The code page narrow text is in: which bytes begin a double-byte
// character, and how single-byte characters change case. Text searches and
// case conversion walk characters with it, so that the trail byte of a
// double-byte character (in code page 932 it can be '\\' or a letter) is
// never taken for a character of its own.
#include "framework/WinTypes.h"

class CCodePage
{
public:
    // The code page in use: the system's narrow code page unless Use chose another.
    static UINT Current();
    // Switches to codePage (0 = the system's again). Returns false, changing
    // nothing, for a code page whose lead bytes are not known here.
    static bool Use(UINT codePage);

    static bool IsLeadByte(BYTE b);
    // Bytes of the character at p (1 or 2); a lead byte with no trail byte
    // before end or before a NUL counts as a character of its own.
    static int CharLength(const char* p, const char* end);
    // Case mapping of a single-byte character; other bytes come back unchanged.
    static char ToUpper(char c);
    static char ToLower(char c);
};
