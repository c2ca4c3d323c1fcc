#include "framework/CSystemMessage.h"

CString CSystemMessage::Text(DWORD errorCode)
{
#ifdef _WIN32
    char buffer[1024] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, errorCode,
                                  0, buffer, sizeof buffer, nullptr);
    if (length == 0)
        return CString();
    CString text(buffer, static_cast<int>(length));
    text.TrimRight();
    return text;
#else
    (void)errorCode;
    return CString();
#endif
}
