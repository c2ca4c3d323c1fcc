#include "device/CCapabilityBlock.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"

#include <algorithm>
#include <cstring>

namespace {

// Entries must end within the first 255 bytes; byte 255 is never data.
constexpr int LastEntryEnd = 255;
constexpr int LastEntryOffset = 254;

BYTE EntryType(const BYTE* entry)
{
    return entry[0];
}

BYTE EntryLength(const BYTE* entry)
{
    return entry[1];
}

// The colour mode whose feature mask an entry type carries, or -1.
int ModeOfFeatureMask(BYTE type)
{
    switch (type) {
    case 49: return 22;
    case 50: return 23;
    case 51: return 24;
    case 61: return 33;
    case 62: return 34;
    case 77: return 40;
    case 78: return 41;
    case 79: return 42;
    case 80: return 43;
    case 84: return 44;
    case 85: return 45;
    case 86: return 46;
    default: return -1;
    }
}

} // namespace

void CCapabilityBlock::Walk(const BYTE* block, const std::function<bool(const BYTE* entry)>& visit)
{
    int offset = 0;
    while (EntryType(block + offset) != EndType) {
        if (!visit(block + offset))
            return;
        offset += EntryLength(block + offset) + 2;
        if (offset > LastEntryOffset || offset + EntryLength(block + offset) + 2 > LastEntryEnd)
            return;
    }
}

void CCapabilityBlock::CopyReplyPayload(const BYTE* entry, void* destination, size_t size)
{
    const size_t n = std::min<size_t>(EntryLength(entry), size);
    std::memcpy(destination, entry + 2, n);
}

bool CCapabilityBlock::IsSupportedMonitor(const BYTE* block)
{
    bool supported = false;
    Walk(block, [&](const BYTE* entry) {
        if (EntryType(entry) != TypeFlags)
            return true;
        DWORD flags = 0;
        CopyReplyPayload(entry, &flags, sizeof flags);
        supported = (flags & FlagSupported) != 0;
        // A later flags entry may still carry the bit.
        return !supported;
    });
    return supported;
}

void CCapabilityBlock::Store(const BYTE* entry, MonitorCapabilities& caps)
{
    const BYTE type = EntryType(entry);
    const int mode = ModeOfFeatureMask(type);
    if (mode >= 0) {
        CopyReplyPayload(entry, &caps.dwModeFeatures[mode], sizeof(DWORD));
        return;
    }
    switch (type) {
    case 1: CopyReplyPayload(entry, caps.wColorAdjust, sizeof caps.wColorAdjust); break;
    case 5: CopyReplyPayload(entry, &caps.qwModes, sizeof caps.qwModes); break;
    case 6: CopyReplyPayload(entry, &caps.dwTemperatures, sizeof caps.dwTemperatures); break;
    // The gamma words are whole u16 values: never read beyond the entry.
    case 14: caps.wGammas = 0; CopyReplyPayload(entry, &caps.wGammas, sizeof caps.wGammas); break;
    case 15: CopyReplyPayload(entry, &caps.dwHotKeyCaps, sizeof caps.dwHotKeyCaps); break;
    case 17: CopyReplyPayload(entry, &caps.dwHotKeyCaps2, sizeof caps.dwHotKeyCaps2); break;
    case 63: caps.wGameGammas = 0; CopyReplyPayload(entry, &caps.wGameGammas, sizeof caps.wGameGammas); break;
    default: break;
    }
}

MonitorCapabilities CCapabilityBlock::Parse(const BYTE* block)
{
    MonitorCapabilities caps;
    std::memset(&caps, 0, sizeof caps);
    Walk(block, [&](const BYTE* entry) {
        Store(entry, caps);
        return true;
    });
    return caps;
}

bool CCapabilityBlock::ReadBlock(CHIDMonitor& channel, BYTE* block)
{
    std::memset(block, 0, Size);
    return channel.GetFeature(block, FeatureCapabilitiesSize, FEATURE_CAPABILITIES);
}

bool CCapabilityBlock::IsSupportedMonitor(CHIDMonitor& channel)
{
    BYTE block[Size];
    return ReadBlock(channel, block) && IsSupportedMonitor(block);
}

MonitorCapabilities CCapabilityBlock::Read(CHIDMonitor& channel)
{
    BYTE block[Size];
    if (ReadBlock(channel, block))
        return Parse(block);
    MonitorCapabilities caps;
    std::memset(&caps, 0, sizeof caps);
    return caps;
}
