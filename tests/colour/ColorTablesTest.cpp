#include "colour/ColorTables.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> ListedModes(ULONGLONG mask)
{
    std::vector<int> modes;
    for (int mode = 0; mode < ColorModeTableSize; ++mode)
        if (IsModeListed(mask, mode))
            modes.push_back(mode);
    return modes;
}

TEST(ColorModeTable, NamedModesAndBlanks)
{
    const std::pair<int, UINT> named[] = {{22, 201}, {23, 202}, {24, 203}, {33, 260}, {34, 261},
                                          {40, 204}, {41, 205}, {42, 206}, {43, 207}, {44, 262},
                                          {45, 263}, {46, 264}, {47, 250}};
    int namedCount = 0;
    for (int mode = 0; mode < ColorModeTableSize; ++mode) {
        EXPECT_EQ(ColorModeTable[mode].dwMode, static_cast<DWORD>(mode));
        UINT expected = 200;
        for (const auto& [m, id] : named)
            if (m == mode)
                expected = id;
        namedCount += expected != 200;
        EXPECT_EQ(ColorModeTable[mode].nStringId, expected) << "mode " << mode;
    }
    EXPECT_EQ(namedCount, 13);
}

TEST(ColorModeBits, ModeBitsAndTheNoChangeBit)
{
    for (int mode = 0; mode < ColorModeCount; ++mode)
        EXPECT_EQ(ColorModeBits[mode], ULONGLONG(1) << mode);
    EXPECT_EQ(ColorModeBits[ColorModeNoChange], ULONGLONG(1) << 63);
}

TEST(ColorModeListing, AscendingSupportedModesOnly)
{
    EXPECT_EQ(ListedModes((ULONGLONG(1) << 22) | (ULONGLONG(1) << 40)), (std::vector<int>{22, 40}));
    EXPECT_EQ(ListedModes(ULONGLONG(1) << 5), (std::vector<int>{5}));   // unnamed, still listed
    EXPECT_TRUE(ListedModes(ULONGLONG(1) << 63).empty());               // 47 never
    EXPECT_TRUE(ListedModes(ULONGLONG(1) << 47).empty());               // bit 47 names no mode
    EXPECT_EQ(ListedModes(~ULONGLONG(0)).size(), 47u);
}

TEST(ModeFeatureMask, OutOfRangeModesHaveNoMask)
{
    DWORD features[ColorModeCount] = {};
    for (int mode = 0; mode < ColorModeCount; ++mode)
        features[mode] = 0x1000u + static_cast<DWORD>(mode);
    EXPECT_EQ(ModeFeatureMask(features, 0), 0x1000u);
    EXPECT_EQ(ModeFeatureMask(features, 46), 0x1000u + 46);
    EXPECT_EQ(ModeFeatureMask(features, 47), 0u);
    EXPECT_EQ(ModeFeatureMask(features, -1), 0u);
    EXPECT_EQ(ModeFeatureMask(features, 0xFFFF), 0u);
}

TEST(ColorValueTables, TemperatureGammaAndLevels)
{
    EXPECT_EQ(TemperatureNameIds[0], 210u);
    EXPECT_EQ(TemperatureNameIds[12], 222u);
    EXPECT_EQ(TemperatureNameIds[14], 224u);
    EXPECT_EQ(MF_FUNCTIONS_GROUP, static_cast<DWORD>(MF_CRISORA | MF_GLINTARA | MF_SENSORA | MF_SKIN_TONE |
                                                     MF_TEXT_ENHANCER | MF_FUNCTIONS_MEMBER));
    EXPECT_STREQ(GammaTable[6].pszLabel, "Power");
    EXPECT_EQ(GammaTable[6].wCode, 252);
    EXPECT_EQ(GammaModeTable[3].wBit, 0x0800);
    EXPECT_EQ(GammaModeTable[3].wCode, 247);
    EXPECT_STREQ(GlintaraLevelTable[1][3].pszLabel, "RTS (High) / FPS (Low)");
    EXPECT_STREQ(LevelTable[0].pszLabel, "Off");
}

} // namespace
