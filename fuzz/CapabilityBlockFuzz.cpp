// The capability block a monitor answers: any 256 bytes. The walk hands out
// only entries that end within the first 255 bytes, and the decode stores
// no more than each field holds.
#include "FuzzCheck.h"
#include "device/CCapabilityBlock.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE block[CCapabilityBlock::Size] = {};
    std::memcpy(block, data, size < sizeof block ? size : sizeof block);

    int entries = 0;
    CCapabilityBlock::Walk(block, [&](const BYTE* entry) {
        const ptrdiff_t offset = entry - block;
        FUZZ_CHECK(offset >= 0 && offset <= 254);
        FUZZ_CHECK(entries == 0 || offset + entry[1] + 2 <= 255);
        ++entries;
        return true;
    });
    FUZZ_CHECK(entries <= 128);   // every entry takes at least two bytes

    const bool supported = CCapabilityBlock::IsSupportedMonitor(block);
    const MonitorCapabilities caps = CCapabilityBlock::Parse(block);
    FUZZ_CHECK(!supported || entries > 0);
    if (block[0] == CCapabilityBlock::EndType) {
        FUZZ_CHECK(!supported && caps.qwModes == 0 && caps.dwHotKeyCaps == 0);
    }
    return 0;
}
