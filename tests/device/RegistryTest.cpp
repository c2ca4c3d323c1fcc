// The registry store on the program's real key: the layout's values with
// what a missing value leaves, and every failure result. The key is removed
// before and after each test.
#include "device/CRegistry.h"
#include "device/SettingsLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveProgramKey(); }
    void TearDown() override { RemoveProgramKey(); }

    static void RemoveProgramKey() { RegDeleteTreeA(HKEY_CURRENT_USER, RegKeyRoot); }

    static bool KeyExists(LPCSTR path)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    // Stores a value of any type and size, bypassing the store.
    static void Raw(LPCSTR path, LPCSTR name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
};

TEST_F(RegistryTest, FirstStartReadsNothingAndCreatesNothing)
{
    DWORD value = 0xDEFA;
    EXPECT_EQ(CRegistry::ReadDword(RegValueModeChange, &value, RegKeyRoot), 0);
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 0);
    EXPECT_EQ(CRegistry::ReadDword(RegValueNoTopmost, &value, RegKeyRoot), 0);
    EXPECT_EQ(CRegistry::ReadDword(RegValueMultiControl, &value, RegKeyColor), 0);
    EXPECT_EQ(CRegistry::ReadDword(RegValueMultiControl, &value, RegKeyHotKey), 0);
    EXPECT_EQ(value, 0xDEFAu);   // every caller keeps its default

    char text[RegTextBufferSize] = "kept";
    char name[CRegistry::MaxNameLength];
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, text, sizeof text, SettingsLayout::MonitorKey("S-1")), 0);
    EXPECT_STREQ(text, "kept");
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyTonalis, name), 0);
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyRoot, name, nullptr), 0);
    EXPECT_EQ(CRegistry::DeleteValue(RegValueDefMode, RegKeyRoot), 0);
    EXPECT_EQ(CRegistry::DeleteKey("GAME.EXE", RegKeyTonalis), 0);
    EXPECT_FALSE(KeyExists(RegKeyRoot));

    // Only a write creates the path, whole.
    EXPECT_EQ(CRegistry::WriteDword(RegValueModeChange, 1, RegKeyRoot), 1);
    EXPECT_EQ(CRegistry::ReadDword(RegValueModeChange, &value, RegKeyRoot), 1);
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(CRegistry::WriteDword(RegValueMultiControl, 0, RegKeyColor), 1);
    EXPECT_EQ(CRegistry::ReadDword(RegValueMultiControl, &value, RegKeyColor), 1);
    EXPECT_EQ(value, 0u);   // stored 0 reads like a missing value to the check boxes
}

TEST_F(RegistryTest, LayoutValuesRoundTrip)
{
    const CString game = SettingsLayout::TonalisKey("GAME.EXE");
    EXPECT_EQ(CRegistry::WriteDword(RegValueMode, 23, game), 1);
    const char description[] = "A game";
    EXPECT_EQ(CRegistry::WriteString(RegValueDescription, description, sizeof description, game), 1);
    char text[RegTextBufferSize];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(CRegistry::ReadString(RegValueDescription, text, sizeof text, game), 1);
    EXPECT_STREQ(text, "A game");

    // Two monitors of one model keep their hot keys apart.
    const BYTE first[10] = {0x70, 0, 0x71, 0, 0, 0, 0, 0, 0, 0};
    const BYTE second[10] = {0x72, 0, 0, 0, 0, 0, 0, 0, 0x7B, 0};
    const CString keyA = SettingsLayout::HotKeyKey("XV27", "SER00001");
    const CString keyB = SettingsLayout::HotKeyKey("XV27", "SER00002");
    EXPECT_EQ(CRegistry::WriteBinary(RegValueVKey, first, sizeof first, keyA), 1);
    EXPECT_EQ(CRegistry::WriteBinary(RegValueVKey, second, sizeof second, keyB), 1);
    BYTE read[10] = {};
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, read, sizeof read, keyA), 1);
    EXPECT_EQ(std::memcmp(read, first, 10), 0);
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, read, sizeof read, keyB), 1);
    EXPECT_EQ(std::memcmp(read, second, 10), 0);
    EXPECT_EQ(CRegistry::ReadBinary(RegValueMod, read, sizeof read, keyB), 0);
}

TEST_F(RegistryTest, TonalisEntryWithoutModeIsNotReadable)
{
    const CString game = SettingsLayout::TonalisKey("NOMODE.EXE");
    const char description[] = "described";
    ASSERT_EQ(CRegistry::WriteString(RegValueDescription, description, sizeof description, game), 1);
    DWORD mode = 47;
    EXPECT_EQ(CRegistry::ReadDword(RegValueMode, &mode, game), 0);
    char name[CRegistry::MaxNameLength];
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyTonalis, name), 1);
    EXPECT_STREQ(name, "NOMODE.EXE");
    EXPECT_EQ(CRegistry::EnumKey(1, RegKeyTonalis, name), 0);
}

