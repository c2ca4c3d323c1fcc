// Scenario text as a file or a test gives it, loaded into the simulated
// monitors. Every text is taken or refused whole with a reason that names
// its line and says what is wrong; a refusal leaves the monitors loaded
// before exactly as they were.
#include "FuzzCheck.h"
#include "standins/libdravo/FeatureCatalog.h"
#include "standins/libdravo/Simulator.h"

#include <string>

namespace {

// Loaded over and over: a refused text must leave what was there.
Simulator& Monitors()
{
    static Simulator simulator;
    return simulator;
}

bool HasReason(const std::string& error)
{
    if (error.empty() || error.back() == ' ')
        return false;
    if (error.rfind("line ", 0) != 0)
        return true;
    const size_t colon = error.find(": ");
    return colon != std::string::npos && colon + 2 < error.size();
}

// Everything the library and the control show of the monitors: the list
// with handles and faults, the library mode, the information records, and
// every value of each monitor in its current mode, blocks included.
std::string Snapshot(Simulator& simulator)
{
    std::string text;
    for (const std::string& line : simulator.list())
        text += line + "\n";
    const LibraryMode mode = simulator.mode();
    text += "mode " + std::to_string(mode.zeroSuccess) + std::to_string(mode.reportOffWaits) + " " +
            std::to_string(mode.broadcastWaitMs) + "\n";
    for (const InfoPlacement& info : simulator.infoPlacements())
        text += "info " + info.serial + " " + std::to_string(info.display) + " " + std::to_string(info.monitorIndex) +
                (info.extra ? " extra\n" : "\n");
    for (const MonitorSummary& monitor : simulator.monitors()) {
        for (const FeatureInfo& feature : FeatureCatalog::all()) {
            if (feature.scope == FeatureScope::Command || feature.scope == FeatureScope::ReportOnly)
                continue;   // no value to show
            std::string answer, error;
            text += simulator.get(monitor.number, feature, -1, answer, error) ? answer : error;
            text += "\n";
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // What the last text taken left, its handles handed out: a refusal
    // must not drop them either.
    static std::string loaded;
    Simulator& simulator = Monitors();
    if (loaded.empty()) {
        simulator.find();
        loaded = Snapshot(simulator);
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (simulator.load(text, error)) {
        FUZZ_CHECK(!simulator.monitors().empty());
        simulator.find();
        loaded = Snapshot(simulator);
    } else {
        FUZZ_CHECK(HasReason(error));
        FUZZ_CHECK(Snapshot(simulator) == loaded);
    }
    return 0;
}
