// The string tables: the English texts as the program quotes them, and the
// Japanese table as complete, well-formed and intact after its code page trip.
#include "JapaneseStrings.h"
#include "ResourceReader.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cwctype>
#include <string>
#include <vector>

namespace {

struct Quoted {
    UINT id;
    const char* text;
};

const Quoted kEnglish[] = {
    {AFX_IDS_APP_TITLE, "Talvex"},
    {IDS_ABOUTBOX, "&About"},
    {IDS_MUTEX_NAME, "Orvel Quorra for LCD"},
    {IDS_VERSION, "Talvex Ver1.0.1"},
    {IDS_TRAY_ICON_FAILED, "Failed to register the program icon to the taskbar notification area.\n"
                           "Talvex will be terminated."},
    {IDS_KEEP_ON_TOP, "Keep On Top"},
    {IDS_TAB_HOT_KEY, "Hot Key"},
    {IDS_TAB_COLOR, "Color Adjustment"},
    {IDS_TAB_AUTO_COLOR, "Auto Color"},
    {IDS_MONITOR, "Monitor"},
    {IDS_HOTKEY_POWER, "Power On/Off :"},
    {IDS_HOTKEY_MUTE, "Mute On/Off :"},
    {IDS_HOTKEY_COLOR_MODE, "Color Mode :"},
    {IDS_HOTKEY_SCREEN_SIZE, "Screen Size :"},
    {IDS_HOTKEY_GLINTARA, "Glintara 2 On/Off :"},
    {IDS_F12_REFUSED, "The F12 key cannot be registered on this OS."},
    {IDS_HOTKEY_SAME_MODELS, "Do you want to apply the same hotkey settings to a monitor of the same "
                             "model as that selected for \"Monitor\"?"},
    {IDS_RESET_CONFIRM, "Performing 'Reset' will return the color data to the default, and it will "
                        "lose further the data adjusted using 'Tunora Functions'. Do you want to continue?"},
    {IDS_MODE_UNNAMED, " "},
    {IDS_MODE_USER1, "User1 mode"},
    {IDS_MODE_USER2, "User2 mode"},
    {IDS_MODE_USER3, "User3 mode"},
    {IDS_MODE_FPS1, "FPS1 mode"},
    {IDS_MODE_FPS2, "FPS2 mode"},
    {IDS_MODE_RTS, "RTS mode"},
    {IDS_MODE_WEB, "Web mode"},
    {IDS_RESET_MODE_CHANGED, "Reset will be canceled because the monitor Color mode changed."},
    {IDS_DATA_FILE_EXT, "dat"},
    {IDS_DATA_FILE_FILTER, "Data File(*.dat)|*.dat||"},
    {IDS_IMPORT_REFUSED, "This data cannot be imported for the currently selected monitor. "
                         "Data import has been canceled."},
    {IDS_EXPORT_REFUSED, "Data cannot be exported when using the currently selected color mode. "
                         "Data export has been canceled."},
    {IDS_OFF, "Off"},
    {IDS_ON, "On"},
    {IDS_STANDARD, "Standard"},
    {IDS_ENHANCED, "Enhanced"},
    {IDS_ENABLE, "Enable"},
    {IDS_DISABLE, "Disable"},
    {IDS_VIDEO, "Video"},
    {IDS_FULL_SCREEN, "Full Screen"},
    {IDS_MODE_NOT_CHANGE, "Not change the mode"},
    {IDS_SAVE_MODE_QUESTION, "Save the mode setting of [%s]?"},
    {IDS_DELETE_MODE_QUESTION, "Are you sure to delete the mode setting of [%s]?"},
    {IDS_DELETE_MODE_FAILED, "Failed to delete the mode setting."},
    {IDS_NO_DESCRIPTION, "Detailed information unavailable"},
    {IDS_MODE_CINEMA, "Cinema mode"},
    {IDS_MODE_PAPER, "Paper mode"},
    {IDS_MODE_GAME_DARK, "Game (Dark scene) mode"},
    {IDS_MODE_GAME_LIGHT, "Game (Light scene) mode"},
    {IDS_MODE_WEB_SRGB, "Web/sRGB mode"},
    {IDS_MANUAL_INTRO, "Monitors that the software detects are listed. \nTo add the monitor, or to "
                       "relate the monitors to software \nmanually, click [Manual setting].\n"},
    {IDS_MANUAL_SETTING, "&Manual setting"},
    {IDS_MANUAL_COMPLETE, "The monitor manual settings is complete."},
    {IDS_CLOSE, "&Close"},
    {IDS_NEXT, "&Next"},
    {IDS_MANUAL_START, "Start monitor manual settings.\nThere are %d of target monitors."},
    {IDS_MANUAL_STEP, "Set %dth of monitors.\n\nMove this window to the monitor screen that is "
                      "displaying\nthe Adjustment menu and then click [Next]."},
    {IDS_MANUAL_CAPTION, "Monitor Manual Setting"},
    {IDS_CANCEL, "Cancel"},
};

// Indexed by the temperature value: string 210 + value.
const char* const kTemperatures[] = {"OFF",   "4000K", "4500K", "5000K", "5500K",
                                     "6000K", "6500K", "7000K", "7500K", "8000K",
                                     "8500K", "9000K", "9300K", "9500K", "10000K"};

std::string Narrow(UINT id)
{
    char buffer[1024] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring FromUtf8(const char* text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), length);
    out.resize(static_cast<size_t>(length - 1));
    return out;
}

