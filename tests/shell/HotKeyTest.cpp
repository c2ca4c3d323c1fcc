// Global hot keys: every monitor's bindings are registered in control order
// with consecutive ids while the settings window is hidden, and a press
// acts on each monitor that has the combination bound.
#include "HotKeyProbe.h"
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "standins/libdravo/DravoSim.h"

namespace {

using namespace ShellIds;

// Bindings hold the hot-key control's flags; the system takes MOD_* flags.
constexpr WORD CtrlAlt = HOTKEYF_CONTROL | HOTKEYF_ALT;
constexpr UINT ModCtrlAlt = MOD_CONTROL | MOD_ALT;

class HotKeyTest : public ShellTest
{
protected:
    void Press(UINT modifiers, UINT key) { SendMessageA(MainHandle(), WM_HOTKEY, 0, MAKELPARAM(modifiers, key)); }

    // The feature writes the trace shows, as "monitor=<n> feature=<f> ... data=<hex>".
    static std::vector<std::string> Writes()
    {
        std::vector<std::string> writes;
        for (const std::string& line : SimTrace::With("KvSetFeatureArray")) {
            writes.push_back(SimTrace::Field(line, "monitor=") + " " + SimTrace::Field(line, "feature=") + " " +
                             SimTrace::Field(line, "data="));
        }
        return writes;
    }

    static DWORD Value(int monitor, WORD page, WORD usage)
    {
        DWORD value = 0xDEAD;
        SimGetValue(monitor, page, usage, -1, &value);
        return value;
    }

    HotKeyProbe probe;
};

TEST_F(HotKeyTest, EveryBindingIsRegisteredInControlOrderWithTheNextId)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\nmonitor 3 wide W0000003\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F13, CtrlAlt}, {VK_F14, CtrlAlt}, {VK_F15, CtrlAlt}, {VK_F16, CtrlAlt},
                               {VK_F17, CtrlAlt}});
    // No Mute key, and a Glintara 2 key that this model's type does not use.
    BindHotKeys("SIM-32U_T0000002", {{VK_F18, CtrlAlt}, {0, 0}, {VK_F19, CtrlAlt},
                               {VK_F20, HOTKEYF_CONTROL | HOTKEYF_SHIFT}, {VK_F21, CtrlAlt}});
    // Values of another type or size bind nothing: read as bytes, this one
    // would take keypad "/" from every application.
    WriteString("\\HotKey\\SIM-27Q_W0000003", "VKey", "hello");
    WriteBinary("\\HotKey\\SIM-27Q_W0000003", "Mod", reinterpret_cast<const BYTE*>("\0\0\0\0"), 4);
    CVantorDlg* dlg = StartOk();
    ASSERT_EQ(dlg->m_nHotKeyCount, 8u);

    struct Expected {
        UINT modifiers;
        UINT key;
    };
    // Power, Color Mode, Glintara 2, Mute, Screen Size; then the second monitor's.
    const Expected order[] = {{ModCtrlAlt, VK_F13}, {ModCtrlAlt, VK_F15}, {ModCtrlAlt, VK_F17},
                              {ModCtrlAlt, VK_F14}, {ModCtrlAlt, VK_F16}, {ModCtrlAlt, VK_F18},
                              {ModCtrlAlt, VK_F19}, {MOD_CONTROL | MOD_SHIFT, VK_F20}};
    EXPECT_FALSE(probe.IsTaken(ModCtrlAlt, VK_F21));
    for (int id = 0; id < 8; ++id) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(probe.IsTaken(order[id].modifiers, order[id].key));
        EXPECT_TRUE(UnregisterHotKey(dlg->m_hWnd, id)) << "no key under this id";
        EXPECT_FALSE(probe.IsTaken(order[id].modifiers, order[id].key)) << "another key under this id";
    }
    EXPECT_FALSE(UnregisterHotKey(dlg->m_hWnd, 8));
}

