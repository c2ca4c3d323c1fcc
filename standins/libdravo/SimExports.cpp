// The test interface (DravoSim.h) over the one simulator of the process.
#include "standins/libdravo/DravoSim.h"
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/SimulatorHost.h"

#include <cstring>

namespace {

SimulatorHost& host()
{
    SimulatorHost& h = SimulatorHost::instance();
    h.use();
    return h;
}

// Copies text with its NUL when it fits, cut otherwise; answers its length.
int copyOut(const std::string& text, char* out, int size)
{
    if (out && size > 0) {
        size_t n = text.size() < size_t(size - 1) ? text.size() : size_t(size - 1);
        std::memcpy(out, text.data(), n);
        out[n] = '\0';
    }
    return static_cast<int>(text.size());
}

void copyField(const std::string& text, char* field, size_t room)
{
    std::memset(field, 0, room);
    std::memcpy(field, text.data(), text.size() < room - 1 ? text.size() : room - 1);
}

int fail(const std::string& error)
{
    SimulatorHost::instance().setLastError(error);
    return -1;
}

int perform(const std::string& line)
{
    std::vector<std::string> words;
    std::string error;
    SimAction action;
    if (!CommandLine::split(line, words, error) || !SimAction::parse(words, action, error) ||
        !host().simulator().perform(action, error, line))
        return fail(error);
    return 0;
}

template <typename Call>
int guarded(Call call)
{
    try {
        return call();
    } catch (...) {
        return fail("out of memory");
    }
}

} // namespace

