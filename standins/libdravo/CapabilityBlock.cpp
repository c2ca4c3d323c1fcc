#include "standins/libdravo/CapabilityBlock.h"

// The terminator must stand within the first 255 bytes too.
static constexpr size_t kUsable = 255;

bool CapabilityBlock::add(BYTE type, const BYTE* data, size_t length)
{
    if (length > 0xFF || m_offset + 2 + length + 1 > kUsable)
        return false;
    m_out[m_offset] = type;
    m_out[m_offset + 1] = static_cast<BYTE>(length);
    for (size_t i = 0; i < length; ++i)
        m_out[m_offset + 2 + i] = data[i];
    m_offset += 2 + length;
    return true;
}

bool CapabilityBlock::addUnsigned(BYTE type, uint64_t value, size_t length)
{
    BYTE bytes[8] = {};
    for (size_t i = 0; i < length && i < 8; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    return add(type, bytes, length);
}

bool CapabilityBlock::finish()
{
    if (m_offset >= kUsable)
        return false;
    m_out[m_offset] = 0xFF;
    return true;
}

bool CapabilityBlock::build(const MonitorProfile& profile, Bytes& out, std::string* error)
{
    out.fill(0);
    if (profile.rawBlockSet) {
        out = profile.rawBlock;
        return true;
    }
    CapabilityBlock block(out);
    bool ok = block.addUnsigned(4, profile.flags, 4) && block.addUnsigned(1, profile.colorAdjust, 8) &&
              block.addUnsigned(5, profile.modes, 8) && block.addUnsigned(6, profile.temperatures, 4) &&
              block.addUnsigned(14, profile.gammas, 2) && block.addUnsigned(63, profile.gameGammas, 2) &&
              block.addUnsigned(15, profile.hotKeyCaps, 4) && block.addUnsigned(17, profile.hotKeyCaps2, 4);
    for (int mode = 0; ok && mode < MonitorProfile::ModeCount; ++mode) {
        int type = MonitorProfile::maskEntryType(mode);
        if (type >= 0 && (profile.supportsMode(mode) || profile.modeFeatures[mode] != 0))
            ok = block.addUnsigned(static_cast<BYTE>(type), profile.modeFeatures[mode], 4);
    }
    for (const CapabilityEntry& entry : profile.extraEntries) {
        if (!ok)
            break;
        ok = block.add(entry.type, entry.data.data(), entry.data.size());
    }
    ok = ok && block.finish();
    if (!ok && error)
        *error = "the capability entries do not fit in 255 bytes";
    return ok;
}
