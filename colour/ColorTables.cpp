#include "colour/ColorTables.h"

namespace {
constexpr UINT Blank = 200;   // a mode without a name of its own shows as a blank
}

const ColorModeEntry ColorModeTable[ColorModeTableSize] = {
    {0, Blank},  {1, Blank},  {2, Blank},  {3, Blank},  {4, Blank},  {5, Blank},
    {6, Blank},  {7, Blank},  {8, Blank},  {9, Blank},  {10, Blank}, {11, Blank},
    {12, Blank}, {13, Blank}, {14, Blank}, {15, Blank}, {16, Blank}, {17, Blank},
    {18, Blank}, {19, Blank}, {20, Blank}, {21, Blank},
    {22, 201}, {23, 202}, {24, 203},
    {25, Blank}, {26, Blank}, {27, Blank}, {28, Blank}, {29, Blank}, {30, Blank},
    {31, Blank}, {32, Blank},
    {33, 260}, {34, 261},
    {35, Blank}, {36, Blank}, {37, Blank}, {38, Blank}, {39, Blank},
    {40, 204}, {41, 205}, {42, 206}, {43, 207},
    {44, 262}, {45, 263}, {46, 264},
    {47, 250},
};

namespace {
constexpr ULONGLONG Bit(int n)
{
    return ULONGLONG(1) << n;
}
}

const ULONGLONG ColorModeBits[ColorModeTableSize] = {
    Bit(0),  Bit(1),  Bit(2),  Bit(3),  Bit(4),  Bit(5),  Bit(6),  Bit(7),
    Bit(8),  Bit(9),  Bit(10), Bit(11), Bit(12), Bit(13), Bit(14), Bit(15),
    Bit(16), Bit(17), Bit(18), Bit(19), Bit(20), Bit(21), Bit(22), Bit(23),
    Bit(24), Bit(25), Bit(26), Bit(27), Bit(28), Bit(29), Bit(30), Bit(31),
    Bit(32), Bit(33), Bit(34), Bit(35), Bit(36), Bit(37), Bit(38), Bit(39),
    Bit(40), Bit(41), Bit(42), Bit(43), Bit(44), Bit(45), Bit(46),
    Bit(63),   // "Not change the mode"
};

bool IsModeListed(ULONGLONG qwModes, int mode)
{
    return mode >= 0 && mode < ColorModeCount && (qwModes & ColorModeBits[mode]) != 0;
}

DWORD ModeFeatureMask(const DWORD (&modeFeatures)[ColorModeCount], int mode)
{
    return mode >= 0 && mode < ColorModeCount ? modeFeatures[mode] : 0;
}

const UINT TemperatureNameIds[TemperatureCount] = {
    210, 211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224,
};

const GammaEntry GammaTable[7] = {
    {0x0004, 2, "1.8"}, {0x0008, 3, "2.0"}, {0x0010, 4, "2.2"}, {0x0020, 5, "2.4"},
    {0x0040, 6, "2.6"}, {0x0080, 7, "2.8"}, {0x1000, 252, "Power"},
};

const GammaEntry GammaModeTable[4] = {
    {0x0100, 244, "FPS (High)"},
    {0x0200, 245, "FPS (Medium)"},
    {0x0400, 246, "FPS (Low)"},
    {0x0800, 247, "RTS"},
};

const LevelEntry LevelTable[6] = {
    {0, "Off"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"},
};

const LevelEntry GlintaraLevelTable[2][6] = {
    {{0, "Off"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}},
    {{0, "Off"}, {1, "RTS (Low)"}, {2, "RTS (Medium)"}, {3, "RTS (High) / FPS (Low)"},
     {4, "FPS (Medium)"}, {5, "FPS (High)"}},
};
