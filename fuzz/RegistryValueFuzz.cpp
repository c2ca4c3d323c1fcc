// Registry values as the store reads them, behind the query seam: any type,
// any data, and a query that may even report more bytes than it was given
// room for. A typed read succeeds only for its own type and size and never
// writes past the caller's buffer; a failed read leaves the buffer alone.
#include "FuzzCheck.h"
#include "device/RegistryValueReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr BYTE Guard = 0xA5;
constexpr size_t GuardBytes = 16;

struct StoredValue {
    LONG result;
    DWORD type;
    DWORD reportedSize;
    std::vector<BYTE> bytes;
    bool lies;   // reports its own size whatever the room
};

RegistryValueReader::Query QueryOf(const StoredValue& value)
{
    return [&value](DWORD* type, BYTE* data, DWORD* size) -> LONG {
        *type = value.type;
        const DWORD room = *size;
        const DWORD stored = static_cast<DWORD>(value.bytes.size());
        if (value.result != RegistryValueReader::Success) {
            *size = value.reportedSize;
            return value.result;
        }
        if (stored > room && !value.lies) {
            *size = stored;
            return 234;   // ERROR_MORE_DATA
        }
        if (stored > 0 && room > 0)
            std::memcpy(data, value.bytes.data(), std::min(stored, room));
        *size = value.lies ? value.reportedSize : stored;
        return RegistryValueReader::Success;
    };
}

// The caller's buffer with guard bytes behind it.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t size) : bytes(size + GuardBytes, Guard), size(size) {}
    bool GuardIntact() const
    {
        return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(size), bytes.end(),
                           [](BYTE b) { return b == Guard; });
    }
    bool Untouched() const
    {
        return std::all_of(bytes.begin(), bytes.end(), [](BYTE b) { return b == Guard; });
    }
    std::vector<BYTE> bytes;
    size_t size;
};

void CheckDword(const StoredValue& value)
{
    DWORD out = 0x12345678;
    if (RegistryValueReader::ReadDword(QueryOf(value), &out)) {
        FUZZ_CHECK(value.type == RegistryValueReader::TypeDword);
        if (value.lies)
            return;   // a lying query cannot be caught, only kept inside the room
        FUZZ_CHECK(value.bytes.size() == 4);
        DWORD stored;
        std::memcpy(&stored, value.bytes.data(), 4);
        FUZZ_CHECK(out == stored);
    } else {
        FUZZ_CHECK(out == 0x12345678);
    }
}

void CheckBinary(const StoredValue& value, size_t size)
{
    GuardedBuffer buffer(size);
    if (RegistryValueReader::ReadBinary(QueryOf(value), buffer.bytes.data(), static_cast<DWORD>(size))) {
        FUZZ_CHECK(value.type == RegistryValueReader::TypeBinary);
        if (!value.lies) {
            FUZZ_CHECK(value.bytes.size() == size);
            FUZZ_CHECK(std::memcmp(buffer.bytes.data(), value.bytes.data(), size) == 0);
        }
    } else {
        FUZZ_CHECK(buffer.Untouched());
    }
    FUZZ_CHECK(buffer.GuardIntact());
}

void CheckString(const StoredValue& value, size_t size)
{
    GuardedBuffer buffer(size);
    const char* text = reinterpret_cast<const char*>(buffer.bytes.data());
    if (RegistryValueReader::ReadString(QueryOf(value), reinterpret_cast<char*>(buffer.bytes.data()),
                                        static_cast<DWORD>(size))) {
        FUZZ_CHECK(value.type == RegistryValueReader::TypeString);
        FUZZ_CHECK(memchr(text, 0, size) != nullptr);
    } else {
        FUZZ_CHECK(buffer.Untouched());
    }
    FUZZ_CHECK(buffer.GuardIntact());
}

void CheckAny(const StoredValue& value, size_t size)
{
    GuardedBuffer buffer(size);
    if (!RegistryValueReader::ReadAny(QueryOf(value), buffer.bytes.data(), static_cast<DWORD>(size)))
        FUZZ_CHECK(buffer.Untouched());
    FUZZ_CHECK(buffer.GuardIntact());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    StoredValue value;
    value.result = input.ConsumeBool() ? RegistryValueReader::Success : input.ConsumeIntegral<LONG>();
    value.type = input.ConsumeIntegralInRange<DWORD>(0, 12);
    value.lies = input.ConsumeBool();
    value.reportedSize = input.ConsumeIntegral<DWORD>();
    const size_t room = input.ConsumeIntegralInRange<size_t>(0, 600);
    value.bytes = input.ConsumeRemainingBytes<BYTE>();

    CheckDword(value);
    CheckBinary(value, room);
    CheckBinary(value, 10);
    CheckString(value, room);
    CheckString(value, 260);
    CheckAny(value, room);
    return 0;
}
