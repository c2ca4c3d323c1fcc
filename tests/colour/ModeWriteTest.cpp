// A picked mode is written to the current monitor and, with "Apply to the
// same models", to every other answering monitor of its model name; the
// check box is stored under the colour settings.
#include "ColourPageTest.h"

#include "device/SettingsLayout.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

using ModeWriteTest = ColourPageTest;
using SameModelsSettingTest = ColourPageTest;

// Monitors 1, 2 and 4 share a model name; 3 is of another model and 5's
// name differs from theirs only in case.
const char SameModelScenario[] = R"(
profile a
  model "PANEL-A"
  code PANELA01
  modes 22 23 33 40
  start-mode 22
  mask 22 0x94FF
  mask 40 0x8003
end
profile b
  model "PANEL-B"
  code PANELB01
  modes 22 23 33 40
  start-mode 22
end
profile lower
  model "panel-a"
  code PANELA01
  modes 22 23 33 40
  start-mode 22
end
monitor 1 a A0000001 display 1
monitor 2 a A0000002 display 1
monitor 3 b B0000001 display 1
monitor 4 a A0000003 display 1
monitor 5 lower A0000004 display 1
)";

DWORD StoredMultiControl(bool* present)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    *present = RegGetValueA(HKEY_CURRENT_USER, RegKeyColor, RegValueMultiControl, RRF_RT_REG_DWORD, nullptr, &value,
                            &size) == ERROR_SUCCESS;
    return value;
}

bool Checked(HWND box)
{
    return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

TEST_F(ModeWriteTest, WithoutSameModelsOnlyTheCurrentMonitorChanges)
{
    Start(SameModelScenario);
    PickMode(40);
    EXPECT_EQ(MonitorModes({1, 2, 3, 4, 5}), (std::vector<int>{40, 22, 22, 22, 22}));
    EXPECT_EQ(SelectedMode(), 40);
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 40);
    EXPECT_EQ(Page().GetHandle(), Handle(1));
}

TEST_F(ModeWriteTest, SameModelsWritesEveryMonitorOfTheModelNameOnly)
{
    Start(SameModelScenario);
    ClickSameModels();
    PickMode(40);
    EXPECT_EQ(MonitorModes({1, 2, 3, 4, 5}), (std::vector<int>{40, 40, 22, 40, 22}));
    EXPECT_EQ(Page().GetHandle(), Handle(1));
    EXPECT_EQ(SelectedMode(), 40);

    // From another current monitor the repeat reaches the first one too.
    Rebuild(3);
    Page().SendMessage(UM_PAGE_REFRESH);
    PickMode(23);
    EXPECT_EQ(MonitorModes({1, 2, 3, 4, 5}), (std::vector<int>{23, 23, 22, 23, 22}));
    EXPECT_EQ(Page().GetHandle(), Handle(4));
}

TEST_F(ModeWriteTest, SameModelMonitorThatDoesNotAnswerIsSkipped)
{
    Start(SameModelScenario);
    ClickSameModels();
    Sim("fault 2 read mode");
    PickMode(33);
    EXPECT_EQ(MonitorModes({1, 2, 3, 4, 5}), (std::vector<int>{33, 22, 22, 33, 22}));
    EXPECT_TRUE(Trace({"KvSetFeatureArray", "monitor=2 "}).empty());

    // The last one of the model dead: the channel still comes back.
    Sim("fault clear");
    Sim("fault 4 dead");
    PickMode(40);
    EXPECT_EQ(MonitorModes({1, 2, 3}), (std::vector<int>{40, 40, 22}));
    EXPECT_EQ(Page().GetHandle(), Handle(1));
    EXPECT_EQ(theApp.m_pCurColor->Value(ColorSlot::Mode), 40);
    EXPECT_TRUE(theApp.m_pCurColor->Valid(ColorSlot::Mode));
}

TEST_F(ModeWriteTest, NothingIsWrittenWhenTheCurrentMonitorDoesNotAnswer)
{
    Start(SameModelScenario);
    ClickSameModels();
    Sim("fault 1 read mode");
    PickMode(40);
    EXPECT_EQ(MonitorModes({1, 2, 3, 4, 5}), (std::vector<int>{22, 22, 22, 22, 22}));
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());
}

TEST_F(ModeWriteTest, NoSelectionWritesNothing)
{
    Start(SameModelScenario);
    ClickSameModels();
    PickNoMode();
    EXPECT_EQ(MonitorModes({1, 2, 4}), (std::vector<int>{22, 22, 22}));
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());
}

TEST_F(SameModelsSettingTest, ClickStoresTheStateAtOnce)
{
    Start();
    const HWND box = Item(IDC_CHECK_SAME_MODELS_COLOR);
    EXPECT_FALSE(Checked(box));
    ClickSameModels();
    bool present = false;
    EXPECT_EQ(StoredMultiControl(&present), 1u);
    EXPECT_TRUE(present);
    EXPECT_TRUE(Checked(box));
    EXPECT_TRUE(theApp.m_bApplySameModels);

    ClickSameModels();
    EXPECT_EQ(StoredMultiControl(&present), 0u);
    EXPECT_TRUE(present);
    EXPECT_FALSE(theApp.m_bApplySameModels);
}

// A page made as the main window makes it reads the stored state.
TEST_F(SameModelsSettingTest, NewPageShowsTheStoredState)
{
    Start();
    struct Case {
        bool store;
        DWORD value;
        bool checked;
    };
    const Case cases[] = {{true, 1, true}, {true, 7, true}, {true, 0, false}, {false, 0, false}};
    for (const Case& c : cases) {
        ClearSettings();
        if (c.store) {
            ASSERT_TRUE(CRegistry::WriteDword(RegValueMultiControl, c.value, RegKeyColor));
        }
        theApp.m_bApplySameModels = !c.checked;
        CMonitorColor* const shownPagesRecord = theApp.m_pCurColor;
        theApp.m_pCurColor = nullptr;
        {
            CDlgColor page;
            ASSERT_TRUE(page.Create(IDD_COLOR, &Main().m_tab));
            EXPECT_EQ(Checked(::GetDlgItem(page.m_hWnd, IDC_CHECK_SAME_MODELS_COLOR)), c.checked) << c.value;
            EXPECT_EQ(theApp.m_bApplySameModels != FALSE, c.checked) << c.value;
            EXPECT_NE(theApp.m_pCurColor, nullptr);
            page.DestroyWindow();
            EXPECT_EQ(theApp.m_pCurColor, nullptr);
        }
        theApp.m_pCurColor = shownPagesRecord;
    }
}
