#pragma once
// Reads the test program's own resources in a chosen language, whatever
// language the thread would pick, so both halves can be checked in one run.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class ResourceReader {
public:
    explicit ResourceReader(LANGID language);

    static LANGID English();
    static LANGID Japanese();

    // True when the resource exists in exactly this reader's language.
    bool Has(LPCWSTR type, UINT id) const;
    // The resource's bytes in this language; empty when there is none.
    std::vector<BYTE> Data(LPCWSTR type, UINT id) const;
    // One string of a string-table block; nothing when the id is missing.
    std::optional<std::wstring> String(UINT id) const;

private:
    LANGID m_language;
};
