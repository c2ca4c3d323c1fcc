#pragma once
// The program's settings under HKEY_CURRENT_USER, as the driver prepares
// and inspects them around a run. Subkeys are given relative to the
// program's key ("Monitor\\S27Q0001-2"); "" is the key itself.
#include <windows.h>

#include <string>
#include <vector>

class ProgramSettings {
public:
    static const char* const Root;

    // Removes the program's whole key.
    static void Clear();
    static bool WriteString(const std::string& subkey, const char* value, const std::string& text);
    static bool WriteBinary(const std::string& subkey, const char* value, const std::vector<BYTE>& data);
    static bool ReadDword(const std::string& subkey, const char* value, DWORD& data);
    static bool ReadString(const std::string& subkey, const char* value, std::string& text);
    // A binary value; empty when there is none.
    static std::vector<BYTE> ReadBinary(const std::string& subkey, const char* value);

private:
    static std::string Path(const std::string& subkey);
};