extern "C" {

SIM_API int SIM_CALL SimLoadScenario(const char* text)
{
    return guarded([&] {
        std::string error;
        return host().simulator().load(text ? text : Scenario::defaultText(), error) ? 0 : fail(error);
    });
}

SIM_API int SIM_CALL SimLoadScenarioFile(const char* path)
{
    return guarded([&] {
        std::string text;
        std::string error;
        if (!Scenario::readFile(path ? path : "", text, error))
            return fail(error);
        return SimLoadScenario(text.c_str());
    });
}

SIM_API int SIM_CALL SimReset(void)
{
    return guarded([] {
        host().simulator().reset();
        return 0;
    });
}

SIM_API int SIM_CALL SimLastError(char* text, int size)
{
    return copyOut(SimulatorHost::instance().lastError(), text, size);
}

SIM_API int SIM_CALL SimCommand(const char* line, char* answer, int size)
{
    return guarded([&] {
        std::string reply = host().control().answer(line ? line : "");
        copyOut(reply, answer, size);
        size_t status = reply.rfind('\n', reply.size() - 2);
        std::string last = reply.substr(status == std::string::npos ? 0 : status + 1);
        return last == "ok\n" ? 0 : fail(last.substr(0, last.size() - 1));
    });
}

SIM_API int SIM_CALL SimMonitorCount(void)
{
    return guarded([] { return static_cast<int>(host().simulator().monitors().size()); });
}

SIM_API int SIM_CALL SimMonitorAt(int index, SimMonitorDesc* out)
{
    return guarded([&] {
        std::vector<MonitorSummary> all = host().simulator().monitors();
        if (!out || index < 0 || size_t(index) >= all.size())
            return fail("no monitor at index " + std::to_string(index));
        const MonitorSummary& m = all[index];
        out->number = m.number;
        copyField(m.serial, out->serial, sizeof out->serial);
        copyField(m.modelName, out->modelName, sizeof out->modelName);
        copyField(m.modelCode, out->modelCode, sizeof out->modelCode);
        out->productId = m.productId;
        out->display = m.display;
        out->plugged = m.plugged ? 1 : 0;
        out->handle = m.handle;
        out->mode = m.mode;
        return 0;
    });
}

SIM_API int SIM_CALL SimPlug(int monitor)
{
    return guarded([&] { return perform("plug " + std::to_string(monitor)); });
}

SIM_API int SIM_CALL SimUnplug(int monitor)
{
    return guarded([&] { return perform("unplug " + std::to_string(monitor)); });
}

SIM_API int SIM_CALL SimGetValue(int monitor, WORD page, WORD usage, int mode, DWORD* value)
{
    return guarded([&] {
        const FeatureInfo* feature = FeatureCatalog::find(page, usage);
        std::string answer, error;
        uint64_t number = 0;
        if (!feature || !value)
            return fail("no such feature " + FeatureCatalog::address(page, usage));
        if (!host().simulator().get(monitor, *feature, mode, answer, error))
            return fail(error);
        if (!CommandLine::toNumber(answer, number) || number > 0xFFFFFFFFu)
            return fail(std::string(feature->name) + " is a block, not a value");
        *value = static_cast<DWORD>(number);
        return 0;
    });
}

SIM_API int SIM_CALL SimSetValue(int monitor, WORD page, WORD usage, int mode, DWORD value, int report)
{
    return guarded([&] {
        std::string line = "set " + std::to_string(monitor) + " " + FeatureCatalog::address(page, usage) + " " +
                           std::to_string(value);
        if (mode >= 0)
            line += " mode " + std::to_string(mode);
        return perform(report ? line : line + " quiet");
    });
}

SIM_API int SIM_CALL SimSendReport(int monitor, WORD page, WORD usage, WORD bitSize, WORD count, const BYTE* data)
{
    return guarded([&] {
        size_t length = size_t(bitSize / 8) * count;
        if (length && !data)
            return fail("no report data");
        SimAction action;
        action.verb = SimAction::Verb::Report;
        action.monitor = monitor;
        action.page = page;
        action.usage = usage;
        action.bitSize = bitSize;
        action.count = count;
        action.data.assign(data, data + length);
        std::string error;
        return host().simulator().perform(action, error) ? 0 : fail(error);
    });
}

SIM_API int SIM_CALL SimFault(const char* words)
{
    return guarded([&] { return perform(std::string("fault ") + (words ? words : "")); });
}

SIM_API int SIM_CALL SimWaitReports(DWORD timeoutMs)
{
    return guarded([&] {
        int limit = timeoutMs > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(timeoutMs);
        return host().simulator().waitReports(limit) ? 0 : fail("reports still queued");
    });
}

SIM_API int SIM_CALL SimTraceLines(char* text, int size)
{
    return guarded([&] {
        std::string all;
        for (const std::string& line : host().simulator().trace().lines())
            all += line + "\n";
        return copyOut(all, text, size);
    });
}

SIM_API int SIM_CALL SimTraceClear(void)
{
    return guarded([] {
        host().simulator().trace().clear();
        return 0;
    });
}

SIM_API void SIM_CALL SimTraceNote(const char* line)
{
    guarded([&] {
        host().simulator().trace().write(line ? line : "");
        return 0;
    });
}

SIM_API int SIM_CALL SimInfoPlacementCount(void)
{
    return guarded([] { return static_cast<int>(host().simulator().infoPlacements().size()); });
}

SIM_API int SIM_CALL SimInfoPlacementAt(int index, SimInfoPlacement* out)
{
    return guarded([&] {
        std::vector<InfoPlacement> all = host().simulator().infoPlacements();
        if (!out || index < 0 || size_t(index) >= all.size())
            return fail("no placement at index " + std::to_string(index));
        copyField(all[index].serial, out->serial, sizeof out->serial);
        out->display = all[index].display;
        out->monitorIndex = all[index].monitorIndex;
        out->extra = all[index].extra ? 1 : 0;
        return 0;
    });
}

SIM_API int SIM_CALL SimSeltuCallFails(void)
{
    return guarded([] { return host().simulator().seltuCallFails(); });
}

SIM_API int SIM_CALL SimControlPipeName(char* text, int size)
{
    return copyOut(ControlServer::pipeName(GetCurrentProcessId()), text, size);
}

} // extern "C"
