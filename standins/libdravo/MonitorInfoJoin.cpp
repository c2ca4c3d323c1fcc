#include "standins/libdravo/MonitorInfoJoin.h"

#include <cctype>
#include <cstring>
#include <map>

namespace {

std::string displayName(int number)
{
    return "\\\\.\\DISPLAY" + std::to_string(number);
}

void putText(BYTE* record, int offset, int room, const std::string& text)
{
    size_t length = text.size() < size_t(room - 1) ? text.size() : size_t(room - 1);
    std::memcpy(record + offset, text.data(), length);
}

} // namespace

void MonitorInfo::toRecord(BYTE* record) const
{
    std::memset(record, 0, MonitorInfoRecord::Size);
    // The serial field holds 8 characters with no room for a NUL; readers stop at 8.
    std::memcpy(record + MonitorInfoRecord::SerialOffset, serial.data(),
                serial.size() < size_t(MonitorInfoRecord::SerialLength) ? serial.size()
                                                                         : size_t(MonitorInfoRecord::SerialLength));
    putText(record, MonitorInfoRecord::MonitorDeviceOffset, MonitorInfoRecord::MonitorDeviceLength, monitorDevice);
    putText(record, MonitorInfoRecord::DisplayDeviceOffset, MonitorInfoRecord::DisplayDeviceLength, displayDevice);
}

int MonitorInfoJoin::displayNumber(const std::string& adapterName)
{
    size_t at = adapterName.find("DISPLAY");
    if (at == std::string::npos)
        return 0;
    int number = 0;
    for (size_t i = at + 7; i < adapterName.size() && std::isdigit(static_cast<unsigned char>(adapterName[i])); ++i)
        number = number < 100000 ? number * 10 + (adapterName[i] - '0') : number;
    return number;
}

const DisplayAdapter* MonitorInfoJoin::adapterFor(const std::vector<DisplayAdapter>& adapters, int display)
{
    const DisplayAdapter* highest = nullptr;
    for (const DisplayAdapter& adapter : adapters) {
        int number = displayNumber(adapter.name);
        if (number == display)
            return &adapter;
        if (!highest || number > displayNumber(highest->name))
            highest = &adapter;
    }
    return highest;
}

std::vector<MonitorInfo> MonitorInfoJoin::join(const std::vector<DisplayAdapter>& adapters,
                                               const std::vector<InfoPlacement>& placements)
{
    std::vector<MonitorInfo> records;
    std::map<std::string, size_t> placedOn;
    for (const InfoPlacement& placement : placements) {
        if (placement.extra) {
            std::string display = displayName(placement.display);
            records.push_back({placement.serial, display + "\\Monitor" + std::to_string(placement.monitorIndex), display});
            continue;
        }
        const DisplayAdapter* adapter = adapterFor(adapters, placement.display);
        if (!adapter) {
            // No display at all: name the one the scenario asked for.
            std::string display = displayName(placement.display);
            records.push_back({placement.serial, display + "\\Monitor0", display});
            continue;
        }
        size_t k = placedOn[adapter->name]++;
        std::string monitor = adapter->monitors.empty() ? adapter->name + "\\Monitor0"
                              : k < adapter->monitors.size() ? adapter->monitors[k]
                                                             : adapter->monitors.front();
        records.push_back({placement.serial, monitor, adapter->name});
    }
    return records;
}
