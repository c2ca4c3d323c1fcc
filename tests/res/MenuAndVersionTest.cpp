// The tray menu in both languages and the version resource of the program.
#include "ResourceReader.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    UINT id;            // 0: separator
    std::string text;
};

std::vector<Entry> Entries(HMENU popup)
{
    std::vector<Entry> out;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char text[128] = {};
        GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
        UINT id = GetMenuItemID(popup, i);
        out.push_back({id == UINT(-1) ? 0 : id, text});
    }
    return out;
}

std::vector<UINT> Ids(HMENU popup)
{
    std::vector<UINT> ids;
    for (const Entry& entry : Entries(popup))
        ids.push_back(entry.id);
    return ids;
}

bool operator==(const Entry& a, const Entry& b) { return a.id == b.id && a.text == b.text; }

std::string VersionString(const std::vector<BYTE>& block, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return "";
    return std::string(value, length ? length - 1 : 0);
}

} // namespace

TEST(TrayMenu, EnglishPopupsForWithAndWithoutAMonitor)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    std::vector<Entry> withMonitor = {{ID_TRAY_SETTING, "&Setting of Talvex"}, {0, ""},
                                      {ID_TRAY_MONITOR_LIST, "Show &monitor connection list"}, {0, ""},
                                      {ID_TRAY_EXIT, "E&xit"}};
    std::vector<Entry> without = {{ID_TRAY_MONITOR_LIST, "Show &monitor connection list"}, {0, ""},
                                  {ID_TRAY_EXIT, "E&xit"}};
    EXPECT_EQ(Entries(GetSubMenu(menu, 0)), withMonitor);
    EXPECT_EQ(Entries(GetSubMenu(menu, 1)), without);
    DestroyMenu(menu);
}

TEST(TrayMenu, JapaneseMenuCarriesTheSameCommands)
{
    std::vector<BYTE> bytes = ResourceReader(ResourceReader::Japanese())
                                  .Data(reinterpret_cast<LPCWSTR>(RT_MENU), IDR_TRAY_MENU);
    ASSERT_FALSE(bytes.empty());
    HMENU menu = LoadMenuIndirectW(bytes.data());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Ids(GetSubMenu(menu, 0)),
              (std::vector<UINT>{ID_TRAY_SETTING, 0, ID_TRAY_MONITOR_LIST, 0, ID_TRAY_EXIT}));
    EXPECT_EQ(Ids(GetSubMenu(menu, 1)), (std::vector<UINT>{ID_TRAY_MONITOR_LIST, 0, ID_TRAY_EXIT}));
    DestroyMenu(menu);
}

TEST(VersionInfo, NamesTheProductItsVersionAndTheMaker)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD(MAKELONG(0, 1)));
    EXPECT_EQ(HIWORD(fixed->dwProductVersionLS), 1);
    EXPECT_EQ(VersionString(block, "ProductName"), "Talvex");
    EXPECT_EQ(VersionString(block, "CompanyName"), "Orvel");
    EXPECT_EQ(VersionString(block, "ProductVersion").rfind("1.0.1", 0), 0u);
}
