#include "shell/HotKeyActions.h"

#include <gtest/gtest.h>

namespace {

TEST(HotKeyActions, ModifierEncodingsRoundTrip)
{
    EXPECT_EQ(HotKeyFlagsToModifiers(0x01), 0x04);   // shift
    EXPECT_EQ(HotKeyFlagsToModifiers(0x02), 0x02);   // control
    EXPECT_EQ(HotKeyFlagsToModifiers(0x04), 0x01);   // alt
    EXPECT_EQ(HotKeyFlagsToModifiers(0x08), 0x00);   // extended key has no MOD flag
    EXPECT_EQ(ModifiersToHotKeyFlags(0x08), 0x00);   // MOD_WIN has no HOTKEYF flag
    for (WORD flags = 0; flags < 8; ++flags)
        EXPECT_EQ(ModifiersToHotKeyFlags(HotKeyFlagsToModifiers(flags)), flags);
}

TEST(HotKeyActions, SpecialRowsAreRecognisedByAddressAndValue)
{
    EXPECT_TRUE(HotKeyActions[HotKeyMute].IsMute());
    EXPECT_TRUE(HotKeyActions[HotKeyColorMode].IsColorModeKey());
    EXPECT_FALSE(HotKeyActions[HotKeyPower].IsColorModeKey());   // same address, other value
    EXPECT_FALSE(HotKeyActions[HotKeyGlintara2].IsColorModeKey());
}

TEST(HotKeyActions, PressMatchesIgnoringTheExtendedFlag)
{
    HotKeySlots slots{};
    slots[HotKeyPower] = {'P', 0x02 | 0x04};
    slots[HotKeyMute] = {0x78, 0x08};   // stored as an extended key
    EXPECT_EQ(FindPressedSlot(slots, 'P', 0x06), HotKeyPower);
    EXPECT_EQ(FindPressedSlot(slots, 'P', 0x02), -1);
    EXPECT_EQ(FindPressedSlot(slots, 0x78, 0), HotKeyMute);
    EXPECT_EQ(FindPressedSlot(slots, 'Q', 0x06), -1);
    // Free slots hold key 0; a press of key 0 comes only from another program.
    EXPECT_EQ(FindPressedSlot(slots, 0, 0), -1);
}

TEST(HotKeyActions, FirstSlotWinsWhenTwoHoldThePress)
{
    HotKeySlots slots{};
    slots[HotKeyScreenSize] = {'S', 0x02};
    slots[HotKeyColorMode] = {'S', 0x02};
    EXPECT_EQ(FindPressedSlot(slots, 'S', 0x02), HotKeyColorMode);
}

} // namespace
