#include "standins/libdravo/CommandInterpreter.h"
#include "standins/libdravo/CommandLine.h"

#include <sstream>

namespace {

const char kHelp[] =
    "help                                   this list\n"
    "list                                   the monitors: number, serial, model, display, plugged, handle, mode\n"
    "plug <m> | unplug <m>                  plug monitor m in or out (device-change broadcast)\n"
    "set <m> <feature> <value> [mode <c>] [quiet]\n"
    "                                       a change at the monitor's own buttons, with its report\n"
    "get <m> <feature> [mode <c>]           a stored value (blocks as hex)\n"
    "report <m> <feature> <value> [bits <b>] [count <n>]\n"
    "report <m> <feature> bytes <hex>       a raw report; the stored value stays\n"
    "burst <m> <n> [<feature> <value>]      n reports at once (default: the colour mode)\n"
    "fault <m> describe|flag|read|write <feature> [times <k>]\n"
    "fault <m> dead|zero-handle [times <k>]\n"
    "fault discovery <count> [times <k>]    KvFind/KvUpdate answer count\n"
    "fault seltu <k> [empty]                the next k KvnFindMonitors calls fail\n"
    "                                       (empty: succeed with no monitor)\n"
    "fault clear [<m>]                      remove faults\n"
    "library success zero|positive | report-off wait|nowait | broadcast-wait <ms>\n"
    "                                       how the library answers (until reset or load)\n"
    "trace [<n>] | trace clear              the last n trace lines (all by default)\n"
    "wait [<ms>]                            until every queued report is delivered\n"
    "reset                                  back to the start of the scenario\n"
    "reset default                          the embedded default scenario\n"
    "load <file>                            load another scenario file\n"
    "Features: a name (mode, brightness, ...) or page:usage (0xFF00:0x15); values decimal or 0x hex.\n";


} // namespace

const char* CommandInterpreter::helpText()
{
    return kHelp;
}

std::string CommandInterpreter::pipeName(unsigned long processId)
{
    return "\\\\.\\pipe\\TalvexSim-" + std::to_string(processId);
}

std::string CommandInterpreter::answer(const std::string& line)
{
    std::vector<std::string> out;
    std::string error;
    bool ok = run(line, out, error);
    std::string text;
    for (const std::string& entry : out)
        text += entry + "\n";
    return text + (ok ? "ok\n" : "error " + error + "\n");
}

bool CommandInterpreter::run(const std::string& line, std::vector<std::string>& out, std::string& error)
{
    std::vector<std::string> words;
    if (!CommandLine::split(line, words, error))
        return false;
    if (words.empty()) {
        error = "empty command";
        return false;
    }
    const std::string& verb = words[0];
    if (verb == "help") {
        std::istringstream lines(kHelp);
        for (std::string entry; std::getline(lines, entry);)
            out.push_back(entry);
        return true;
    }
    if (verb == "list") {
        out = m_simulator.list();
        return true;
    }
    if (verb == "get")
        return get(words, out, error);
    if (verb == "trace")
        return trace(words, out, error);
    if (verb == "wait")
        return wait(words, error);
    return action(words, line, error);
}

bool CommandInterpreter::action(const std::vector<std::string>& words, const std::string& line, std::string& error)
{
    SimAction parsed;
    if (words[0] != "reset" && words[0] != "load") {
        if (SimAction::parse(words, parsed, error))
            return m_simulator.perform(parsed, error, line);
        m_simulator.trace().write("Sim " + line + " -> error");
        return false;
    }
    bool ok = true;
    if (words == std::vector<std::string>{"reset"}) {
        m_simulator.reset();
    } else if (words == std::vector<std::string>{"reset", "default"}) {
        ok = m_simulator.load(Scenario::defaultText(), error);
    } else if (words[0] == "load") {
        ok = loadFile(words, error);
    } else {
        error = "reset: expected nothing or 'default'";
        ok = false;
    }
    m_simulator.trace().write("Sim " + line + (ok ? " -> ok" : " -> error"));
    return ok;
}

bool CommandInterpreter::get(const std::vector<std::string>& words, std::vector<std::string>& out,
                             std::string& error)
{
    uint64_t monitor = 0, mode = 0;
    const FeatureInfo* feature = words.size() >= 3 ? FeatureCatalog::lookup(words[2]) : nullptr;
    bool withMode = words.size() == 5 && words[3] == "mode" && CommandLine::toNumber(words[4], mode) && mode <= 46;
    if ((words.size() != 3 && !withMode) || !CommandLine::toNumber(words[1], monitor) || monitor > 1000 || !feature) {
        error = "get: expected <monitor> <feature> [mode <0-46>]";
        return false;
    }
    std::string value;
    if (!m_simulator.get(static_cast<int>(monitor), *feature, withMode ? static_cast<int>(mode) : -1, value, error))
        return false;
    out.push_back(value);
    return true;
}

bool CommandInterpreter::trace(const std::vector<std::string>& words, std::vector<std::string>& out,
                               std::string& error)
{
    if (words.size() == 2 && words[1] == "clear") {
        m_simulator.trace().clear();
        return true;
    }
    uint64_t last = ~0ull;
    if (words.size() > 2 || (words.size() == 2 && !CommandLine::toNumber(words[1], last))) {
        error = "trace: expected [<count>] or clear";
        return false;
    }
    std::vector<std::string> lines = m_simulator.trace().lines();
    size_t first = lines.size() > last ? lines.size() - static_cast<size_t>(last) : 0;
    out.assign(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
    return true;
}

bool CommandInterpreter::wait(const std::vector<std::string>& words, std::string& error)
{
    uint64_t timeout = 5000;
    if (words.size() > 2 || (words.size() == 2 && (!CommandLine::toNumber(words[1], timeout) || timeout > 600000))) {
        error = "wait: expected [<milliseconds>]";
        return false;
    }
    if (!m_simulator.waitReports(static_cast<int>(timeout))) {
        error = "reports still queued after " + std::to_string(timeout) + " ms";
        return false;
    }
    return true;
}

bool CommandInterpreter::loadFile(const std::vector<std::string>& words, std::string& error)
{
    if (words.size() != 2) {
        error = "load: expected <file>";
        return false;
    }
    std::string text;
    if (!Scenario::readFile(words[1], text, error)) {
        error = "load: " + error;
        return false;
    }
    return m_simulator.load(text, error);
}