TEST_F(HotKeyTest, APressActsOnEveryMonitorThatHasItBound)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\nmonitor 2 tall T0000002\nmonitor 3 wide W0000003\n").c_str());
    // Power on the first and third monitor, Mute on the second: one combination.
    BindHotKeys("SIM-27Q_W0000001", {{VK_F22, CtrlAlt}});
    BindHotKeys("SIM-32U_T0000002", {{0, 0}, {VK_F22, CtrlAlt}});
    BindHotKeys("SIM-27Q_W0000003", {{VK_F22, CtrlAlt}});
    CVantorDlg* dlg = StartOk();
    EXPECT_EQ(dlg->m_nHotKeyCount, 3u) << "ids are used up even where the combination is taken";
    ASSERT_EQ(Value(2, 0x0C, 0xE2), 0u);

    SimTrace::Clear();
    Press(ModCtrlAlt, VK_F22);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"monitor=1 feature=0xFF00:0x0F data=800000",
                                                  "monitor=2 feature=0x0C:0xE2 data=010000",
                                                  "monitor=3 feature=0xFF00:0x0F data=800000"}));
    EXPECT_EQ(Value(2, 0x0C, 0xE2), 1u);

    SimTrace::Clear();
    Press(ModCtrlAlt, VK_F22);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"monitor=1 feature=0xFF00:0x0F data=800000",
                                                  "monitor=2 feature=0x0C:0xE2 data=000000",
                                                  "monitor=3 feature=0xFF00:0x0F data=800000"}));
    EXPECT_EQ(Value(2, 0x0C, 0xE2), 0u);

    // Other modifiers or another key: nothing.
    SimTrace::Clear();
    Press(MOD_CONTROL, VK_F22);
    Press(ModCtrlAlt, VK_F23);
    EXPECT_TRUE(Writes().empty());
}

TEST_F(HotKeyTest, AFailedMuteReadSwitchesMuteOn)
{
    LoadScenario(Scenarios::With("monitor 1 tall T0000001\nfault 1 read mute\n").c_str());
    BindHotKeys("SIM-32U_T0000001", {{0, 0}, {VK_F22, CtrlAlt}});
    StartOk();
    for (int press = 0; press < 2; ++press) {
        SimTrace::Clear();
        Press(ModCtrlAlt, VK_F22);
        EXPECT_EQ(Writes(), std::vector<std::string>{"monitor=1 feature=0x0C:0xE2 data=010000"});
    }
}

TEST_F(HotKeyTest, ABindingOfAnExtendedKeyStillMatches)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F22, CtrlAlt | HOTKEYF_EXT}, {0, 0}, {0, 0}, {VK_F23, HOTKEYF_ALT}});
    StartOk();
    EXPECT_TRUE(probe.IsTaken(ModCtrlAlt, VK_F22)) << "registered without the extended flag";
    EXPECT_TRUE(probe.IsTaken(MOD_ALT, VK_F23));
    SimTrace::Clear();
    Press(ModCtrlAlt, VK_F22);
    Press(MOD_ALT, VK_F23);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"monitor=1 feature=0xFF00:0x0F data=800000",
                                                  "monitor=1 feature=0xFF01:0x3D data=800000"}));
}

TEST_F(HotKeyTest, TheColourModeKeyIsFollowedByReadsOfTheMode)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{0, 0}, {0, 0}, {VK_F22, CtrlAlt}});
    StartOk();
    ASSERT_EQ(Value(1, 0xFF00, 0x15), 22u);
    SimTrace::Clear();
    Press(ModCtrlAlt, VK_F22);
    EXPECT_EQ(Value(1, 0xFF00, 0x15), 23u) << "the monitor steps to its next mode";
    const std::vector<std::string> lines = SimTrace::Lines();
    const int write = SimTrace::Find(lines, "KvSetFeatureArray");
    ASSERT_GE(write, 0);
    EXPECT_NE(lines[write].find("feature=0xFF00:0x0F length=3 data=000100"), std::string::npos);
    int before = 0;
    int after = 0;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].find("KvGetFeatureArray") != std::string::npos && lines[i].find("0xFF00:0x15") != std::string::npos)
            ++(i < write ? before : after);
    }
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 3) << "read again at most three times while it differs from the mode before";
}

TEST_F(HotKeyTest, WhileTheSettingsWindowIsShownTheKeysAreOff)
{
    LoadScenario(Scenarios::With("monitor 1 wide W0000001\n").c_str());
    BindHotKeys("SIM-27Q_W0000001", {{VK_F22, CtrlAlt}});
    CVantorDlg* dlg = StartOk();
    ASSERT_TRUE(probe.IsTaken(ModCtrlAlt, VK_F22));

    SendMessageA(dlg->m_hWnd, WM_COMMAND, IdSetting, 0);
    ASSERT_TRUE(theApp.m_bSettingShown);
    EXPECT_FALSE(probe.IsTaken(ModCtrlAlt, VK_F22));
    EXPECT_EQ(dlg->m_nHotKeyCount, 0u);
    SimTrace::Clear();
    Press(ModCtrlAlt, VK_F22);   // one that was already on its way
    EXPECT_TRUE(Writes().empty());

    // "&Close" hides the window and registers the keys again.
    SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IdClose, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg->m_hWnd, IdClose)));
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
    EXPECT_TRUE(probe.IsTaken(ModCtrlAlt, VK_F22));
    Press(ModCtrlAlt, VK_F22);
    EXPECT_EQ(Writes(), std::vector<std::string>{"monitor=1 feature=0xFF00:0x0F data=800000"});
}

} // namespace
