// The feature channel against a monitor-control library whose every answer
// comes from the input: descriptions of any count, maximum and flag, results
// of any sign and reply bytes of any value. A read never writes past the
// caller's buffer, copies no more than the smaller of its size and the
// described count and zeroes the rest; a failed one leaves the buffer zero
// and the maximum 0. A write sends exactly count + 1 bytes, the caller's
// padded with zero, after the pause when it is long, or one value. No data
// call follows an unusable or oversized description.
#include "FuzzCheck.h"
#include "device/CCapabilityBlock.h"
#include "device/CFeatureClock.h"
#include "device/CHIDMonitor.h"
#include "device/DravoApi.h"
#include "device/MonitorFeatures.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr BYTE Guard = 0xA5;
constexpr size_t GuardBytes = 16;
constexpr WORD Untouched = 0x5A5A;

// What the library was asked and answered during one channel operation.
struct Exchange {
    int describes = 0, reads = 0, arrayWrites = 0, valueWrites = 0, others = 0;
    DWORD handle = 0, page = 0, usage = 0;   // of the last call
    int describeResult = -1;
    DWORD a = 0, b = 0, flag = 0, count = 0;
    int readResult = -1;
    std::vector<BYTE> reply;   // all that the library put in the read buffer
    int writeResult = -1;
    std::vector<BYTE> sent;
    DWORD value = 0;
    int clockAtWrite = 0;

    bool Usable() const { return describeResult >= 0 && flag == 0 && count <= CHIDMonitor::MaxPayload; }
    bool Read() const { return Usable() && reads == 1 && readResult >= 0; }
    int DataCalls() const { return reads + arrayWrites + valueWrites; }
};

FuzzedDataProvider* input;
Exchange ex;
int clockReadings;

int Result()
{
    switch (input->ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return 0;
    case 1: return input->ConsumeIntegralInRange<int>(1, INT_MAX);
    case 2: return input->ConsumeIntegralInRange<int>(INT_MIN, -1);
    default: return 1;
    }
}

DWORD Count()
{
    switch (input->ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return input->ConsumeIntegralInRange<DWORD>(0, 9);
    case 1: return input->ConsumeIntegralInRange<DWORD>(0, CHIDMonitor::MaxPayload + 2);
    case 2: return 256;
    default: return input->ConsumeIntegral<DWORD>();
    }
}

short Size()
{
    switch (input->ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return input->ConsumeIntegralInRange<short>(-2, 9);
    case 1: return input->ConsumeIntegralInRange<short>(0, 300);
    case 2: return input->ConsumeIntegralInRange<short>(CHIDMonitor::MaxPayload - 2, CHIDMonitor::MaxPayload + 300);
    default: return input->ConsumeIntegral<short>();
    }
}

void Note(DWORD handle, DWORD page, DWORD usage)
{
    ex.handle = handle;
    ex.page = page;
    ex.usage = usage;
}

int DRAVO_CALL Describe(DWORD handle, DWORD page, DWORD usage, DWORD reserved, DWORD* a, DWORD* b, DWORD* flag,
                        DWORD* count)
{
    Note(handle, page, usage);
    ++ex.describes;
    FUZZ_CHECK(reserved == 0 && a && b && flag && count);
    // Preset by the channel: a library that leaves them alone describes nothing odd.
    FUZZ_CHECK(*flag == 0 && *count == 0);
    ex.describeResult = Result();
    ex.a = input->ConsumeIntegral<DWORD>();
    ex.b = input->ConsumeIntegral<DWORD>();
    ex.flag = input->ConsumeBool() ? 0 : input->ConsumeIntegral<DWORD>();
    ex.count = Count();
    // A failing library may still fill the outputs, or not.
    if (ex.describeResult >= 0 || input->ConsumeBool()) {
        *a = ex.a;
        *b = ex.b;
        *flag = ex.flag;
        *count = ex.count;
    }
    return ex.describeResult;
}

int DRAVO_CALL ReadArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    Note(handle, page, usage);
    ++ex.reads;
    FUZZ_CHECK(ex.describes == 1 && ex.Usable());
    FUZZ_CHECK(buffer && length == ex.count + 1);
    // The library fills the whole buffer, also when it then fails.
    ex.reply = input->ConsumeBytes<BYTE>(length);
    ex.reply.resize(length, input->ConsumeIntegral<BYTE>());
    std::memcpy(buffer, ex.reply.data(), length);
    ex.readResult = Result();
    return ex.readResult;
}

