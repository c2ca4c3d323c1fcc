#include "standins/libdravo/Scenario.h"
#include "standins/libdravo/CapabilityBlock.h"
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/FeatureCatalog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char kDefaultScenario[] = R"(# Three simulated monitors: two of one model, one of another.
profile q27
  model "SIM-27Q"
  code SIM27Q01
  product 0x0101
  modes 22 23 24 33 34 40 41 42 43 44 45 46
  start-mode 22
  temperatures 0x947E
  gammas 0x107C
  game-gammas 0x0F00
  hotkeys 0x180
  hotkeys2 0x200
  mask 22 0x3ED94FF
  mask 23 0x3ED94FF
  mask 24 0x3ED94FF
  mask 33 0x248003
  mask 34 0x8003
  mask 40 0x8940B
  mask 41 0x8940B
  mask 42 0x8940B
  mask 43 0x8940B
  mask 44 0xC940B
  mask 45 0xC940B
  mask 46 0
  default brightness 60 mode 22
  default brightness 70 mode 23
  default brightness 80 mode 24
  default brightness 90 mode 40
  default gamma 244 mode 40
  default gamma 247 mode 42
  default glintara 2 mode 44
end

profile u32
  model "SIM-32U"
  code SIM32U01
  product 0x0102
  modes 22 23 33 40 41 46
  start-mode 23
  temperatures 0x8068
  gammas 0x0014
  hotkeys 0x180
  mask 22 0x2094FF
  mask 23 0x2094FF
  mask 33 0x8003
  mask 40 0x940B
  mask 41 0x940B
  mask 46 0
  maximum brightness 31
  maximum contrast 31
  default brightness 20
  default brightness 25 mode 23
  default contrast 16
  absent velocis
  absent noise-reduction
  absent crisora
  absent skin-tone
  absent text-enhancer
  absent glintara
end

monitor 1 q27 S27Q0001 display 1
monitor 2 q27 S27Q0002 display 2
monitor 3 u32 S32U0001 display 2
)";

bool number(const std::vector<std::string>& words, size_t index, uint64_t limit, uint64_t& value,
            std::string& error)
{
    if (index >= words.size()) {
        error = words[0] + ": a value is missing";
        return false;
    }
    if (!CommandLine::toNumber(words[index], value) || value > limit) {
        error = words[0] + ": bad value '" + words[index] + "'";
        return false;
    }
    return true;
}

// Sets the message unless a more precise one was set already.
bool refuse(std::string& error, const std::string& message)
{
    if (error.empty())
        error = message;
    return false;
}

bool exactly(const std::vector<std::string>& words, size_t count, std::string& error)
{
    if (words.size() == count)
        return true;
    error = words[0] + ": expected " + std::to_string(count - 1) + " value(s)";
    return false;
}

bool isAction(const std::string& verb)
{
    return verb == "set" || verb == "unplug" || verb == "plug" || verb == "fault" || verb == "library";
}

} // namespace

const char* Scenario::defaultText()
{
    return kDefaultScenario;
}

bool Scenario::readFile(const std::string& path, std::string& text, std::string& error)
{
    constexpr std::streamsize MaxFileBytes = 1 << 20;
    std::error_code failure;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, failure))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        error = "cannot open " + path;
        return false;
    }
    text.assign(static_cast<size_t>(MaxFileBytes) + 1, '\0');
    file.read(text.data(), MaxFileBytes + 1);
    text.resize(static_cast<size_t>(file.gcount()));
    if (file.gcount() > MaxFileBytes) {
        error = path + " is larger than 1 MiB";
        return false;
    }
    return true;
}

const MonitorProfile* Scenario::profile(const std::string& name) const
{
    for (const MonitorProfile& p : profiles)
        if (p.name == name)
            return &p;
    return nullptr;
}

