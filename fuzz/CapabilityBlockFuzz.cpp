// The capability block a monitor answers: any 256 bytes. The walk hands out
// only entries that end within the first 255 bytes, and each decoded field
// holds the bytes of its own entries and nothing else, as a plain walk of
// the block here reads them.
#include "FuzzCheck.h"
#include "device/CCapabilityBlock.h"

#include <algorithm>
#include <cstring>

namespace {

// The field an entry type fills, with its room; null for a type stepped over.
void* FieldOf(MonitorCapabilities& caps, BYTE type, size_t& room)
{
    static const BYTE maskTypes[] = {49, 50, 51, 61, 62, 77, 78, 79, 80, 84, 85, 86};
    static const int maskModes[] = {22, 23, 24, 33, 34, 40, 41, 42, 43, 44, 45, 46};
    for (size_t i = 0; i < sizeof maskTypes; ++i) {
        if (maskTypes[i] == type) {
            room = sizeof(DWORD);
            return &caps.dwModeFeatures[maskModes[i]];
        }
    }
    switch (type) {
    case 1: room = sizeof caps.wColorAdjust; return caps.wColorAdjust;
    case 5: room = sizeof caps.qwModes; return &caps.qwModes;
    case 6: room = sizeof caps.dwTemperatures; return &caps.dwTemperatures;
    case 14: room = sizeof caps.wGammas; return &caps.wGammas;
    case 15: room = sizeof caps.dwHotKeyCaps; return &caps.dwHotKeyCaps;
    case 17: room = sizeof caps.dwHotKeyCaps2; return &caps.dwHotKeyCaps2;
    case 63: room = sizeof caps.wGameGammas; return &caps.wGameGammas;
    default: return nullptr;
    }
}

// Entry 0 counts whatever its length; a later one only when it ends by byte
// 255. A later entry of a type lays its bytes over the earlier ones, but a
// gamma word is whole: it starts again from 0.
MonitorCapabilities Expected(const BYTE* block, bool& supported)
{
    MonitorCapabilities caps;
    std::memset(&caps, 0, sizeof caps);
    supported = false;
    for (int offset = 0; block[offset] != CCapabilityBlock::EndType;) {
        const BYTE type = block[offset];
        const size_t length = block[offset + 1];
        if (type == CCapabilityBlock::TypeFlags) {
            DWORD flags = 0;
            std::memcpy(&flags, block + offset + 2, std::min(length, sizeof flags));
            supported = supported || (flags & CCapabilityBlock::FlagSupported) != 0;
        }
        size_t room = 0;
        if (void* field = FieldOf(caps, type, room)) {
            if (type == 14 || type == 63)
                std::memset(field, 0, room);
            std::memcpy(field, block + offset + 2, std::min(length, room));
        }
        offset += static_cast<int>(length) + 2;
        if (offset > 254 || offset + block[offset + 1] + 2 > 255)
            break;
    }
    return caps;
}

} // namespace

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
    bool expectSupported = false;
    const MonitorCapabilities expected = Expected(block, expectSupported);
    FUZZ_CHECK(supported == expectSupported);
    FUZZ_CHECK(std::memcmp(caps.wColorAdjust, expected.wColorAdjust, sizeof caps.wColorAdjust) == 0);
    FUZZ_CHECK(caps.qwModes == expected.qwModes);
    FUZZ_CHECK(caps.dwTemperatures == expected.dwTemperatures);
    FUZZ_CHECK(caps.wGammas == expected.wGammas);
    FUZZ_CHECK(caps.dwHotKeyCaps == expected.dwHotKeyCaps);
    FUZZ_CHECK(caps.dwHotKeyCaps2 == expected.dwHotKeyCaps2);
    for (int mode = 0; mode < ColorModeCount; ++mode)
        FUZZ_CHECK(caps.dwModeFeatures[mode] == expected.dwModeFeatures[mode]);
    FUZZ_CHECK(caps.wGameGammas == expected.wGameGammas);
    return 0;
}
