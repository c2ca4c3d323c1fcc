// The monitor-control library's ten calls over the simulator engine, for the
// native sanitizer build of the device tests.
#include "NativeLibrary.h"
#include "device/DravoLibrary.h"
#include "standins/libdravo/Simulator.h"

Simulator& NativeSimulator()
{
    static Simulator simulator;
    return simulator;
}

extern "C" {

int KvFind() { return NativeSimulator().find(); }
int KvUpdate() { return NativeSimulator().update(); }
int KvRetrieve(int index, DWORD* hDevice) { return NativeSimulator().retrieve(index, hDevice); }
int KvRelease() { return NativeSimulator().release(); }

int KvGetFixedData(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD, DWORD* a, DWORD* b, DWORD* flag, DWORD* count)
{
    return NativeSimulator().describe(hDevice, usagePage, usage, a, b, flag, count);
}

int KvGetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length)
{
    return NativeSimulator().readArray(hDevice, usagePage, usage, buffer, length);
}

int KvSetFeatureArray(DWORD hDevice, DWORD usagePage, DWORD usage, BYTE* buffer, DWORD length)
{
    return NativeSimulator().writeArray(hDevice, usagePage, usage, buffer, length);
}

int KvSetFeatureValue(DWORD hDevice, DWORD usagePage, DWORD usage, DWORD value)
{
    return NativeSimulator().writeValue(hDevice, usagePage, usage, value);
}

int KvReportON(DWORD hDevice, KvReportCallback callback, KvReportAuxCallback, DWORD context)
{
    return NativeSimulator().reportOn(hDevice, callback, context);
}

int KvReportOFF(DWORD hDevice) { return NativeSimulator().reportOff(hDevice); }

} // extern "C"
