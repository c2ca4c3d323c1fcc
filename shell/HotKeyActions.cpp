#include "shell/HotKeyActions.h"

const HotKeyAction HotKeyActions[HotKeyFunctionCount] = {
    {0x0080, 0x0F, 0xFF00},   // Power: a key press on the monitor
    {0x0000, 0xE2, 0x000C},   // Mute: the value is the inverse of the read
    {0x0100, 0x0F, 0xFF00},   // Color Mode: a key press on the monitor
    {0x0080, 0x3D, 0xFF01},   // Screen Size
    {0x0100, 0x3D, 0xFF01},   // Glintara 2
};

namespace {
constexpr WORD HkShift = 0x01, HkControl = 0x02, HkAlt = 0x04;   // HOTKEYF_EXT (8) never matters
constexpr WORD ModAlt = 0x01, ModControl = 0x02, ModShift = 0x04;
}

WORD HotKeyFlagsToModifiers(WORD hotKeyFlags)
{
    WORD mods = 0;
    if (hotKeyFlags & HkShift)
        mods |= ModShift;
    if (hotKeyFlags & HkControl)
        mods |= ModControl;
    if (hotKeyFlags & HkAlt)
        mods |= ModAlt;
    return mods;
}

WORD ModifiersToHotKeyFlags(WORD modifiers)
{
    WORD flags = 0;
    if (modifiers & ModShift)
        flags |= HkShift;
    if (modifiers & ModControl)
        flags |= HkControl;
    if (modifiers & ModAlt)
        flags |= HkAlt;
    return flags;
}

int FindPressedSlot(const HotKeySlots& slots, WORD virtualKey, WORD hotKeyFlags)
{
    // A slot without a key is never registered: a WM_HOTKEY naming key 0,
    // which only another program can send, finds nothing.
    if (virtualKey == 0)
        return -1;
    const HotKeyBinding pressed{virtualKey, hotKeyFlags};
    for (int slot = 0; slot < HotKeyFunctionCount; ++slot) {
        if (slots[slot].IsSameCombination(pressed))
            return slot;
    }
    return -1;
}
