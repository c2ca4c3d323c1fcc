#include "device/SettingsLayout.h"

CString SettingsLayout::HotKeyKey(const CString& modelName, const CString& serial)
{
    CString key(RegKeyHotKey);
    key.AppendFormat("\\%s_%s", modelName.GetString(), serial.GetString());
    return key;
}

CString SettingsLayout::MonitorSubkeyName(const CString& serial, int displayNumber)
{
    CString name(serial);
    name.AppendFormat("-%d", displayNumber);
    return name;
}

CString SettingsLayout::MonitorKey(const CString& subkeyName)
{
    return CString(RegKeyMonitor) + "\\" + subkeyName;
}

CString SettingsLayout::SerialOfMonitorSubkey(const CString& subkeyName)
{
    const int dash = subkeyName.Find('-');
    return dash < 0 ? CString() : subkeyName.Left(dash);
}

CString SettingsLayout::TonalisKey(const CString& programName)
{
    return CString(RegKeyTonalis) + "\\" + programName;
}
