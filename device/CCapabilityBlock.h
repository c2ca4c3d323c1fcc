#pragma once
// The 256-byte capability block of a monitor: a run of type, length, data
// entries ending at type 0xFF. Walks it, tests whether the monitor is one the
// program drives, and decodes it into MonitorCapabilities.
#include "device/MonitorCapabilities.h"

#include <cstddef>
#include <functional>

class CHIDMonitor;

class CCapabilityBlock {
public:
    static constexpr int Size = 256;
    static constexpr BYTE EndType = 0xFF;
    static constexpr BYTE TypeFlags = 4;
    static constexpr DWORD FlagSupported = 0x200;

    // Calls visit(entry) for every entry the walk accepts; visit returns
    // false to stop. Entries never reach past byte 254.
    static void Walk(const BYTE* block, const std::function<bool(const BYTE* entry)>& visit);

    // Copies min(entry length, size) data bytes; the destination was zeroed
    // by its owner, so a short entry leaves the upper bytes 0.
    static void CopyReplyPayload(const BYTE* entry, void* destination, size_t size);

    static bool IsSupportedMonitor(const BYTE* block);
    static MonitorCapabilities Parse(const BYTE* block);

    // The same, reading the block through a channel already pointed at the
    // monitor. A failed read: not supported, every field 0.
    static bool IsSupportedMonitor(CHIDMonitor& channel);
    static MonitorCapabilities Read(CHIDMonitor& channel);

private:
    static bool ReadBlock(CHIDMonitor& channel, BYTE* block);
    static void Store(const BYTE* entry, MonitorCapabilities& caps);
};
