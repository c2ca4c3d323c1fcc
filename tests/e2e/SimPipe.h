#pragma once
// The control pipe of the simulated monitors inside a running talvex.exe
// (\\.\pipe\TalvexSim-<pid>): a change at a monitor, a value read at the
// monitor itself, without going through the program.
#include "standins/talvexsim/PipeClient.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class SimPipe {
public:
    explicit SimPipe(DWORD pid) : m_pid(pid) {}

    // One command; false with the status line in status when it failed.
    bool Request(const std::string& command, std::vector<std::string>& answer, std::string& status);
    // The answer's one line (a value), or "error ..." when the command failed.
    std::string Ask(const std::string& command);

private:
    DWORD m_pid;
    std::unique_ptr<PipeClient> m_client;
};
