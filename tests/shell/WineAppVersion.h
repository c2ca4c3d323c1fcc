#pragma once
// Makes Wine report another Windows version to one executable, through
// HKEY_CURRENT_USER\Software\Wine\AppDefaults\<exe name> value "Version"
// ("win2008", "winxp64", "win7" ...). Processes started afterwards see it;
// the key is removed again when the object goes.
#include <string>

class WineAppVersion
{
public:
    WineAppVersion(const std::string& executableName, const char* version);
    ~WineAppVersion();
    WineAppVersion(const WineAppVersion&) = delete;
    WineAppVersion& operator=(const WineAppVersion&) = delete;

    bool IsSet() const { return m_set; }

private:
    std::string m_key;
    bool m_set;
};
