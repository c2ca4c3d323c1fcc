#include "device/CMonitorColor.h"
#include "device/MonitorFeatures.h"

namespace {

const FeatureAddress slotFeatures[CMonitorColor::SlotCount] = {
    FEATURE_COLOR_MODE, FEATURE_COLOR_TEMPERATURE, FEATURE_BRIGHTNESS, FEATURE_CONTRAST,
    FEATURE_BLACK_LEVEL, FEATURE_GAMMA, FEATURE_GAIN_RED, FEATURE_GAIN_GREEN, FEATURE_GAIN_BLUE,
    FEATURE_CONTRAST_ENHANCER, FEATURE_VELOCIS, FEATURE_SATURATION, FEATURE_HUE, FEATURE_OVERDRIVE,
    FEATURE_NOISE_REDUCTION, FEATURE_SENSORA, FEATURE_CRISORA, FEATURE_SKIN_TONE,
    FEATURE_TEXT_ENHANCER, FEATURE_GLINTARA,
};

} // namespace

CMonitorColor::~CMonitorColor()
{
}

void CMonitorColor::ClearValid()
{
    for (BOOL& valid : m_bValid)
        valid = FALSE;
}

const FeatureAddress& CMonitorColor::FeatureOf(ColorSlot slot)
{
    return slotFeatures[Index(slot)];
}
