#pragma once
// A scenario: the model profiles, the monitors made from them and the
// Windows display each stands on, extra records of the monitor-information
// library, and the actions (set, unplug, fault) that prepare the start.
// The text format is described in the README.
#include "standins/libdravo/MonitorProfile.h"
#include <string>
#include <vector>

struct ScenarioMonitor {
    int number;
    std::string profile;
    std::string serial;
    int display;
};

struct ScenarioInfoRecord {
    std::string serial;   // may be empty
    int display;
    int monitorIndex;
};

struct ScenarioAction {
    int line;
    std::vector<std::string> words;
};

class Scenario {
public:
    // The embedded default: two monitors of one model, one of another.
    static const char* defaultText();

    // The text of a scenario file: a regular file of at most 1 MiB, so that
    // a device or a pipe named by mistake neither blocks nor fills memory.
    static bool readFile(const std::string& path, std::string& text, std::string& error);

    // Refuses the whole text on the first bad line; error names the line.
    bool parse(const std::string& text, std::string& error);
    const MonitorProfile* profile(const std::string& name) const;

    std::vector<MonitorProfile> profiles;
    std::vector<ScenarioMonitor> monitors;
    std::vector<ScenarioInfoRecord> infoRecords;
    std::vector<ScenarioAction> actions;

private:
    bool parseLine(const std::vector<std::string>& words, int line, std::string& error);
    bool parseTopLevel(const std::vector<std::string>& words, int line, std::string& error);
    bool parseProfileLine(const std::vector<std::string>& words, std::string& error);
    bool parseValueLine(const std::vector<std::string>& words, std::string& error);
    bool parseModes(const std::vector<std::string>& words, std::string& error);
    bool parseMask(const std::vector<std::string>& words, std::string& error);
    bool parseBytes(const std::vector<std::string>& words, std::string& error);
    bool parseFeatureLine(const std::vector<std::string>& words, std::string& error);
    bool parseMonitor(const std::vector<std::string>& words, std::string& error);
    bool parseInfo(const std::vector<std::string>& words, std::string& error);
    bool finishProfile(std::string& error);

    MonitorProfile* m_open = nullptr;
};