TEST_F(RegistryTest, LayoutValuesOfAnotherTypeOrSizeReadAsMissing)
{
    // DWORD settings: a REG_DWORD of 4 bytes, nothing else.
    DWORD value = 47;
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    Raw(RegKeyRoot, RegValueDefMode, REG_BINARY, eight, 8);
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 0);
    const BYTE four[4] = {5, 0, 0, 0};
    Raw(RegKeyRoot, RegValueDefMode, REG_BINARY, four, 4);
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 0);
    Raw(RegKeyRoot, RegValueDefMode, REG_DWORD, four, 2);
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 0);
    Raw(RegKeyRoot, RegValueModeChange, REG_SZ, "0", 2);   // would have switched automatic switching on
    EXPECT_EQ(CRegistry::ReadDword(RegValueModeChange, &value, RegKeyRoot), 0);
    EXPECT_EQ(value, 47u);   // every caller keeps its default
    EXPECT_EQ(CRegistry::ReadDword(RegValueModeChange, nullptr, RegKeyRoot), 0);
    Raw(RegKeyRoot, RegValueDefMode, REG_DWORD, four, 4);
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 1);
    EXPECT_EQ(value, 5u);

    // Hot keys: a REG_BINARY of exactly 10 bytes.
    const CString hotKeys = SettingsLayout::HotKeyKey("XV27", "SER00001");
    BYTE words[10];
    std::memset(words, 0xEE, sizeof words);
    Raw(hotKeys, RegValueVKey, REG_SZ, "hello", 6);   // read as bytes it bound keypad "/"
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, words, sizeof words, hotKeys), 0);
    Raw(hotKeys, RegValueVKey, REG_BINARY, eight, 8);
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, words, sizeof words, hotKeys), 0);
    const BYTE twelve[12] = {0x70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Raw(hotKeys, RegValueVKey, REG_BINARY, twelve, 12);
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, words, sizeof words, hotKeys), 0);
    EXPECT_EQ(words[0], 0xEE);   // a refused value leaves the buffer alone
    Raw(hotKeys, RegValueVKey, REG_BINARY, twelve, 10);
    EXPECT_EQ(CRegistry::ReadBinary(RegValueVKey, words, sizeof words, hotKeys), 1);
    EXPECT_EQ(words[0], 0x70);

    // Texts: a REG_SZ.
    const CString monitor = SettingsLayout::MonitorKey("SER00001-2");
    char text[RegTextBufferSize] = "kept";
    static const char display[] = "\\\\.\\DISPLAY2";
    Raw(monitor, RegValueDisplayName, REG_BINARY, display, sizeof display);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, text, sizeof text, monitor), 0);
    Raw(monitor, RegValueDisplayName, REG_EXPAND_SZ, display, sizeof display);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, text, sizeof text, monitor), 0);
    Raw(monitor, RegValueDisplayName, REG_DWORD, four, 4);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, text, sizeof text, monitor), 0);
    EXPECT_STREQ(text, "kept");
    Raw(monitor, RegValueDisplayName, REG_SZ, display, sizeof display - 1);   // stored without its NUL
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, text, sizeof text, monitor), 1);
    EXPECT_STREQ(text, display);
}

TEST_F(RegistryTest, ValueReadsNeverPassTheCallersBuffer)
{
    const CString key = SettingsLayout::MonitorKey("SER00001-2");
    char buffer[8];

    Raw(key, RegValueDisplayName, REG_SZ, "\\\\.\\DISPLAY2", 13);
    std::memset(buffer, 'k', sizeof buffer);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, buffer, sizeof buffer, key), 0);
    EXPECT_EQ(buffer[0], 'k');   // a failed read leaves the buffer alone

    // Strings stored without their NUL come back terminated...
    Raw(key, RegValueDisplayName, REG_SZ, "ABCDE", 5);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, buffer, sizeof buffer, key), 1);
    EXPECT_STREQ(buffer, "ABCDE");
    // ...or not at all when no room is left for the NUL.
    Raw(key, RegValueDisplayName, REG_SZ, "ABCDEFGH", 8);
    std::memset(buffer, 'k', sizeof buffer);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, buffer, sizeof buffer, key), 0);
    EXPECT_EQ(buffer[0], 'k');
    Raw(key, RegValueDisplayName, REG_SZ, "ABCDEFG", 8);
    EXPECT_EQ(CRegistry::ReadString(RegValueDisplayName, buffer, sizeof buffer, key), 1);
    EXPECT_STREQ(buffer, "ABCDEFG");

    // Binary data fills the buffer exactly.
    const BYTE binary[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    Raw(key, "Blob", REG_BINARY, binary, 8);
    EXPECT_EQ(CRegistry::ReadValue("Blob", buffer, sizeof buffer, key), 1);
    EXPECT_EQ(buffer[7], 9);
    EXPECT_EQ(CRegistry::ReadValue("Blob", buffer, 0, key), 0);
    EXPECT_EQ(CRegistry::ReadValue("Blob", nullptr, 8, key), 0);
}

