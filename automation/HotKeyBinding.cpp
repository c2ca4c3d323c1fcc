#include "automation/HotKeyBinding.h"

const UINT HotKeyLabelIds[HotKeyFunctionCount] = {150, 151, 152, 153, 154};

const HotKeyTypeMask HotKeyTypeMasks[HotKeyTypeCount] = {
    {0x180, 0x000},
    {0x180, 0x200},
};

const int HotKeyFunctionSlots[HotKeyTypeCount][HotKeyControlCount] = {
    {HotKeyPower, HotKeyColorMode, -1, -1, -1, HotKeyMute, HotKeyScreenSize, -1, -1, -1},
    {HotKeyPower, HotKeyColorMode, HotKeyGlintara2, -1, -1, HotKeyMute, HotKeyScreenSize, -1, -1, -1},
};

int HotKeyTypeOf(DWORD dwHotKeyCaps, DWORD dwHotKeyCaps2)
{
    for (int type = 0; type < HotKeyTypeCount; ++type) {
        if ((dwHotKeyCaps & 0x180) == HotKeyTypeMasks[type].dwCaps &&
            (dwHotKeyCaps2 & 0x200) == HotKeyTypeMasks[type].dwCaps2)
            return type;
    }
    return HotKeyTypeNone;
}

namespace {

constexpr WORD KeyPause = 0x13;
constexpr WORD KeyCapsLock = 0x14;
constexpr WORD KeySleep = 0x5F;
constexpr WORD KeyF12 = 0x7B;
constexpr WORD KeyProcess = 0xE5;
constexpr WORD KeyReserved = 0xFF;

WORD WordAt(const BYTE (&bytes)[HotKeyValueBytes], int slot)
{
    return static_cast<WORD>(bytes[slot * 2] | (bytes[slot * 2 + 1] << 8));
}

void PutWord(BYTE (&bytes)[HotKeyValueBytes], int slot, WORD value)
{
    bytes[slot * 2] = static_cast<BYTE>(value & 0xFF);
    bytes[slot * 2 + 1] = static_cast<BYTE>(value >> 8);
}

bool ValidType(int type)
{
    return type >= 0 && type < HotKeyTypeCount;
}

} // namespace

bool IsLoneF12(WORD virtualKey, WORD modifiers)
{
    return virtualKey == KeyF12 && modifiers == 0;
}

bool IsRefusedHotKey(WORD virtualKey, WORD modifiers)
{
    switch (virtualKey) {
    case 0:
    case KeyPause:
    case KeyProcess:
    case KeySleep:
    case KeyReserved:
        return true;
    case KeyCapsLock:
        return modifiers == HotKeyFlagShift;
    default:
        return false;
    }
}

HotKeySlots MergeStoredHotKeys(int type, const BYTE (&vkeys)[HotKeyValueBytes],
                               const BYTE (&mods)[HotKeyValueBytes])
{
    HotKeySlots slots{};
    if (!ValidType(type))
        return slots;
    for (int control = 0; control < HotKeyControlCount; ++control) {
        const int slot = HotKeyFunctionSlots[type][control];
        if (slot < 0)
            continue;
        const HotKeyBinding stored{WordAt(vkeys, slot), WordAt(mods, slot)};
        bool taken = false;
        for (const HotKeyBinding& held : slots)
            taken = taken || held.IsSameCombination(stored);
        if (!taken)
            slots[slot] = stored;
    }
    return slots;
}

void StoreHotKeys(int type, const HotKeySlots& slots, BYTE (&vkeys)[HotKeyValueBytes],
                  BYTE (&mods)[HotKeyValueBytes])
{
    if (!ValidType(type))
        return;
    for (int control = 0; control < HotKeyControlCount; ++control) {
        const int slot = HotKeyFunctionSlots[type][control];
        if (slot < 0)
            continue;
        PutWord(vkeys, slot, slots[slot].wVirtualKey);
        PutWord(mods, slot, slots[slot].wModifiers);
    }
}
