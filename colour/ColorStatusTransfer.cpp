#include "colour/ColorStatusTransfer.h"

#include "colour/ColorTables.h"
#include "device/MonitorFeatures.h"

namespace {

using S = ColorSlot;

constexpr short ValueSize = FeatureValueSize;

// The order the values are read in.
constexpr ColorSlot ReadOrder[] = {
    S::Mode, S::Temperature, S::Brightness, S::Contrast, S::BlackLevel, S::GainR, S::GainG, S::GainB,
    S::Gamma, S::ContrastEnhancer, S::Velocis, S::Saturation, S::Hue, S::Overdrive, S::NoiseReduction,
    S::Sensora, S::Crisora, S::SkinTone, S::TextEnhancer, S::Glintara,
};
// After a reset: the same without the mode and the enhancement functions.
constexpr int PictureFirst = 1;
constexpr int PictureEnd = 15;

// Temperature indexes under which the monitor takes the user's own gains.
constexpr WORD GainTemperatureOff = 0;
constexpr WORD GainTemperatureUser = 15;

bool KeepsFlagByte(ColorSlot slot)
{
    return slot == S::Overdrive || slot == S::TextEnhancer;
}

WORD ValueOf(const CMonitorColor& record, ColorSlot slot)
{
    return record.m_wValue[CMonitorColor::Index(slot)];
}

bool ValidIn(const CMonitorColor& record, ColorSlot slot)
{
    return record.m_bValid[CMonitorColor::Index(slot)] != FALSE;
}

} // namespace

// Where a slot stands in the write order: the mode goes first and needs no
// mask bit; the gains follow the temperature; the enhancement functions
// come last and belong to a full write only.
struct ColorStatusTransfer::Step {
    enum Kind { Mode, Picture, Gain, Function };
    ColorSlot slot;
    DWORD bit;
    Kind kind;
};

const ColorStatusTransfer::Step ColorStatusTransfer::s_writeOrder[] = {
    {S::Mode, 0, Step::Mode},
    {S::Temperature, MF_COLOR_TEMPERATURE, Step::Picture},
    {S::Brightness, MF_BRIGHTNESS, Step::Picture},
    {S::GainR, MF_GAIN, Step::Gain},
    {S::GainG, MF_GAIN, Step::Gain},
    {S::GainB, MF_GAIN, Step::Gain},
    {S::Contrast, MF_CONTRAST, Step::Picture},
    {S::BlackLevel, MF_BLACK_LEVEL, Step::Picture},
    {S::Gamma, MF_GAMMA, Step::Picture},
    {S::ContrastEnhancer, MF_CONTRAST_ENHANCER, Step::Picture},
    {S::Velocis, MF_VELOCIS, Step::Picture},
    {S::Saturation, MF_SATURATION, Step::Picture},
    {S::Hue, MF_HUE, Step::Picture},
    {S::Overdrive, MF_OVERDRIVE, Step::Picture},
    {S::NoiseReduction, MF_NOISE_REDUCTION, Step::Picture},
    {S::Sensora, MF_SENSORA, Step::Function},
    {S::Crisora, MF_CRISORA, Step::Function},
    {S::SkinTone, MF_SKIN_TONE, Step::Function},
    {S::TextEnhancer, MF_TEXT_ENHANCER, Step::Function},
    {S::Glintara, MF_GLINTARA, Step::Function},
};

ColorStatusTransfer::ColorStatusTransfer(CHIDMonitor& channel) : m_channel(channel)
{
}

DWORD ColorStatusTransfer::MaskBitOf(ColorSlot slot)
{
    for (const Step& step : s_writeOrder) {
        if (step.slot == slot)
            return step.bit;
    }
    return 0;
}

