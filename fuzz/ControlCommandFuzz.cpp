// Control lines as the pipe and the control tool send them, a few to an
// input, on the default monitors with their handles handed out. Every line
// is answered, and the answer ends with "ok" or with "error" and a reason.
#include "FuzzCheck.h"
#include "standins/libdravo/CommandInterpreter.h"
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/Simulator.h"

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Two models, three monitors, one on a second screen: every verb has
// something to act on, and a load of it costs little.
const char SmallScenario[] = "profile a\n"
                             "  modes 22 23 40\n"
                             "  hotkeys 0x180\n"
                             "  mask 22 0x3ED94FF\n"
                             "  default brightness 60 mode 22\n"
                             "end\n"
                             "profile b\n"
                             "  modes 22 33\n"
                             "  maximum brightness 31\n"
                             "  absent velocis\n"
                             "end\n"
                             "monitor 1 a A0000001\n"
                             "monitor 2 a A0000002 display 2\n"
                             "monitor 3 b B0000003\n";

Simulator& Monitors()
{
    static Simulator simulator;
    return simulator;
}

// Lines that may leave the monitors changed; the others only read them.
bool MayChange(const std::string& line)
{
    static const std::set<std::string> changing = {"set",   "plug",    "unplug", "fault", "report",
                                                   "burst", "library", "reset",  "load"};
    std::vector<std::string> words;
    std::string error;
    return CommandLine::split(line, words, error) && !words.empty() && changing.count(words[0]) != 0;
}

// A burst queues one report per count; with no program subscribed each is
// traced as dropped on the spot. Any count from 2 to 100,000 takes the same
// path (eight lines cannot reach the queue's bound), so larger ones are cut
// to a few, which keeps an input to microseconds and the search moving.
std::string WithSmallBurst(const std::string& line)
{
    constexpr uint64_t Largest = 16;
    std::vector<std::string> words;
    std::string error;
    uint64_t count = 0;
    if (!CommandLine::split(line, words, error) || words.size() < 3 || words[0] != "burst" ||
        !CommandLine::toNumber(words[2], count) || count <= Largest || count > 100000)
        return line;
    words[2] = std::to_string(Largest);
    std::string joined;
    for (const std::string& word : words)
        joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

bool EndsWithStatus(const std::string& answer)
{
    if (answer.size() < 3 || answer.back() != '\n')
        return false;
    const size_t start = answer.rfind('\n', answer.size() - 2);
    const std::string status = answer.substr(start == std::string::npos ? 0 : start + 1);
    return status == "ok\n" || (status.rfind("error ", 0) == 0 && status.size() > 7 && status[6] != ' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Each input starts from the same monitors and an empty trace, so that a
    // finding replays alone; they are loaded again after any input that may
    // have changed them.
    static bool changed = true;
    Simulator& simulator = Monitors();
    if (changed) {
        std::string error;
        FUZZ_CHECK(simulator.load(SmallScenario, error));
        simulator.find();
    }
    simulator.trace().clear();
    CommandInterpreter control(simulator);

    changed = false;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    int count = 0;
    for (std::string line; std::getline(lines, line) && count < 8; ++count) {
        changed = changed || MayChange(line);
        FUZZ_CHECK(EndsWithStatus(control.answer(WithSmallBurst(line))));
    }
    return 0;
}
