// The screen names a monitor is placed by: a record of the monitor-
// information library (any 660 bytes) and a stored association (any text).
// The texts stay within their fields, and every name gives an order that
// fits its label: "n" is order n * 10, "n-m" order n * 10 + m.
#include "FuzzCheck.h"
#include "shell/DisplayOrder.h"
#include "shell/MonitorInfoText.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void CheckOrder(const std::string& name)
{
    const DisplayOrder parsed = ParseDisplayOrder(name);
    if (!parsed.hasDisplay) {
        FUZZ_CHECK(!parsed.IsPlaceable() && parsed.label.empty() && parsed.order == 0);
        return;
    }
    FUZZ_CHECK(parsed.IsPlaceable() != parsed.tailWithoutDigit);
    int number = 0;
    int sub = -1;
    char rest = 0;
    const int fields = std::sscanf(parsed.label.c_str(), "%d-%d%c", &number, &sub, &rest);
    FUZZ_CHECK(fields == 1 || fields == 2);
    FUZZ_CHECK(number == parsed.displayNumber);
    FUZZ_CHECK(parsed.order == number * 10 + (fields == 2 ? sub : 0));
    FUZZ_CHECK(fields == 1 || (sub >= 0 && sub <= 9));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE record[MonitorInfoRecord::Size] = {};
    std::memcpy(record, data, size < sizeof record ? size : sizeof record);
    const CString display = MonitorInfoText::DisplayDevice(record);
    const CString monitor = MonitorInfoText::MonitorDevice(record);
    FUZZ_CHECK(display.GetLength() <= MonitorInfoRecord::DisplayDeviceLength);
    FUZZ_CHECK(monitor.GetLength() <= MonitorInfoRecord::MonitorDeviceLength);
    char serial[MonitorInfoRecord::SerialLength + 1] = {};
    std::memcpy(serial, record, MonitorInfoRecord::SerialLength);
    FUZZ_CHECK(MonitorInfoText::SerialMatches(record, serial));

    CheckOrder(static_cast<LPCSTR>(display));
    CheckOrder(static_cast<LPCSTR>(monitor));
    CheckOrder(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