std::vector<UINT> AllIds()
{
    std::vector<UINT> ids;
    for (const ScriptString& entry : kScriptStrings)
        ids.push_back(entry.id);
    return ids;
}

// The printf conversions in order: a translation must keep them all.
std::wstring Conversions(const std::wstring& text)
{
    std::wstring out;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == L'%')
            out += text[++i];
    return out;
}

// The mnemonic letter after '&', upper case; 0 when there is none.
wchar_t Mnemonic(const std::wstring& text)
{
    size_t amp = text.find(L'&');
    return amp == std::wstring::npos || amp + 1 >= text.size() ? 0 : towupper(text[amp + 1]);
}

} // namespace

TEST(EnglishStrings, LoadWithTheTextsThePartsQuote)
{
    for (const Quoted& quoted : kEnglish)
        EXPECT_EQ(Narrow(quoted.id), quoted.text) << "string " << quoted.id;
    for (UINT value = 0; value < 15; ++value)
        EXPECT_EQ(Narrow(IDS_TEMPERATURE_OFF + value), kTemperatures[value]) << "temperature " << value;
}

TEST(EnglishStrings, NoticeIsOneLineNamingTheMakerAndAYear)
{
    std::string notice = Narrow(IDS_NOTICE);
    EXPECT_EQ(notice.find('\n'), std::string::npos);
    EXPECT_NE(notice.find("Orvel"), std::string::npos);
    bool year = false;
    for (size_t i = 0; i + 4 <= notice.size(); ++i)
        year = year || (notice.compare(i, 2, "20") == 0 && isdigit(notice[i + 2]) && isdigit(notice[i + 3]));
    EXPECT_TRUE(year) << notice;
}

TEST(EnglishStrings, WebAddressIsOneShortLine)
{
    std::string address = Narrow(IDS_WEB_ADDRESS);
    ASSERT_FALSE(address.empty());
    EXPECT_EQ(address.find_first_of(" \n\t"), std::string::npos);
    EXPECT_LT(address.size(), 30u);
}

TEST(TranslatedStrings, EveryIdExistsInBothLanguages)
{
    ResourceReader english(ResourceReader::English()), japanese(ResourceReader::Japanese());
    for (const Quoted& quoted : kEnglish)
        EXPECT_TRUE(japanese.String(quoted.id).has_value()) << "string " << quoted.id;
    for (UINT id : AllIds())
        EXPECT_TRUE(english.String(id).has_value()) << "string " << id;
    EXPECT_EQ(AllIds().size(), std::size(kEnglish) + 15 + 2) << "quoted, temperatures, notice, address";
}

TEST(TranslatedStrings, KeepConversionsMnemonicsAndTheMutexName)
{
    ResourceReader english(ResourceReader::English()), japanese(ResourceReader::Japanese());
    for (UINT id : AllIds()) {
        std::wstring en = english.String(id).value_or(L""), ja = japanese.String(id).value_or(L"");
        EXPECT_EQ(Conversions(ja), Conversions(en)) << "string " << id;
        if (Mnemonic(en)) {
            EXPECT_EQ(Mnemonic(ja), Mnemonic(en)) << "string " << id;
        }
    }
    // The single-instance mutex and the program's name (message-box captions)
    // must not depend on the language.
    EXPECT_EQ(japanese.String(IDS_MUTEX_NAME), english.String(IDS_MUTEX_NAME));
    EXPECT_EQ(japanese.String(AFX_IDS_APP_TITLE), english.String(AFX_IDS_APP_TITLE));
}

TEST(TranslatedStrings, JapaneseTableMatchesItsScriptAfterTheCodePageTrip)
{
    ResourceReader japanese(ResourceReader::Japanese());
    for (const ScriptString& entry : kScriptStrings)
        EXPECT_EQ(japanese.String(entry.id).value_or(L"<missing>"), FromUtf8(entry.utf8))
            << "string " << entry.id;
}

// Run by the entry that starts the program with LANG=ja_JP.UTF-8.
TEST(JapaneseUi, ProgramLoadsTheJapaneseTableInCodePage932)
{
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE)
        << "the Japanese locale was not in effect";
    ASSERT_EQ(GetACP(), 932u);
    for (const ScriptString& entry : kScriptStrings) {
        std::wstring expected = FromUtf8(entry.utf8);
        char narrow[1024] = {};
        WideCharToMultiByte(932, 0, expected.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
        EXPECT_EQ(Narrow(entry.id), narrow) << "string " << entry.id;
    }
}
