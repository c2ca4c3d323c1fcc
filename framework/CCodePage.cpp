#include "framework/CCodePage.h"

#include <memory>

namespace {

struct CodePageTable
{
    UINT codePage = 0;
    bool lead[256] = {};
    unsigned char upper[256] = {};
    unsigned char lower[256] = {};
};

void FillAsciiCase(CodePageTable& t)
{
    for (int b = 0; b < 256; ++b) {
        t.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
        t.lower[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
    }
}

void MarkLead(CodePageTable& t, int first, int last)
{
    for (int b = first; b <= last; ++b)
        t.lead[b] = true;
}

#ifdef _WIN32
// Single-byte characters above ASCII change case as the system says, as long
// as the changed character is still one byte of the same code page.
unsigned char MapByte(UINT codePage, unsigned char b, bool toUpper)
{
    char in = static_cast<char>(b);
    WCHAR wide = 0;
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &in, 1, &wide, 1) != 1)
        return b;
    if (toUpper)
        CharUpperBuffW(&wide, 1);
    else
        CharLowerBuffW(&wide, 1);
    char out[4] = {};
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(codePage, 0, &wide, 1, out, sizeof out, nullptr, &usedDefault) != 1 || usedDefault)
        return b;
    return static_cast<unsigned char>(out[0]);
}

bool BuildTable(UINT codePage, CodePageTable& t)
{
    if (codePage == 0)
        codePage = GetACP();
    CPINFO info{};
    if (!GetCPInfo(codePage, &info))
        return false;
    t.codePage = codePage;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        MarkLead(t, info.LeadByte[i], info.LeadByte[i + 1]);
    FillAsciiCase(t);
    if (info.MaxCharSize > 2)
        return true;  // UTF-8 and the like: ASCII case only
    for (int b = 0x80; b < 256; ++b) {
        if (t.lead[b])
            continue;
        t.upper[b] = MapByte(codePage, static_cast<unsigned char>(b), true);
        t.lower[b] = MapByte(codePage, static_cast<unsigned char>(b), false);
    }
    return true;
}
#else
// The native build has no system code page: plain single-byte text unless a
// test picks one of the double-byte code pages.
bool BuildTable(UINT codePage, CodePageTable& t)
{
    t.codePage = codePage == 0 ? 1252 : codePage;
    FillAsciiCase(t);
    switch (t.codePage) {
    case 932:
        MarkLead(t, 0x81, 0x9F);
        MarkLead(t, 0xE0, 0xFC);
        return true;
    case 936:
    case 949:
    case 950:
        MarkLead(t, 0x81, 0xFE);
        return true;
    case 437:
    case 850:
    case 1250:
    case 1251:
    case 1252:
    case 65001:
        return true;
    default:
        return false;
    }
}
#endif

std::unique_ptr<CodePageTable>& ActiveSlot()
{
    static std::unique_ptr<CodePageTable> active;
    return active;
}

const CodePageTable& Active()
{
    auto& slot = ActiveSlot();
    if (!slot) {
        auto table = std::make_unique<CodePageTable>();
        if (!BuildTable(0, *table)) {
            table = std::make_unique<CodePageTable>();
            FillAsciiCase(*table);
        }
        slot = std::move(table);
    }
    return *slot;
}

}  // namespace

UINT CCodePage::Current()
{
    return Active().codePage;
}

bool CCodePage::Use(UINT codePage)
{
    auto table = std::make_unique<CodePageTable>();
    if (!BuildTable(codePage, *table))
        return false;
    ActiveSlot() = std::move(table);
    return true;
}

bool CCodePage::IsLeadByte(BYTE b)
{
    return Active().lead[b];
}

int CCodePage::CharLength(const char* p, const char* end)
{
    if (p + 1 < end && IsLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0')
        return 2;
    return 1;
}

char CCodePage::ToUpper(char c)
{
    return static_cast<char>(Active().upper[static_cast<unsigned char>(c)]);
}

char CCodePage::ToLower(char c)
{
    return static_cast<char>(Active().lower[static_cast<unsigned char>(c)]);
}
