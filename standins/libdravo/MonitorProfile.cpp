#include "standins/libdravo/MonitorProfile.h"
#include "standins/libdravo/FeatureCatalog.h"

int MonitorProfile::maskEntryType(int mode)
{
    switch (mode) {
    case 22: return 49;
    case 23: return 50;
    case 24: return 51;
    case 33: return 61;
    case 34: return 62;
    case 40: return 77;
    case 41: return 78;
    case 42: return 79;
    case 43: return 80;
    case 44: return 84;
    case 45: return 85;
    case 46: return 86;
    default: return -1;
    }
}

DWORD MonitorProfile::maximumOf(const FeatureInfo& info) const
{
    auto it = maxima.find(&info);
    return it == maxima.end() ? info.maximum : it->second;
}

DWORD MonitorProfile::defaultOf(const FeatureInfo& info, int mode) const
{
    auto own = defaults.find({&info, mode});
    if (own != defaults.end())
        return own->second;
    auto every = defaults.find({&info, -1});
    return every == defaults.end() ? info.defaultValue : every->second;
}

bool MonitorProfile::hasFeature(const FeatureInfo& info) const
{
    return absent.count(&info) == 0;
}

bool MonitorProfile::supportsMode(int mode) const
{
    return mode >= 0 && mode < ModeCount && (modes >> mode) & 1;
}

int MonitorProfile::firstMode() const
{
    for (int mode = 0; mode < ModeCount; ++mode)
        if (supportsMode(mode))
            return mode;
    return -1;
}
