#include "ResourceReader.h"

#include <algorithm>

namespace {

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found)
{
    reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
    return TRUE;
}

} // namespace

ResourceReader::ResourceReader(LANGID language) : m_language(language) {}

LANGID ResourceReader::English()
{
    return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

LANGID ResourceReader::Japanese()
{
    return MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
}

bool ResourceReader::Has(LPCWSTR type, UINT id) const
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(nullptr, type, MAKEINTRESOURCEW(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return std::find(languages.begin(), languages.end(), m_language) != languages.end();
}

std::vector<BYTE> ResourceReader::Data(LPCWSTR type, UINT id) const
{
    if (!Has(type, id))
        return {};
    HRSRC info = FindResourceExW(nullptr, type, MAKEINTRESOURCEW(id), m_language);
    HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return {};
    return std::vector<BYTE>(bytes, bytes + SizeofResource(nullptr, info));
}

std::optional<std::wstring> ResourceReader::String(UINT id) const
{
    // A block holds 16 counted strings; block n carries ids 16(n-1) .. 16n-1.
    std::vector<BYTE> block = Data(reinterpret_cast<LPCWSTR>(RT_STRING), id / 16 + 1);
    size_t pos = 0;
    for (UINT index = 0; index <= id % 16; ++index) {
        if (pos + 2 > block.size())
            return std::nullopt;
        WORD length = static_cast<WORD>(block[pos] | (block[pos + 1] << 8));
        pos += 2;
        if (pos + 2u * length > block.size())
            return std::nullopt;
        if (index == id % 16) {
            if (length == 0)
                return std::nullopt;
            std::wstring text(length, L'\0');
            for (WORD i = 0; i < length; ++i)
                text[i] = static_cast<wchar_t>(block[pos + 2 * i] | (block[pos + 2 * i + 1] << 8));
            return text;
        }
        pos += 2u * length;
    }
    return std::nullopt;
}
