#pragma once
// Makes Wine report another Windows version to one executable, through
// HKEY_CURRENT_USER\Software\Wine\AppDefaults\<exe name> value "Version"
// ("win2008", "winxp64", "win7" ...). Processes started afterwards see it;
// the value is removed again when the object goes, and the key with it
// when nothing else is set for the executable.
#include <string>

class WineAppVersion
{
public:
    WineAppVersion(const std::string& executableName, const char* version);
    ~WineAppVersion();
    WineAppVersion(const WineAppVersion&) = delete;
    WineAppVersion& operator=(const WineAppVersion&) = delete;

    bool IsSet() const { return m_set; }
    // Removes a key of HKEY_CURRENT_USER that holds nothing any more.
    static void DeleteKeyIfEmpty(const std::string& key);

private:
    std::string m_key;
    bool m_set;
};
