#pragma once
// The texts of one record of the monitor-information library: the serial it
// names and the Windows names of the screen and monitor device. The record
// comes from outside: no text is read past its field or the record's end.
#include "device/SeltuLibrary.h"
#include "framework/CString.h"

class MonitorInfoText {
public:
    static CString DisplayDevice(const BYTE (&record)[MonitorInfoRecord::Size]);
    static CString MonitorDevice(const BYTE (&record)[MonitorInfoRecord::Size]);
    // The record's serial equals serial over at most 8 characters.
    static bool SerialMatches(const BYTE (&record)[MonitorInfoRecord::Size], const char* serial);

private:
    static CString FieldText(const BYTE* record, int offset, int length);
};
