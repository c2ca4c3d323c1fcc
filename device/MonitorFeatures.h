#pragma once
// Every monitor control the program reads, writes or hears about as a report.
// Sizes are the caller's buffer sizes; what goes on the wire is decided by the
// feature's own description (a single-value feature takes one byte).
#include "device/FeatureAddress.h"

// Usage pages.
constexpr WORD UsagePageConsumer = 0x0C;
constexpr WORD UsagePageMonitor = 0x82;
constexpr WORD UsagePageVendor = 0xFF00;
constexpr WORD UsagePageVendor2 = 0xFF01;

inline constexpr FeatureAddress FEATURE_MUTE{UsagePageConsumer, 0xE2};

inline constexpr FeatureAddress FEATURE_BRIGHTNESS{UsagePageMonitor, 0x10};
inline constexpr FeatureAddress FEATURE_CONTRAST{UsagePageMonitor, 0x12};
inline constexpr FeatureAddress FEATURE_GAIN_RED{UsagePageMonitor, 0x16};
inline constexpr FeatureAddress FEATURE_GAIN_GREEN{UsagePageMonitor, 0x18};
inline constexpr FeatureAddress FEATURE_GAIN_BLUE{UsagePageMonitor, 0x1A};

inline constexpr FeatureAddress FEATURE_COLOR_TEMPERATURE{UsagePageVendor, 0x07};
inline constexpr FeatureAddress FEATURE_KEY_PRESS{UsagePageVendor, 0x0F};
inline constexpr FeatureAddress FEATURE_COLOR_MODE{UsagePageVendor, 0x15};
inline constexpr FeatureAddress FEATURE_MODE_LIST{UsagePageVendor, 0x25};
inline constexpr FeatureAddress FEATURE_IDENTITY{UsagePageVendor, 0x35};
inline constexpr FeatureAddress FEATURE_GAMMA{UsagePageVendor, 0x66};
inline constexpr FeatureAddress FEATURE_BLACK_LEVEL{UsagePageVendor, 0x74};
inline constexpr FeatureAddress FEATURE_SATURATION{UsagePageVendor, 0xB3};
inline constexpr FeatureAddress FEATURE_HUE{UsagePageVendor, 0xB4};
inline constexpr FeatureAddress FEATURE_ADJUST_ENABLE{UsagePageVendor, 0xB8};
inline constexpr FeatureAddress FEATURE_MODEL_CODE{UsagePageVendor, 0xC3};
inline constexpr FeatureAddress FEATURE_ADJUST_STATE{UsagePageVendor, 0xC9};
inline constexpr FeatureAddress FEATURE_CAPABILITIES{UsagePageVendor, 0xCE};

inline constexpr FeatureAddress FEATURE_KEY_PRESS_EXT{UsagePageVendor2, 0x3D};
inline constexpr FeatureAddress FEATURE_ASSOC_INVALID{UsagePageVendor2, 0x40};
inline constexpr FeatureAddress FEATURE_ASSOC_INVALID_CLEAR{UsagePageVendor2, 0x41};
inline constexpr FeatureAddress FEATURE_OVERDRIVE{UsagePageVendor2, 0x4A};
inline constexpr FeatureAddress FEATURE_CONNECT_FLAG{UsagePageVendor2, 0x68};
inline constexpr FeatureAddress FEATURE_COMMIT{UsagePageVendor2, 0xA0};
inline constexpr FeatureAddress FEATURE_RESET{UsagePageVendor2, 0xA1};
inline constexpr FeatureAddress FEATURE_SENSORA{UsagePageVendor2, 0xA9};
inline constexpr FeatureAddress FEATURE_CRISORA{UsagePageVendor2, 0xAA};
inline constexpr FeatureAddress FEATURE_SKIN_TONE{UsagePageVendor2, 0xAB};
inline constexpr FeatureAddress FEATURE_TEXT_ENHANCER{UsagePageVendor2, 0xAC};
inline constexpr FeatureAddress FEATURE_GLINTARA{UsagePageVendor2, 0xAD};
inline constexpr FeatureAddress FEATURE_NOISE_REDUCTION{UsagePageVendor2, 0xAF};
inline constexpr FeatureAddress FEATURE_CONTRAST_ENHANCER{UsagePageVendor2, 0xE0};
inline constexpr FeatureAddress FEATURE_VELOCIS{UsagePageVendor2, 0xED};

// Buffer sizes the callers pass.
constexpr short FeatureValueSize = 2;       // the 2-byte values, little-endian
constexpr short FeatureSliderSize = 4;      // what the adjustment sliders write with
constexpr short FeatureIdentitySize = 24;   // serial (8) + model name (16)
constexpr short FeatureModelCodeSize = 8;
constexpr short FeatureCapabilitiesSize = 256;

// Key codes written to FEATURE_KEY_PRESS and FEATURE_KEY_PRESS_EXT.
constexpr WORD KeyPressPower = 0x0080;
constexpr WORD KeyPressColorMode = 0x0100;
constexpr WORD KeyPressMenuShow = 0x4000;
constexpr WORD KeyPressMenuHide = 0x8000;
constexpr WORD KeyPressScreenSize = 0x0080;
constexpr WORD KeyPressGlintara2 = 0x0100;

// Commands written to FEATURE_RESET.
constexpr BYTE ResetColorAdjustment = 1;
constexpr BYTE ResetTunoraFunctions = 10;

// FEATURE_ADJUST_STATE forbids adjustment with this value only.
constexpr BYTE AdjustStateForbidden = 2;
