#include "colour/ColorDataRecord.h"

#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"
#include "device/SettingsLayout.h"

#include <algorithm>
#include <cstring>

namespace {

// Files of the sibling product carry the same record and are accepted too.
constexpr const char* SiblingProductKey = "Software\\Orvel\\Quorra for Gaming V1.0x";

// Temperature values beside which the three gains mean something.
constexpr short TemperatureOff = 0;
constexpr short TemperatureUser = 15;

using A = ColorDataRecord::Apply;

WORD Word(const BYTE (&bytes)[FeatureValueSize])
{
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

void SetWord(BYTE (&bytes)[FeatureValueSize], WORD value)
{
    bytes[0] = LOBYTE(value);
    bytes[1] = HIBYTE(value);
}

void CopyText(char* field, int size, LPCSTR text)
{
    std::memset(field, 0, static_cast<size_t>(size));
    if (text)
        std::strncpy(field, text, static_cast<size_t>(size - 1));
}

// A stored value is sent only within the range the target monitor reports
// for the feature, as a rescaled one is: a file may hold any number.
bool WithinMaximum(short value, WORD maximum)
{
    return value >= 0 && static_cast<int>(value) <= static_cast<int>(maximum);
}

bool ReadsUserMode(CHIDMonitor& channel, short* mode)
{
    BYTE bytes[FeatureValueSize] = {};
    const bool read = channel.GetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    *mode = static_cast<short>(Word(bytes));
    return read && IsUserMode(*mode);
}

// The values read belong to one mode of a monitor that still answers.
bool StillInMode(CHIDMonitor& channel, short mode)
{
    short now = 0;
    return ReadsUserMode(channel, &now) && now == mode;
}

CString ProductOf(LPCSTR key)
{
    CString text(key);
    ColorDataRecord::ProductNameFromKey(text);
    return text;
}

} // namespace

const ColorDataRecord::SlotRule ColorDataRecord::Slots[SlotCount] = {
    {FEATURE_COLOR_TEMPERATURE, MF_COLOR_TEMPERATURE, A::Value, false},
    {FEATURE_BRIGHTNESS, MF_BRIGHTNESS, A::Scaled, false},
    {FEATURE_CONTRAST, MF_CONTRAST, A::Scaled, false},
    {FEATURE_BLACK_LEVEL, MF_BLACK_LEVEL, A::ScaledWhenRead, false},
    {FEATURE_GAMMA, MF_GAMMA, A::Value, false},
    {FEATURE_GAIN_RED, MF_GAIN, A::Scaled, true},
    {FEATURE_GAIN_GREEN, MF_GAIN, A::Scaled, true},
    {FEATURE_GAIN_BLUE, MF_GAIN, A::Scaled, true},
    {FEATURE_CONTRAST_ENHANCER, MF_CONTRAST_ENHANCER, A::Value, false},
    {FEATURE_VELOCIS, MF_VELOCIS, A::Value, false},
    {FEATURE_SATURATION, MF_SATURATION, A::Scaled, false},
    {FEATURE_HUE, MF_HUE, A::Scaled, false},
    {FEATURE_OVERDRIVE, MF_OVERDRIVE, A::FirstByte, false},
    {FEATURE_NOISE_REDUCTION, MF_NOISE_REDUCTION, A::Value, false},
    {FEATURE_SENSORA, MF_SENSORA, A::Value, false},
    {FEATURE_CRISORA, MF_CRISORA, A::Value, false},
    {FEATURE_SKIN_TONE, MF_SKIN_TONE, A::Value, false},
    {FEATURE_TEXT_ENHANCER, MF_TEXT_ENHANCER, A::FirstByte, false},
    {FEATURE_GLINTARA, MF_GLINTARA, A::Value, false},
};

void ColorDataRecord::ProductNameFromKey(CString& text)
{
    text = text.Mid(text.ReverseFind('\\') + 1);
    const int blank = text.ReverseFind(' ');
    text = blank < 0 ? CString() : text.Left(blank);
}

void ColorDataRecord::Clear()
{
    std::memset(static_cast<void*>(this), 0, sizeof *this);
}

CString ColorDataRecord::Header() const
{
    return CString(szHeader, HeaderSize);
}

CString ColorDataRecord::Model() const
{
    return CString(szModel, ModelSize);
}

void ColorDataRecord::SetHeader(LPCSTR text)
{
    CopyText(szHeader, HeaderSize, text);
}

void ColorDataRecord::SetModel(LPCSTR text)
{
    CopyText(szModel, ModelSize, text);
}

void ColorDataRecord::ToBytes(BYTE (&bytes)[Size]) const
{
    std::memcpy(bytes, static_cast<const void*>(this), Size);
}

bool ColorDataRecord::FromBytes(const BYTE* bytes, UINT length)
{
    Clear();
    if (bytes)
        std::memcpy(static_cast<void*>(this), bytes, std::min(length, Size));
    return bytes && length == Size;
}

bool ColorDataRecord::ReadFromMonitor(CHIDMonitor& channel, LPCSTR modelCode,
                                      const DWORD (&modeFeatures)[ColorModeCount])
{
    Clear();
    // An unread model code, or one cut to fit, matches no monitor at import.
    const CString model(modelCode);
    if (model.IsEmpty() || model.GetLength() >= ModelSize)
        return false;
    CString header(RegKeyRoot);
    SetHeader(header.Mid(header.ReverseFind('\\') + 1));
    SetModel(modelCode);

    // The monitor's own mode decides, not the one the page last showed: the
    // values of any other mode would not import anywhere.
    if (!ReadsUserMode(channel, &nMode))
        return false;
    dwFeatureMask = ModeFeatureMask(modeFeatures, nMode);

    bool anyRead = false;
    for (int i = 0; i < SlotCount; ++i) {
        if (!(dwFeatureMask & Slots[i].dwMaskBit))
            continue;
        BYTE bytes[FeatureValueSize] = {};
        WORD maximum = 0;
        if (!channel.GetFeature(bytes, FeatureValueSize, Slots[i].feature, &maximum)) {
            // A feature the monitor does not give stays absent; a monitor
            // that went away would leave the rest of the file empty.
            if (!StillInMode(channel, nMode))
                return false;
            continue;
        }
        anyRead = true;
        slots[i].bPresent = 1;
        slots[i].nValue = static_cast<short>(Slots[i].apply == Apply::FirstByte ? bytes[0] : Word(bytes));
        slots[i].nMax = static_cast<short>(maximum);
    }
    return anyRead && StillInMode(channel, nMode);
}

ColorDataRecord::Check ColorDataRecord::CheckFor(const CString& modelCode,
                                                 const DWORD (&modeFeatures)[ColorModeCount]) const
{
    CString product = Header();
    ProductNameFromKey(product);
    if (product != ProductOf(SiblingProductKey) && product != ProductOf(RegKeyRoot))
        return Check::OtherProduct;
    // An unread model code is no model: it must not let a file without one in.
    if (modelCode.IsEmpty() || Model() != modelCode)
        return Check::OtherModel;
    if (!IsUserMode(nMode))
        return Check::NotUserMode;
    if (dwFeatureMask != ModeFeatureMask(modeFeatures, nMode))
        return Check::OtherMask;
    return Check::Accepted;
}

bool ColorDataRecord::GainsApply() const
{
    const short temperature = slots[0].nValue;
    return temperature == TemperatureOff || temperature == TemperatureUser;
}

// A stored value outside its own stored range has no scale either, nor has
// a target maximum beyond the record's 16-bit signed range (it would turn
// negative and land above the maximum): the slot is left alone rather than
// sending a value the target never offered.
bool ColorDataRecord::Scale(short value, short recordMax, WORD currentMax, WORD* scaled)
{
    if (recordMax <= 0 || value < 0 || value > recordMax || currentMax > 0x7FFF)
        return false;
    const int product = static_cast<int>(value) * static_cast<int>(currentMax);
    *scaled = static_cast<WORD>(product / static_cast<int>(recordMax));
    return true;
}

void ColorDataRecord::ApplyTo(CHIDMonitor& channel, const DWORD (&modeFeatures)[ColorModeCount]) const
{
    BYTE bytes[FeatureValueSize] = {};
    channel.GetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    if (Word(bytes) != static_cast<WORD>(nMode)) {
        SetWord(bytes, static_cast<WORD>(nMode));
        channel.SetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    }

    const DWORD mask = ModeFeatureMask(modeFeatures, nMode);
    for (int i = 0; i < SlotCount; ++i) {
        if (!(mask & Slots[i].dwMaskBit) || slots[i].bPresent == 0)
            continue;
        if (Slots[i].bGain && !GainsApply())
            continue;
        ApplySlot(channel, i);
    }

    const BYTE commit[FeatureValueSize] = {};
    channel.SetFeature(commit, FeatureValueSize, FEATURE_COMMIT);
}

// Only a value that differs from the monitor's is written.
void ColorDataRecord::ApplySlot(CHIDMonitor& channel, int index) const
{
    const SlotRule& rule = Slots[index];
    const ColorDataSlot& slot = slots[index];
    BYTE bytes[FeatureValueSize] = {};
    WORD maximum = 0;
    const bool read = channel.GetFeature(bytes, FeatureValueSize, rule.feature, &maximum);

    if (rule.apply == Apply::FirstByte) {
        if (bytes[0] == slot.nValue || !WithinMaximum(slot.nValue, std::min<WORD>(maximum, 0xFF)))
            return;
        bytes[0] = LOBYTE(slot.nValue);
        channel.SetFeature(bytes, FeatureValueSize, rule.feature);
        return;
    }

    WORD value = static_cast<WORD>(slot.nValue);
    if (rule.apply == Apply::Value) {
        if (!WithinMaximum(slot.nValue, maximum))
            return;
    } else if ((rule.apply == Apply::ScaledWhenRead && !read) || !Scale(slot.nValue, slot.nMax, maximum, &value)) {
        return;
    }
    if (value == Word(bytes))
        return;
    BYTE out[FeatureValueSize] = {};
    SetWord(out, value);
    channel.SetFeature(out, FeatureValueSize, rule.feature);
}
