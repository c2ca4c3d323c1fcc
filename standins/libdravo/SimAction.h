#pragma once
// One change to the simulated monitors, as a scenario line or a control
// command says it: set, plug, unplug, fault, report, burst, library. Parsing is
// shared so that the scenario, the pipe and the test interface agree.
#include "standins/libdravo/FaultTable.h"
#include "standins/libdravo/FeatureCatalog.h"
#include "standins/libdravo/LibraryMode.h"
#include <cstdint>
#include <string>
#include <vector>

struct SimAction {
    enum class Verb { Set, Plug, Unplug, Fault, ClearFaults, Report, Burst, Library };

    Verb verb = Verb::Set;
    int monitor = 0;                 // 0 = none (discovery, seltu, clear all)
    const FeatureInfo* feature = nullptr;
    WORD page = 0;                   // report: any address
    WORD usage = 0;
    uint64_t value = 0;
    int mode = -1;                   // -1 = the current mode
    bool quiet = false;              // set: no report
    FaultKind fault = FaultKind::Read;
    int times = -1;                  // fault: -1 = until cleared
    long long count = 0;             // discovery answer, burst size; seltu: 1 = empty
    WORD bitSize = 8;
    std::vector<BYTE> data;          // report payload
    LibraryMode::Switch librarySwitch = LibraryMode::Switch::Success;   // library: value is the choice

    static bool isVerb(const std::string& word);
    static bool parse(const std::vector<std::string>& words, SimAction& action, std::string& error);

private:
    static bool parseSet(const std::vector<std::string>& words, SimAction& action, std::string& error);
    static bool parseFault(const std::vector<std::string>& words, SimAction& action, std::string& error);
    static bool parseReport(const std::vector<std::string>& words, SimAction& action, std::string& error);
    static bool parseBurst(const std::vector<std::string>& words, SimAction& action, std::string& error);
    static bool parseLibrary(const std::vector<std::string>& words, SimAction& action, std::string& error);
};