void ColorStatusTransfer::ReadSlot(CMonitorColor& record, ColorSlot slot)
{
    BYTE reply[ValueSize] = {};
    WORD maximum = 0;
    const bool read = m_channel.GetFeature(reply, ValueSize, CMonitorColor::FeatureOf(slot), &maximum);
    if (KeepsFlagByte(slot)) {
        record.Value(slot) = reply[0];
        (slot == S::Overdrive ? record.m_byOverdriveFlag : record.m_byTextEnhancerFlag) = reply[1];
    } else {
        record.Value(slot) = static_cast<WORD>(reply[0] | (reply[1] << 8));
    }
    record.Max(slot) = maximum;
    record.Valid(slot) = read ? TRUE : FALSE;
}

void ColorStatusTransfer::ReadAll(CMonitorColor& record)
{
    for (ColorSlot slot : ReadOrder)
        ReadSlot(record, slot);
}

void ColorStatusTransfer::ReadPictureValues(CMonitorColor& record)
{
    for (int i = PictureFirst; i < PictureEnd; ++i)
        ReadSlot(record, ReadOrder[i]);
}

// The whole two-byte reply: a set flag byte counts as a difference.
bool ColorStatusTransfer::ReadWord(ColorSlot slot, WORD* value)
{
    BYTE reply[ValueSize] = {};
    if (!m_channel.GetFeature(reply, ValueSize, CMonitorColor::FeatureOf(slot)))
        return false;
    *value = static_cast<WORD>(reply[0] | (reply[1] << 8));
    return true;
}

bool ColorStatusTransfer::WriteSlot(const CMonitorColor& record, ColorSlot slot)
{
    const WORD value = ValueOf(record, slot);
    const BYTE bytes[ValueSize] = {LOBYTE(value), KeepsFlagByte(slot) ? BYTE(0) : HIBYTE(value)};
    return m_channel.SetFeature(bytes, ValueSize, CMonitorColor::FeatureOf(slot));
}

void ColorStatusTransfer::WriteIfDifferent(const CMonitorColor& record, ColorSlot slot)
{
    WORD current = 0;
    if (ReadWord(slot, &current) && current != ValueOf(record, slot))
        WriteSlot(record, slot);
}

bool ColorStatusTransfer::Allowed(const CMonitorColor& record, const Step& step, DWORD mask)
{
    return ValidIn(record, step.slot) && (mask & step.bit) != 0;
}

bool ColorStatusTransfer::GainsGo(const CMonitorColor& record)
{
    const WORD temperature = ValueOf(record, S::Temperature);
    return temperature == GainTemperatureOff || temperature == GainTemperatureUser;
}

void ColorStatusTransfer::Restore(const CMonitorColor& record, DWORD mask)
{
    const bool gains = GainsGo(record);
    for (const Step& step : s_writeOrder) {
        if (step.kind == Step::Mode) {
            if (ValidIn(record, step.slot))
                WriteSlot(record, step.slot);
        } else if (step.kind == Step::Gain) {
            if (gains && Allowed(record, step, mask))
                WriteIfDifferent(record, step.slot);
        } else if (Allowed(record, step, mask)) {
            WriteSlot(record, step.slot);
        }
    }
}

void ColorStatusTransfer::Apply(const CMonitorColor& source, DWORD mask, bool full)
{
    const bool gains = GainsGo(source);
    for (const Step& step : s_writeOrder) {
        switch (step.kind) {
        case Step::Mode:
            if (full && ValidIn(source, step.slot))
                WriteSlot(source, step.slot);
            continue;
        case Step::Gain:
            if (!gains)
                continue;
            break;
        case Step::Function:
            if (!full)
                continue;
            break;
        case Step::Picture:
            break;
        }
        if (Allowed(source, step, mask))
            WriteIfDifferent(source, step.slot);
    }
}

bool ColorStatusTransfer::Commit()
{
    const BYTE zero[ValueSize] = {0, 0};
    return m_channel.SetFeature(zero, ValueSize, FEATURE_COMMIT);
}

bool ColorStatusTransfer::Reset()
{
    const BYTE command = ResetColorAdjustment;
    return m_channel.SetFeature(&command, 1, FEATURE_RESET);
}
