#include "device/CRegistry.h"
#include "device/RegistryValueReader.h"

#include <cstring>

namespace {

// Copies a name of nameLength characters with its NUL, when it fits.
bool CopyName(const char* name, DWORD nameLength, LPSTR out, DWORD outSize)
{
    if (!out)
        return true;
    if (nameLength + 1 > outSize)
        return false;
    std::memcpy(out, name, nameLength);
    out[nameLength] = '\0';
    return true;
}

// Runs one registry call on an opened key and closes it: 1 on success.
template <class Call>
int OnKey(HKEY key, Call call)
{
    if (!key)
        return 0;
    const LONG result = call(key);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

} // namespace

CRegistry::~CRegistry()
{
}

HKEY CRegistry::OpenKey(LPCSTR keyPath)
{
    HKEY key = nullptr;
    if (!keyPath || RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY CRegistry::CreateKey(LPCSTR keyPath)
{
    HKEY key = nullptr;
    if (!keyPath || RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

int CRegistry::Write(LPCSTR valueName, DWORD type, const BYTE* data, DWORD byteCount, LPCSTR keyPath)
{
    if (!data && byteCount > 0)
        return 0;
    return OnKey(CreateKey(keyPath), [&](HKEY key) { return RegSetValueExA(key, valueName, 0, type, data, byteCount); });
}

int CRegistry::WriteDword(LPCSTR valueName, DWORD value, LPCSTR keyPath)
{
    return Write(valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value, keyPath);
}

int CRegistry::WriteString(LPCSTR valueName, LPCSTR text, DWORD byteCount, LPCSTR keyPath)
{
    if (!text)
        return 0;
    const DWORD whole = static_cast<DWORD>(std::strlen(text)) + 1;
    return Write(valueName, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 byteCount < whole ? byteCount : whole, keyPath);
}

int CRegistry::WriteBinary(LPCSTR valueName, const BYTE* data, DWORD byteCount, LPCSTR keyPath)
{
    return Write(valueName, REG_BINARY, data, byteCount, keyPath);
}

template <class Read>
int CRegistry::ReadFrom(LPCSTR valueName, LPCSTR keyPath, Read read)
{
    HKEY key = OpenKey(keyPath);
    if (!key)
        return 0;
    const RegistryValueReader::Query query = [&](DWORD* type, BYTE* data, DWORD* size) {
        return RegQueryValueExA(key, valueName, nullptr, type, data, size);
    };
    const int result = read(query);
    RegCloseKey(key);
    return result;
}

int CRegistry::ReadDword(LPCSTR valueName, DWORD* out, LPCSTR keyPath)
{
    return ReadFrom(valueName, keyPath, [&](const auto& query) { return RegistryValueReader::ReadDword(query, out); });
}

int CRegistry::ReadBinary(LPCSTR valueName, BYTE* buffer, DWORD size, LPCSTR keyPath)
{
    return ReadFrom(valueName, keyPath,
                    [&](const auto& query) { return RegistryValueReader::ReadBinary(query, buffer, size); });
}

int CRegistry::ReadString(LPCSTR valueName, LPSTR buffer, DWORD bufferSize, LPCSTR keyPath)
{
    return ReadFrom(valueName, keyPath,
                    [&](const auto& query) { return RegistryValueReader::ReadString(query, buffer, bufferSize); });
}

int CRegistry::ReadValue(LPCSTR valueName, void* buffer, DWORD bufferSize, LPCSTR keyPath)
{
    return ReadFrom(valueName, keyPath,
                    [&](const auto& query) { return RegistryValueReader::ReadAny(query, buffer, bufferSize); });
}

int CRegistry::EnumValue(DWORD index, LPCSTR keyPath, LPSTR nameOut, BYTE* dataOut, DWORD nameSize, DWORD dataSize)
{
    HKEY key = OpenKey(keyPath);
    if (!key)
        return 0;
    char name[MaxNameLength] = {};
    BYTE data[MaxEnumData];
    DWORD nameLength = MaxNameLength;
    DWORD size = MaxEnumData;
    const LONG result = RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, data, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || nameLength >= MaxNameLength || size > MaxEnumData)
        return 0;
    if (dataOut && size > dataSize)
        return 0;
    if (!CopyName(name, nameLength, nameOut, nameSize))
        return 0;
    if (dataOut)
        std::memcpy(dataOut, data, size);
    return 1;
}

int CRegistry::EnumKey(DWORD index, LPCSTR keyPath, LPSTR nameOut, DWORD nameSize)
{
    HKEY key = OpenKey(keyPath);
    if (!key)
        return 0;
    char name[MaxNameLength] = {};
    DWORD nameLength = MaxNameLength;
    const LONG result = RegEnumKeyExA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || nameLength >= MaxNameLength)
        return 0;
    return CopyName(name, nameLength, nameOut, nameSize) ? 1 : 0;
}

int CRegistry::DeleteValue(LPCSTR valueName, LPCSTR keyPath)
{
    return OnKey(OpenKey(keyPath), [&](HKEY key) { return RegDeleteValueA(key, valueName); });
}

int CRegistry::DeleteKey(LPCSTR subkeyName, LPCSTR keyPath)
{
    // An empty name would delete the key itself.
    if (!subkeyName || !*subkeyName)
        return 0;
    return OnKey(OpenKey(keyPath), [&](HKEY key) { return RegDeleteKeyA(key, subkeyName); });
}

int CRegistry::DeleteAllSubkeys(LPCSTR keyPath)
{
    char name[MaxNameLength];
    DWORD index = 0;
    while (EnumKey(index, keyPath, name)) {
        if (!DeleteKey(name, keyPath))
            ++index;   // stays; look past it
    }
    return index == 0 ? 1 : 0;
}