int DRAVO_CALL WriteArray(DWORD handle, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    Note(handle, page, usage);
    ++ex.arrayWrites;
    FUZZ_CHECK(ex.describes == 1 && ex.Usable() && ex.count > 0);
    FUZZ_CHECK(buffer && length == ex.count + 1);
    ex.sent.assign(buffer, buffer + length);
    ex.clockAtWrite = clockReadings;
    ex.writeResult = Result();
    return ex.writeResult;
}

int DRAVO_CALL WriteValue(DWORD handle, DWORD page, DWORD usage, DWORD value)
{
    Note(handle, page, usage);
    ++ex.valueWrites;
    FUZZ_CHECK(ex.describes == 1 && ex.Usable() && ex.count == 0);
    ex.value = value;
    ex.writeResult = Result();
    return ex.writeResult;
}

int DRAVO_CALL Other()
{
    ++ex.others;
    return -1;
}
int DRAVO_CALL OtherRetrieve(int, DWORD*) { return Other(); }
int DRAVO_CALL OtherReportOn(DWORD, KvReportCallback, KvReportAuxCallback, DWORD) { return Other(); }
int DRAVO_CALL OtherReportOff(DWORD) { return Other(); }

// A counter that moves one tick of a 1 kHz clock per reading: the pause
// before a long write takes two readings and no time.
ULONGLONG Frequency() { return 1000; }
ULONGLONG Counter() { return static_cast<ULONGLONG>(++clockReadings); }

void CheckAddress(DWORD handle, BYTE usage, WORD page)
{
    FUZZ_CHECK(ex.handle == handle && ex.page == page && ex.usage == usage);
}

bool AllZero(const BYTE* bytes, size_t size)
{
    return std::all_of(bytes, bytes + size, [](BYTE b) { return b == 0; });
}

// The caller's buffer with guard bytes behind it.
struct GuardedBuffer {
    explicit GuardedBuffer(size_t size) : size(size), bytes(size + GuardBytes, Guard) {}
    bool GuardIntact() const
    {
        return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(size), bytes.end(),
                           [](BYTE b) { return b == Guard; });
    }
    bool Untouched() const
    {
        return std::all_of(bytes.begin(), bytes.end(), [](BYTE b) { return b == Guard; });
    }
    size_t size;
    std::vector<BYTE> bytes;
};

void CheckRead(CHIDMonitor& channel, BYTE usage, WORD page, short size)
{
    const bool noBuffer = input->ConsumeIntegralInRange<int>(0, 15) == 0;
    const bool wantMaximum = input->ConsumeBool(), wantSecond = input->ConsumeBool();
    GuardedBuffer buffer(size > 0 ? static_cast<size_t>(size) : 0);
    WORD maximum = Untouched, second = Untouched;
    const bool ok = channel.GetFeature(noBuffer ? nullptr : buffer.bytes.data(), size, usage, page,
                                       wantMaximum ? &maximum : nullptr, wantSecond ? &second : nullptr);
    FUZZ_CHECK(buffer.GuardIntact());
    FUZZ_CHECK(ex.arrayWrites + ex.valueWrites == 0);
    if (noBuffer) {
        FUZZ_CHECK(!ok && ex.describes == 0 && maximum == Untouched && second == Untouched);
        return;
    }
    if (size <= 0) {
        FUZZ_CHECK(!ok && ex.describes == 0 && buffer.Untouched());
    } else {
        FUZZ_CHECK(ex.describes == 1 && ex.reads == (ex.Usable() ? 1 : 0));
        CheckAddress(channel.GetHandle(), usage, page);
    }
    FUZZ_CHECK(ok == ex.Read());
    if (ok) {
        const size_t copied = std::min<size_t>(buffer.size, ex.count);
        FUZZ_CHECK(std::memcmp(buffer.bytes.data(), ex.reply.data(), copied) == 0);
        FUZZ_CHECK(AllZero(buffer.bytes.data() + copied, buffer.size - copied));
        FUZZ_CHECK(!wantMaximum || maximum == static_cast<WORD>(ex.a));
        FUZZ_CHECK(!wantSecond || second == static_cast<WORD>(ex.b));
    } else {
        FUZZ_CHECK(AllZero(buffer.bytes.data(), buffer.size));
        FUZZ_CHECK(!wantMaximum || maximum == 0);
        FUZZ_CHECK(!wantSecond || second == 0);
    }
}

