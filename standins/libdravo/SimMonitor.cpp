#include "standins/libdravo/SimMonitor.h"
#include "standins/libdravo/CapabilityBlock.h"
#include "standins/libdravo/SimErrors.h"

#include <algorithm>

namespace {

constexpr DWORD KeyPower = 0x0080;
constexpr DWORD KeyColorMode = 0x0100;
constexpr DWORD KeyMenuShow = 0x4000;
constexpr DWORD KeyMenuHide = 0x8000;
constexpr DWORD KeyScreenSize = 0x0080;
constexpr DWORD KeyGlintara = 0x0100;
constexpr DWORD ResetPicture = 1;
constexpr DWORD ResetFunctions = 10;

const FeatureInfo& feature(const char* name)
{
    return *FeatureCatalog::findByName(name);
}

void putLittleEndian(std::vector<BYTE>& out, uint64_t value, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        out.push_back(static_cast<BYTE>(i < 8 ? value >> (8 * i) : 0));
}

void putText(std::vector<BYTE>& out, const std::string& text, size_t size, char pad)
{
    for (size_t i = 0; i < size; ++i)
        out.push_back(static_cast<BYTE>(i < text.size() ? text[i] : pad));
}

bool onTheWire(const FeatureInfo& info)
{
    return !info.simulatorOnly && info.scope != FeatureScope::ReportOnly;
}

} // namespace

SimMonitor::SimMonitor(int number, const MonitorProfile& profile, const std::string& serial, int display)
    : m_number(number), m_profile(profile), m_serial(serial), m_display(display)
{
    for (const FeatureInfo& info : FeatureCatalog::all())
        if (info.scope == FeatureScope::Global)
            m_globals[&info] = profile.defaultOf(info, -1);
    int start = profile.startMode >= 0 ? profile.startMode : std::max(profile.firstMode(), 0);
    setGlobal("mode", static_cast<DWORD>(start));
    // The catalogue's defaults, then the profile's for every mode, then its
    // own per mode, as defaultOf ranks them; every scenario load builds all
    // monitors anew, so this walks the profile's few entries only.
    ModeValues catalogue;
    for (const FeatureInfo& info : FeatureCatalog::all())
        if (info.scope == FeatureScope::PerMode)
            catalogue.push_back(info.defaultValue);
    m_defaults.assign(MonitorProfile::ModeCount, catalogue);
    for (bool everyMode : {true, false}) {
        for (const auto& [key, value] : profile.defaults) {
            const int slot = FeatureCatalog::perModeSlot(*key.first);
            if (slot < 0 || (key.second < 0) != everyMode || key.second >= MonitorProfile::ModeCount)
                continue;
            const int first = everyMode ? 0 : key.second;
            const int last = everyMode ? MonitorProfile::ModeCount - 1 : key.second;
            for (int mode = first; mode <= last; ++mode)
                m_defaults[mode][slot] = value;
        }
    }
    m_live = m_defaults;
    m_committed = m_defaults;
}

void SimMonitor::setPlugged(bool plugged)
{
    if (plugged && !m_plugged) {
        m_live = m_committed;
        setGlobal("connect-flag", 1);
        setGlobal("osd", 0);
    }
    m_plugged = plugged;
}

DWORD SimMonitor::global(const char* name) const
{
    auto it = m_globals.find(&feature(name));
    return it == m_globals.end() ? 0 : it->second;
}

void SimMonitor::setGlobal(const char* name, DWORD value)
{
    m_globals[&feature(name)] = value;
}

DWORD SimMonitor::perMode(const FeatureInfo& info, int mode) const
{
    return m_live[mode][FeatureCatalog::perModeSlot(info)];
}

int SimMonitor::resolveMode(int mode) const
{
    if (mode < 0)
        return currentMode();
    return mode < MonitorProfile::ModeCount ? mode : -1;
}

