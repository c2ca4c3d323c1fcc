#pragma once
// What the simulated monitors saw, from the call trace: each write as
// "<feature> <bytes>" ("0x82:0x10 290000": the payload and the library's
// extra byte; a single-value write as "0xFF01:0xA1 =1"), each read as its
// feature, in call order, for one monitor (its scenario number).
#include "framework/WinTypes.h"

#include <string>
#include <vector>

std::vector<std::string> SimWrites(int monitor);
std::vector<std::string> SimReads(int monitor);
// The features written to a monitor, without their bytes.
std::vector<std::string> SimWrittenFeatures(int monitor);
// Loads a scenario text through a file, as the control tool would.
bool SimLoadText(const std::string& text);
// The handles of the plugged monitors after a first discovery, in scenario order.
std::vector<DWORD> SimDiscover();
// A value as the monitor keeps it in its current mode; -1 when unreadable.
long SimValue(int monitor, const std::string& feature);
