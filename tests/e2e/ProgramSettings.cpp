#include "tests/e2e/ProgramSettings.h"

const char* const ProgramSettings::Root = "Software\\Orvel\\Talvex V1.0x";

std::string ProgramSettings::Path(const std::string& subkey)
{
    return subkey.empty() ? Root : std::string(Root) + "\\" + subkey;
}

void ProgramSettings::Clear()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, Root);
    RegDeleteKeyA(HKEY_CURRENT_USER, Root);
}

namespace {

bool WriteValue(const std::string& path, const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

} // namespace

bool ProgramSettings::WriteString(const std::string& subkey, const char* value, const std::string& text)
{
    return WriteValue(Path(subkey), value, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool ProgramSettings::WriteBinary(const std::string& subkey, const char* value, const std::vector<BYTE>& data)
{
    return WriteValue(Path(subkey), value, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

bool ProgramSettings::ReadDword(const std::string& subkey, const char* value, DWORD& data)
{
    DWORD size = sizeof data;
    DWORD type = 0;
    return RegGetValueA(HKEY_CURRENT_USER, Path(subkey).c_str(), value, RRF_RT_ANY, &type, &data, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool ProgramSettings::ReadString(const std::string& subkey, const char* value, std::string& text)
{
    char buffer[512] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, Path(subkey).c_str(), value, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    text = buffer;
    return true;
}

std::vector<BYTE> ProgramSettings::ReadBinary(const std::string& subkey, const char* value)
{
    std::vector<BYTE> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    if (RegGetValueA(HKEY_CURRENT_USER, Path(subkey).c_str(), value, RRF_RT_REG_BINARY, nullptr, data.data(),
                     &size) != ERROR_SUCCESS)
        return {};
    data.resize(size);
    return data;
}
