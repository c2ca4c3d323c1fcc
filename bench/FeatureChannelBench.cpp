// Feature reads and writes per second through the feature channel against
// the simulated monitors. Run: build-dev/wine-run build-dev/bin/bench_feature_channel.exe
#include "device/CHIDMonitor.h"
#include "device/DeviceDiscovery.h"
#include "device/MonitorFeatures.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

template <class Operation>
void Measure(const char* what, int calls, Operation operation)
{
    int failed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        if (!operation(i))
            ++failed;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-34s %8d calls %9.0f per second %6.2f us each%s\n", what, calls, calls / seconds,
                seconds * 1e6 / calls, failed ? " (some failed)" : "");
}

} // namespace

int main(int argc, char** argv)
{
    const int calls = argc > 1 ? std::atoi(argv[1]) : 20000;
    CList<void*, void*> handles;
    int count = 0;
    if (!DeviceDiscovery::Find(FALSE, handles, count)) {
        std::printf("no monitor found\n");
        return 1;
    }
    CHIDMonitor channel;
    channel.SetHandle(DeviceDiscovery::FromEntry(handles.GetHead()));

    BYTE buffer[256];
    Measure("read 2 bytes (brightness)", calls,
            [&](int) { return channel.GetFeature(buffer, 2, FEATURE_BRIGHTNESS); });
    Measure("write 2 bytes (brightness)", calls, [&](int i) {
        const BYTE value[2] = {static_cast<BYTE>(i % 100), 0};
        return channel.SetFeature(value, 2, FEATURE_BRIGHTNESS);
    });
    Measure("read 24 bytes (identity)", calls,
            [&](int) { return channel.GetFeature(buffer, FeatureIdentitySize, FEATURE_IDENTITY); });
    Measure("read 256 bytes (capabilities)", calls,
            [&](int) { return channel.GetFeature(buffer, FeatureCapabilitiesSize, FEATURE_CAPABILITIES); });
    Measure("write single value (reset)", calls, [&](int) {
        const BYTE command = ResetColorAdjustment;
        return channel.SetFeature(&command, 1, FEATURE_RESET);
    });
    Measure("adjustment-permitted test", calls, [&](int) { return channel.IsAdjustmentPermitted(); });
    return 0;
}
