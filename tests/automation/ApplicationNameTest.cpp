#include "automation/ApplicationName.h"
#include "automation/ApplicationRecords.h"
#include "automation/AutoModeRules.h"
#include "framework/CCodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

TEST(ExeBaseName, DropsFolderAndLastExtensionOnly)
{
    EXPECT_STREQ(ExeBaseName("notepad.exe"), "NOTEPAD");
    EXPECT_STREQ(ExeBaseName("C:\\Apps\\Tool.beta.exe"), "TOOL.BETA");
    EXPECT_STREQ(ExeBaseName("C:\\Apps.v2\\runner"), "RUNNER");   // a dot in a folder is no extension
    EXPECT_STREQ(ExeBaseName("GAME"), "GAME");
    EXPECT_STREQ(ExeBaseName(""), "");
}

TEST(ExeBaseName, DoubleByteTrailBytesAreNoSeparators)
{
    ASSERT_TRUE(CCodePage::Use(932));
    // 0x95 0x5C is one character whose trail byte is '\'; 0x83 0x65 one whose trail byte is 'e'.
    EXPECT_STREQ(ExeBaseName("C:\\\x95\x5C\\\x83\x65st.exe"), "\x83\x65ST");
    EXPECT_STREQ(ExeBaseName("\x95\x5Cx.exe"), "\x95\x5CX");
    CCodePage::Use(0);
}

TEST(ApplicationName, ShellWindowsCountOnlyAsFolderOrPictureViewer)
{
    EXPECT_STREQ(ApplicationNameOf("NOTEPAD", "Notepad"), "NOTEPAD");
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "ExploreWClass"), "EXPLORER");
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "CabinetWClass"), "EXPLORER");
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "ShImgVw:CPreviewWnd"), "SHIMGVW");
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "Progman"), "");        // the desktop
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "Shell_TrayWnd"), "");  // the taskbar
    EXPECT_STREQ(ApplicationNameOf("EXPLORER", "cabinetwclass"), "");  // class names compare exactly
    // A process without a name would make the Tonalis key itself the entry's key.
    EXPECT_STREQ(ApplicationNameOf("", "Whatever"), "");
}

TEST(ApplicationName, ProgramAndSystemHelpersAreNotListed)
{
    EXPECT_TRUE(IsOwnProgramName("TALVEX"));
    EXPECT_FALSE(IsOwnProgramName("talvex"));
    for (const char* name : {"TALVEX", "RUNDLL32", "VANTOR", "DWM"})
        EXPECT_TRUE(IsHiddenFromApplicationList(name)) << name;
    for (const char* name : {"EXPLORER", "NOTEPAD", "DWMX"})
        EXPECT_FALSE(IsHiddenFromApplicationList(name)) << name;
}

class DrivePath : public ::testing::Test {
protected:
    std::map<char, CString> devices;
    std::string asked;
    CString Of(const char* image, DWORD mask)
    {
        return DrivePathOfImage(image, mask, [this](char letter) {
            asked += letter;
            const auto it = devices.find(letter);
            return it == devices.end() ? CString() : it->second;
        });
    }
};

TEST_F(DrivePath, DeviceFormBecomesDriveLetterForm)
{
    devices['C'] = "\\Device\\HarddiskVolume2";
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume2\\Games\\run.exe", 1u << 2), "C:\\Games\\run.exe");
}

TEST_F(DrivePath, OnlyDrivesOfTheMaskAreAsked)
{
    devices['A'] = "\\Device\\Floppy0";
    devices['D'] = "\\Device\\HarddiskVolume3";
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume3\\x.exe", (1u << 0) | (1u << 3)), "D:\\x.exe");
    EXPECT_EQ(asked, "AD");
    asked.clear();
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume3\\x.exe", 1u << 0), "");
    EXPECT_EQ(asked, "A");
}

TEST_F(DrivePath, VolumeOneNeverClaimsAFileOfVolumeTen)
{
    devices['C'] = "\\Device\\HarddiskVolume1";
    devices['E'] = "\\Device\\HarddiskVolume10";
    const DWORD both = (1u << 2) | (1u << 4);
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume10\\Apps\\a.exe", both), "E:\\Apps\\a.exe");
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume1\\Apps\\a.exe", both), "C:\\Apps\\a.exe");
}

