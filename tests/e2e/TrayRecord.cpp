#include "tests/e2e/TrayRecord.h"

#include <cstring>

namespace {

template <class T>
T At(const BYTE* bytes, size_t offset)
{
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

std::string TipText(const BYTE* bytes)
{
    std::string tip;
    for (size_t unit = 0; unit < TrayRecord::TipUnits; ++unit) {
        const WORD c = At<WORD>(bytes, TrayRecord::TipOffset + unit * 2);
        if (c == 0)
            break;
        tip += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return tip;
}

DWORD Fnv1a(const BYTE* bytes, size_t size)
{
    DWORD hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 16777619u;
    return hash;
}

} // namespace

bool TrayRecord::Decode(DWORD message, const void* data, size_t size, TrayRecord& record)
{
    if (!data || size < HeaderSize)
        return false;
    const BYTE* bytes = static_cast<const BYTE*>(data);
    TrayRecord decoded;
    decoded.message = message;
    decoded.owner = At<LONG>(bytes, OwnerOffset);
    decoded.id = At<UINT>(bytes, IdOffset);
    decoded.flags = At<UINT>(bytes, FlagsOffset);
    decoded.callback = At<UINT>(bytes, CallbackOffset);
    decoded.tip = TipText(bytes);
    if ((decoded.flags & FlagIcon) && size > HeaderSize) {
        decoded.iconWidth = At<UINT>(bytes, IconWidthOffset);
        decoded.iconHeight = At<UINT>(bytes, IconHeightOffset);
        decoded.iconHash = Fnv1a(bytes + HeaderSize, size - HeaderSize);
    }
    record = decoded;
    return true;
}
