#include "standins/libdravo/Simulator.h"
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/DravoSim.h"
#include "standins/libdravo/SimErrors.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string hexHandle(DWORD handle)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(handle));
    return text;
}

std::string resultText(int result)
{
    return " -> " + std::to_string(result);
}

} // namespace

Simulator::Simulator()
    : m_pump([this](const ReportPump::Report& report, bool delivered) { traceReport(report, delivered); })
{
    std::string error;
    load(Scenario::defaultText(), error);
}

Simulator::~Simulator()
{
    m_pump.shutdown();
}

// ---------------------------------------------------------------- scenario

bool Simulator::install(const Scenario& scenario, std::vector<PlugEvent>& events, std::string& error)
{
    std::vector<SimMonitor> monitors;
    monitors.reserve(scenario.monitors.size());
    for (const ScenarioMonitor& m : scenario.monitors)
        monitors.emplace_back(m.number, *scenario.profile(m.profile), m.serial, m.display);
    for (const SimMonitor& old : m_monitors)
        if (old.plugged())
            events.push_back({old.number(), false, old.profile().productId, old.profile().interfaces, old.serial()});

    std::vector<SimMonitor> previousMonitors = std::move(m_monitors);
    FaultTable previousFaults = m_faults;
    LibraryMode previousMode = m_mode;
    m_monitors = std::move(monitors);
    m_faults.clear();
    m_mode = LibraryMode();
    std::vector<PlugEvent> ignored;
    for (const ScenarioAction& line : scenario.actions) {
        SimAction action;
        if (!SimAction::parse(line.words, action, error) || !performLocked(action, true, ignored, error)) {
            error = "line " + std::to_string(line.line) + ": " + error;
            m_monitors = std::move(previousMonitors);
            m_faults = previousFaults;
            m_mode = previousMode;
            events.clear();
            return false;
        }
    }
    m_found.clear();
    m_scenario = scenario;
    for (const SimMonitor& monitor : m_monitors)
        if (monitor.plugged())
            events.push_back({monitor.number(), true, monitor.profile().productId, monitor.profile().interfaces,
                              monitor.serial()});
    return true;
}

bool Simulator::load(const std::string& text, std::string& error)
{
    Scenario scenario;
    if (!scenario.parse(text, error))
        return false;
    std::vector<PlugEvent> events;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!install(scenario, events, error))
            return false;
        m_scenarioText = text;
        m_trace.write("Sim load monitors=" + std::to_string(m_monitors.size()) + " -> 0");
    }
    // The old handles are gone: no callback of theirs may follow.
    m_pump.shutdown();
    announce(events);
    return true;
}

void Simulator::reset()
{
    std::string text, error;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        text = m_scenarioText;
    }
    load(text, error);
}

// ---------------------------------------------------------------- helpers

SimMonitor* Simulator::byNumber(int number)
{
    for (SimMonitor& monitor : m_monitors)
        if (monitor.number() == number)
            return &monitor;
    return nullptr;
}

SimMonitor* Simulator::byHandle(DWORD handle, int& result)
{
    result = SimNoDevice;
    if (handle == 0)
        return nullptr;
    for (SimMonitor& monitor : m_monitors) {
        if (!monitor.plugged() || monitor.handle() != handle)
            continue;
        if (m_faults.hit(FaultKind::Dead, monitor.number())) {
            result = SimNotAnswering;
            return nullptr;
        }
        result = 0;
        return &monitor;
    }
    return nullptr;
}

const FeatureInfo* Simulator::featureAt(DWORD page, DWORD usage) const
{
    if (page > 0xFFFF || usage > 0xFFFF)
        return nullptr;
    return FeatureCatalog::find(static_cast<WORD>(page), static_cast<WORD>(usage));
}

std::string Simulator::callHead(const char* call, DWORD handle, DWORD page, DWORD usage,
                                const SimMonitor* monitor) const
{
    std::string head = std::string(call) + " handle=" + hexHandle(handle) +
                       " monitor=" + std::to_string(monitor ? monitor->number() : 0);
    if (page <= 0xFFFF && usage <= 0xFFFF)
        return head + " feature=" + FeatureCatalog::address(static_cast<WORD>(page), static_cast<WORD>(usage));
    return head + " feature=" + hexHandle(page) + ":" + hexHandle(usage);
}

