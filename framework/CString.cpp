#include "framework/CString.h"

#include "framework/CCodePage.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

LPCSTR NonNull(LPCSTR text)
{
    return text ? text : "";
}

int ClampCount(int count, int available)
{
    if (count < 0)
        return 0;
    return count > available ? available : count;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

CString::CString(LPCSTR text) : m_str(NonNull(text))
{
}

CString::CString(LPCSTR text, int length)
{
    if (text && length > 0)
        m_str.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_str.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString index");
    return m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        throw std::out_of_range("CString index");
    m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator=(LPCSTR text)
{
    m_str = NonNull(text);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_str += text.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR text)
{
    m_str += NonNull(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

int CString::CharLengthAt(size_t pos) const
{
    const char* begin = m_str.data();
    return CCodePage::CharLength(begin + pos, begin + m_str.size());
}

std::string CString::CharStarts() const
{
    std::string starts(m_str.size() + 1, '\0');
    for (size_t pos = 0; pos < m_str.size(); pos += static_cast<size_t>(CharLengthAt(pos)))
        starts[pos] = 1;
    starts[m_str.size()] = 1;
    return starts;
}

int CString::Compare(LPCSTR text) const
{
    return strcmp(m_str.c_str(), NonNull(text));
}

int CString::CompareNoCase(LPCSTR text) const
{
    const char* a = m_str.c_str();
    const char* b = NonNull(text);
    const char* aEnd = a + strlen(a);
    const char* bEnd = b + strlen(b);
    while (a < aEnd && b < bEnd) {
        int la = CCodePage::CharLength(a, aEnd);
        int lb = CCodePage::CharLength(b, bEnd);
        unsigned ca = la == 2 ? (static_cast<unsigned char>(a[0]) << 8) | static_cast<unsigned char>(a[1])
                              : static_cast<unsigned char>(CCodePage::ToLower(a[0]));
        unsigned cb = lb == 2 ? (static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1])
                              : static_cast<unsigned char>(CCodePage::ToLower(b[0]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        a += la;
        b += lb;
    }
    if (a < aEnd)
        return 1;
    return b < bEnd ? -1 : 0;
}

int CString::Find(char ch, int start) const
{
    if (ch == '\0')
        return -1;
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1 && static_cast<int>(pos) >= start && m_str[pos] == ch)
            return static_cast<int>(pos);
        pos += static_cast<size_t>(length);
    }
    return -1;
}

size_t CString::FindFrom(LPCSTR sub, size_t subLength, size_t start) const
{
    if (subLength > m_str.size())
        return std::string::npos;
    std::string starts = CharStarts();
    for (size_t pos = start; pos + subLength <= m_str.size(); ++pos) {
        if (starts[pos] && starts[pos + subLength] && m_str.compare(pos, subLength, sub, subLength) == 0)
            return pos;
    }
    return std::string::npos;
}

int CString::Find(LPCSTR sub, int start) const
{
    if (start < 0)
        start = 0;
    if (start > GetLength())
        return -1;
    size_t subLength = strlen(NonNull(sub));
    if (subLength == 0)
        return start;
    size_t found = FindFrom(sub, subLength, static_cast<size_t>(start));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

bool CString::Contains(LPCSTR set, const char* ch, int length)
{
    const char* end = set + strlen(set);
    for (const char* p = set; p < end;) {
        int l = CCodePage::CharLength(p, end);
        if (l == length && memcmp(p, ch, static_cast<size_t>(length)) == 0)
            return true;
        p += l;
    }
    return false;
}

int CString::FindOneOf(LPCSTR chars) const
{
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (Contains(NonNull(chars), &m_str[pos], length))
            return static_cast<int>(pos);
        pos += static_cast<size_t>(length);
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int last = -1;
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1 && m_str[pos] == ch && ch != '\0')
            last = static_cast<int>(pos);
        pos += static_cast<size_t>(length);
    }
    return last;
}

CString CString::Left(int count) const
{
    return CString(m_str.substr(0, static_cast<size_t>(ClampCount(count, GetLength()))));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = ClampCount(first, GetLength());
    count = ClampCount(count, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = ClampCount(count, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

CString CString::SpanIncluding(LPCSTR chars) const
{
    size_t pos = 0;
    while (pos < m_str.size() && Contains(NonNull(chars), &m_str[pos], CharLengthAt(pos)))
        pos += static_cast<size_t>(CharLengthAt(pos));
    return CString(m_str.substr(0, pos));
}

CString CString::SpanExcluding(LPCSTR chars) const
{
    int found = FindOneOf(chars);
    return found < 0 ? *this : Left(found);
}

CString& CString::MakeUpper()
{
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1)
            m_str[pos] = CCodePage::ToUpper(m_str[pos]);
        pos += static_cast<size_t>(length);
    }
    return *this;
}

CString& CString::MakeLower()
{
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1)
            m_str[pos] = CCodePage::ToLower(m_str[pos]);
        pos += static_cast<size_t>(length);
    }
    return *this;
}

bool CString::IsTrimTarget(size_t pos, int length, LPCSTR targets) const
{
    if (!targets)
        return length == 1 && IsBlank(m_str[pos]);
    return Contains(targets, &m_str[pos], length);
}

size_t CString::TrimRightEnd(LPCSTR targets) const
{
    size_t end = 0;
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        pos += static_cast<size_t>(length);
        if (!IsTrimTarget(pos - static_cast<size_t>(length), length, targets))
            end = pos;
    }
    return end;
}

