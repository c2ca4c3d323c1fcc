#pragma once
// Brings a window of this program to the foreground. Windows refuses that to
// a program the user is not working in while the foreground lock time-out
// runs; the time-out is lifted for the one call and put back unsaved.
#include <windows.h>

inline constexpr const char* CaptionActiveProperty = "Talvex.CaptionActive";

// A window tells here, from its WM_NCACTIVATE, whether its caption is drawn
// active; it notes FALSE once more when it is destroyed. A window that
// notes nothing counts as drawn inactive.
inline void NoteCaptionDrawn(HWND window, WPARAM drawnActive)
{
    if (drawnActive)
        SetPropA(window, CaptionActiveProperty, reinterpret_cast<HANDLE>(1));
    else
        RemovePropA(window, CaptionActiveProperty);
}

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
    // A window drawn active is left as it is: deactivating it would flash
    // its caption and could hand the activation to another program.
    if (GetActiveWindow() == window && !GetPropA(window, CaptionActiveProperty))
        SetActiveWindow(nullptr);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(timeout)), 0);
}