void Simulator::post(const SimMonitor& monitor, const std::vector<SimReport>& reports)
{
    // An unplugged, undiscovered or silent monitor announces nothing.
    if (!monitor.plugged() || monitor.handle() == 0 || m_faults.active(FaultKind::Dead, monitor.number()))
        return;
    for (const SimReport& report : reports)
        queue({monitor.handle(), monitor.number(), report.page, report.usage, 8,
               static_cast<WORD>(report.data.size()), report.data});
}

void Simulator::queue(ReportPump::Report report)
{
    if (m_deferred)
        m_deferred->push_back(std::move(report));
    else
        m_pump.post(std::move(report));
}

void Simulator::traceReport(const ReportPump::Report& report, bool delivered)
{
    m_trace.write("Report handle=" + hexHandle(report.handle) + " monitor=" + std::to_string(report.monitor) +
                  " feature=" + FeatureCatalog::address(report.page, report.usage) +
                  " bits=" + std::to_string(report.bitSize) + " count=" + std::to_string(report.count) +
                  " data=" + CommandLine::hex(report.data.data(), report.data.size()) +
                  (delivered ? " -> delivered" : " -> dropped"));
}

void Simulator::announce(const std::vector<PlugEvent>& events)
{
    PlugListener listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listener = m_listener;
    }
    if (listener)
        for (const PlugEvent& event : events)
            listener(event);
}

void Simulator::setPlugListener(PlugListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

// ---------------------------------------------------------------- discovery

int Simulator::answer(int result, int positive) const
{
    if (result < 0)
        return result;
    return m_mode.zeroSuccess ? 0 : positive;
}

LibraryMode Simulator::mode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mode;
}

int Simulator::discover(bool update)
{
    const char* call = update ? "KvUpdate" : "KvFind";
    std::lock_guard<std::mutex> lock(m_mutex);
    // The library counts what it found at the first discovery; an update
    // before it has nothing to update.
    if (update && !m_foundOnce) {
        m_trace.write(std::string(call) + resultText(SimOutOfOrder) + " error=before-KvFind");
        return SimOutOfOrder;
    }
    m_foundOnce = true;
    m_found.clear();
    long long faked = 0;
    bool fault = m_faults.hitValue(FaultKind::Discovery, faked);
    if (!fault || faked >= 0) {
        for (size_t i = 0; i < m_monitors.size(); ++i) {
            SimMonitor& monitor = m_monitors[i];
            if (!monitor.plugged())
                continue;
            if (monitor.handle() == 0)
                monitor.setHandle(m_nextHandle++);
            m_found.push_back({monitor.handle(), i});
        }
    }
    int count = fault ? static_cast<int>(faked) : static_cast<int>(m_found.size());
    m_trace.write(std::string(call) + resultText(count));
    return count;
}

int Simulator::find()
{
    return discover(false);
}

int Simulator::update()
{
    return discover(true);
}

int Simulator::retrieve(int index, DWORD* handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int result = 0;
    DWORD given = 0;
    if (!handle) {
        result = SimBadBuffer;
    } else if (index < 0 || static_cast<size_t>(index) >= m_found.size()) {
        result = SimNoDevice;
    } else if (!m_faults.hit(FaultKind::ZeroHandle, m_monitors[m_found[index].monitor].number())) {
        given = m_found[index].handle;
    }
    if (handle)
        *handle = given;
    result = answer(result, 1);
    m_trace.write("KvRetrieve index=" + std::to_string(index) + resultText(result) + " handle=" + hexHandle(given));
    return result;
}

int Simulator::release()
{
    int result;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (SimMonitor& monitor : m_monitors)
            monitor.setHandle(0);
        m_found.clear();
        result = answer(0, 1);
        m_trace.write("KvRelease" + resultText(result));
    }
    m_pump.shutdown();
    return result;
}

// ---------------------------------------------------------------- features

