// Feature reads and writes per second through the feature channel against
// the simulated monitors, and a read through the channel against the same
// library calls made directly (its description, then the array).
// Run: build-dev/wine-run build-dev/bin/bench_feature_channel.exe
#include "device/CHIDMonitor.h"
#include "device/DravoApi.h"
#include "device/DeviceDiscovery.h"
#include "device/MonitorFeatures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Microseconds per call.
template <class Operation>
double Measure(const char* what, int calls, Operation operation)
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
    return seconds * 1e6 / calls;
}

// The two library calls a channel read makes, without the channel; the reply
// holds the channel's largest payload and its leading byte.
bool ReadDirectly(DWORD handle, const FeatureAddress& feature, BYTE* reply)
{
    const DravoApi& library = DravoApi::Library();
    DWORD a = 0, b = 0, flag = 0, count = 0;
    return library.getFixedData(handle, feature.usagePage, feature.usage, 0, &a, &b, &flag, &count) >= 0 &&
           flag == 0 && count <= CHIDMonitor::MaxPayload &&
           library.getFeatureArray(handle, feature.usagePage, feature.usage, reply, count + 1) >= 0;
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
    BYTE reply[CHIDMonitor::MaxPayload + 1];
    const DWORD handle = DeviceDiscovery::FromEntry(handles.GetHead());
    // Alternated, so that a warm-up or a busy moment weighs on both; the
    // fastest round of each is the cost without the noise.
    double channelUs = 1e9, directUs = 1e9;
    for (int round = 0; round < 5; ++round) {
        channelUs = std::min(channelUs, Measure("read 2 bytes (brightness)", calls, [&](int) {
                                 return channel.GetFeature(buffer, 2, FEATURE_BRIGHTNESS);
                             }));
        directUs = std::min(directUs, Measure("the same two library calls directly", calls, [&](int) {
                                return ReadDirectly(handle, FEATURE_BRIGHTNESS, reply);
                            }));
    }
    std::printf("%-34s %.2f\n", "ratio, channel to direct", channelUs / directUs);
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
