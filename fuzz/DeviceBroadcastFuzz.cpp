// A device-change broadcast as any process may send it: any event and any
// record whose stated size is no larger than the bytes that arrived (the
// system copies the record by that size). The decode reads nothing past the
// stated size, keeps the name upper-case and terminated, and reports an
// event only for a device-interface record.
#include "FuzzCheck.h"
#include "device/CDeviceBroadcast.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const WPARAM event = input.ConsumeBool() ? (input.ConsumeBool() ? CDeviceBroadcast::EventArrival
                                                                    : CDeviceBroadcast::EventRemoveComplete)
                                             : input.ConsumeIntegral<WORD>();
    std::vector<BYTE> record = input.ConsumeRemainingBytes<BYTE>();
    // Every broadcast holds at least its 12-byte header.
    if (record.size() < 12)
        record.resize(12, 0);
    DWORD stated;
    std::memcpy(&stated, record.data(), sizeof stated);
    if (stated > record.size()) {
        stated = static_cast<DWORD>(record.size());
        std::memcpy(record.data(), &stated, sizeof stated);
    }
    // Exactly the stated bytes, so that the sanitizer sees any read beyond.
    std::vector<BYTE> exact(record.begin(), record.begin() + (stated < 12 ? 12 : stated));

    DeviceIdInfo info;
    std::memset(&info, 0x5A, sizeof info);
    const int result = CDeviceBroadcast::Parse(event, exact.data(), &info);
    FUZZ_CHECK(result >= CDeviceBroadcast::ResultOther && result <= CDeviceBroadcast::ResultRemoval);

    DWORD type;
    std::memcpy(&type, exact.data() + 4, sizeof type);
    const bool filled = info.vendorId != 0x5A5A || info.name[0] != 0x5A;
    if (type != CDeviceBroadcast::TypeDeviceInterface || stated < 28 || event == 0) {
        FUZZ_CHECK(result == CDeviceBroadcast::ResultOther && !filled);
        return 0;
    }
    FUZZ_CHECK(filled);
    const size_t length = strnlen(info.name, sizeof info.name);
    FUZZ_CHECK(length < sizeof info.name);
    FUZZ_CHECK(length <= stated - 28);
    for (size_t i = 0; i < length; ++i)
        FUZZ_CHECK(!(info.name[i] >= 'a' && info.name[i] <= 'z'));
    return 0;
}
