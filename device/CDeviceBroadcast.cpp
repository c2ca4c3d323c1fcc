#include "device/CDeviceBroadcast.h"

#include <algorithm>
#include <cstring>

namespace {

// DEV_BROADCAST_HDR: size, device type, reserved.
constexpr DWORD HeaderSize = 12;
// DEV_BROADCAST_DEVICEINTERFACE_A: the header, the class GUID, then the name.
constexpr DWORD NameOffset = 28;
constexpr size_t MarkerSpan = 8;   // "VID_" and four hexadecimal digits

DWORD ReadDword(const BYTE* record, size_t offset)
{
    DWORD value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

WORD CDeviceBroadcast::ReadId(const char* name, size_t length, const char* marker)
{
    size_t at = length;
    for (size_t i = 0; i + 4 <= length && at == length; ++i) {
        if (UpperAscii(name[i]) == marker[0] && UpperAscii(name[i + 1]) == marker[1] &&
            UpperAscii(name[i + 2]) == marker[2] && name[i + 3] == marker[3])
            at = i;
    }
    if (at == length || at + MarkerSpan > length)
        return 0;
    // Read like a hexadecimal stream would: the leading hex digits of the four.
    WORD id = 0;
    for (size_t i = at + 4; i < at + MarkerSpan && HexDigit(UpperAscii(name[i])) >= 0; ++i)
        id = static_cast<WORD>((id << 4) | HexDigit(UpperAscii(name[i])));
    return id;
}

int CDeviceBroadcast::Parse(WPARAM event, const void* header, DeviceIdInfo* out)
{
    if (event == 0 || !header)
        return ResultOther;
    const BYTE* record = static_cast<const BYTE*>(header);
    const DWORD size = ReadDword(record, 0);
    if (size < HeaderSize || ReadDword(record, 4) != TypeDeviceInterface)
        return ResultOther;
    // A device-interface record too short for its own head carries nothing.
    if (size < NameOffset)
        return ResultOther;

    // The name ends at its NUL or at the end of the record, whichever is first.
    const char* name = reinterpret_cast<const char*>(record + NameOffset);
    size_t length = 0;
    while (length < size - NameOffset && name[length] != '\0')
        ++length;
    if (out) {
        out->vendorId = ReadId(name, length, "VID_");
        out->productId = ReadId(name, length, "PID_");
        const size_t kept = std::min(length, sizeof out->name - 1);
        for (size_t i = 0; i < kept; ++i)
            out->name[i] = UpperAscii(name[i]);
        out->name[kept] = '\0';
    }
    if (event == EventArrival)
        return ResultArrival;
    if (event == EventRemoveComplete)
        return ResultRemoval;
    return ResultOther;
}
