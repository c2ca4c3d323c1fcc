#include "bench/MemoryMap.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

struct Module {
    ULONG_PTR start = 0, end = 0;
    std::string name;
};

std::vector<Module> ModulesOf(HANDLE process)
{
    std::vector<HMODULE> handles(512);
    DWORD needed = 0;
    std::vector<Module> modules;
    if (!EnumProcessModules(process, handles.data(), static_cast<DWORD>(handles.size() * sizeof(HMODULE)), &needed))
        return modules;
    handles.resize(std::min<size_t>(handles.size(), needed / sizeof(HMODULE)));
    for (HMODULE handle : handles) {
        MODULEINFO info{};
        char name[MAX_PATH] = {};
        if (!GetModuleInformation(process, handle, &info, sizeof info) ||
            !GetModuleBaseNameA(process, handle, name, sizeof name))
            continue;
        const auto start = reinterpret_cast<ULONG_PTR>(info.lpBaseOfDll);
        modules.push_back({start, start + info.SizeOfImage, name});
    }
    return modules;
}

// The place of a mapping that lies in no module image.
std::string KindOf(const std::string& path)
{
    if (path == "[heap]")
        return "unix heap (Wine's unix side, X11, fonts)";
    if (path.find(".so") != std::string::npos)
        return "unix libraries' data";
    if (path.empty())
        return "other anonymous (Windows heaps, stacks, Wine's own)";
    return "other: " + path;
}

std::string PlaceOf(const std::vector<Module>& modules, ULONG_PTR start, const std::string& path)
{
    for (const Module& module : modules) {
        if (start >= module.start && start < module.end)
            return "image " + module.name;
    }
    return KindOf(path);
}

} // namespace

MemoryMap::Shares MemoryMap::Of(HANDLE process, const UnixProcess& unixProcess)
{
    const std::vector<Module> modules = ModulesOf(process);
    std::istringstream smaps(unixProcess.ProcFile("smaps"));
    Shares shares;
    std::string line, place;
    while (std::getline(smaps, line)) {
        const size_t dash = line.find('-');
        const size_t space = line.find(' ');
        if (dash != std::string::npos && space != std::string::npos && dash < space &&
            line.find(':') > space) {
            // A mapping's header: range, permissions, offset, device, inode, path.
            const ULONG_PTR start = std::strtoull(line.substr(0, dash).c_str(), nullptr, 16);
            std::istringstream fields(line);
            std::string range, perms, offset, device, inode, path;
            fields >> range >> perms >> offset >> device >> inode;
            std::getline(fields >> std::ws, path);
            place = PlaceOf(modules, start, path);
        } else if (line.rfind("Anonymous:", 0) == 0) {
            shares[place] += std::strtod(line.c_str() + 10, nullptr) / 1024.0;
        }
    }
    return shares;
}
