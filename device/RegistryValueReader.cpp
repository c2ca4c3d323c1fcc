#include "device/RegistryValueReader.h"

#include <cstring>
#include <vector>

namespace {

bool IsStringType(DWORD type)
{
    constexpr DWORD ExpandString = 2;   // REG_EXPAND_SZ
    constexpr DWORD MultiString = 7;    // REG_MULTI_SZ
    return type == RegistryValueReader::TypeString || type == ExpandString || type == MultiString;
}

} // namespace

bool RegistryValueReader::Fetch(const Query& query, DWORD room, DWORD& type, BYTE* scratch, DWORD& size)
{
    type = TypeNone;
    size = room;
    return query(&type, scratch, &size) == Success && size <= room;
}

bool RegistryValueReader::Terminate(DWORD type, BYTE* scratch, DWORD room, DWORD& size)
{
    if (!IsStringType(type) || (size > 0 && scratch[size - 1] == 0))
        return true;
    if (size == room)
        return false;   // no room left for the NUL
    scratch[size++] = 0;
    return true;
}

int RegistryValueReader::ReadDword(const Query& query, DWORD* out)
{
    if (!out)
        return 0;
    BYTE bytes[sizeof(DWORD)] = {};
    DWORD type = TypeNone;
    DWORD size = 0;
    if (!Fetch(query, sizeof bytes, type, bytes, size) || type != TypeDword || size != sizeof bytes)
        return 0;
    std::memcpy(out, bytes, sizeof bytes);
    return 1;
}

int RegistryValueReader::ReadBinary(const Query& query, BYTE* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    std::vector<BYTE> scratch;
    try {
        scratch.assign(size, 0);
    } catch (...) {
        return 0;
    }
    DWORD type = TypeNone;
    DWORD stored = 0;
    if (!Fetch(query, size, type, scratch.data(), stored) || type != TypeBinary || stored != size)
        return 0;
    std::memcpy(buffer, scratch.data(), size);
    return 1;
}

int RegistryValueReader::ReadString(const Query& query, char* buffer, DWORD bufferSize)
{
    return ReadAs(query, TypeString, buffer, bufferSize);
}

int RegistryValueReader::ReadAny(const Query& query, void* buffer, DWORD bufferSize)
{
    return ReadAs(query, AnyType, buffer, bufferSize);
}

int RegistryValueReader::ReadAs(const Query& query, DWORD wantedType, void* buffer, DWORD bufferSize)
{
    if (!buffer || bufferSize == 0)
        return 0;
    std::vector<BYTE> scratch;
    try {
        scratch.assign(static_cast<size_t>(bufferSize) + 1, 0);
    } catch (...) {
        return 0;
    }
    DWORD type = TypeNone;
    DWORD size = 0;
    if (!Fetch(query, bufferSize, type, scratch.data(), size) || (wantedType != AnyType && type != wantedType) ||
        !Terminate(type, scratch.data(), bufferSize, size))
        return 0;
    std::memcpy(buffer, scratch.data(), size);
    return 1;
}