int Simulator::resolve(DWORD handle, DWORD page, DWORD usage, FaultKind fault, const void* buffer,
                       SimMonitor*& monitor, const FeatureInfo*& info)
{
    int result = 0;
    monitor = byHandle(handle, result);
    info = featureAt(page, usage);
    if (!monitor)
        return result;
    if (!info)
        return SimUnknownFeature;
    if (!buffer)
        return SimBadBuffer;
    return m_faults.hit(fault, monitor->number(), info->page, info->usage) ? SimInjected : 0;
}

int Simulator::describe(DWORD handle, DWORD page, DWORD usage, DWORD* a, DWORD* b, DWORD* flag, DWORD* count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMonitor* monitor;
    const FeatureInfo* info;
    DWORD maximum = 0, size = 0, flagValue = 0;
    // The outputs are optional: a description needs no buffer.
    int result = resolve(handle, page, usage, FaultKind::Describe, &maximum, monitor, info);
    if (result == 0)
        result = monitor->describe(*info, maximum, size);
    if (result == 0) {
        flagValue = m_faults.hit(FaultKind::Flag, monitor->number(), info->page, info->usage) ? 1 : 0;
        if (a) *a = maximum;
        if (b) *b = 0;
        if (flag) *flag = flagValue;
        if (count) *count = size;
    }
    const int answered = answer(result, 1);
    std::string line = callHead("KvGetFixedData", handle, page, usage, monitor) + resultText(answered);
    if (result == 0)
        line += " a=" + std::to_string(maximum) + " b=0 flag=" + std::to_string(flagValue) +
                " count=" + std::to_string(size);
    m_trace.write(line);
    return answered;
}

int Simulator::readArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMonitor* monitor;
    const FeatureInfo* info;
    std::vector<BYTE> payload;
    int result = resolve(handle, page, usage, FaultKind::Read, buffer, monitor, info);
    if (result == 0)
        result = monitor->read(*info, payload);
    // The payload and one byte more, exactly: anything else is a caller's mistake.
    if (result == 0 && length != static_cast<DWORD>(info->size) + 1)
        result = SimBadBuffer;
    if (result == 0) {
        std::copy(payload.begin(), payload.end(), buffer);
        std::fill(buffer + payload.size(), buffer + length, 0);
    }
    const int answered = answer(result, static_cast<int>(length));
    std::string line = callHead("KvGetFeatureArray", handle, page, usage, monitor) +
                       " length=" + std::to_string(length) + resultText(answered);
    if (result == 0)
        line += " data=" + CommandLine::hex(payload.data(), payload.size());
    m_trace.write(line);
    return answered;
}

int Simulator::writeArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMonitor* monitor;
    const FeatureInfo* info;
    std::vector<SimReport> reports;
    int result = resolve(handle, page, usage, FaultKind::Write, buffer, monitor, info);
    if (result == 0)
        result = monitor->writable(*info);
    if (result == 0 && length != static_cast<DWORD>(info->size) + 1)
        result = SimBadBuffer;
    if (result == 0)
        result = monitor->write(*info, buffer, reports);
    result = answer(result, static_cast<int>(length));
    std::string data = buffer ? CommandLine::hex(buffer, std::min<DWORD>(length, 0x10000)) : "null";
    m_trace.write(callHead("KvSetFeatureArray", handle, page, usage, monitor) + " length=" + std::to_string(length) +
                  " data=" + data + resultText(result));
    if (monitor)
        post(*monitor, reports);
    return result;
}

int Simulator::writeValue(DWORD handle, DWORD page, DWORD usage, DWORD value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMonitor* monitor;
    const FeatureInfo* info;
    std::vector<SimReport> reports;
    BYTE byte = static_cast<BYTE>(value);
    int result = resolve(handle, page, usage, FaultKind::Write, &byte, monitor, info);
    if (result == 0)
        result = monitor->writable(*info);
    // A single value is for a feature without payload; the others take arrays.
    if (result == 0 && info->size > 0)
        result = SimBadBuffer;
    if (result == 0 && value > 0xFF)
        result = SimOutOfRange;
    if (result == 0)
        result = monitor->write(*info, &byte, reports);
    result = answer(result, 1);
    m_trace.write(callHead("KvSetFeatureValue", handle, page, usage, monitor) + " value=" + std::to_string(value) +
                  resultText(result));
    if (monitor)
        post(*monitor, reports);
    return result;
}

