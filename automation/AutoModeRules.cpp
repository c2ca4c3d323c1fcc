#include "automation/AutoModeRules.h"

#include "automation/ApplicationRecords.h"
#include "colour/ColorTables.h"

#include <cstring>

namespace {

bool IsMonitorMode(DWORD mode)
{
    return mode < static_cast<DWORD>(ColorModeCount);
}

} // namespace

int ChooseAutoMode(const CPtrList& registered, LPCSTR application, DWORD defaultMode)
{
    DWORD mode = defaultMode;
    for (POSITION pos = registered.GetHeadPosition(); pos;) {
        const auto* entry = static_cast<const RegisteredApplicationEntry*>(registered.GetNext(pos));
        if (entry && std::strcmp(entry->name, application) == 0) {
            mode = entry->mode;
            break;
        }
    }
    return IsMonitorMode(mode) ? static_cast<int>(mode) : AutoModeNone;
}

bool NeedsModeWrite(short current, int mode, ULONGLONG supportedModes)
{
    return mode >= 0 && mode < ColorModeCount && current != mode && IsModeListed(supportedModes, mode);
}
