// A colour-data file as import reads it, checked against a monitor and
// applied to one whose replies come from the input too: values, maxima and
// failures of any kind. The record round-trips, an accepted record meets
// every check, and the apply writes only the record's features and the
// colour mode, two bytes at a time, and ends with the commit.
#include "FuzzCheck.h"
#include "colour/ColorDataRecord.h"
#include "device/CHIDMonitor.h"
#include "device/MonitorFeatures.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <vector>

namespace {

// A monitor that answers every read from the input and notes every write.
class ScriptedChannel : public CHIDMonitor {
public:
    explicit ScriptedChannel(FuzzedDataProvider& input) : m_input(input) {}

    bool GetFeature(BYTE* buffer, short size, BYTE, WORD, WORD* maximum, WORD* second) override
    {
        FUZZ_CHECK(size > 0);
        std::memset(buffer, 0, static_cast<size_t>(size));
        if (maximum)
            *maximum = 0;
        if (second)
            *second = 0;
        if (!m_input.ConsumeBool())
            return false;
        const std::vector<BYTE> reply = m_input.ConsumeBytes<BYTE>(static_cast<size_t>(size));
        if (!reply.empty())
            std::memcpy(buffer, reply.data(), reply.size());
        if (maximum)
            *maximum = m_input.ConsumeIntegral<WORD>();
        return true;
    }

    bool SetFeature(const BYTE*, short size, BYTE usage, WORD usagePage) override
    {
        m_writes.push_back({{usagePage, usage}, size});
        return m_input.ConsumeBool();
    }

    struct Write {
        FeatureAddress feature;
        short size;
    };
    std::vector<Write> m_writes;

private:
    FuzzedDataProvider& m_input;
};

bool IsRecordFeature(const FeatureAddress& feature)
{
    if (feature == FEATURE_COLOR_MODE || feature == FEATURE_COMMIT)
        return true;
    for (const ColorDataRecord::SlotRule& rule : ColorDataRecord::Slots) {
        if (rule.feature == feature)
            return true;
    }
    return false;
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
    for (const ScriptedChannel::Write& write : channel.m_writes) {
        FUZZ_CHECK(write.size == 2);
        FUZZ_CHECK(IsRecordFeature(write.feature));
    }
    return 0;
}
