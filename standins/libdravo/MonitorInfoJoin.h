#pragma once
// The records of the monitor-information library: the simulated monitors
// placed on the Windows displays that really exist, then the scenario's
// extra records. A monitor whose display does not exist stands on the
// highest-numbered display that does; the k-th monitor placed on a display
// takes that display's k-th monitor device (its first when there are fewer).
#include "device/SeltuLibrary.h"
#include "standins/libdravo/Simulator.h"
#include <string>
#include <vector>

struct DisplayAdapter {
    std::string name;                   // "\\.\DISPLAY1"
    std::vector<std::string> monitors;  // "\\.\DISPLAY1\Monitor0", ...
};

struct MonitorInfo {
    std::string serial;
    std::string monitorDevice;
    std::string displayDevice;

    // The 660-byte record: serial at 0, monitor device at 54, display device
    // at 86, each cut to its field and NUL-terminated; every other byte 0.
    void toRecord(BYTE* record) const;
};

class MonitorInfoJoin {
public:
    // The number after "DISPLAY" in an adapter name; 0 when there is none.
    static int displayNumber(const std::string& adapterName);
    static std::vector<MonitorInfo> join(const std::vector<DisplayAdapter>& adapters,
                                         const std::vector<InfoPlacement>& placements);

private:
    static const DisplayAdapter* adapterFor(const std::vector<DisplayAdapter>& adapters, int display);
};
