#pragma once
// Finds running processes by executable name with a Toolhelp snapshot.
#include <windows.h>
#include <string>
#include <vector>

class ProcessFinder {
public:
    // Process ids whose executable name equals name (case-insensitive).
    static std::vector<DWORD> byName(const std::string& name);
};
