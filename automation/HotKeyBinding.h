#pragma once
// The monitors' hot-key bindings: five function slots per monitor, the
// monitor's hot-key type, the page's ten controls mapped onto slots, and the
// merge and store rules of the 10-byte "VKey"/"Mod" registry values.
#include "framework/WinTypes.h"
#include <array>

enum HotKeyFunction {
    HotKeyPower = 0,
    HotKeyMute = 1,
    HotKeyColorMode = 2,
    HotKeyScreenSize = 3,
    HotKeyGlintara2 = 4,
    HotKeyFunctionCount = 5
};

// Modifier flags of a binding, as the hot-key control reports them.
constexpr WORD HotKeyFlagShift = 0x01;
constexpr WORD HotKeyFlagControl = 0x02;
constexpr WORD HotKeyFlagAlt = 0x04;
constexpr WORD HotKeyFlagExt = 0x08;
// The flags the system registers a hot key with.
constexpr WORD HotKeyFlagsRegistered = HotKeyFlagShift | HotKeyFlagControl | HotKeyFlagAlt;

// One slot's binding: a virtual key (0 = none) and HOTKEYF_* modifier flags.
struct HotKeyBinding {
    WORD wVirtualKey = 0;
    WORD wModifiers = 0;

    bool IsFree() const { return wVirtualKey == 0 && wModifiers == 0; }
    bool operator==(const HotKeyBinding&) const = default;
    // One registered combination: Ctrl+Ins and Ctrl+Num 0 (NumLock off)
    // differ only in the extended-key flag, which registration drops.
    bool IsSameCombination(const HotKeyBinding& other) const
    {
        return wVirtualKey == other.wVirtualKey &&
               (wModifiers & HotKeyFlagsRegistered) == (other.wModifiers & HotKeyFlagsRegistered);
    }
};

using HotKeySlots = std::array<HotKeyBinding, HotKeyFunctionCount>;

// Label string ids by slot: "Power On/Off :" ... "Glintara 2 On/Off :".
extern const UINT HotKeyLabelIds[HotKeyFunctionCount];

constexpr int HotKeyTypeNone = -1;
constexpr int HotKeyTypeCount = 2;
constexpr int HotKeyControlCount = 10;   // hot-key controls 1094..1103 of the page

struct HotKeyTypeMask {
    DWORD dwCaps;    // MonitorCapabilities::dwHotKeyCaps AND 0x180
    DWORD dwCaps2;   // MonitorCapabilities::dwHotKeyCaps2 AND 0x200
};
extern const HotKeyTypeMask HotKeyTypeMasks[HotKeyTypeCount];

// Slot edited by page control i for each type; -1 = control unused.
extern const int HotKeyFunctionSlots[HotKeyTypeCount][HotKeyControlCount];

// The first type whose masked capability words both match, or HotKeyTypeNone.
int HotKeyTypeOf(DWORD dwHotKeyCaps, DWORD dwHotKeyCaps2);

// Size of each stored registry value: five little-endian u16 words.
constexpr int HotKeyValueBytes = 10;

// Read rule: slots from the stored words, walking the controls in order so
// that a combination stored for two slots lands only in the first one met.
HotKeySlots MergeStoredHotKeys(int type, const BYTE (&vkeys)[HotKeyValueBytes],
                               const BYTE (&mods)[HotKeyValueBytes]);

// F12 without modifiers: the system keeps it for its debugger, so it is
// refused with a word to the user.
bool IsLoneF12(WORD virtualKey, WORD modifiers);
// Combinations a binding cannot hold, refused without a word: no key, Pause,
// Sleep, the input method's process key, 0xFF and Shift+CapsLock.
bool IsRefusedHotKey(WORD virtualKey, WORD modifiers);

// Write rule: the type's slots go into the stored words; words of slots the
// type does not use keep what they held.
void StoreHotKeys(int type, const HotKeySlots& slots, BYTE (&vkeys)[HotKeyValueBytes],
                  BYTE (&mods)[HotKeyValueBytes]);
