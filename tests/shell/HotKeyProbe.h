#pragma once
// Looks at the system-wide hot keys from outside: a key combination is taken
// when a window of its own cannot register it.
#include <windows.h>

class HotKeyProbe
{
public:
    HotKeyProbe();
    ~HotKeyProbe();
    HotKeyProbe(const HotKeyProbe&) = delete;
    HotKeyProbe& operator=(const HotKeyProbe&) = delete;

    // MOD_* modifiers and a virtual key.
    bool IsTaken(UINT modifiers, UINT virtualKey) const;

private:
    HWND m_window;
};
