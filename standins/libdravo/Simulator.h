#pragma once
// The simulated monitors behind the ten library calls: discovery and
// handles, feature descriptions, reads and writes, reports, plugging,
// faults and the call trace. Thread-safe: every call may come from any
// thread, and report callbacks may call back in.
//
// Handles are handed out by discovery, one per monitor and plug-in; they
// die when the monitor is unplugged or at KvRelease, and are never reused
// within a process.
//
// The calls are as strict as the library's description: array reads and
// writes take exactly count + 1 bytes, a single value goes only to a
// feature without payload, KvUpdate needs an earlier KvFind, and success
// is a positive value unless the library mode asks for 0.
#include "device/DravoLibrary.h"
#include "standins/libdravo/CallTrace.h"
#include "standins/libdravo/FaultTable.h"
#include "standins/libdravo/LibraryMode.h"
#include "standins/libdravo/ReportPump.h"
#include "standins/libdravo/Scenario.h"
#include "standins/libdravo/SimAction.h"
#include "standins/libdravo/SimMonitor.h"
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// A monitor came or went: what the USB side announces.
struct PlugEvent {
    int monitor;
    bool arrived;
    WORD productId;
    int interfaces;
    std::string serial;
};

// One line of the monitor list, for the test interface.
struct MonitorSummary {
    int number;
    std::string serial;
    std::string modelName;
    std::string modelCode;
    WORD productId;
    int display;
    bool plugged;
    DWORD handle;
    int mode;
};

// Where the monitor-information library places a monitor or extra record.
struct InfoPlacement {
    std::string serial;
    int display;
    int monitorIndex;   // -1: the simulated monitor picks its own
    bool extra;
};

class Simulator {
public:
    using PlugListener = std::function<void(const PlugEvent&)>;

    Simulator();   // with the default scenario
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // A new scenario replaces the monitors; on a refusal nothing changes.
    bool load(const std::string& text, std::string& error);
    // Back to the start of the loaded scenario.
    void reset();

    // The ten library calls.
    int find();
    int update();
    int retrieve(int index, DWORD* handle);
    int release();
    int describe(DWORD handle, DWORD page, DWORD usage, DWORD* a, DWORD* b, DWORD* flag, DWORD* count);
    int readArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length);
    int writeArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length);
    int writeValue(DWORD handle, DWORD page, DWORD usage, DWORD value);
    int reportOn(DWORD handle, KvReportCallback callback, DWORD context);
    int reportOff(DWORD handle);

    // Control. Plug events go to the listener after the simulator's lock is
    // released, on the calling thread.
    void setPlugListener(PlugListener listener);
    // The action's own trace line (text, "-> ok" or "-> error") is written
    // before any report it causes, when text is given.
    bool perform(const SimAction& action, std::string& error, const std::string& text = "");
    bool get(int monitor, const FeatureInfo& feature, int mode, std::string& answer, std::string& error);
    std::vector<MonitorSummary> monitors() const;
    std::vector<std::string> list() const;
    bool waitReports(int timeoutMs);
    int offCallsWaiting() const { return m_pump.offCallsWaiting(); }
    LibraryMode mode() const;
    CallTrace& trace() { return m_trace; }

    // The monitor-information library's view.
    std::vector<InfoPlacement> infoPlacements() const;
    // 0, SimSeltuFails or SimSeltuFindsNone (DravoSim.h).
    int seltuCallFails();

private:
    struct Found {
        DWORD handle;
        size_t monitor;
    };

    int discover(bool update);
    // What a call answers: a failure as it is, a success as the mode says.
    int answer(int result, int positive) const;
    SimMonitor* byNumber(int number);
    SimMonitor* byHandle(DWORD handle, int& result);
    // The monitor and feature of a call, with the fault of its kind applied.
    int resolve(DWORD handle, DWORD page, DWORD usage, FaultKind fault, const void* buffer, SimMonitor*& monitor,
                const FeatureInfo*& info);
    const FeatureInfo* featureAt(DWORD page, DWORD usage) const;
    std::string callHead(const char* call, DWORD handle, DWORD page, DWORD usage, const SimMonitor* monitor) const;
    void post(const SimMonitor& monitor, const std::vector<SimReport>& reports);
    void queue(ReportPump::Report report);
    bool performLocked(const SimAction& action, bool quiet, std::vector<PlugEvent>& events, std::string& error);
    bool setLocked(SimMonitor& monitor, const SimAction& action, bool quiet, std::string& error);
    bool plugLocked(SimMonitor& monitor, bool plugIn, std::vector<PlugEvent>& events, std::string& error);
    bool reportLocked(SimMonitor& monitor, const SimAction& action, std::string& error);
    bool install(const Scenario& scenario, std::vector<PlugEvent>& events, std::string& error);
    void announce(const std::vector<PlugEvent>& events);
    void traceReport(const ReportPump::Report& report, bool delivered);

    mutable std::mutex m_mutex;
    std::string m_scenarioText;
    Scenario m_scenario;
    std::vector<SimMonitor> m_monitors;
    FaultTable m_faults;
    std::vector<Found> m_found;
    DWORD m_nextHandle = 0x1001;
    bool m_foundOnce = false;   // a KvFind of this process came first
    LibraryMode m_mode;
    PlugListener m_listener;
    std::vector<ReportPump::Report>* m_deferred = nullptr;
    CallTrace m_trace;
    ReportPump m_pump;
};
