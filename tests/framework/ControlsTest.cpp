// Control wrappers on real common controls, scroll reflection, and the
// run-time class of a derived control.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ReflectingSlider : public CSliderCtrl
{
public:
    std::vector<UINT> codes;
    void HScroll(UINT nSBCode, UINT) { codes.push_back(nSBCode); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingSlider, CSliderCtrl)
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CSkinnedButton : public CButton
{
    DECLARE_DYNAMIC(CSkinnedButton)
};

IMPLEMENT_DYNAMIC(CSkinnedButton, CButton)

class ControlsDialog : public CDialog
{
public:
    explicit ControlsDialog(CSliderCtrl& slider) : CDialog(IDD_TEST_CONTROLS), m_slider(slider) {}
    CSliderCtrl& m_slider;
    CTabCtrl m_tab;
    CHotKeyCtrl m_hotKey;
    CComboBox m_combo;
    CListBox m_list;
    std::vector<UINT> parentCodes;
    CScrollBar* parentScrollBar = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_SLIDER, m_slider);
        DDX_Control(pDX, IDC_TAB, m_tab);
        DDX_Control(pDX, IDC_HOTKEY, m_hotKey);
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_Control(pDX, IDC_LIST, m_list);
    }
    void OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar)
    {
        parentCodes.push_back(nSBCode);
        parentScrollBar = pScrollBar;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CDialog)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

template <class Slider>
class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dlg.Create(IDD_TEST_CONTROLS));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    void PressRight()
    {
        slider.SendMessage(WM_KEYDOWN, VK_RIGHT);
        slider.SendMessage(WM_KEYUP, VK_RIGHT);
    }

    Slider slider;
    ControlsDialog dlg{slider};
};

using PlainControls = ControlsTest<CSliderCtrl>;
using ReflectingControls = ControlsTest<ReflectingSlider>;

}  // namespace

TEST_F(PlainControls, SliderKeepsRangesBeyondSixteenBits)
{
    dlg.m_slider.SetRange(0, 70000);
    EXPECT_EQ(dlg.m_slider.GetRangeMin(), 0);
    EXPECT_EQ(dlg.m_slider.GetRangeMax(), 70000);
    dlg.m_slider.SetPos(65600);
    EXPECT_EQ(dlg.m_slider.GetPos(), 65600);
    dlg.m_slider.SetPageSize(40);
    EXPECT_EQ(dlg.m_slider.GetPageSize(), 40);
}

TEST_F(PlainControls, ScrollFromASliderReachesTheParentWithTheSliderObject)
{
    dlg.m_slider.SetRange(0, 10);
    PressRight();
    ASSERT_FALSE(dlg.parentCodes.empty());
    EXPECT_EQ(dlg.parentCodes.front(), static_cast<UINT>(TB_LINEDOWN));
    EXPECT_EQ(reinterpret_cast<CWnd*>(dlg.parentScrollBar), &slider);
}

TEST_F(ReflectingControls, ScrollIsReflectedToTheSliderInstead)
{
    slider.SetRange(0, 10);
    PressRight();
    ASSERT_FALSE(slider.codes.empty());
    EXPECT_EQ(slider.codes.front(), static_cast<UINT>(TB_LINEDOWN));
    EXPECT_TRUE(dlg.parentCodes.empty());
}

TEST_F(PlainControls, TabItemsSelectionAndDisplayArea)
{
    dlg.m_tab.InsertItem(0, "Hot Key");
    dlg.m_tab.InsertItem(1, "Color Adjustment");
    dlg.m_tab.InsertItem(2, "Auto Color");
    EXPECT_EQ(dlg.m_tab.GetItemCount(), 3);
    EXPECT_EQ(dlg.m_tab.SetCurSel(1), 0);
    EXPECT_EQ(dlg.m_tab.GetCurSel(), 1);
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(dlg.m_tab.GetItem(2, &item));
    EXPECT_STREQ(text, "Auto Color");
    CRect tabRect;
    EXPECT_TRUE(dlg.m_tab.GetItemRect(1, &tabRect));
    EXPECT_GT(tabRect.Width(), 0);
    CRect client;
    dlg.m_tab.GetClientRect(&client);
    CRect display = client;
    dlg.m_tab.AdjustRect(FALSE, &display);
    EXPECT_GT(display.top, client.top);
    EXPECT_LE(display.Width(), client.Width());
}

TEST_F(PlainControls, HotKeyRoundTrip)
{
    dlg.m_hotKey.SetHotKey('K', HOTKEYF_CONTROL | HOTKEYF_ALT);
    WORD key = 0, modifiers = 0;
    dlg.m_hotKey.GetHotKey(key, modifiers);
    EXPECT_EQ(key, 'K');
    EXPECT_EQ(modifiers, HOTKEYF_CONTROL | HOTKEYF_ALT);
    dlg.m_hotKey.SetHotKey(0, 0);
    EXPECT_EQ(dlg.m_hotKey.GetHotKey(), 0u);
}

TEST_F(PlainControls, ComboAndListKeepTextsAndItemData)
{
    EXPECT_EQ(dlg.m_combo.AddString("User1 mode"), 0);
    EXPECT_EQ(dlg.m_combo.AddString("User2 mode"), 1);
    dlg.m_combo.SetItemData(1, 23);
    EXPECT_EQ(dlg.m_combo.SetCurSel(1), 1);
    EXPECT_EQ(dlg.m_combo.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_combo.GetItemData(dlg.m_combo.GetCurSel()), 23u);
    CString text;
    dlg.m_combo.GetLBText(1, text);
    EXPECT_STREQ(text, "User2 mode");
    dlg.m_combo.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(dlg.m_combo.FindStringExact(-1, "User1 mode"), 0);
    dlg.m_combo.ResetContent();
    EXPECT_EQ(dlg.m_combo.GetCount(), 0);

    dlg.m_list.AddString("1)    Monitor1");
    dlg.m_list.AddString("2)    Monitor2");
    dlg.m_list.GetText(1, text);
    EXPECT_STREQ(text, "2)    Monitor2");
    EXPECT_EQ(dlg.m_list.GetCount(), 2);
}

TEST(RuntimeClass, DerivedControlReportsItsNameAndBase)
{
    CSkinnedButton button;
    CRuntimeClass* runtime = button.GetRuntimeClass();
    EXPECT_STREQ(runtime->m_lpszClassName, "CSkinnedButton");
    EXPECT_EQ(runtime->m_pBaseClass, RUNTIME_CLASS(CButton));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CStatic)));
}
