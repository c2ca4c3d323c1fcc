// Narrow text: editing, formatting, buffers, and the double-byte rules of
// code page 932, whose trail bytes include '\\' (0x5C) and ASCII letters.
#include "framework/CCodePage.h"
#include "framework/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

// "\x95\x5C" is a kanji whose trail byte is '\\'; "\x83\x61" a katakana whose
// trail byte is 'a'; "\x82\x60" the full-width 'A'.
const char kKanjiBackslash[] = "\x95\x5C";
const char kKataA[] = "\x83\x61";

class Cp932Text : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        // The Windows entry runs with a Japanese locale: the system code page itself must be 932.
        ASSERT_EQ(CCodePage::Current(), 932u) << "run with LANG=ja_JP.UTF-8";
#else
        ASSERT_TRUE(CCodePage::Use(932));
#endif
    }
    void TearDown() override
    {
#ifndef _WIN32
        CCodePage::Use(0);
#endif
    }
};

}  // namespace

TEST(CStringBasics, ConstructionAndAccess)
{
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(empty, "");
    CString fromNull(static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
    CString part("abcdef", 3);
    EXPECT_STREQ(part, "abc");
    CString stopsAtNul("ab\0cd", 5);
    EXPECT_EQ(stopsAtNul.GetLength(), 2);
    CString repeated('x', 4);
    EXPECT_STREQ(repeated, "xxxx");
    EXPECT_EQ(part.GetAt(1), 'b');
    EXPECT_EQ(part[2], 'c');
    EXPECT_THROW(part.GetAt(3), std::out_of_range);
    EXPECT_THROW(part.GetAt(-1), std::out_of_range);
    part.SetAt(0, 'X');
    EXPECT_STREQ(part, "Xbc");
    part.Empty();
    EXPECT_EQ(part.GetLength(), 0);
}

TEST(CStringBasics, ConcatenationAndComparison)
{
    CString a("abc");
    CString b = a + "def" + 'g';
    EXPECT_STREQ(b, "abcdefg");
    EXPECT_STREQ("x" + a, "xabc");
    EXPECT_STREQ('y' + a, "yabc");
    a += CString("!");
    a += static_cast<LPCSTR>(nullptr);
    EXPECT_STREQ(a, "abc!");
    EXPECT_TRUE(a == "abc!");
    EXPECT_TRUE("abc!" == a);
    EXPECT_TRUE(a != CString("abc"));
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("b").Compare("abc"), 0);
    EXPECT_EQ(CString("Abc").CompareNoCase("aBC"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
    // Bytes above 0x7F sort after ASCII, as unsigned characters.
    EXPECT_GT(CString("\xE9").Compare("z"), 0);
    EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(CStringBasics, SearchAndExtract)
{
    CString s("one two one");
    EXPECT_EQ(s.Find('o'), 0);
    EXPECT_EQ(s.Find('o', 1), 6);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find("one", 1), 8);
    EXPECT_EQ(s.Find("one", 100), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.ReverseFind('o'), 8);
    EXPECT_EQ(s.FindOneOf("wx"), 5);
    EXPECT_STREQ(s.Left(3), "one");
    EXPECT_STREQ(s.Left(100), "one two one");
    EXPECT_STREQ(s.Left(-2), "");
    EXPECT_STREQ(s.Mid(4), "two one");
    EXPECT_STREQ(s.Mid(4, 3), "two");
    EXPECT_STREQ(s.Mid(20, 3), "");
    EXPECT_STREQ(s.Mid(-5, 3), "one");
    EXPECT_STREQ(s.Right(3), "one");
    EXPECT_STREQ(s.Right(50), "one two one");
    EXPECT_STREQ(s.SpanIncluding("eno"), "one");
    EXPECT_STREQ(s.SpanExcluding(" "), "one");
}

TEST(CStringBasics, EditingInPlace)
{
    CString s("  a-b-c \t\r\n");
    s.Trim();
    EXPECT_STREQ(s, "a-b-c");
    EXPECT_EQ(s.Replace('-', '+'), 2);
    EXPECT_STREQ(s, "a+b+c");
    EXPECT_EQ(s.Replace("+", "--"), 2);
    EXPECT_STREQ(s, "a--b--c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('-'), 4);
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s.Insert(99, '!'), 6);
    EXPECT_STREQ(s, "aXYbc!");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s.Delete(3, 10), 3);
    EXPECT_STREQ(s, "abc");
    s = "xxhixx";
    s.TrimLeft('x');
    EXPECT_STREQ(s, "hixx");
    s.TrimRight("x");
    EXPECT_STREQ(s, "hi");
    s.MakeUpper();
    EXPECT_STREQ(s, "HI");
    s.MakeLower();
    EXPECT_STREQ(s, "hi");
}

TEST(CStringBasics, FormatAndBuffers)
{
    CString s;
    s.Format("%d)    %s/  %-5s|", 3, "label", "ab");
    EXPECT_STREQ(s, "3)    label/  ab   |");
    s.AppendFormat("%04X", 0x2Au);
    EXPECT_STREQ(s, "3)    label/  ab   |002A");
    CString long_;
    long_.Format("%s", std::string(5000, 'z').c_str());
    EXPECT_EQ(long_.GetLength(), 5000);

    CString buffer("abc");
    char* p = buffer.GetBuffer(10);
    strcpy(p, "0123456789");
    buffer.ReleaseBuffer();
    EXPECT_STREQ(buffer, "0123456789");
    p = buffer.GetBuffer(4);
    p[2] = '\0';
    buffer.ReleaseBuffer();
    EXPECT_STREQ(buffer, "01");
    p = buffer.GetBufferSetLength(3);
    p[2] = 'z';
    buffer.ReleaseBuffer(3);
    EXPECT_STREQ(buffer, "01z");
    buffer.GetBuffer(8);
    buffer.ReleaseBuffer(100);  // longer than the buffer: keeps what is there
    EXPECT_EQ(buffer.GetLength(), 8);
}

TEST_F(Cp932Text, TrailBackslashIsNotAPathSeparator)
{
    CString path = CString("C:\\") + kKanjiBackslash + "\\x";
    // Bytes: C : \ 95 5C \ x  -> the separators are at 2 and 5 only.
    EXPECT_EQ(path.Find('\\'), 2);
    EXPECT_EQ(path.Find('\\', 3), 5);
    EXPECT_EQ(path.ReverseFind('\\'), 5);
    CString name = CString(kKanjiBackslash);
    EXPECT_EQ(name.Find('\\'), -1);
    EXPECT_EQ(name.ReverseFind('\\'), -1);
    EXPECT_EQ(name.Find("\\"), -1);
    EXPECT_EQ(name.FindOneOf("\\/"), -1);
}

TEST_F(Cp932Text, TrailBytesAreNotReplacedRemovedOrTrimmed)
{
    CString s = CString(kKanjiBackslash) + "\\";
    EXPECT_EQ(s.Replace('\\', '/'), 1);
    EXPECT_EQ(s, CString(kKanjiBackslash) + "/");
    s = CString(kKanjiBackslash) + "\\";
    EXPECT_EQ(s.Replace("\\", "/"), 1);
    EXPECT_EQ(s, CString(kKanjiBackslash) + "/");
    s = CString(kKanjiBackslash) + "\\\\";
    s.TrimRight('\\');
    EXPECT_EQ(s, CString(kKanjiBackslash));
    EXPECT_EQ(s.Remove('\\'), 0);
    EXPECT_EQ(s.GetLength(), 2);
    CString kata(kKataA);
    EXPECT_EQ(kata.Find('a'), -1);
    EXPECT_EQ(kata.Find("a"), -1);
}

TEST_F(Cp932Text, CaseConversionLeavesDoubleByteCharactersAlone)
{
    CString s = CString("ab") + kKataA + "cd";
    s.MakeUpper();
    EXPECT_EQ(s, CString("AB") + kKataA + "CD");
    s.MakeLower();
    EXPECT_EQ(s, CString("ab") + kKataA + "cd");
    EXPECT_EQ(CString(kKataA).CompareNoCase("\x83\x41"), 1);  // trail 'a' and 'A' differ
    EXPECT_EQ((CString("X") + kKataA).CompareNoCase((CString("x") + kKataA).GetString()), 0);
}

TEST_F(Cp932Text, SearchTextMatchesWholeCharactersOnly)
{
    // "\x83\x5C\x5C" is a katakana (83 5C) followed by a real '\\'.
    CString s("\x83\x5C\x5C");
    EXPECT_EQ(s.Find("\\"), 2);
    // A search text that begins with a trail byte never matches inside a character.
    CString t = CString(kKataA) + "a";
    EXPECT_EQ(t.Find("a"), 2);
    EXPECT_EQ(t.Find(kKataA), 0);
    // A lead byte at the very end has no trail byte and stands alone.
    CString cut("ab\x83");
    EXPECT_EQ(cut.Find('b'), 1);
    EXPECT_EQ(cut.ReverseFind('b'), 1);
}

TEST(CCodePageChoice, UnknownCodePageIsRefused)
{
    UINT before = CCodePage::Current();
    EXPECT_FALSE(CCodePage::Use(12345));
    EXPECT_EQ(CCodePage::Current(), before);
}
