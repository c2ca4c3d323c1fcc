// A colour-data file as import reads it, checked against a monitor and
// applied to one whose replies come from the input too: values, maxima and
// failures of any kind. Only a file of exactly one record is one, the
// record round-trips, an accepted record meets every check, and the apply
// keeps its rules: the colour mode first and only when it differs, then
// only present slots the target's mask of the mode allows, the gains only
// beside temperature 0 or 15, each value as its kind gives it, never equal
// to what the monitor answered, never above the maximum it gave, two bytes
// at a time, and last the commit.
#include "FuzzCheck.h"
#include "colour/ColorDataRecord.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

// A monitor that answers every read from the input and notes every write.
class ScriptedChannel : public CHIDMonitor {
public:
    explicit ScriptedChannel(FuzzedDataProvider& input) : m_input(input) {}

    bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage, WORD* maximum, WORD* second) override
    {
        FUZZ_CHECK(size > 0);
        std::memset(buffer, 0, static_cast<size_t>(size));
        if (maximum)
            *maximum = 0;
        if (second)
            *second = 0;
        Read& read = m_reads[{usagePage, usage}] = {};
        if (!m_input.ConsumeBool())
            return false;
        const std::vector<BYTE> reply = m_input.ConsumeBytes<BYTE>(static_cast<size_t>(size));
        if (!reply.empty())
            std::memcpy(buffer, reply.data(), reply.size());
        read = {true, static_cast<WORD>(size >= 2 ? buffer[0] | buffer[1] << 8 : buffer[0]), 0};
        if (maximum)
            *maximum = read.maximum = m_input.ConsumeIntegral<WORD>();
        return true;
    }

    bool SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage) override
    {
        m_writes.push_back({{usagePage, usage}, size, static_cast<WORD>(size >= 2 ? buffer[0] | buffer[1] << 8 : 0),
                            m_reads[{usagePage, usage}]});
        return m_input.ConsumeBool();
    }

    // A feature's last read; all 0 after a failed one or none.
    struct Read {
        bool ok;
        WORD value;
        WORD maximum;
    };
    struct Write {
        FeatureAddress feature;
        short size;
        WORD value;
        Read before;
    };
    std::vector<Write> m_writes;

private:
    FuzzedDataProvider& m_input;
    std::map<std::pair<WORD, BYTE>, Read> m_reads;
};

int SlotOf(const FeatureAddress& feature)
{
    for (int i = 0; i < ColorDataRecord::SlotCount; ++i) {
        if (ColorDataRecord::Slots[i].feature == feature)
            return i;
    }
    return -1;
}

// The value a slot may take on a monitor that answered `before`.
bool Expected(const ColorDataRecord& record, int index, const ScriptedChannel::Read& before, WORD* value)
{
    using Apply = ColorDataRecord::Apply;
    const ColorDataSlot& slot = record.slots[index];
    switch (ColorDataRecord::Slots[index].apply) {
    case Apply::Value:
        *value = static_cast<WORD>(slot.nValue);
        return true;
    case Apply::FirstByte:
        *value = static_cast<WORD>((before.value & 0xFF00) | LOBYTE(slot.nValue));
        return slot.nValue >= 0 && slot.nValue <= 0xFF;
    case Apply::ScaledWhenRead:
        if (!before.ok)
            return false;
        [[fallthrough]];
    case Apply::Scaled:
        if (slot.nMax == 0)
            return false;
        *value = static_cast<WORD>(slot.nValue * static_cast<int>(before.maximum) / slot.nMax);
        return true;
    }
    return false;
}

// Each write keeps the apply's rules; the commit is the last and only one.
void CheckApply(const ColorDataRecord& record, const DWORD (&masks)[ColorModeCount],
                const std::vector<ScriptedChannel::Write>& writes)
{
    FUZZ_CHECK(!writes.empty() && writes.back().feature == FEATURE_COMMIT && writes.back().value == 0);
    const DWORD mask = ModeFeatureMask(masks, record.nMode);
    const short temperature = record.slots[0].nValue;
    std::vector<bool> written(ColorDataRecord::SlotCount);
    for (size_t i = 0; i < writes.size(); ++i) {
        const ScriptedChannel::Write& write = writes[i];
        FUZZ_CHECK(write.size == 2);
        if (write.feature == FEATURE_COMMIT) {
            FUZZ_CHECK(i + 1 == writes.size());
            continue;
        }
        if (write.feature == FEATURE_COLOR_MODE) {
            FUZZ_CHECK(i == 0 && write.value == static_cast<WORD>(record.nMode) && write.before.value != write.value);
            continue;
        }
        const int index = SlotOf(write.feature);
        FUZZ_CHECK(index >= 0 && !written[index]);
        written[index] = true;
        const ColorDataRecord::SlotRule& rule = ColorDataRecord::Slots[index];
        FUZZ_CHECK(record.slots[index].bPresent != 0 && (mask & rule.dwMaskBit) != 0);
        FUZZ_CHECK(!rule.bGain || temperature == 0 || temperature == 15);
        WORD value = 0;
        FUZZ_CHECK(Expected(record, index, write.before, &value) && write.value == value);
        FUZZ_CHECK(write.value != write.before.value);
        const bool firstByte = rule.apply == ColorDataRecord::Apply::FirstByte;
        FUZZ_CHECK((firstByte ? LOBYTE(write.value) : write.value) <= write.before.maximum);
    }
}

void CheckRoundTrip(const std::vector<BYTE>& file, const ColorDataRecord& record)
{
    BYTE bytes[ColorDataRecord::Size];
    record.ToBytes(bytes);
    const size_t kept = file.size() < sizeof bytes ? file.size() : sizeof bytes;
    FUZZ_CHECK(kept == 0 || std::memcmp(bytes, file.data(), kept) == 0);
    for (size_t i = kept; i < sizeof bytes; ++i)
        FUZZ_CHECK(bytes[i] == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::vector<BYTE> file = input.ConsumeBytes<BYTE>(input.ConsumeIntegralInRange<size_t>(0, 240));
    ColorDataRecord record;
    const bool whole = record.FromBytes(file.data(), static_cast<UINT>(file.size()));
    FUZZ_CHECK(whole == (file.size() == ColorDataRecord::Size));
    CheckRoundTrip(file, record);

    const CString modelCode = input.ConsumeRandomLengthString(12).c_str();
    DWORD masks[ColorModeCount] = {};
    for (DWORD& mask : masks)
        mask = input.ConsumeBool() ? input.ConsumeIntegral<DWORD>() : 0;

    CString product = record.Header();
    ColorDataRecord::ProductNameFromKey(product);
    FUZZ_CHECK(record.Header().GetLength() <= ColorDataRecord::HeaderSize);
    FUZZ_CHECK(record.Model().GetLength() <= ColorDataRecord::ModelSize);
    if (record.CheckFor(modelCode, masks) == ColorDataRecord::Check::Accepted) {
        FUZZ_CHECK(IsUserMode(record.nMode));
        FUZZ_CHECK(record.Model() == modelCode);
        FUZZ_CHECK(record.dwFeatureMask == ModeFeatureMask(masks, record.nMode));
    }

    ScriptedChannel channel(input);
    record.ApplyTo(channel, masks);
    CheckApply(record, masks, channel.m_writes);
    return 0;
}
