#pragma once
// An extended dialog template (DLGTEMPLATEEX) read back from its resource
// bytes, so tests can compare layouts in dialog units exactly.
#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring className;     // ordinal classes are given their names
    std::wstring text;
    WORD textOrdinal = 0;       // resource id when the text is an ordinal
};

class DialogTemplate {
public:
    // Throws std::runtime_error when the bytes are no extended template.
    explicit DialogTemplate(const std::vector<BYTE>& bytes);

    const DialogItem* Item(DWORD id) const;

    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0, cy = 0;
    std::wstring caption;
    std::wstring fontName;
    WORD pointSize = 0;
    BYTE charset = 0;
    std::vector<DialogItem> items;

private:
    class Cursor;
    void ReadHeader(Cursor& in);
    static DialogItem ReadItem(Cursor& in);
};
