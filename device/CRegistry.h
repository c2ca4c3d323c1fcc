#pragma once
// The program's only access to the registry, under HKEY_CURRENT_USER. Every
// operation opens its key, makes one registry call and closes the key again;
// each answers 1 on success and 0 on failure and never throws. The value
// name comes first, the key path last.
#include <windows.h>

class CRegistry {
public:
    static constexpr DWORD MaxNameLength = 256;    // value and key names, NUL included
    static constexpr DWORD MaxEnumData = 2048;

    virtual ~CRegistry();

    static int WriteDword(LPCSTR valueName, DWORD value, LPCSTR keyPath);
    // byteCount is the text's length + 1; it never reaches past the text's NUL.
    static int WriteString(LPCSTR valueName, LPCSTR text, DWORD byteCount, LPCSTR keyPath);
    static int WriteBinary(LPCSTR valueName, const BYTE* data, DWORD byteCount, LPCSTR keyPath);

    // The settings are read strictly: a value of another type or size than
    // the layout's fails like a missing one. A failed read leaves the output
    // alone, so it may hold the caller's default.
    // A REG_DWORD of 4 bytes.
    static int ReadDword(LPCSTR valueName, DWORD* out, LPCSTR keyPath);
    // A REG_BINARY of exactly size bytes.
    static int ReadBinary(LPCSTR valueName, BYTE* buffer, DWORD size, LPCSTR keyPath);
    // A REG_SZ that fits the buffer; it always comes back NUL-terminated.
    static int ReadString(LPCSTR valueName, LPSTR buffer, DWORD bufferSize, LPCSTR keyPath);
    // Any type into the buffer; a value that does not fit fails. String
    // values always come back NUL-terminated.
    static int ReadValue(LPCSTR valueName, void* buffer, DWORD bufferSize, LPCSTR keyPath);

    // The value or subkey at index; either out may be null. The name is
    // copied with its NUL, the data as stored; both must fit their buffers.
    static int EnumValue(DWORD index, LPCSTR keyPath, LPSTR nameOut, BYTE* dataOut,
                         DWORD nameSize = MaxNameLength, DWORD dataSize = MaxEnumData);
    static int EnumKey(DWORD index, LPCSTR keyPath, LPSTR nameOut, DWORD nameSize = MaxNameLength);

    static int DeleteValue(LPCSTR valueName, LPCSTR keyPath);
    // Fails for a subkey that has subkeys of its own.
    static int DeleteKey(LPCSTR subkeyName, LPCSTR keyPath);
    // Deletes every subkey of the key (the key itself stays). Subkeys that
    // cannot be deleted are passed over, so this always ends. 1 when none is
    // left afterwards.
    static int DeleteAllSubkeys(LPCSTR keyPath);

private:
    template <class Read>
    static int ReadFrom(LPCSTR valueName, LPCSTR keyPath, Read read);
    static HKEY OpenKey(LPCSTR keyPath);
    static HKEY CreateKey(LPCSTR keyPath);
    static int Write(LPCSTR valueName, DWORD type, const BYTE* data, DWORD byteCount, LPCSTR keyPath);
};