size_t CString::TrimLeftEnd(LPCSTR targets) const
{
    size_t pos = 0;
    while (pos < m_str.size() && IsTrimTarget(pos, CharLengthAt(pos), targets))
        pos += static_cast<size_t>(CharLengthAt(pos));
    return pos;
}

CString& CString::TrimRight()
{
    m_str.resize(TrimRightEnd(nullptr));
    return *this;
}

CString& CString::TrimRight(LPCSTR targets)
{
    m_str.resize(TrimRightEnd(NonNull(targets)));
    return *this;
}

CString& CString::TrimRight(char target)
{
    const char set[2] = {target, '\0'};
    return TrimRight(set);
}

CString& CString::TrimLeft()
{
    m_str.erase(0, TrimLeftEnd(nullptr));
    return *this;
}

CString& CString::TrimLeft(LPCSTR targets)
{
    m_str.erase(0, TrimLeftEnd(NonNull(targets)));
    return *this;
}

CString& CString::TrimLeft(char target)
{
    const char set[2] = {target, '\0'};
    return TrimLeft(set);
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char target)
{
    return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(LPCSTR targets)
{
    return TrimRight(targets).TrimLeft(targets);
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1 && m_str[pos] == oldCh) {
            m_str[pos] = newCh;
            ++count;
        }
        pos += static_cast<size_t>(length);
    }
    return count;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText)
{
    size_t oldLength = strlen(NonNull(oldText));
    if (oldLength == 0)
        return 0;
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (size_t found; (found = FindFrom(oldText, oldLength, pos)) != std::string::npos; pos = found + oldLength) {
        result.append(m_str, pos, found - pos);
        result += NonNull(newText);
        ++count;
    }
    if (count) {
        result.append(m_str, pos, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    std::string result;
    int count = 0;
    for (size_t pos = 0; pos < m_str.size();) {
        int length = CharLengthAt(pos);
        if (length == 1 && m_str[pos] == ch)
            ++count;
        else
            result.append(m_str, pos, static_cast<size_t>(length));
        pos += static_cast<size_t>(length);
    }
    m_str.swap(result);
    return count;
}

int CString::Insert(int index, char ch)
{
    const char text[2] = {ch, '\0'};
    return Insert(index, text);
}

int CString::Insert(int index, LPCSTR text)
{
    m_str.insert(static_cast<size_t>(ClampCount(index, GetLength())), NonNull(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = ClampCount(index, GetLength());
    count = ClampCount(count, GetLength() - index);
    m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

void CString::Format(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCSTR format, va_list args)
{
    m_str.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(LPCSTR format, va_list args)
{
    va_list probe;
    va_copy(probe, args);
    int length = vsnprintf(nullptr, 0, NonNull(format), probe);
    va_end(probe);
    if (length <= 0)
        return;
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    vsnprintf(buffer.data(), buffer.size(), NonNull(format), args);
    m_str.append(buffer.data(), static_cast<size_t>(length));
}

LPSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength), '\0');
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(length < 0 ? 0 : length), '\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    size_t length = newLength < 0 ? strlen(m_str.c_str()) : static_cast<size_t>(newLength);
    if (length < m_str.size())
        m_str.resize(length);
}

void CString::Preallocate(int length)
{
    if (length > 0)
        m_str.reserve(static_cast<size_t>(length));
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    return result += b;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString result(a);
    return result += b;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString result(a);
    return result += b;
}

CString operator+(const CString& a, char b)
{
    CString result(a);
    return result += b;
}

CString operator+(char a, const CString& b)
{
    CString result(a);
    return result += b;
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
