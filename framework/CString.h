#pragma once
// Narrow text in the system code page. Searches, replacements, trimming and
// case conversion go by characters (CCodePage), never into the trail byte of a
// double-byte character. Positions and lengths are in bytes, as in Win32.
#include "framework/WinTypes.h"

#include <cstdarg>
#include <string>

#ifdef _WIN32
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, args)))
#else
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

class CString
{
public:
    CString() = default;
    CString(LPCSTR text);                 // NULL gives an empty text
    CString(LPCSTR text, int length);     // at most length bytes
    CString(char ch, int repeat = 1);
    CString(const std::string& text) : m_str(text) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCSTR GetString() const { return m_str.c_str(); }
    operator LPCSTR() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    // Byte access; an index outside the text throws std::out_of_range.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);

    CString& operator=(LPCSTR text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    int Compare(LPCSTR text) const;          // byte order of the characters
    int CompareNoCase(LPCSTR text) const;    // single-byte letters folded

    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    int FindOneOf(LPCSTR chars) const;
    int ReverseFind(char ch) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCSTR chars) const;
    CString SpanExcluding(LPCSTR chars) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(LPCSTR targets);
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(LPCSTR targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(LPCSTR targets);

    int Replace(char oldCh, char newCh);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);

    void Format(LPCSTR format, ...) AFX_PRINTF_FORMAT(2, 3);
    void AppendFormat(LPCSTR format, ...) AFX_PRINTF_FORMAT(2, 3);
    void FormatV(LPCSTR format, va_list args);
    void AppendFormatV(LPCSTR format, va_list args);

    // A writable buffer of at least minLength bytes plus the terminating NUL;
    // ReleaseBuffer(-1) then takes the length up to the first NUL.
    LPSTR GetBuffer(int minLength = 0);
    LPSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void Preallocate(int length);

#ifdef _WIN32
    // Text of a string resource of the program; an empty text and FALSE when there is none.
    BOOL LoadString(UINT id);
#endif

private:
    // Marks the offsets at which a character begins, the end included.
    std::string CharStarts() const;
    size_t FindFrom(LPCSTR sub, size_t subLength, size_t start) const;
    static bool Contains(LPCSTR set, const char* ch, int length);
    bool IsTrimTarget(size_t pos, int length, LPCSTR targets) const;
    size_t TrimRightEnd(LPCSTR targets) const;
    size_t TrimLeftEnd(LPCSTR targets) const;
    int CharLengthAt(size_t pos) const;

    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCSTR b);
bool operator==(LPCSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCSTR b);
bool operator!=(LPCSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, LPCSTR b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, LPCSTR b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
