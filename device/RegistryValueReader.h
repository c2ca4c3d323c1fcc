#pragma once
// The reading rules of registry values, apart from the registry itself: the
// caller hands in a query that answers like RegQueryValueExA on an opened
// key, so the rules build and are checked without windows. The typed reads
// take a value only with the type and size the settings layout gives it;
// anything else reads as missing and the caller keeps its default. No read
// ever trusts a size the query reports beyond the room it was given.
#include "framework/WinTypes.h"

#include <functional>

class RegistryValueReader {
public:
    static constexpr DWORD TypeNone = 0;     // REG_NONE
    static constexpr DWORD TypeString = 1;   // REG_SZ
    static constexpr DWORD TypeBinary = 3;   // REG_BINARY
    static constexpr DWORD TypeDword = 4;    // REG_DWORD
    static constexpr LONG Success = 0;       // ERROR_SUCCESS

    // Fills *type and up to *size bytes of data (*size holds the room on the
    // way in and the stored size on the way out); Success or an error code.
    using Query = std::function<LONG(DWORD* type, BYTE* data, DWORD* size)>;

    // A REG_DWORD of 4 bytes.
    static int ReadDword(const Query& query, DWORD* out);
    // A REG_BINARY of exactly size bytes.
    static int ReadBinary(const Query& query, BYTE* buffer, DWORD size);
    // A REG_SZ that fits the buffer with its NUL (one stored without its NUL
    // gets one when there is room).
    static int ReadString(const Query& query, char* buffer, DWORD bufferSize);
    // Any type as stored; strings come back NUL-terminated.
    static int ReadAny(const Query& query, void* buffer, DWORD bufferSize);

private:
    static constexpr DWORD AnyType = 0xFFFFFFFF;

    static int ReadAs(const Query& query, DWORD wantedType, void* buffer, DWORD bufferSize);
    // The value into a scratch buffer one byte larger than the room, so that
    // a string without its NUL can be terminated.
    static bool Fetch(const Query& query, DWORD room, DWORD& type, BYTE* scratch, DWORD& size);
    static bool Terminate(DWORD type, BYTE* scratch, DWORD room, DWORD& size);
};
