#pragma once
// Asks Wine's X11 driver to leave this executable's windows unmanaged
// (HKEY_CURRENT_USER\Software\Wine\AppDefaults\<exe>\X11 Driver, "Managed"
// = "N"). The driver reads it when the process creates its first window, so
// it is set before a process that creates windows starts; it is removed
// when the object goes.
#include <string>

class WineX11Unmanaged
{
public:
    explicit WineX11Unmanaged(const std::string& executableName);
    ~WineX11Unmanaged();
    WineX11Unmanaged(const WineX11Unmanaged&) = delete;
    WineX11Unmanaged& operator=(const WineX11Unmanaged&) = delete;

private:
    std::string m_appKey;
    std::string m_key;
};
