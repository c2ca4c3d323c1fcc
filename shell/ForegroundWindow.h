#pragma once
// Brings a window of this program to the foreground. Windows refuses that to
// a program the user is not working in while the foreground lock time-out
// runs; the time-out is lifted for the one call and put back unsaved.
#include <windows.h>

inline void BringToForeground(HWND window)
{
    DWORD timeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)), 0);
}
