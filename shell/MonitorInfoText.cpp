#include "shell/MonitorInfoText.h"

#include <cstring>

CString MonitorInfoText::FieldText(const BYTE* record, int offset, int length)
{
    const char* text = reinterpret_cast<const char*>(record + offset);
    return CString(text, static_cast<int>(strnlen(text, static_cast<size_t>(length))));
}

CString MonitorInfoText::DisplayDevice(const BYTE (&record)[MonitorInfoRecord::Size])
{
    return FieldText(record, MonitorInfoRecord::DisplayDeviceOffset, MonitorInfoRecord::DisplayDeviceLength);
}

CString MonitorInfoText::MonitorDevice(const BYTE (&record)[MonitorInfoRecord::Size])
{
    return FieldText(record, MonitorInfoRecord::MonitorDeviceOffset, MonitorInfoRecord::MonitorDeviceLength);
}

bool MonitorInfoText::SerialMatches(const BYTE (&record)[MonitorInfoRecord::Size], const char* serial)
{
    return serial && std::strncmp(reinterpret_cast<const char*>(record + MonitorInfoRecord::SerialOffset), serial,
                                  MonitorInfoRecord::SerialLength) == 0;
}
