// A colour-data file as import reads it, checked against a monitor and
// applied to one whose replies come from the input too: values, maxima and
// failures of any kind. The record round-trips, an accepted record meets
// every check, and the apply writes only the record's features and the
// colour mode, two bytes at a time, never a value above the maximum the
// monitor gave for that feature, and ends with the commit.
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
        m_maxima[{usagePage, usage}] = 0;
        if (!m_input.ConsumeBool())
            return false;
        const std::vector<BYTE> reply = m_input.ConsumeBytes<BYTE>(static_cast<size_t>(size));
        if (!reply.empty())
            std::memcpy(buffer, reply.data(), reply.size());
        if (maximum)
            *maximum = m_maxima[{usagePage, usage}] = m_input.ConsumeIntegral<WORD>();
        return true;
    }

    bool SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage) override
    {
        m_writes.push_back({{usagePage, usage}, size, static_cast<WORD>(size >= 2 ? buffer[0] | buffer[1] << 8 : 0),
                            m_maxima[{usagePage, usage}]});
        return m_input.ConsumeBool();
    }

    struct Write {
        FeatureAddress feature;
        short size;
        WORD value;
        WORD maximum;   // of the feature's last read; 0 after a failed one or none
    };
    std::vector<Write> m_writes;

private:
    FuzzedDataProvider& m_input;
    std::map<std::pair<WORD, BYTE>, WORD> m_maxima;
};

const ColorDataRecord::SlotRule* SlotOf(const FeatureAddress& feature)
{
    for (const ColorDataRecord::SlotRule& rule : ColorDataRecord::Slots) {
        if (rule.feature == feature)
            return &rule;
    }
    return nullptr;
}

// A slot's value lies within what the monitor offers; for a first-byte
// feature only byte 0 is the value, byte 1 is the monitor's flag as read.
void CheckWrite(const ScriptedChannel::Write& write)
{
    FUZZ_CHECK(write.size == 2);
    if (write.feature == FEATURE_COLOR_MODE || write.feature == FEATURE_COMMIT)
        return;
    const ColorDataRecord::SlotRule* rule = SlotOf(write.feature);
    FUZZ_CHECK(rule != nullptr);
    const WORD value = rule->apply == ColorDataRecord::Apply::FirstByte ? LOBYTE(write.value) : write.value;
    FUZZ_CHECK(value <= write.maximum);
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
    record.FromBytes(file.data(), static_cast<UINT>(file.size()));
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
    FUZZ_CHECK(!channel.m_writes.empty() && channel.m_writes.back().feature == FEATURE_COMMIT);
    for (const ScriptedChannel::Write& write : channel.m_writes)
        CheckWrite(write);
    return 0;
}
