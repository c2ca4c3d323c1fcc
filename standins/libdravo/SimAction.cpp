#include "standins/libdravo/SimAction.h"
#include "standins/libdravo/CommandLine.h"

namespace {

bool fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

bool monitorNumber(const std::vector<std::string>& words, size_t index, int& monitor, std::string& error)
{
    uint64_t value = 0;
    if (index >= words.size() || !CommandLine::toNumber(words[index], value) || value == 0 || value > 1000)
        return fail(error, words[0] + ": expected a monitor number from 1");
    monitor = static_cast<int>(value);
    return true;
}

// "times <k>" at words[index], if present; nothing else may follow.
bool timesClause(const std::vector<std::string>& words, size_t index, int& times, std::string& error)
{
    if (index == words.size())
        return true;
    uint64_t value = 0;
    if (words.size() != index + 2 || words[index] != "times" || !CommandLine::toNumber(words[index + 1], value) ||
        value == 0 || value > 1000000)
        return fail(error, "fault: expected 'times <k>' at the end");
    times = static_cast<int>(value);
    return true;
}

void littleEndian(uint64_t value, size_t length, std::vector<BYTE>& data)
{
    data.assign(length, 0);
    for (size_t i = 0; i < length && i < 8; ++i)
        data[i] = static_cast<BYTE>(value >> (8 * i));
}

} // namespace

bool SimAction::isVerb(const std::string& word)
{
    return word == "set" || word == "plug" || word == "unplug" || word == "fault" || word == "report" ||
           word == "burst" || word == "library";
}

bool SimAction::parse(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    action = SimAction();
    if (words.empty())
        return fail(error, "empty command");
    const std::string& verb = words[0];
    if (verb == "set")
        return parseSet(words, action, error);
    if (verb == "fault")
        return parseFault(words, action, error);
    if (verb == "report")
        return parseReport(words, action, error);
    if (verb == "burst")
        return parseBurst(words, action, error);
    if (verb == "library")
        return parseLibrary(words, action, error);
    if (verb == "plug" || verb == "unplug") {
        action.verb = verb == "plug" ? Verb::Plug : Verb::Unplug;
        if (words.size() != 2)
            return fail(error, verb + ": expected <monitor>");
        return monitorNumber(words, 1, action.monitor, error);
    }
    return fail(error, "unknown verb '" + verb + "'");
}

bool SimAction::parseSet(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    // set <monitor> <feature> <value> [mode <m>] [quiet]
    action.verb = Verb::Set;
    if (words.size() < 4 || !monitorNumber(words, 1, action.monitor, error))
        return fail(error, "set: expected <monitor> <feature> <value> [mode <m>] [quiet]");
    action.feature = FeatureCatalog::lookup(words[2]);
    if (!action.feature)
        return fail(error, "set: unknown feature '" + words[2] + "'");
    if (!CommandLine::toNumber(words[3], action.value))
        return fail(error, "set: bad value '" + words[3] + "'");
    for (size_t i = 4; i < words.size(); ++i) {
        uint64_t mode = 0;
        if (words[i] == "quiet") {
            action.quiet = true;
        } else if (words[i] == "mode" && i + 1 < words.size() && CommandLine::toNumber(words[i + 1], mode) &&
                   mode <= 46) {
            action.mode = static_cast<int>(mode);
            ++i;
        } else {
            return fail(error, "set: unexpected '" + words[i] + "' (mode <0-46> or quiet)");
        }
    }
    return true;
}

bool SimAction::parseFault(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    action.verb = Verb::Fault;
    if (words.size() < 2)
        return fail(error, "fault: expected what to break");
    if (words[1] == "clear") {
        action.verb = Verb::ClearFaults;
        if (words.size() == 2 || (words.size() == 3 && monitorNumber(words, 2, action.monitor, error)))
            return true;
        return fail(error, "fault: expected 'clear [<monitor>]'");
    }
    if (words[1] == "discovery") {
        action.fault = FaultKind::Discovery;
        if (words.size() < 3 || !CommandLine::toSigned(words[2], action.count))
            return fail(error, "fault: expected 'discovery <count> [times <k>]'");
        return timesClause(words, 3, action.times, error);
    }
    if (words[1] == "seltu") {
        uint64_t calls = 0;
        action.fault = FaultKind::Seltu;
        const bool empty = words.size() == 4 && words[3] == "empty";
        if ((words.size() != 3 && !empty) || !CommandLine::toNumber(words[2], calls) || calls > 1000000)
            return fail(error, "fault: expected 'seltu <failing calls> [empty]'");
        action.times = static_cast<int>(calls);
        action.count = empty ? 1 : 0;
        return true;
    }
    if (!monitorNumber(words, 1, action.monitor, error))
        return false;
    if (words.size() < 3 || !FaultTable::fromName(words[2], action.fault) || action.fault == FaultKind::Discovery ||
        action.fault == FaultKind::Seltu)
        return fail(error, "fault: expected describe, flag, read, write, dead or zero-handle");
    if (action.fault == FaultKind::Dead || action.fault == FaultKind::ZeroHandle)
        return timesClause(words, 3, action.times, error);
    action.feature = words.size() > 3 ? FeatureCatalog::lookup(words[3]) : nullptr;
    if (!action.feature || action.feature->simulatorOnly)
        return fail(error, "fault: expected a feature after '" + words[2] + "'");
    action.page = action.feature->page;
    action.usage = action.feature->usage;
    return timesClause(words, 4, action.times, error);
}

