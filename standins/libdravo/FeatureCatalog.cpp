#include "standins/libdravo/FeatureCatalog.h"

#include <cstdio>
#include <cstdlib>

namespace {

using S = FeatureScope;
using G = ResetGroup;

// name, page, usage, size, read, write, scope, maximum, default, reset group, flag byte, simulator only
const std::vector<FeatureInfo> kFeatures = {
    {"mute", 0x0C, 0xE2, 2, true, true, S::Global, 1, 0, G::None, false, false},
    {"brightness", 0x82, 0x10, 2, true, true, S::PerMode, 100, 50, G::Picture, false, false},
    {"contrast", 0x82, 0x12, 2, true, true, S::PerMode, 100, 50, G::Picture, false, false},
    {"gain-red", 0x82, 0x16, 2, true, true, S::PerMode, 255, 204, G::Picture, false, false},
    {"gain-green", 0x82, 0x18, 2, true, true, S::PerMode, 255, 204, G::Picture, false, false},
    {"gain-blue", 0x82, 0x1A, 2, true, true, S::PerMode, 255, 204, G::Picture, false, false},
    {"temperature", 0xFF00, 0x07, 2, true, true, S::PerMode, 15, 6, G::Picture, false, false},
    {"keypress", 0xFF00, 0x0F, 2, false, true, S::Command, 0xFFFF, 0, G::None, false, false},
    {"mode", 0xFF00, 0x15, 2, true, true, S::Global, 46, 0, G::None, false, false},
    {"modelist", 0xFF00, 0x25, 8, false, false, S::ReportOnly, 0, 0, G::None, false, false},
    {"identity", 0xFF00, 0x35, 24, true, false, S::Fixed, 0, 0, G::None, false, false},
    {"gamma", 0xFF00, 0x66, 2, true, true, S::PerMode, 252, 4, G::Picture, false, false},
    {"black-level", 0xFF00, 0x74, 2, true, true, S::PerMode, 100, 50, G::Picture, false, false},
    {"saturation", 0xFF00, 0xB3, 2, true, true, S::PerMode, 100, 50, G::Picture, false, false},
    {"hue", 0xFF00, 0xB4, 2, true, true, S::PerMode, 63, 32, G::Picture, false, false},
    {"adjust-enable", 0xFF00, 0xB8, 2, true, false, S::Global, 0xFFFF, 1, G::None, false, false},
    {"model-code", 0xFF00, 0xC3, 8, true, false, S::Fixed, 0, 0, G::None, false, false},
    {"adjust-state", 0xFF00, 0xC9, 1, true, false, S::Global, 0xFF, 0, G::None, false, false},
    {"capabilities", 0xFF00, 0xCE, 256, true, false, S::Fixed, 0, 0, G::None, false, false},
    {"keypress-ext", 0xFF01, 0x3D, 2, false, true, S::Command, 0xFFFF, 0, G::None, false, false},
    {"assoc-invalid", 0xFF01, 0x40, 1, true, false, S::Global, 1, 0, G::None, false, false},
    {"assoc-clear", 0xFF01, 0x41, 0, false, true, S::Command, 0xFF, 0, G::None, false, false},
    {"overdrive", 0xFF01, 0x4A, 2, true, true, S::PerMode, 2, 1, G::Picture, true, false},
    {"connect-flag", 0xFF01, 0x68, 1, true, true, S::Global, 1, 1, G::None, false, false},
    {"commit", 0xFF01, 0xA0, 2, false, true, S::Command, 0, 0, G::None, false, false},
    {"reset", 0xFF01, 0xA1, 0, false, true, S::Command, 10, 0, G::None, false, false},
    {"sensora", 0xFF01, 0xA9, 2, true, true, S::PerMode, 1, 0, G::Functions, false, false},
    {"crisora", 0xFF01, 0xAA, 2, true, true, S::PerMode, 5, 0, G::Functions, false, false},
    {"skin-tone", 0xFF01, 0xAB, 2, true, true, S::PerMode, 1, 0, G::Functions, false, false},
    {"text-enhancer", 0xFF01, 0xAC, 2, true, true, S::PerMode, 1, 0, G::Functions, true, false},
    {"glintara", 0xFF01, 0xAD, 2, true, true, S::PerMode, 5, 0, G::Functions, false, false},
    {"noise-reduction", 0xFF01, 0xAF, 2, true, true, S::PerMode, 1, 0, G::Picture, false, false},
    {"contrast-enhancer", 0xFF01, 0xE0, 2, true, true, S::PerMode, 2, 0, G::Picture, false, false},
    {"velocis", 0xFF01, 0xED, 2, true, true, S::PerMode, 1, 0, G::Picture, false, false},
    // Simulator-only state: what the key presses and the menu act on.
    {"overdrive-flag", 0, 1, 1, true, true, S::PerMode, 0xFF, 0, G::None, false, true},
    {"text-enhancer-flag", 0, 2, 1, true, true, S::PerMode, 0xFF, 0, G::None, false, true},
    {"power", 0, 3, 1, true, true, S::Global, 1, 1, G::None, false, true},
    {"osd", 0, 4, 1, true, true, S::Global, 1, 0, G::None, false, true},
    {"screensize", 0, 5, 1, true, true, S::Global, 2, 0, G::None, false, true},
    {"echo", 0, 6, 1, true, true, S::Global, 1, 0, G::None, false, true},
    {"modes", 0, 7, 8, true, true, S::Fixed, 0, 0, G::None, false, true},
};

bool parseHexWord(const std::string& text, WORD& out)
{
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str() + 2, &end, 16);
    if (end == text.c_str() + 2 || *end != '\0' || value > 0xFFFF)
        return false;
    out = static_cast<WORD>(value);
    return true;
}

} // namespace

const std::vector<FeatureInfo>& FeatureCatalog::all()
{
    return kFeatures;
}

const FeatureInfo* FeatureCatalog::find(WORD page, WORD usage)
{
    for (const FeatureInfo& info : kFeatures)
        if (!info.simulatorOnly && info.page == page && info.usage == usage)
            return &info;
    return nullptr;
}

const FeatureInfo* FeatureCatalog::findByName(const std::string& name)
{
    for (const FeatureInfo& info : kFeatures)
        if (name == info.name)
            return &info;
    return nullptr;
}

bool FeatureCatalog::parseAddress(const std::string& token, WORD& page, WORD& usage)
{
    std::size_t colon = token.find(':');
    return colon != std::string::npos && parseHexWord(token.substr(0, colon), page) &&
           parseHexWord(token.substr(colon + 1), usage);
}

const FeatureInfo* FeatureCatalog::lookup(const std::string& token)
{
    if (token.find(':') == std::string::npos)
        return findByName(token);
    WORD page = 0, usage = 0;
    return parseAddress(token, page, usage) ? find(page, usage) : nullptr;
}

int FeatureCatalog::perModeSlot(const FeatureInfo& info)
{
    int slot = 0;
    for (const FeatureInfo& entry : kFeatures) {
        if (entry.scope != FeatureScope::PerMode)
            continue;
        if (&entry == &info)
            return slot;
        ++slot;
    }
    return -1;
}

int FeatureCatalog::perModeCount()
{
    int count = 0;
    for (const FeatureInfo& entry : kFeatures)
        count += entry.scope == FeatureScope::PerMode ? 1 : 0;
    return count;
}

std::string FeatureCatalog::address(WORD page, WORD usage)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%02X:0x%02X", page, usage);
    return text;
}