std::vector<BYTE> SimMonitor::payloadOf(const FeatureInfo& info) const
{
    std::vector<BYTE> out;
    std::string name = info.name;
    if (name == "identity") {
        putText(out, m_serial, 8, '\0');
        putText(out, m_profile.modelName, 16, ' ');
    } else if (name == "model-code") {
        putText(out, m_profile.modelCode, 8, '\0');
    } else if (name == "capabilities") {
        CapabilityBlock::Bytes block;
        CapabilityBlock::build(m_profile, block);
        out.assign(block.begin(), block.end());
    } else if (name == "modes") {
        putLittleEndian(out, m_profile.modes, 8);
    } else if (info.scope == FeatureScope::PerMode && info.flagByte) {
        const FeatureInfo& flag = feature((name + "-flag").c_str());
        out.push_back(static_cast<BYTE>(perMode(info, currentMode())));
        out.push_back(static_cast<BYTE>(perMode(flag, currentMode())));
    } else if (info.scope == FeatureScope::PerMode) {
        putLittleEndian(out, perMode(info, currentMode()), info.size);
    } else if (info.scope == FeatureScope::Global) {
        putLittleEndian(out, global(info.name), info.size);
    } else {
        out.assign(info.size, 0);
    }
    return out;
}

void SimMonitor::reportOf(const FeatureInfo& info, std::vector<SimReport>& reports) const
{
    reports.push_back({info.page, info.usage, payloadOf(info)});
}

int SimMonitor::describe(const FeatureInfo& info, DWORD& maximum, DWORD& count) const
{
    if (!onTheWire(info) || !m_profile.hasFeature(info))
        return SimUnknownFeature;
    maximum = info.scope == FeatureScope::Fixed ? 0 : m_profile.maximumOf(info);
    count = info.size;
    return 0;
}

int SimMonitor::read(const FeatureInfo& info, std::vector<BYTE>& payload) const
{
    if (!onTheWire(info) || !m_profile.hasFeature(info))
        return SimUnknownFeature;
    if (!info.readable)
        return SimNotPermitted;
    payload = payloadOf(info);
    return 0;
}

int SimMonitor::writable(const FeatureInfo& info) const
{
    if (!onTheWire(info) || !m_profile.hasFeature(info))
        return SimUnknownFeature;
    return info.writable ? 0 : SimNotPermitted;
}

int SimMonitor::write(const FeatureInfo& info, const BYTE* payload, std::vector<SimReport>& reports)
{
    if (int refused = writable(info))
        return refused;
    if (!payload)
        return SimBadBuffer;
    DWORD value = payload[0];
    // The flag byte of a two-byte reply is the monitor's own: a write cannot set it.
    if (info.size == 2 && !info.flagByte)
        value |= static_cast<DWORD>(payload[1]) << 8;
    if (value > m_profile.maximumOf(info))
        return SimOutOfRange;
    int result = apply(info, value, reports);
    if (result == 0 && info.readable && global("echo"))
        reportOf(info, reports);
    return result;
}

int SimMonitor::apply(const FeatureInfo& info, DWORD value, std::vector<SimReport>& reports)
{
    std::string name = info.name;
    if (name == "mode" && !m_profile.supportsMode(static_cast<int>(value)))
        return SimOutOfRange;
    if (name == "keypress")
        pressKey(value, reports);
    else if (name == "keypress-ext")
        pressKeyExt(value, reports);
    else if (name == "commit")
        m_committed = m_live;
    else if (name == "reset" && value == ResetPicture)
        resetGroup(ResetGroup::Picture, reports);
    else if (name == "reset" && value == ResetFunctions)
        resetGroup(ResetGroup::Functions, reports);
    else if (name == "assoc-clear")
        setGlobal("assoc-invalid", 0);
    else if (info.scope == FeatureScope::PerMode)
        m_live[currentMode()][FeatureCatalog::perModeSlot(info)] = value;
    else if (info.scope == FeatureScope::Global)
        m_globals[&info] = value;
    return 0;
}

void SimMonitor::pressKey(DWORD code, std::vector<SimReport>& reports)
{
    // A monitor in standby only listens to its power key.
    if (!global("power") && code != KeyPower)
        return;
    if (code == KeyPower)
        setGlobal("power", global("power") ? 0 : 1);
    else if (code == KeyColorMode)
        stepMode(reports);
    else if (code == KeyMenuShow)
        setGlobal("osd", 1);
    else if (code == KeyMenuHide)
        setGlobal("osd", 0);
}

