// The ten calls of the maker's monitor-control library, answered by the
// simulated monitors. Nothing may unwind into the caller: an exception
// (only running out of memory can raise one) answers as a failure.
#include "device/DravoLibrary.h"
#include "standins/libdravo/SimErrors.h"
#include "standins/libdravo/SimulatorHost.h"

namespace {

template <typename Call>
int guarded(Call call)
{
    try {
        SimulatorHost& host = SimulatorHost::instance();
        host.use();
        return call(host.simulator());
    } catch (...) {
        return SimNoDevice;
    }
}

} // namespace

extern "C" {

DRAVO_API int DRAVO_CALL KvFind()
{
    return guarded([](Simulator& sim) { return sim.find(); });
}

DRAVO_API int DRAVO_CALL KvUpdate()
{
    return guarded([](Simulator& sim) { return sim.update(); });
}

DRAVO_API int DRAVO_CALL KvRetrieve(int index, DWORD* hDevice)
{
    return guarded([&](Simulator& sim) { return sim.retrieve(index, hDevice); });
}

DRAVO_API int DRAVO_CALL KvRelease()
{
    int result = guarded([](Simulator& sim) { return sim.release(); });
    SimulatorHost::instance().release();
    return result;
}

DRAVO_API int DRAVO_CALL KvGetFixedData(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD, DWORD* a, DWORD* b,
                                        DWORD* flag, DWORD* count)
{
    return guarded([&](Simulator& sim) { return sim.describe(hDevice, usagePage, usage, a, b, flag, count); });
}

DRAVO_API int DRAVO_CALL KvGetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length)
{
    return guarded([&](Simulator& sim) { return sim.readArray(hDevice, usagePage, usage, buffer, length); });
}

DRAVO_API int DRAVO_CALL KvSetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length)
{
    return guarded([&](Simulator& sim) { return sim.writeArray(hDevice, usagePage, usage, buffer, length); });
}

DRAVO_API int DRAVO_CALL KvSetFeatureValue(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD value)
{
    return guarded([&](Simulator& sim) { return sim.writeValue(hDevice, usagePage, usage, value); });
}

DRAVO_API int DRAVO_CALL KvReportON(DWORD hDevice, KvReportCallback callback, KvReportAuxCallback, DWORD reserved)
{
    return guarded([&](Simulator& sim) { return sim.reportOn(hDevice, callback, reserved); });
}

DRAVO_API int DRAVO_CALL KvReportOFF(DWORD hDevice)
{
    return guarded([&](Simulator& sim) { return sim.reportOff(hDevice); });
}

} // extern "C"
