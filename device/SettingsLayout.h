#pragma once
// Where every setting lives in the registry, under HKEY_CURRENT_USER. Paths
// are passed whole; the key names built from monitors and programs are formed
// here so that writers and readers agree.
#include "framework/CString.h"

#define TALVEX_REG_ROOT "Software\\Orvel\\Talvex V1.0x"

constexpr const char* RegKeyRoot = TALVEX_REG_ROOT;
constexpr const char* RegKeyColor = TALVEX_REG_ROOT "\\Color";
constexpr const char* RegKeyTonalis = TALVEX_REG_ROOT "\\Tonalis";
constexpr const char* RegKeyHotKey = TALVEX_REG_ROOT "\\HotKey";
constexpr const char* RegKeyMonitor = TALVEX_REG_ROOT "\\Monitor";

// R\Color and R\HotKey: REG_DWORD, non-zero = "Apply to the same models".
constexpr const char* RegValueMultiControl = "Multi Control";
// R: REG_DWORD, non-zero = automatic mode switching on (missing: on, 1 written).
constexpr const char* RegValueModeChange = "ModeChange";
// R: REG_DWORD, default colour mode 0 to 46 or 47 "Not change the mode".
constexpr const char* RegValueDefMode = "DefMode";
// R: REG_DWORD, non-zero = the settings window is not topmost.
constexpr const char* RegValueNoTopmost = "NoTopmost";
// R\Tonalis\NAME: REG_DWORD colour mode, REG_SZ description.
constexpr const char* RegValueMode = "Mode";
constexpr const char* RegValueDescription = "Description";
// R\HotKey\MODEL_SERIAL: REG_BINARY, five u16 words each.
constexpr const char* RegValueVKey = "VKey";
constexpr const char* RegValueMod = "Mod";
// R\Monitor\serial-n: REG_SZ display device name of a screen bound by hand.
constexpr const char* RegValueDisplayName = "Display Name";

constexpr DWORD RegTextBufferSize = 260;   // "Description" and "Display Name" are read into this
constexpr DWORD RegDefModeMissing = 47;

class SettingsLayout {
public:
    // R\HotKey\<model name>_<serial>: two monitors of one model differ by serial.
    static CString HotKeyKey(const CString& modelName, const CString& serial);
    // <serial>-<display number>, a subkey of R\Monitor.
    static CString MonitorSubkeyName(const CString& serial, int displayNumber);
    static CString MonitorKey(const CString& subkeyName);
    // The serial part of a stored association: the name before its first '-';
    // empty when it has none.
    static CString SerialOfMonitorSubkey(const CString& subkeyName);
    // R\Tonalis\<NAME> of a registered program.
    static CString TonalisKey(const CString& programName);
};
