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
    // A window given the focus while hidden, or while another program had
    // the foreground, is its thread's active window with its caption drawn
    // inactive. Wine brings such a window to the foreground without any
    // activation: the caption stays grey and the display's input focus
    // stays where it was. Deactivated first, it is activated for real.
    if (GetActiveWindow() == window)
        SetActiveWindow(nullptr);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)), 0);
}