void SimMonitor::pressKeyExt(DWORD code, std::vector<SimReport>& reports)
{
    if (!global("power"))
        return;
    if (code == KeyScreenSize) {
        DWORD sizes = m_profile.maximumOf(feature("screensize")) + 1;
        setGlobal("screensize", (global("screensize") + 1) % sizes);
    } else if (code == KeyGlintara) {
        const FeatureInfo& glintara = feature("glintara");
        DWORD& level = m_live[currentMode()][FeatureCatalog::perModeSlot(glintara)];
        if (level != 0) {
            m_glintaraBeforeOff = level;
            level = 0;
        } else {
            level = std::min(m_glintaraBeforeOff, m_profile.maximumOf(glintara));
        }
        reportOf(glintara, reports);
    }
}

void SimMonitor::stepMode(std::vector<SimReport>& reports)
{
    int current = currentMode();
    for (int step = 1; step <= MonitorProfile::ModeCount; ++step) {
        int mode = (current + step) % MonitorProfile::ModeCount;
        if (m_profile.supportsMode(mode)) {
            setGlobal("mode", static_cast<DWORD>(mode));
            break;
        }
    }
    reportOf(feature("mode"), reports);
}

void SimMonitor::resetGroup(ResetGroup group, std::vector<SimReport>& reports)
{
    int mode = currentMode();
    for (const FeatureInfo& info : FeatureCatalog::all()) {
        if (info.scope != FeatureScope::PerMode || info.group != group)
            continue;
        int slot = FeatureCatalog::perModeSlot(info);
        if (m_live[mode][slot] == m_defaults[mode][slot])
            continue;
        m_live[mode][slot] = m_defaults[mode][slot];
        reportOf(info, reports);
    }
}

bool SimMonitor::setModes(uint64_t modes, std::vector<SimReport>& reports, std::string& error)
{
    if (modes >> MonitorProfile::ModeCount) {
        error = "modes above 46 cannot be supported";
        return false;
    }
    m_profile.modes = modes;
    reports.push_back({0xFF00, 0x25, {}});
    putLittleEndian(reports.back().data, modes, 8);
    return true;
}

bool SimMonitor::set(const FeatureInfo& info, int mode, uint64_t value, std::vector<SimReport>& reports,
                     std::string& error)
{
    std::string name = info.name;
    if (name == "modes")
        return setModes(value, reports, error);
    if (info.scope == FeatureScope::Fixed || info.scope == FeatureScope::ReportOnly) {
        error = name + " cannot be set";
        return false;
    }
    if (value > m_profile.maximumOf(info)) {
        error = "value above the maximum " + std::to_string(m_profile.maximumOf(info)) + " of " + name;
        return false;
    }
    if (info.scope == FeatureScope::Command) {
        apply(info, static_cast<DWORD>(value), reports);
        return true;
    }
    if (name == "mode" && !m_profile.supportsMode(static_cast<int>(value))) {
        error = "mode " + std::to_string(value) + " is not supported";
        return false;
    }
    if (info.scope == FeatureScope::Global) {
        m_globals[&info] = static_cast<DWORD>(value);
        if (!info.simulatorOnly)
            reportOf(info, reports);
        return true;
    }
    int target = resolveMode(mode);
    if (target < 0) {
        error = "no colour mode " + std::to_string(mode);
        return false;
    }
    int slot = FeatureCatalog::perModeSlot(info);
    m_live[target][slot] = m_committed[target][slot] = static_cast<DWORD>(value);
    if (target == currentMode()) {
        const FeatureInfo* shown = info.simulatorOnly ? FeatureCatalog::findByName(
                                                            name.substr(0, name.size() - 5)) : &info;
        reportOf(*shown, reports);
    }
    return true;
}

bool SimMonitor::get(const FeatureInfo& info, int mode, uint64_t& value, std::string& error) const
{
    std::string name = info.name;
    if (name == "modes") {
        value = m_profile.modes;
        return true;
    }
    if (info.scope == FeatureScope::Global) {
        value = global(info.name);
        return true;
    }
    if (info.scope != FeatureScope::PerMode) {
        error = name + " has no single value";
        return false;
    }
    int target = resolveMode(mode);
    if (target < 0) {
        error = "no colour mode " + std::to_string(mode);
        return false;
    }
    value = perMode(info, target);
    return true;
}
