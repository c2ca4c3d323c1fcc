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
    RegDeleteKeyValueA(HKEY_CURRENT_USER, m_key.c_str(), "Version");
    DeleteKeyIfEmpty(m_key);
}

void WineAppVersion::DeleteKeyIfEmpty(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    DWORD subkeys = 1;
    DWORD values = 1;
    RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(handle);
    if (subkeys == 0 && values == 0)
        RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}