TEST_F(RegistryTest, StringWritesStopAtTheTextsEnd)
{
    const char text[] = "abc";
    EXPECT_EQ(CRegistry::WriteString(RegValueDescription, text, 200, RegKeyRoot), 1);
    char buffer[4];
    EXPECT_EQ(CRegistry::ReadValue(RegValueDescription, buffer, sizeof buffer, RegKeyRoot), 1);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(CRegistry::WriteString(RegValueDescription, nullptr, 4, RegKeyRoot), 0);
}

TEST_F(RegistryTest, EnumerationFitsNamesAndDataOrFails)
{
    const BYTE small[3] = {1, 2, 3};
    Raw(RegKeyRoot, "Small", REG_BINARY, small, 3);
    char name[CRegistry::MaxNameLength];
    BYTE data[CRegistry::MaxEnumData];
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyRoot, name, data), 1);
    EXPECT_STREQ(name, "Small");
    EXPECT_EQ(data[2], 3);
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyRoot, nullptr, nullptr), 1);
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyRoot, name, data, 5), 0);       // "Small" needs 6
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyRoot, name, data, 6, 2), 0);    // 3 bytes of data
    EXPECT_EQ(CRegistry::EnumValue(1, RegKeyRoot, name, data), 0);

    std::string big(CRegistry::MaxEnumData + 1, 'x');
    Raw(RegKeyHotKey, "Big", REG_BINARY, big.data(), static_cast<DWORD>(big.size()));
    EXPECT_EQ(CRegistry::EnumValue(0, RegKeyHotKey, name, data), 0);

    Raw(SettingsLayout::TonalisKey("LONGNAME.EXE"), RegValueMode, REG_DWORD, "\1\0\0\0", 4);
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyTonalis, name, 12), 0);
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyTonalis, name, 13), 1);
    EXPECT_STREQ(name, "LONGNAME.EXE");
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyTonalis, nullptr), 1);
}

TEST_F(RegistryTest, DeletingSubkeysEndsEvenWhenOneCannotGo)
{
    for (const char* serial : {"SER00001-1", "SER00002-2", "SER00003-2"})
        Raw(SettingsLayout::MonitorKey(serial), RegValueDisplayName, REG_SZ, "\\\\.\\DISPLAY1", 13);
    // A subkey with a subkey of its own cannot be deleted.
    Raw(SettingsLayout::MonitorKey("SER00002-2") + "\\Inner", "v", REG_SZ, "", 1);

    EXPECT_EQ(CRegistry::DeleteKey("SER00002-2", RegKeyMonitor), 0);
    EXPECT_EQ(CRegistry::DeleteKey("", RegKeyMonitor), 0);
    EXPECT_EQ(CRegistry::DeleteAllSubkeys(RegKeyMonitor), 0);
    char name[CRegistry::MaxNameLength];
    ASSERT_EQ(CRegistry::EnumKey(0, RegKeyMonitor, name), 1);
    EXPECT_STREQ(name, "SER00002-2");
    EXPECT_EQ(CRegistry::EnumKey(1, RegKeyMonitor, name), 0);

    EXPECT_EQ(CRegistry::DeleteKey("Inner", SettingsLayout::MonitorKey("SER00002-2")), 1);
    EXPECT_EQ(CRegistry::DeleteAllSubkeys(RegKeyMonitor), 1);
    EXPECT_EQ(CRegistry::EnumKey(0, RegKeyMonitor, name), 0);
    EXPECT_TRUE(KeyExists(RegKeyMonitor));   // the key itself stays
    EXPECT_EQ(CRegistry::DeleteAllSubkeys(RegKeyMonitor), 1);
}

TEST_F(RegistryTest, DeleteValueRemovesOneValue)
{
    ASSERT_EQ(CRegistry::WriteDword(RegValueNoTopmost, 1, RegKeyRoot), 1);
    ASSERT_EQ(CRegistry::WriteDword(RegValueDefMode, 3, RegKeyRoot), 1);
    EXPECT_EQ(CRegistry::DeleteValue(RegValueNoTopmost, RegKeyRoot), 1);
    EXPECT_EQ(CRegistry::DeleteValue(RegValueNoTopmost, RegKeyRoot), 0);
    DWORD value = 0;
    EXPECT_EQ(CRegistry::ReadDword(RegValueDefMode, &value, RegKeyRoot), 1);
    EXPECT_EQ(value, 3u);
}

} // namespace
