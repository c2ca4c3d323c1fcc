#pragma once
// Fixed tables shared by the colour windows and the automatic switching:
// colour-mode names and bits, the feature-mask bits of a mode, colour
// temperature names and the gamma and level labels.
#include "framework/WinTypes.h"

constexpr int ColorModeCount = 47;        // monitor modes 0..46
constexpr int ColorModeNoChange = 47;     // "Not change the mode"
constexpr int ColorModeTableSize = 48;

struct ColorModeEntry {
    DWORD dwMode;
    UINT nStringId;
};
extern const ColorModeEntry ColorModeTable[ColorModeTableSize];
// Bit of mode m in the 64-bit supported-mode mask; mode 47 is bit 63.
extern const ULONGLONG ColorModeBits[ColorModeTableSize];

constexpr int UserMode1 = 22, UserMode2 = 23, UserMode3 = 24;
inline bool IsUserMode(int mode)
{
    return mode >= UserMode1 && mode <= UserMode3;
}

// Bits of a mode's feature mask: what can be adjusted in that mode.
enum ModeFeatureBit : DWORD {
    MF_BRIGHTNESS = 0x1,
    MF_CONTRAST = 0x2,
    MF_COLOR_TEMPERATURE = 0x4,
    MF_GAMMA = 0x8,
    MF_SATURATION = 0x10,
    MF_HUE = 0x20,
    MF_GAIN = 0x40,
    MF_CONTRAST_ENHANCER = 0x80,
    MF_OVERDRIVE = 0x400,
    MF_BLACK_LEVEL = 0x1000,
    MF_RESET = 0x8000,
    MF_CRISORA = 0x10000,
    MF_GLINTARA = 0x40000,
    MF_VELOCIS = 0x80000,
    MF_SENSORA = 0x200000,
    MF_SKIN_TONE = 0x400000,
    MF_TEXT_ENHANCER = 0x800000,
    MF_FUNCTIONS_MEMBER = 0x1000000,
    MF_NOISE_REDUCTION = 0x2000000,
};
// Any of these enables the enhancement-functions dialog.
constexpr DWORD MF_FUNCTIONS_GROUP = 0x1E50000;

// Whether mode m (0..46) is offered by a monitor with this supported-mode mask.
bool IsModeListed(ULONGLONG qwModes, int mode);
// The feature mask of a mode; 0 for anything outside 0..46, so no caller
// indexes past the table with a stray mode value.
DWORD ModeFeatureMask(const DWORD (&modeFeatures)[ColorModeCount], int mode);

constexpr int TemperatureCount = 15;
extern const UINT TemperatureNameIds[TemperatureCount];

// Gamma and level labels are fixed texts, never translated.
struct GammaEntry {
    WORD wBit;      // bit in the monitor's (game) gamma mask
    WORD wCode;     // value of the gamma feature
    const char* pszLabel;
};
extern const GammaEntry GammaTable[7];
extern const GammaEntry GammaModeTable[4];

struct LevelEntry {
    WORD wValue;
    const char* pszLabel;
};
extern const LevelEntry LevelTable[6];
extern const LevelEntry GlintaraLevelTable[2][6];
