#include "DialogTemplate.h"

#include <cstring>
#include <stdexcept>

// Walks the template bytes, refusing to read past their end.
class DialogTemplate::Cursor {
public:
    explicit Cursor(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}

    template <typename T> T Read()
    {
        Need(sizeof(T));
        T value;
        std::memcpy(&value, m_bytes.data() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    std::wstring ReadText()
    {
        std::wstring text;
        for (wchar_t c = Read<WORD>(); c != 0; c = Read<WORD>())
            text += c;
        return text;
    }

    // A name or an ordinal (0xFFFF followed by the number).
    std::wstring ReadNameOrOrdinal(WORD* ordinal)
    {
        WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            *ordinal = Read<WORD>();
            return std::wstring();
        }
        *ordinal = 0;
        std::wstring text;
        for (wchar_t c = first; c != 0; c = Read<WORD>())
            text += c;
        return text;
    }

    void AlignDword() { m_pos = (m_pos + 3) & ~size_t{3}; }
    void Skip(size_t count) { Need(count); m_pos += count; }

private:
    void Need(size_t count) const
    {
        if (m_pos + count > m_bytes.size())
            throw std::runtime_error("dialog template ends early");
    }

    const std::vector<BYTE>& m_bytes;
    size_t m_pos = 0;
};

namespace {

std::wstring OrdinalClassName(WORD ordinal)
{
    switch (ordinal) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(ordinal);
    }
}

} // namespace

DialogTemplate::DialogTemplate(const std::vector<BYTE>& bytes)
{
    Cursor in(bytes);
    ReadHeader(in);
    for (DialogItem& item : items) {
        in.AlignDword();
        item = ReadItem(in);
    }
}

void DialogTemplate::ReadHeader(Cursor& in)
{
    if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF)
        throw std::runtime_error("not an extended dialog template");
    in.Read<DWORD>();                       // help id
    exStyle = in.Read<DWORD>();
    style = in.Read<DWORD>();
    items.resize(in.Read<WORD>());
    in.Read<short>();
    in.Read<short>();
    cx = in.Read<short>();
    cy = in.Read<short>();
    WORD ordinal = 0;
    in.ReadNameOrOrdinal(&ordinal);         // menu
    in.ReadNameOrOrdinal(&ordinal);         // window class
    caption = in.ReadText();
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        pointSize = in.Read<WORD>();
        in.Read<WORD>();                    // weight
        in.Read<BYTE>();                    // italic
        charset = in.Read<BYTE>();
        fontName = in.ReadText();
    }
}

DialogItem DialogTemplate::ReadItem(Cursor& in)
{
    DialogItem item;
    in.Read<DWORD>();                       // help id
    item.exStyle = in.Read<DWORD>();
    item.style = in.Read<DWORD>();
    item.x = in.Read<short>();
    item.y = in.Read<short>();
    item.cx = in.Read<short>();
    item.cy = in.Read<short>();
    item.id = in.Read<DWORD>();
    WORD ordinal = 0;
    item.className = in.ReadNameOrOrdinal(&ordinal);
    if (ordinal)
        item.className = OrdinalClassName(ordinal);
    item.text = in.ReadNameOrOrdinal(&item.textOrdinal);
    in.Skip(in.Read<WORD>());               // creation data
    return item;
}

const DialogItem* DialogTemplate::Item(DWORD id) const
{
    for (const DialogItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}
