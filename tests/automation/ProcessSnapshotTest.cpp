// Process inspection with a real process snapshot, against stand-in
// applications started for the test.
#include "AppProcess.h"

#include "automation/CProcessSnapshot.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessSnapshot, FindsAProcessAndNamesItsExecutable)
{
    AppProcess arcade("arcade.exe", {"ArcadeWindow"});
    ASSERT_TRUE(arcade.Started());
    CProcessSnapshot snapshot;
    PROCESSENTRY32* entry = snapshot.Find(arcade.ProcessId());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->th32ProcessID, arcade.ProcessId());
    CString name;
    snapshot.GetExeBaseName(name);
    EXPECT_STREQ(name, "ARCADE") << snapshot.GetExeFile();

    EXPECT_NE(snapshot.Find(GetCurrentProcessId()), nullptr);
    EXPECT_EQ(snapshot.Find(0xFFFFFFF0), nullptr);   // no such process
    EXPECT_EQ(snapshot.Next(), nullptr);             // the walk ended with it
}

TEST(ProcessSnapshot, FileDescriptionFromTheVersionResource)
{
    AppProcess arcade("arcade.exe", {"ArcadeWindow"});
    AppProcess plain("plainapp.exe", {"PlainWindow"});
    ASSERT_TRUE(arcade.Started());
    ASSERT_TRUE(plain.Started());

    CString description = "unchanged";
    CProcessSnapshot::GetFileDescription(arcade.ProcessId(), description);
    EXPECT_STREQ(description, "Arcade Test Game");

    description = "unchanged";   // an executable without a version resource
    CProcessSnapshot::GetFileDescription(plain.ProcessId(), description);
    EXPECT_STREQ(description, "unchanged");
    description = "unchanged";
    CProcessSnapshot::GetFileDescription(0xFFFFFFF0, description);   // no process to open
    EXPECT_STREQ(description, "unchanged");
}

} // namespace
