#pragma once
// Where the private memory of a Wine process lies. Wine counts as private
// the anonymous resident pages of the process (RssAnon); the Linux memory map
// tells them per mapping, the Windows module list which mapping belongs to
// which image.
#include "bench/UnixProcess.h"

#include <windows.h>

#include <map>
#include <string>

class MemoryMap {
public:
    // MiB by place: "image <module>" for each module, then the rest by kind.
    using Shares = std::map<std::string, double>;

    static Shares Of(HANDLE process, const UnixProcess& unixProcess);
};