// ---------------------------------------------------------------- reports

int Simulator::reportOn(DWORD handle, KvReportCallback callback, DWORD context)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int result = 0;
    SimMonitor* monitor = byHandle(handle, result);
    if (monitor && !callback)
        result = SimBadBuffer;
    if (result == 0)
        m_pump.subscribe(handle, callback, context);
    result = answer(result, 1);
    m_trace.write("KvReportON handle=" + hexHandle(handle) + " monitor=" +
                  std::to_string(monitor ? monitor->number() : 0) + resultText(result));
    return result;
}

int Simulator::reportOff(DWORD handle)
{
    // Waits for a running callback: the simulator's lock must not be held,
    // because that callback may be calling into the simulator right now.
    m_pump.unsubscribe(handle, mode().reportOffWaits);
    std::lock_guard<std::mutex> lock(m_mutex);
    int result = 0;
    SimMonitor* monitor = byHandle(handle, result);
    result = answer(result, 1);
    m_trace.write("KvReportOFF handle=" + hexHandle(handle) + " monitor=" +
                  std::to_string(monitor ? monitor->number() : 0) + resultText(result));
    return result;
}

bool Simulator::waitReports(int timeoutMs)
{
    return m_pump.waitIdle(timeoutMs);
}

// ---------------------------------------------------------------- control

bool Simulator::perform(const SimAction& action, std::string& error, const std::string& text)
{
    std::vector<PlugEvent> events;
    bool ok;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<ReportPump::Report> reports;
        m_deferred = &reports;
        ok = performLocked(action, action.quiet, events, error);
        m_deferred = nullptr;
        if (!text.empty())
            m_trace.write("Sim " + text + (ok ? " -> ok" : " -> error"));
        for (ReportPump::Report& report : reports)
            m_pump.post(std::move(report));
    }
    announce(events);
    return ok;
}

bool Simulator::performLocked(const SimAction& action, bool quiet, std::vector<PlugEvent>& events,
                              std::string& error)
{
    using Verb = SimAction::Verb;
    if (action.verb == Verb::ClearFaults) {
        action.monitor ? m_faults.clearMonitor(action.monitor) : m_faults.clear();
        return true;
    }
    if (action.verb == Verb::Library) {
        m_mode.set(action.librarySwitch, static_cast<DWORD>(action.value));
        return true;
    }
    if (action.verb == Verb::Fault && action.monitor == 0) {
        m_faults.add(action.fault, 0, 0, 0, action.times, action.count);
        return true;
    }
    SimMonitor* monitor = byNumber(action.monitor);
    if (!monitor) {
        error = "no monitor " + std::to_string(action.monitor);
        return false;
    }
    switch (action.verb) {
    case Verb::Set:
        return setLocked(*monitor, action, quiet, error);
    case Verb::Plug:
    case Verb::Unplug:
        return plugLocked(*monitor, action.verb == Verb::Plug, events, error);
    case Verb::Fault:
        m_faults.add(action.fault, monitor->number(), action.page, action.usage, action.times);
        return true;
    default:
        return reportLocked(*monitor, action, error);
    }
}

bool Simulator::setLocked(SimMonitor& monitor, const SimAction& action, bool quiet, std::string& error)
{
    std::vector<SimReport> reports;
    if (!monitor.set(*action.feature, action.mode, action.value, reports, error))
        return false;
    if (!quiet)
        post(monitor, reports);
    return true;
}

bool Simulator::plugLocked(SimMonitor& monitor, bool plugIn, std::vector<PlugEvent>& events, std::string& error)
{
    if (monitor.plugged() == plugIn) {
        error = "monitor " + std::to_string(monitor.number()) + (plugIn ? " is plugged in" : " is unplugged") +
                " already";
        return false;
    }
    if (!plugIn) {
        m_pump.forget(monitor.handle());
        monitor.setHandle(0);
    }
    monitor.setPlugged(plugIn);
    events.push_back({monitor.number(), plugIn, monitor.profile().productId, monitor.profile().interfaces,
                      monitor.serial()});
    return true;
}

