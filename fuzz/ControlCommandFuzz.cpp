// Control lines as the pipe and the control tool send them, a few to an
// input, on the default monitors with their handles handed out and their
// reports subscribed. Every line is answered, and the answer ends with "ok"
// or with "error" and a reason. Every report carries as many bytes as its
// bit size and count claim, and reaches the callback as it was traced; each
// input also sends one raw report of a shape drawn from its bytes, so that
// every bit size and count is tried whatever the corpus holds.
#include "FuzzCheck.h"
#include "standins/libdravo/CommandInterpreter.h"
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/Simulator.h"

#include <cstdlib>
#include <mutex>
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

// A burst queues one report per count, each traced and delivered or
// dropped. Any count from 2 to 100,000 takes the same path (eight lines
// cannot reach the queue's bound), so larger ones are cut to a few, which
// keeps an input to microseconds and the search moving.
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

// What the callback was handed, as "bits=<b> count=<n> data=<the claimed
// bytes>": the trace line of the same report shows the bytes it carried.
std::mutex deliveredLock;
std::vector<std::string> delivered;

int DRAVO_CALL Receive(DWORD, WORD, WORD, WORD bitSize, WORD count, BYTE* data, DWORD)
{
    const std::string seen = "bits=" + std::to_string(bitSize) + " count=" + std::to_string(count) +
                             " data=" + CommandLine::hex(data, static_cast<size_t>(bitSize / 8) * count);
    std::lock_guard<std::mutex> lock(deliveredLock);
    delivered.push_back(seen);
    return 0;
}

void Subscribe(Simulator& simulator)
{
    for (const MonitorSummary& monitor : simulator.monitors()) {
        if (monitor.handle)
            simulator.reportOn(monitor.handle, Receive, 0);
    }
}

std::string FieldOf(const std::string& line, const std::string& name)
{
    const size_t start = line.find(" " + name + "=");
    if (start == std::string::npos)
        return std::string();
    const size_t value = start + name.size() + 2;
    return line.substr(value, line.find(' ', value) - value);
}

// The reports of one line, once delivered or dropped: each trace line shows
// as many data bytes as its bit size and count claim, and a delivered one is
// what the callback was handed. Answers whether the line sent any.
bool CheckReports(Simulator& simulator)
{
    FUZZ_CHECK(simulator.waitReports(10000));
    const std::string tail = " -> delivered";
    bool any = false;
    std::vector<std::string> traced;
    for (const std::string& line : simulator.trace().lines()) {
        // "<sequence> Report handle=..."; a control line echoes its own words after "Sim".
        const size_t space = line.find(' ');
        if (space == std::string::npos || line.compare(space + 1, 14, "Report handle=") != 0)
            continue;
        any = true;
        const unsigned long bits = std::strtoul(FieldOf(line, "bits").c_str(), nullptr, 10);
        const unsigned long count = std::strtoul(FieldOf(line, "count").c_str(), nullptr, 10);
        FUZZ_CHECK(FieldOf(line, "data").size() == 2 * (bits / 8) * count);
        const size_t from = line.find(" bits=") + 1;
        if (line.size() > tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
            traced.push_back(line.substr(from, line.size() - tail.size() - from));
    }
    std::lock_guard<std::mutex> lock(deliveredLock);
    FUZZ_CHECK(traced == delivered);
    delivered.clear();
    return any;
}

// A raw report whose monitor, feature, value, bit size and count come from
// a hash of the whole input: the shape changes with any byte, and a finding
// replays alone. Bit sizes that are no whole byte and counts of none are
// among them.
std::string DrawnReport(const uint8_t* data, size_t size)
{
    static const char* const features[] = {"mode", "brightness", "0xFF00:0xB8", "0xFF02:0x01"};
    uint64_t hash = 14695981039346656037ull;   // FNV-1a
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    const uint64_t monitor = 1 + hash % 3;
    const uint64_t feature = (hash >> 2) % 4;
    const uint64_t bits = (hash >> 4) % 72;
    const uint64_t count = (hash >> 11) % 40;
    const uint64_t value = hash >> 17;
    return "report " + std::to_string(monitor) + " " + features[feature] + " " + std::to_string(value) + " bits " +
           std::to_string(bits) + " count " + std::to_string(count);
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
    // Each input starts from the same monitors and each line from an empty
    // trace, so that a finding replays alone; the monitors are loaded again
    // after any input that may have changed them.
    static bool changed = true;
    Simulator& simulator = Monitors();
    if (changed) {
        std::string error;
        FUZZ_CHECK(simulator.load(SmallScenario, error));
        simulator.find();
    }
    CommandInterpreter control(simulator);

    changed = false;
    bool subscribed = false;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    int count = 0;
    for (std::string line; std::getline(lines, line) && count < 8; ++count) {
        changed = changed || MayChange(line);
        simulator.trace().clear();
        FUZZ_CHECK(EndsWithStatus(control.answer(WithSmallBurst(line))));
        // The reports of the lines after the first that sent one are
        // delivered: the thread a subscription starts costs more than most
        // inputs, and a reload ends it.
        if (CheckReports(simulator) && !subscribed) {
            Subscribe(simulator);
            subscribed = true;
        }
    }
    // Nothing stored changes by a raw report: no reload for it.
    simulator.trace().clear();
    FUZZ_CHECK(EndsWithStatus(control.answer(DrawnReport(data, size))));
    CheckReports(simulator);
    return 0;
}