void CheckWrite(CHIDMonitor& channel, BYTE usage, WORD page, short size)
{
    const bool noBuffer = input->ConsumeIntegralInRange<int>(0, 15) == 0;
    // Exactly the caller's bytes on the heap: a read past them is caught.
    const size_t length = size > 0 ? static_cast<size_t>(size) : 0;
    std::vector<BYTE> given = input->ConsumeBytes<BYTE>(length);
    given.resize(length, 0x3C);
    const std::unique_ptr<BYTE[]> data(new BYTE[length]);
    std::copy(given.begin(), given.end(), data.get());
    clockReadings = 0;
    const bool ok = channel.SetFeature(noBuffer ? nullptr : data.get(), size, usage, page);
    FUZZ_CHECK(ex.reads == 0);
    if (noBuffer || size <= 0) {
        FUZZ_CHECK(!ok && ex.describes == 0);
        return;
    }
    FUZZ_CHECK(ex.describes == 1);
    CheckAddress(channel.GetHandle(), usage, page);
    if (!ex.Usable()) {
        FUZZ_CHECK(!ok && ex.DataCalls() == 0);
        return;
    }
    FUZZ_CHECK(ok == (ex.writeResult >= 0));
    if (ex.count == 0) {
        FUZZ_CHECK(ex.valueWrites == 1 && ex.arrayWrites == 0);
        FUZZ_CHECK(ex.value == data[0]);
        return;
    }
    FUZZ_CHECK(ex.arrayWrites == 1 && ex.valueWrites == 0);
    const size_t copied = std::min<size_t>(length, ex.count);
    FUZZ_CHECK(std::memcmp(ex.sent.data(), data.get(), copied) == 0);
    FUZZ_CHECK(AllZero(ex.sent.data() + copied, ex.sent.size() - copied));
    // Eight bytes or more: the start reading and at least one more before the write.
    FUZZ_CHECK(copied >= 8 ? ex.clockAtWrite >= 2 : ex.clockAtWrite == 0);
}

void CheckAvailable(CHIDMonitor& channel, BYTE usage, WORD page)
{
    const int available = channel.IsFeatureAvailable(usage, page);
    FUZZ_CHECK(ex.describes == 1 && ex.DataCalls() == 0);
    CheckAddress(channel.GetHandle(), usage, page);
    FUZZ_CHECK(available == ((ex.describeResult >= 0 && ex.flag == 0) ? 1 : 0));
}

bool Same(const MonitorCapabilities& x, const MonitorCapabilities& y)
{
    return std::equal(std::begin(x.wColorAdjust), std::end(x.wColorAdjust), std::begin(y.wColorAdjust)) &&
           x.qwModes == y.qwModes && x.dwTemperatures == y.dwTemperatures && x.wGammas == y.wGammas &&
           x.dwHotKeyCaps == y.dwHotKeyCaps && x.dwHotKeyCaps2 == y.dwHotKeyCaps2 &&
           std::equal(std::begin(x.dwModeFeatures), std::end(x.dwModeFeatures), std::begin(y.dwModeFeatures)) &&
           x.wGameGammas == y.wGameGammas;
}

void CheckCapabilities(CHIDMonitor& channel)
{
    const MonitorCapabilities caps = CCapabilityBlock::Read(channel);
    FUZZ_CHECK(ex.describes == 1 && ex.arrayWrites + ex.valueWrites == 0);
    CheckAddress(channel.GetHandle(), FEATURE_CAPABILITIES.usage, FEATURE_CAPABILITIES.usagePage);
    // What a read of the block must have left: the reply up to the count, zero after it.
    BYTE block[CCapabilityBlock::Size] = {};
    if (ex.Read())
        std::memcpy(block, ex.reply.data(), std::min<size_t>(sizeof block, ex.count));
    FUZZ_CHECK(Same(caps, CCapabilityBlock::Parse(block)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = [] {
        DravoApi::Install({Other, Other, OtherRetrieve, Other, Describe, ReadArray, WriteArray, WriteValue,
                           OtherReportOn, OtherReportOff});
        CFeatureClock::Install({Frequency, Counter});
        return true;
    }();
    (void)installed;

    FuzzedDataProvider provider(data, size);
    input = &provider;
    CHIDMonitor channel;
    channel.SetHandle(provider.ConsumeIntegral<DWORD>());
    for (int operation = 0; operation < 16 && provider.remaining_bytes() > 0; ++operation) {
        ex = Exchange{};
        const int kind = provider.ConsumeIntegralInRange<int>(0, 3);
        const BYTE usage = provider.ConsumeIntegral<BYTE>();
        const WORD page = provider.ConsumeIntegral<WORD>();
        const short bytes = Size();
        switch (kind) {
        case 0: CheckRead(channel, usage, page, bytes); break;
        case 1: CheckWrite(channel, usage, page, bytes); break;
        case 2: CheckAvailable(channel, usage, page); break;
        default: CheckCapabilities(channel); break;
        }
        FUZZ_CHECK(ex.others == 0);
    }
    input = nullptr;
    return 0;
}