bool Simulator::reportLocked(SimMonitor& monitor, const SimAction& action, std::string& error)
{
    if (!monitor.plugged() || monitor.handle() == 0) {
        error = "monitor " + std::to_string(monitor.number()) + " has no handle (unplugged or not discovered)";
        return false;
    }
    if (m_faults.active(FaultKind::Dead, monitor.number())) {
        error = "monitor " + std::to_string(monitor.number()) + " does not answer";
        return false;
    }
    // Reports come faster than a slow or blocked callback takes them: the
    // queue is bounded so that the control cannot fill the memory.
    constexpr size_t MaxQueuedReports = 1000000;
    const size_t adding = action.verb == SimAction::Verb::Report ? 1 : static_cast<size_t>(action.count);
    if (m_pump.queued() + adding > MaxQueuedReports) {
        error = "the report queue holds " + std::to_string(m_pump.queued()) + " reports (at most " +
                std::to_string(MaxQueuedReports) + ")";
        return false;
    }
    if (action.verb == SimAction::Verb::Report) {
        queue({monitor.handle(), monitor.number(), action.page, action.usage, action.bitSize,
               static_cast<WORD>(action.count), action.data});
        return true;
    }
    // A burst: the given feature, or the current colour mode by default.
    const FeatureInfo* feature = action.feature ? action.feature : FeatureCatalog::findByName("mode");
    std::vector<BYTE> data = action.data;
    if (!action.feature)
        monitor.read(*feature, data);
    for (long long i = 0; i < action.count; ++i)
        queue({monitor.handle(), monitor.number(), feature->page, feature->usage, 8,
               static_cast<WORD>(data.size()), data});
    return true;
}

bool Simulator::get(int number, const FeatureInfo& feature, int mode, std::string& answer, std::string& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimMonitor* monitor = byNumber(number);
    if (!monitor) {
        error = "no monitor " + std::to_string(number);
        return false;
    }
    if (feature.scope == FeatureScope::Fixed && !feature.simulatorOnly) {
        std::vector<BYTE> payload;
        monitor->read(feature, payload);
        answer = CommandLine::hex(payload.data(), payload.size());
        return true;
    }
    uint64_t value = 0;
    if (!monitor->get(feature, mode, value, error))
        return false;
    answer = std::to_string(value);
    return true;
}

std::vector<MonitorSummary> Simulator::monitors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<MonitorSummary> out;
    for (const SimMonitor& m : m_monitors)
        out.push_back({m.number(), m.serial(), m.profile().modelName, m.profile().modelCode, m.profile().productId,
                       m.display(), m.plugged(), m.handle(), m.currentMode()});
    return out;
}

std::vector<std::string> Simulator::list() const
{
    std::vector<std::string> lines;
    for (const MonitorSummary& m : monitors()) {
        char product[8];
        std::snprintf(product, sizeof product, "0x%04X", m.productId);
        lines.push_back(std::to_string(m.number) + " serial=" + m.serial + " model=\"" + m.modelName +
                        "\" code=" + m.modelCode + " product=" + product + " display=" + std::to_string(m.display) +
                        " plugged=" + (m.plugged ? "yes" : "no") + " handle=" + hexHandle(m.handle) +
                        " mode=" + std::to_string(m.mode));
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const std::string& fault : m_faults.describe())
        lines.push_back(fault);
    return lines;
}

std::vector<InfoPlacement> Simulator::infoPlacements() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<InfoPlacement> placements;
    for (const SimMonitor& m : m_monitors)
        placements.push_back({m.serial(), m.display(), -1, false});
    for (const ScenarioInfoRecord& record : m_scenario.infoRecords)
        placements.push_back({record.serial, record.display, record.monitorIndex, true});
    return placements;
}

int Simulator::seltuCallFails()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    long long findsNone = 0;
    if (!m_faults.hitValue(FaultKind::Seltu, findsNone))
        return 0;
    return findsNone ? SimSeltuFindsNone : SimSeltuFails;
}
