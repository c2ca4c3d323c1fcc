#include "WineX11Unmanaged.h"

#include "WineAppVersion.h"

#include <windows.h>

WineX11Unmanaged::WineX11Unmanaged(const std::string& executableName)
    : m_appKey("Software\\Wine\\AppDefaults\\" + executableName), m_key(m_appKey + "\\X11 Driver")
{
    RegSetKeyValueA(HKEY_CURRENT_USER, m_key.c_str(), "Managed", REG_SZ, "N", 2);
}

WineX11Unmanaged::~WineX11Unmanaged()
{
    RegDeleteKeyValueA(HKEY_CURRENT_USER, m_key.c_str(), "Managed");
    WineAppVersion::DeleteKeyIfEmpty(m_key);
    WineAppVersion::DeleteKeyIfEmpty(m_appKey);
}
