#pragma once
// What a pressed hot-key function sends to a monitor, and the two modifier
// encodings: bindings hold HOTKEYF_* flags (as the hot-key control reports
// them), RegisterHotKey and WM_HOTKEY use MOD_* flags.
#include "automation/HotKeyBinding.h"

struct HotKeyAction {
    WORD wValue;       // written as a little-endian u16; Mute computes its own
    BYTE byUsage;
    WORD wUsagePage;

    bool IsMute() const { return byUsage == 0xE2 && wUsagePage == 0x000C; }
    bool IsColorModeKey() const { return byUsage == 0x0F && wUsagePage == 0xFF00 && wValue == 0x0100; }
};

extern const HotKeyAction HotKeyActions[HotKeyFunctionCount];

// HOTKEYF_SHIFT 1 -> MOD_SHIFT 4, HOTKEYF_CONTROL 2 -> MOD_CONTROL 2,
// HOTKEYF_ALT 4 -> MOD_ALT 1; HOTKEYF_EXT has no MOD flag and is dropped.
WORD HotKeyFlagsToModifiers(WORD hotKeyFlags);
// The reverse; MOD_WIN has no HOTKEYF flag and is dropped.
WORD ModifiersToHotKeyFlags(WORD modifiers);

// The slot of a monitor bound to a pressed key, or -1: the virtual key must
// match and the binding's modifiers without HOTKEYF_EXT must equal the press.
int FindPressedSlot(const HotKeySlots& slots, WORD virtualKey, WORD hotKeyFlags);
