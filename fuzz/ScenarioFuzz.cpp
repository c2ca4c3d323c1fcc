// Scenario text as a file or a test gives it, loaded into the simulated
// monitors. Every text is taken or refused whole with a reason that names
// its line and says what is wrong; a refusal leaves the monitors loaded
// before.
#include "FuzzCheck.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Simulator& simulator = Monitors();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t before = simulator.monitors().size();
    std::string error;
    if (simulator.load(text, error)) {
        FUZZ_CHECK(!simulator.monitors().empty());
    } else {
        FUZZ_CHECK(HasReason(error));
        FUZZ_CHECK(simulator.monitors().size() == before);
    }
    return 0;
}
