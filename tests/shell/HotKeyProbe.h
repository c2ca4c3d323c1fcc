#pragma once
// Looks at the system-wide hot keys from outside: a key combination is taken
// when a window of its own cannot register it. Presses one as the keyboard
// would, so that only a registered key reaches its window.
#include <windows.h>

#include <initializer_list>

class HotKeyProbe
{
public:
    HotKeyProbe();
    ~HotKeyProbe();
    HotKeyProbe(const HotKeyProbe&) = delete;
    HotKeyProbe& operator=(const HotKeyProbe&) = delete;

    // MOD_* modifiers and a virtual key.
    bool IsTaken(UINT modifiers, UINT virtualKey) const;
    // Keys down in the order given, then up in the reverse order, as input;
    // false when the system took fewer than all.
    static bool Press(std::initializer_list<WORD> virtualKeys);

private:
    HWND m_window;
};
