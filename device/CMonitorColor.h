#pragma once
// The picture values of one monitor: per adjustable control a current value,
// the maximum the monitor reported with it, and whether the last read worked.
#include "device/FeatureAddress.h"

// The controls in slot order.
enum class ColorSlot : int {
    Mode, Temperature, Brightness, Contrast, BlackLevel, Gamma, GainR, GainG, GainB,
    ContrastEnhancer, Velocis, Saturation, Hue, Overdrive, NoiseReduction, Sensora,
    Crisora, SkinTone, TextEnhancer, Glintara,
};

class CMonitorColor {
public:
    static constexpr int SlotCount = 20;

    CMonitorColor() = default;
    CMonitorColor(const CMonitorColor&) = default;
    CMonitorColor& operator=(const CMonitorColor&) = default;
    virtual ~CMonitorColor();

    // No slot counts as read afterwards; values and maxima stay.
    void ClearValid();

    static constexpr int Index(ColorSlot slot) { return static_cast<int>(slot); }
    // The feature each slot is read from and written to.
    static const FeatureAddress& FeatureOf(ColorSlot slot);

    WORD& Value(ColorSlot slot) { return m_wValue[Index(slot)]; }
    WORD& Max(ColorSlot slot) { return m_wMax[Index(slot)]; }
    BOOL& Valid(ColorSlot slot) { return m_bValid[Index(slot)]; }

    // Overdrive and TextEnhancer keep byte 0 of their reply in the value and
    // byte 1 in their flag.
    WORD m_wValue[SlotCount] = {};
    WORD m_wMax[SlotCount] = {};
    BOOL m_bValid[SlotCount] = {};
    BYTE m_byOverdriveFlag = 0;
    BYTE m_byTextEnhancerFlag = 0;
};