bool SimAction::parseReport(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    // report <monitor> <feature> <value> [bits <b>] [count <c>] | report <monitor> <feature> bytes <hex>
    action.verb = Verb::Report;
    if (words.size() < 4 || !monitorNumber(words, 1, action.monitor, error))
        return fail(error, "report: expected <monitor> <feature> <value> [bits <b>] [count <c>]");
    action.feature = FeatureCatalog::lookup(words[2]);
    if (action.feature && !action.feature->simulatorOnly) {
        action.page = action.feature->page;
        action.usage = action.feature->usage;
    } else if (!FeatureCatalog::parseAddress(words[2], action.page, action.usage)) {
        return fail(error, "report: unknown feature '" + words[2] + "'");
    }
    if (words[3] == "bytes") {
        std::string joined;
        for (size_t i = 4; i < words.size(); ++i)
            joined += words[i];
        if (!CommandLine::toBytes(joined, action.data) || action.data.size() > 0xFFFF)
            return fail(error, "report: bad hex bytes");
        action.count = static_cast<long long>(action.data.size());
        return true;
    }
    if (!CommandLine::toNumber(words[3], action.value))
        return fail(error, "report: bad value '" + words[3] + "'");
    uint64_t bits = 8, count = action.feature && action.feature->size ? action.feature->size : 4;
    for (size_t i = 4; i < words.size(); i += 2) {
        uint64_t number = 0;
        if (i + 1 >= words.size() || !CommandLine::toNumber(words[i + 1], number) || number > 0xFFFF)
            return fail(error, "report: expected 'bits <b>' or 'count <c>'");
        if (words[i] == "bits")
            bits = number;
        else if (words[i] == "count")
            count = number;
        else
            return fail(error, "report: unexpected '" + words[i] + "'");
    }
    if (bits / 8 * count > 0xFFFF)
        return fail(error, "report: too many data bytes");
    action.bitSize = static_cast<WORD>(bits);
    action.count = static_cast<long long>(count);
    littleEndian(action.value, static_cast<size_t>(bits / 8 * count), action.data);
    return true;
}

bool SimAction::parseBurst(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    // burst <monitor> <count> [<feature> <value>]
    action.verb = Verb::Burst;
    uint64_t count = 0;
    if ((words.size() != 3 && words.size() != 5) || !monitorNumber(words, 1, action.monitor, error) ||
        !CommandLine::toNumber(words[2], count) || count == 0 || count > 100000)
        return fail(error, "burst: expected <monitor> <count 1-100000> [<feature> <value>]");
    action.count = static_cast<long long>(count);
    if (words.size() == 5) {
        action.feature = FeatureCatalog::lookup(words[3]);
        if (!action.feature || action.feature->simulatorOnly || !CommandLine::toNumber(words[4], action.value))
            return fail(error, "burst: expected a feature and its value");
        littleEndian(action.value, action.feature->size ? action.feature->size : 1, action.data);
    }
    return true;
}

bool SimAction::parseLibrary(const std::vector<std::string>& words, SimAction& action, std::string& error)
{
    // library success zero|positive | library report-off wait|nowait | library broadcast-wait <ms>
    using Switch = LibraryMode::Switch;
    action.verb = Verb::Library;
    const std::string key = words.size() == 3 ? words[1] : "";
    const std::string choice = words.size() == 3 ? words[2] : "";
    if (key == "success" && (choice == "zero" || choice == "positive")) {
        action.librarySwitch = Switch::Success;
        action.value = choice == "zero" ? 1 : 0;
        return true;
    }
    if (key == "report-off" && (choice == "wait" || choice == "nowait")) {
        action.librarySwitch = Switch::ReportOff;
        action.value = choice == "wait" ? 1 : 0;
        return true;
    }
    if (key == "broadcast-wait" && CommandLine::toNumber(choice, action.value) && action.value <= 600000) {
        action.librarySwitch = Switch::BroadcastWait;
        return true;
    }
    return fail(error, "library: expected 'success zero|positive', 'report-off wait|nowait' or "
                       "'broadcast-wait <0-600000 ms>'");
}
