#pragma once
// The control language shared by the pipe, the test interface and the
// control tool: one command per line, answered by zero or more lines and a
// last line "ok" or "error <why>". Besides the scenario's actions (set,
// plug, unplug, fault, library) it knows report, burst, get, list, trace,
// wait, reset, load and help.
#include "standins/libdravo/Simulator.h"
#include <string>
#include <vector>

class CommandInterpreter {
public:
    explicit CommandInterpreter(Simulator& simulator) : m_simulator(simulator) {}

    // Runs one line; out gets the answer lines without the status.
    bool run(const std::string& line, std::vector<std::string>& out, std::string& error);
    // The whole answer, status line included, each line ended by "\n".
    std::string answer(const std::string& line);
    static const char* helpText();
    // The pipe on which a process serves this language: "\\.\pipe\TalvexSim-<pid>".
    static std::string pipeName(unsigned long processId);

private:
    bool get(const std::vector<std::string>& words, std::vector<std::string>& out, std::string& error);
    bool trace(const std::vector<std::string>& words, std::vector<std::string>& out, std::string& error);
    bool wait(const std::vector<std::string>& words, std::string& error);
    bool loadFile(const std::vector<std::string>& words, std::string& error);
    bool action(const std::vector<std::string>& words, const std::string& line, std::string& error);

    Simulator& m_simulator;
};
