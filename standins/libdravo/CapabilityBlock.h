#pragma once
// The 256-byte capability block a monitor answers to 0xFF00:0xCE: a run of
// {type, length, data} entries from offset 0, little-endian, ended by type
// 0xFF. Every entry must end within the first 255 bytes, because readers
// never take byte 255 as data.
#include "standins/libdravo/MonitorProfile.h"
#include <array>
#include <string>

class CapabilityBlock {
public:
    static constexpr int Size = 256;
    using Bytes = std::array<BYTE, Size>;

    // The block a profile announces; false (and why) when its entries do not fit.
    static bool build(const MonitorProfile& profile, Bytes& out, std::string* error = nullptr);

private:
    CapabilityBlock(Bytes& out) : m_out(out) {}
    bool add(BYTE type, const BYTE* data, size_t length);
    bool addUnsigned(BYTE type, uint64_t value, size_t length);
    bool finish();

    Bytes& m_out;
    size_t m_offset = 0;
};
