#pragma once
// Drives the simulated monitors behind the library calls with the
// simulator's own command language ("reset", "fault 2 zero-handle",
// "burst 1 1000", "trace clear" ...): in-process on both builds.
#include <string>
#include <vector>

// Runs one command; lines gets the answer lines without the status line.
bool SimRun(const std::string& command, std::vector<std::string>* lines = nullptr);
// Back to the scenario's start: no faults, an empty trace.
bool SimFreshStart();
// The trace lines written since the last "trace clear" that contain text.
std::vector<std::string> SimTraceWith(const std::string& text);
