#include "automation/HotKeyBinding.h"

#include <gtest/gtest.h>

namespace {

void Put(BYTE (&bytes)[HotKeyValueBytes], int slot, WORD value)
{
    bytes[slot * 2] = static_cast<BYTE>(value);
    bytes[slot * 2 + 1] = static_cast<BYTE>(value >> 8);
}

TEST(HotKeyType, FirstMatchingRowOfBothWords)
{
    EXPECT_EQ(HotKeyTypeOf(0x180, 0x000), 0);
    EXPECT_EQ(HotKeyTypeOf(0x180, 0x200), 1);
    EXPECT_EQ(HotKeyTypeOf(0xFFFF, 0xFDFF), 0);   // only the masked bits count
    EXPECT_EQ(HotKeyTypeOf(0x100, 0x200), HotKeyTypeNone);
    EXPECT_EQ(HotKeyTypeOf(0x080, 0x000), HotKeyTypeNone);
}

TEST(HotKeyMerge, StoredWordsLoadByTypeAndFirstHolderWins)
{
    BYTE vkeys[HotKeyValueBytes] = {}, mods[HotKeyValueBytes] = {};
    Put(vkeys, HotKeyPower, 'P');
    Put(mods, HotKeyPower, 0x06);
    Put(vkeys, HotKeyMute, 'C');        // the combination of Color Mode, which
    Put(mods, HotKeyMute, 0x02);        // comes first in control order; the
    Put(vkeys, HotKeyColorMode, 'C');   // extended-key flag is not registered
    Put(mods, HotKeyColorMode, 0x02 | 0x08);
    Put(vkeys, HotKeyGlintara2, 'G');

    const HotKeySlots type0 = MergeStoredHotKeys(0, vkeys, mods);
    EXPECT_EQ(type0[HotKeyPower], (HotKeyBinding{'P', 0x06}));
    EXPECT_EQ(type0[HotKeyColorMode], (HotKeyBinding{'C', 0x0A}));
    EXPECT_TRUE(type0[HotKeyMute].IsFree());
    EXPECT_TRUE(type0[HotKeyGlintara2].IsFree());   // type 0 has no Glintara 2 key

    const HotKeySlots type1 = MergeStoredHotKeys(1, vkeys, mods);
    EXPECT_EQ(type1[HotKeyGlintara2], (HotKeyBinding{'G', 0}));   // a key without "Mod"

    const HotKeySlots none = MergeStoredHotKeys(HotKeyTypeNone, vkeys, mods);
    for (const HotKeyBinding& slot : none)
        EXPECT_TRUE(slot.IsFree());
}

TEST(HotKeyStore, UnusedSlotsKeepTheirStoredWords)
{
    BYTE vkeys[HotKeyValueBytes] = {}, mods[HotKeyValueBytes] = {};
    Put(vkeys, HotKeyGlintara2, 'G');
    Put(mods, HotKeyGlintara2, 0x01);

    HotKeySlots slots{};
    slots[HotKeyPower] = {'P', 0x06};
    slots[HotKeyScreenSize] = {0x7A, 0};
    slots[HotKeyGlintara2] = {'X', 0x02};   // not written by a type-0 monitor
    StoreHotKeys(0, slots, vkeys, mods);

    const HotKeySlots reloaded = MergeStoredHotKeys(1, vkeys, mods);
    EXPECT_EQ(reloaded[HotKeyPower], (HotKeyBinding{'P', 0x06}));
    EXPECT_EQ(reloaded[HotKeyScreenSize], (HotKeyBinding{0x7A, 0}));
    EXPECT_EQ(reloaded[HotKeyGlintara2], (HotKeyBinding{'G', 0x01}));
    EXPECT_EQ(vkeys[8], 'G');
}

TEST(HotKeyRules, RefusedCombinations)
{
    EXPECT_TRUE(IsLoneF12(0x7B, 0));
    EXPECT_FALSE(IsLoneF12(0x7B, HotKeyFlagShift));
    EXPECT_FALSE(IsLoneF12(0x7B, HotKeyFlagControl));
    EXPECT_FALSE(IsLoneF12(0x7A, 0));

    for (WORD key : {0x00, 0x13, 0x5F, 0xE5, 0xFF}) {
        EXPECT_TRUE(IsRefusedHotKey(key, 0)) << key;
        EXPECT_TRUE(IsRefusedHotKey(key, HotKeyFlagControl | HotKeyFlagAlt)) << key;
    }
    EXPECT_TRUE(IsRefusedHotKey(0x14, HotKeyFlagShift));                     // Shift+CapsLock
    EXPECT_FALSE(IsRefusedHotKey(0x14, 0));                                  // CapsLock alone
    EXPECT_FALSE(IsRefusedHotKey(0x14, HotKeyFlagControl));
    EXPECT_FALSE(IsRefusedHotKey(0x14, HotKeyFlagShift | HotKeyFlagControl));
    EXPECT_FALSE(IsRefusedHotKey(0x7B, 0));                                  // F12 is refused apart
    EXPECT_FALSE(IsRefusedHotKey('P', HotKeyFlagControl | HotKeyFlagAlt));
}

} // namespace
