#pragma once
// What the simulated monitors saw, from the call trace, for one monitor (its
// scenario number) in call order: each write as "<feature> <bytes>" (payload
// and the library's extra byte; a single-value write as "=<value>"), each
// read as its feature.
#include "framework/WinTypes.h"

#include <string>
#include <vector>

std::vector<std::string> SimWrites(int monitor);
std::vector<std::string> SimWrittenFeatures(int monitor);
std::vector<std::string> SimReads(int monitor);
// A value as the monitor keeps it ("brightness", "gamma mode 22"); -1 when unreadable.
long SimValue(int monitor, const std::string& feature);