bool Scenario::parse(const std::string& text, std::string& error)
{
    *this = Scenario();
    std::istringstream input(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(input, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> words;
        std::string problem;
        if (!CommandLine::split(line, words, problem) || (!words.empty() && !parseLine(words, lineNumber, problem))) {
            error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
    }
    if (m_open) {
        error = "line " + std::to_string(lineNumber) + ": profile '" + m_open->name + "' has no end";
        return false;
    }
    if (monitors.empty()) {
        error = "the scenario defines no monitor";
        return false;
    }
    return true;
}

bool Scenario::parseLine(const std::vector<std::string>& words, int line, std::string& error)
{
    if (m_open)
        return words[0] == "end" ? finishProfile(error) : parseProfileLine(words, error);
    return parseTopLevel(words, line, error);
}

bool Scenario::parseTopLevel(const std::vector<std::string>& words, int line, std::string& error)
{
    const std::string& verb = words[0];
    if (verb == "profile") {
        if (!exactly(words, 2, error))
            return false;
        if (profile(words[1])) {
            error = "profile '" + words[1] + "' is defined twice";
            return false;
        }
        profiles.emplace_back();
        m_open = &profiles.back();
        m_open->name = words[1];
        return true;
    }
    if (verb == "monitor")
        return parseMonitor(words, error);
    if (verb == "info")
        return parseInfo(words, error);
    if (isAction(verb)) {
        actions.push_back({line, words});
        return true;
    }
    error = "unknown word '" + verb + "'";
    return false;
}

bool Scenario::parseMonitor(const std::vector<std::string>& words, std::string& error)
{
    // monitor <number> <profile> <serial> [display <n>]
    uint64_t numberValue = 0, display = 1;
    if ((words.size() != 4 && words.size() != 6) || !number(words, 1, 1000, numberValue, error))
        return refuse(error, "monitor: expected <number> <profile> <serial> [display <n>]");
    if (words.size() == 6 && (words[4] != "display" || !number(words, 5, 99, display, error) || display == 0))
        return refuse(error, "monitor: expected 'display <n>' with n from 1");
    if (numberValue == 0 || std::any_of(monitors.begin(), monitors.end(),
                                        [&](const ScenarioMonitor& m) { return m.number == int(numberValue); })) {
        error = "monitor: number " + words[1] + " is zero or used twice";
        return false;
    }
    if (!profile(words[2])) {
        error = "monitor: no profile '" + words[2] + "' defined before";
        return false;
    }
    if (words[3].empty() || words[3].size() > 8) {
        error = "monitor: the serial has 1 to 8 characters";
        return false;
    }
    monitors.push_back({int(numberValue), words[2], words[3], int(display)});
    return true;
}

bool Scenario::parseInfo(const std::vector<std::string>& words, std::string& error)
{
    // info <serial|-> <display> [monitor <m>]
    uint64_t display = 0, index = 0;
    if (words.size() != 3 && words.size() != 5) {
        error = "info: expected <serial|-> <display> [monitor <m>]";
        return false;
    }
    if (!number(words, 2, 99, display, error) || display == 0)
        return refuse(error, "info: the display number starts at 1");
    if (words.size() == 5 && (words[3] != "monitor" || !number(words, 4, 99, index, error)))
        return refuse(error, "info: expected 'monitor <m>'");
    std::string serial = words[1] == "-" ? "" : words[1];
    if (serial.size() > 8) {
        error = "info: the serial has at most 8 characters";
        return false;
    }
    infoRecords.push_back({serial, int(display), int(index)});
    return true;
}

bool Scenario::parseProfileLine(const std::vector<std::string>& words, std::string& error)
{
    MonitorProfile& p = *m_open;
    const std::string& key = words[0];
    if (key == "model" || key == "code") {
        size_t limit = key == "model" ? 16 : 8;
        if (!exactly(words, 2, error))
            return false;
        if (words[1].size() > limit) {
            error = key + ": at most " + std::to_string(limit) + " characters";
            return false;
        }
        (key == "model" ? p.modelName : p.modelCode) = words[1];
        return true;
    }
    if (key == "maximum" || key == "default" || key == "absent")
        return parseFeatureLine(words, error);
    return parseValueLine(words, error);
}

bool Scenario::parseValueLine(const std::vector<std::string>& words, std::string& error)
{
    MonitorProfile& p = *m_open;
    const std::string& key = words[0];
    struct Field {
        const char* key;
        uint64_t limit;
        void (*store)(MonitorProfile&, uint64_t);
    };
    static const Field fields[] = {
        {"product", 0xFFFF, [](MonitorProfile& q, uint64_t v) { q.productId = WORD(v); }},
        {"interfaces", 8, [](MonitorProfile& q, uint64_t v) { q.interfaces = int(v); }},
        {"start-mode", 46, [](MonitorProfile& q, uint64_t v) { q.startMode = int(v); }},
        {"flags", 0xFFFFFFFF, [](MonitorProfile& q, uint64_t v) { q.flags = DWORD(v); }},
        {"color-adjust", 0xFFFF, [](MonitorProfile& q, uint64_t v) { q.colorAdjust = WORD(v); }},
        {"temperatures", 0xFFFFFFFF, [](MonitorProfile& q, uint64_t v) { q.temperatures = DWORD(v); }},
        {"gammas", 0xFFFF, [](MonitorProfile& q, uint64_t v) { q.gammas = WORD(v); }},
        {"game-gammas", 0xFFFF, [](MonitorProfile& q, uint64_t v) { q.gameGammas = WORD(v); }},
        {"hotkeys", 0xFFFFFFFF, [](MonitorProfile& q, uint64_t v) { q.hotKeyCaps = DWORD(v); }},
        {"hotkeys2", 0xFFFFFFFF, [](MonitorProfile& q, uint64_t v) { q.hotKeyCaps2 = DWORD(v); }},
        {"modes-mask", (1ull << 47) - 1, [](MonitorProfile& q, uint64_t v) { q.modes = v; }},
    };
    for (const Field& field : fields) {
        uint64_t value = 0;
        if (key != field.key)
            continue;
        if (!exactly(words, 2, error) || !number(words, 1, field.limit, value, error))
            return false;
        field.store(p, value);
        return true;
    }
    if (key == "modes")
        return parseModes(words, error);
    if (key == "mask")
        return parseMask(words, error);
    if (key == "entry" || key == "block")
        return parseBytes(words, error);
    error = "unknown profile word '" + key + "'";
    return false;
}

bool Scenario::parseModes(const std::vector<std::string>& words, std::string& error)
{
    uint64_t modes = 0, mode = 0;
    for (size_t i = 1; i < words.size(); ++i) {
        if (!number(words, i, 46, mode, error))
            return false;
        modes |= 1ull << mode;
    }
    m_open->modes = modes;
    return true;
}

bool Scenario::parseMask(const std::vector<std::string>& words, std::string& error)
{
    uint64_t mode = 0, mask = 0;
    if (!exactly(words, 3, error) || !number(words, 1, 46, mode, error))
        return false;
    if (MonitorProfile::maskEntryType(int(mode)) < 0)
        return refuse(error, "mask: mode " + words[1] + " has no mask entry in the capability block");
    if (!number(words, 2, 0xFFFFFFFF, mask, error))
        return false;
    m_open->modeFeatures[mode] = DWORD(mask);
    return true;
}

bool Scenario::parseBytes(const std::vector<std::string>& words, std::string& error)
{
    // entry <type> <hex>... | block <hex>...
    bool entry = words[0] == "entry";
    uint64_t type = 0;
    if (entry && (words.size() < 2 || !number(words, 1, 254, type, error)))
        return refuse(error, "entry: expected <type> [hex bytes]");
    std::string joined;
    for (size_t i = entry ? 2 : 1; i < words.size(); ++i)
        joined += words[i];
    std::vector<BYTE> data;
    if (!CommandLine::toBytes(joined, data) || data.size() > (entry ? 253u : 256u))
        return refuse(error, words[0] + ": bad hex bytes or too many");
    if (entry) {
        m_open->extraEntries.push_back({BYTE(type), data});
        return true;
    }
    m_open->rawBlock.fill(0);
    std::copy(data.begin(), data.end(), m_open->rawBlock.begin());
    m_open->rawBlockSet = true;
    return true;
}

bool Scenario::parseFeatureLine(const std::vector<std::string>& words, std::string& error)
{
    MonitorProfile& p = *m_open;
    const std::string& key = words[0];
    const FeatureInfo* info = words.size() > 1 ? FeatureCatalog::lookup(words[1]) : nullptr;
    if (!info || info->simulatorOnly || info->scope == FeatureScope::ReportOnly) {
        error = key + ": unknown feature '" + (words.size() > 1 ? words[1] : "") + "'";
        return false;
    }
    if (key == "absent") {
        if (!exactly(words, 2, error))
            return false;
        p.absent.insert(info);
        return true;
    }
    uint64_t value = 0;
    if (key == "maximum") {
        if (info->scope == FeatureScope::Fixed) {
            error = "maximum: " + std::string(info->name) + " has no maximum";
            return false;
        }
        if (!exactly(words, 3, error) || !number(words, 2, 0xFFFF, value, error))
            return false;
        p.maxima[info] = DWORD(value);
        return true;
    }
    // default <feature> <value> [mode <m>]
    uint64_t mode = 0;
    bool perMode = words.size() == 5;
    if (info->scope != FeatureScope::PerMode && info->scope != FeatureScope::Global) {
        error = "default: " + std::string(info->name) + " keeps no value";
        return false;
    }
    if ((words.size() != 3 && !perMode) || !number(words, 2, 0xFFFF, value, error))
        return refuse(error, "default: expected <feature> <value> [mode <m>]");
    if (perMode && (words[3] != "mode" || info->scope != FeatureScope::PerMode || !number(words, 4, 46, mode, error)))
        return refuse(error, "default: 'mode <m>' only for values kept per mode");
    p.defaults[{info, perMode ? int(mode) : -1}] = DWORD(value);
    return true;
}

bool Scenario::finishProfile(std::string& error)
{
    MonitorProfile& p = *m_open;
    m_open = nullptr;
    for (const auto& entry : p.defaults) {
        if (entry.second > p.maximumOf(*entry.first.first)) {
            error = "default of " + std::string(entry.first.first->name) + " is above its maximum";
            return false;
        }
    }
    if (p.startMode >= 0 && !p.supportsMode(p.startMode)) {
        error = "start-mode " + std::to_string(p.startMode) + " is not among the modes";
        return false;
    }
    CapabilityBlock::Bytes block;
    return CapabilityBlock::build(p, block, &error);
}