TEST_F(DrivePath, NoMatchGivesNothing)
{
    devices['C'] = "\\Device\\HarddiskVolume1";
    devices['Z'] = "";   // a drive whose device cannot be asked
    EXPECT_STREQ(Of("\\Device\\Mup\\server\\share\\a.exe", (1u << 2) | (1u << 25)), "");   // a network path
    EXPECT_STREQ(Of("\\Device\\HarddiskVolume1", 1u << 2), "");                              // no file
    EXPECT_STREQ(Of("x\\Device\\HarddiskVolume1\\a.exe", 1u << 2), "");                      // not at the start
}

TEST(RecordText, CutToFitWithoutSplittingACharacter)
{
    char field[8];
    std::memset(field, 'x', sizeof field);
    CopyRecordText(field, sizeof field, "ABCDEFGHIJ");
    EXPECT_STREQ(field, "ABCDEFG");
    CopyRecordText(field, sizeof field, nullptr);
    EXPECT_STREQ(field, "");

    ASSERT_TRUE(CCodePage::Use(932));
    CopyRecordText(field, sizeof field, "ABCDE\x83\x65Z");   // bytes 5 and 6 fit; Z would take the NUL's place
    EXPECT_STREQ(field, "ABCDE\x83\x65");
    CopyRecordText(field, sizeof field, "ABCDEF\x83\x65");   // bytes 6 and 7: no room with the NUL
    EXPECT_STREQ(field, "ABCDEF");
    CCodePage::Use(0);

    ApplicationEntry entry{};
    const std::string longName(400, 'N');
    CopyRecordText(entry.name, sizeof entry.name, longName.c_str());
    EXPECT_EQ(std::strlen(entry.name), 255u);
}

class AutoMode : public ::testing::Test {
protected:
    ~AutoMode() override
    {
        while (!registered.IsEmpty())
            delete static_cast<RegisteredApplicationEntry*>(registered.RemoveHead());
    }
    void Register(const char* name, DWORD mode)
    {
        auto* entry = new RegisteredApplicationEntry{};
        std::strcpy(entry->name, name);
        entry->mode = mode;
        registered.AddTail(entry);
    }
    CPtrList registered;
};

TEST_F(AutoMode, RegisteredModeWinsOverTheDefault)
{
    Register("GAME", 23);
    Register("GAME", 40);   // a second entry of the name is never reached
    Register("EDITOR", 33);
    EXPECT_EQ(ChooseAutoMode(registered, "GAME", 41), 23);
    EXPECT_EQ(ChooseAutoMode(registered, "EDITOR", 47), 33);
    EXPECT_EQ(ChooseAutoMode(registered, "OTHER", 41), 41);
    EXPECT_EQ(ChooseAutoMode(registered, "game", 41), 41);   // names compare exactly
}

TEST_F(AutoMode, NotChangeAndForeignValuesApplyNothing)
{
    Register("STORED47", 47);
    Register("STORED256", 256);
    Register("STOREDBIG", 0xFFFFFFFF);
    EXPECT_EQ(ChooseAutoMode(registered, "OTHER", 47), AutoModeNone);
    EXPECT_EQ(ChooseAutoMode(registered, "OTHER", 0xFFFFFFFF), AutoModeNone);
    EXPECT_EQ(ChooseAutoMode(registered, "STORED47", 22), AutoModeNone);
    EXPECT_EQ(ChooseAutoMode(registered, "STORED256", 22), AutoModeNone);   // not mode 0
    EXPECT_EQ(ChooseAutoMode(registered, "STOREDBIG", 22), AutoModeNone);
    EXPECT_EQ(ChooseAutoMode(registered, "OTHER", 0), 0);
}

TEST(ModeWrite, OnlyAnOfferedModeTheMonitorIsNotInAlready)
{
    const ULONGLONG modes = (1ULL << 22) | (1ULL << 46) | (1ULL << 63);
    EXPECT_TRUE(NeedsModeWrite(23, 22, modes));
    EXPECT_TRUE(NeedsModeWrite(-1, 46, modes));
    EXPECT_FALSE(NeedsModeWrite(22, 22, modes));    // already in it
    EXPECT_FALSE(NeedsModeWrite(22, 23, modes));    // not offered
    EXPECT_FALSE(NeedsModeWrite(22, 47, modes));    // "Not change the mode" is never written
    EXPECT_FALSE(NeedsModeWrite(22, 200, modes));
    EXPECT_FALSE(NeedsModeWrite(22, -1, modes));
}

} // namespace
