// Colour profiles: the first profile file whose name holds the monitor's
// model name is installed and associated with the Windows monitor device of
// the screen the monitor is bound to.
#include "ProfileFolder.h"
#include "Scenarios.h"
#include "ShellTest.h"

namespace {

class IccProfileTest : public ShellTest
{
protected:
    // Points the program at the private folder and rebuilds the list, which
    // associates the profile of every monitor it adds.
    void Rebuild()
    {
        theApp.m_strCommonAppData = folder.Root().c_str();
        profileCalls.clear();
        Main()->RefreshMonitorList();
    }

    // The device id of the one monitor device of the first display.
    static std::string FirstMonitorDeviceId()
    {
        DISPLAY_DEVICEA device{};
        device.cb = sizeof device;
        if (!EnumDisplayDevicesA("\\\\.\\DISPLAY1", 0, &device, 0))
            return "(none)";
        return device.DeviceID;
    }

    void ExpectAssociated(size_t first, const std::string& profile, const std::string& device)
    {
        ASSERT_GE(profileCalls.size(), first + 3);
        EXPECT_EQ(profileCalls[first].call, "disassociate");
        EXPECT_EQ(profileCalls[first].profile, profile);
        EXPECT_EQ(profileCalls[first].device, device);
        EXPECT_EQ(profileCalls[first + 1].call, "install");
        EXPECT_EQ(profileCalls[first + 1].profile, profile);
        EXPECT_EQ(profileCalls[first + 2].call, "associate");
        EXPECT_EQ(profileCalls[first + 2].profile, profile);
        EXPECT_EQ(profileCalls[first + 2].device, device);
    }

    ProfileFolder folder;
};

TEST_F(IccProfileTest, TheFileNamingTheModelIsAssociatedWithTheScreensMonitor)
{
    ASSERT_TRUE(folder.Add("A.icc"));
    ASSERT_TRUE(folder.Add("Panel SIM-27Q v2.icc"));
    ASSERT_TRUE(folder.Add("SIM-27Q.txt"));
    ASSERT_TRUE(folder.Add("sim-27q.icc"));   // the model name is compared case-sensitively
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str());
    StartOk();
    Rebuild();
    ASSERT_EQ(profileCalls.size(), 3u);
    ExpectAssociated(0, folder.PathOf("Panel SIM-27Q v2.icc"), FirstMonitorDeviceId());
}

TEST_F(IccProfileTest, AFailedInstallationAssociatesNothing)
{
    ASSERT_TRUE(folder.Add("SIM-27Q.icc"));
    installResult = FALSE;
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str());
    StartOk();
    Rebuild();
    ASSERT_EQ(profileCalls.size(), 2u);
    EXPECT_EQ(profileCalls[0].call, "disassociate");
    EXPECT_EQ(profileCalls[1].call, "install");
}

TEST_F(IccProfileTest, WithoutAMatchingFileNothingIsInstalled)
{
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\n").c_str());
    StartOk();
    Rebuild();   // the folder holds no profile
    EXPECT_TRUE(profileCalls.empty());

    ASSERT_TRUE(folder.Add("A.icc"));
    ASSERT_TRUE(folder.Add("SIM-32U.icc"));
    Rebuild();
    EXPECT_TRUE(profileCalls.empty());

    theApp.m_strCommonAppData = (folder.Root() + "\\missing").c_str();
    Main()->RefreshMonitorList();
    EXPECT_TRUE(profileCalls.empty());
}

// Every file name holds the empty text: an empty model name would take
// whichever profile the folder lists first.
TEST_F(IccProfileTest, AnEmptyModelNameInstallsNothing)
{
    ASSERT_TRUE(folder.Add("A.icc"));
    LoadScenario("profile blank\n  model \"\"\n  modes 22\nend\nmonitor 1 blank A0000001\n");
    StartOk();
    Rebuild();
    ASSERT_EQ(ListedSerials().size(), 1u);
    EXPECT_TRUE(profileCalls.empty());
}

TEST_F(IccProfileTest, AScreenBoundByHandGetsItsOnlyMonitorDevice)
{
    ASSERT_TRUE(folder.Add("SIM-27Q.icc"));
    LoadScenario(Scenarios::With("monitor 1 wide A0000001\nmonitor 2 wide B0000002\nmonitor 3 tall C0000003\n").c_str());
    WriteString("\\Monitor\\A0000001-1", "Display Name", "\\\\.\\DISPLAY1");
    WriteString("\\Monitor\\C0000003-7", "Display Name", "\\\\.\\DISPLAY7");   // no such screen
    ASSERT_TRUE(folder.Add("SIM-32U.icc"));
    StartOk();
    Rebuild();
    ASSERT_EQ(ListedSerials().size(), 3u);
    ASSERT_STREQ(Listed(0)->m_strMonitorDevice, "");
    // The first by a stored association, the second by the library; the
    // third stands on a screen Windows does not have.
    ASSERT_EQ(profileCalls.size(), 6u);
    ExpectAssociated(0, folder.PathOf("SIM-27Q.icc"), FirstMonitorDeviceId());
    ExpectAssociated(3, folder.PathOf("SIM-27Q.icc"), FirstMonitorDeviceId());
}

} // namespace
