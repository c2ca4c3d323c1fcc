#include "WineAppVersion.h"

#include <windows.h>

#include <cstring>

WineAppVersion::WineAppVersion(const std::string& executableName, const char* version)
    : m_key("Software\\Wine\\AppDefaults\\" + executableName),
      m_set(RegSetKeyValueA(HKEY_CURRENT_USER, m_key.c_str(), "Version", REG_SZ, version,
                            static_cast<DWORD>(std::strlen(version) + 1)) == ERROR_SUCCESS)
{
}

WineAppVersion::~WineAppVersion()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_key.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, m_key.c_str());
}
