// The two calls of the maker's monitor-information library. The records
// join the displays Windows has to the simulated monitors of libdravo.dll
// in this process, so both libraries tell one story.
#include "device/SeltuLibrary.h"
#include "standins/libdravo/DravoSim.h"
#include "standins/libseltu/DisplayDevices.h"

#include <cstring>
#include <mutex>

namespace {

std::mutex recordsMutex;
std::vector<MonitorInfo> records;
bool recordsTaken = false;

std::vector<InfoPlacement> placements()
{
    std::vector<InfoPlacement> out;
    int count = SimInfoPlacementCount();
    for (int i = 0; i < count; ++i) {
        SimInfoPlacement p{};
        if (SimInfoPlacementAt(i, &p) == 0)
            out.push_back({std::string(p.serial, strnlen(p.serial, 8)), p.display, p.monitorIndex, p.extra != 0});
    }
    return out;
}

void takeRecords()
{
    records = MonitorInfoJoin::join(DisplayDevices::attached(), placements());
    recordsTaken = true;
}

void note(const std::string& line)
{
    SimTraceNote(line.c_str());
}

int findMonitors(int* count)
{
    if (!count) {
        note("KvnFindMonitors -> -1 count=null");
        return -1;
    }
    const int fault = SimSeltuCallFails();
    if (fault == SimSeltuFails) {
        *count = 0;
        note("KvnFindMonitors -> -1 count=0");
        return -1;
    }
    std::lock_guard<std::mutex> lock(recordsMutex);
    if (fault == SimSeltuFindsNone) {
        records.clear();   // nothing left for KvnGetMonitorInfo either
        recordsTaken = true;
    } else {
        takeRecords();
    }
    *count = static_cast<int>(records.size());
    note("KvnFindMonitors -> 0 count=" + std::to_string(*count));
    return 0;
}

int monitorInfo(int index, BYTE* record)
{
    std::lock_guard<std::mutex> lock(recordsMutex);
    if (!recordsTaken)
        takeRecords();
    std::string head = "KvnGetMonitorInfo index=" + std::to_string(index);
    if (!record) {
        note(head + " -> -1");
        return -1;
    }
    if (index < 0 || static_cast<size_t>(index) >= records.size()) {
        // A record that matches nothing rather than stale bytes.
        std::memset(record, 0, MonitorInfoRecord::Size);
        note(head + " -> -1");
        return -1;
    }
    const MonitorInfo& info = records[index];
    info.toRecord(record);
    note(head + " -> 0 serial=" + (info.serial.empty() ? "-" : info.serial.substr(0, 8)) +
         " monitor=" + info.monitorDevice + " display=" + info.displayDevice);
    return 0;
}

} // namespace

extern "C" {

SELTU_API int SELTU_CALL KvnFindMonitors(int* count, DWORD)
{
    try {
        return findMonitors(count);
    } catch (...) {
        return -1;
    }
}

SELTU_API int SELTU_CALL KvnGetMonitorInfo(int index, BYTE* record, DWORD)
{
    try {
        return monitorInfo(index, record);
    } catch (...) {
        return -1;
    }
}

} // extern "C"
