// Stored hot-key words ("VKey" and "Mod", any bytes) loaded for either
// monitor type, stored back, and pressed. Loading never gives one registered
// combination to two slots nor fills a slot the type does not use; storing
// puts back exactly what was loaded; a press finds only a slot that holds it.
#include "FuzzCheck.h"
#include "automation/HotKeyBinding.h"
#include "shell/HotKeyActions.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

namespace {

bool TypeUsesSlot(int type, int slot)
{
    for (int control = 0; control < HotKeyControlCount; ++control) {
        if (HotKeyFunctionSlots[type][control] == slot)
            return true;
    }
    return false;
}

void CheckLoad(int type, const HotKeySlots& slots)
{
    for (int a = 0; a < HotKeyFunctionCount; ++a) {
        FUZZ_CHECK(TypeUsesSlot(type, a) || slots[a].IsFree());
        for (int b = a + 1; b < HotKeyFunctionCount; ++b)
            FUZZ_CHECK(slots[a].IsFree() || !slots[a].IsSameCombination(slots[b]));
    }
}

void CheckStore(int type, const HotKeySlots& slots, const BYTE (&vkeys)[HotKeyValueBytes],
                const BYTE (&mods)[HotKeyValueBytes])
{
    BYTE storedKeys[HotKeyValueBytes];
    BYTE storedMods[HotKeyValueBytes];
    std::memcpy(storedKeys, vkeys, sizeof storedKeys);
    std::memcpy(storedMods, mods, sizeof storedMods);
    StoreHotKeys(type, slots, storedKeys, storedMods);
    for (int slot = 0; slot < HotKeyFunctionCount; ++slot) {
        const WORD key = static_cast<WORD>(storedKeys[slot * 2] | storedKeys[slot * 2 + 1] << 8);
        const WORD mod = static_cast<WORD>(storedMods[slot * 2] | storedMods[slot * 2 + 1] << 8);
        if (TypeUsesSlot(type, slot)) {
            FUZZ_CHECK(key == slots[slot].wVirtualKey && mod == slots[slot].wModifiers);
        } else {
            FUZZ_CHECK(std::memcmp(storedKeys + slot * 2, vkeys + slot * 2, 2) == 0);
            FUZZ_CHECK(std::memcmp(storedMods + slot * 2, mods + slot * 2, 2) == 0);
        }
    }
}

void CheckPress(const HotKeySlots& slots, WORD virtualKey, WORD modifiers)
{
    const WORD flags = ModifiersToHotKeyFlags(modifiers);
    const int slot = FindPressedSlot(slots, virtualKey, flags);
    FUZZ_CHECK(slot >= -1 && slot < HotKeyFunctionCount);
    if (slot >= 0)
        FUZZ_CHECK(slots[slot].wVirtualKey == virtualKey && virtualKey != 0);
    IsRefusedHotKey(virtualKey, flags);
    IsLoneF12(virtualKey, flags);
    HotKeyFlagsToModifiers(flags);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int type = HotKeyTypeOf(input.ConsumeIntegral<DWORD>(), input.ConsumeIntegral<DWORD>());
    BYTE vkeys[HotKeyValueBytes] = {};
    BYTE mods[HotKeyValueBytes] = {};
    input.ConsumeData(vkeys, sizeof vkeys);
    input.ConsumeData(mods, sizeof mods);

    const HotKeySlots slots = MergeStoredHotKeys(type, vkeys, mods);
    if (type == HotKeyTypeNone) {
        for (const HotKeyBinding& binding : slots)
            FUZZ_CHECK(binding.IsFree());
        return 0;
    }
    CheckLoad(type, slots);
    CheckStore(type, slots, vkeys, mods);
    while (input.remaining_bytes() >= 4)
        CheckPress(slots, input.ConsumeIntegral<WORD>(), input.ConsumeIntegral<WORD>());
    return 0;
}
