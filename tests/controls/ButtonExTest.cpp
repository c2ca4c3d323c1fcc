// The skinned push button: its colours, the disabled caption, the focus
// rectangle and sunken edge, and its painting through the parent dialog.
#include "MemoryCanvas.h"
#include "PageHost.h"
#include "controls/CButtonEx.h"
#include "controls/CHyperLink.h"
#include "controls/CSMTabCtrlEx.h"
#include "framework/Afx.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int W = 120, H = 30;
constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255);
constexpr COLORREF DefaultFace = RGB(0xC0, 0xC0, 0xC0), DisabledGrey = RGB(0x40, 0x40, 0x40);

// The colour-mode page with two of its buttons skinned: one in the program's
// black and white, one left at the button's own defaults.
class ButtonPage : public CDialog
{
public:
    ButtonPage() : CDialog(IDD_COLOR) {}
    CButtonEx m_skinned;
    CButtonEx m_plain;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_skinned.Attach(IDC_BTN_COLOR, this);
        m_skinned.SetFaceColor(Black);
        m_skinned.SetTextColor(White);
        m_plain.Attach(IDC_BTN_IMPORT, this);
        return TRUE;
    }
};

class SkinnedButton : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_pages = new PageHost<ButtonPage>(IDD_COLOR); }
    static void TearDownTestSuite() { delete s_pages; }
    void SetUp() override { ASSERT_TRUE(m_page.m_skinned.m_hWnd && m_page.m_plain.m_hWnd); }

    // The button's DrawItem into the canvas, as its parent would ask for it.
    static void Render(CButtonEx& button, UINT state, MemoryCanvas& canvas)
    {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button.m_hWnd;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, W, H};
        // The button hands its owner a context with its own font selected.
        HGDIOBJ old = ::SelectObject(canvas.Dc(), reinterpret_cast<HFONT>(button.SendMessage(WM_GETFONT)));
        button.DrawItem(&item);
        ::SelectObject(canvas.Dc(), old);
    }

    // Where the centred caption can be; the rest of the face holds no text.
    static RECT CaptionArea() { return RECT{20, 5, W - 20, H - 5}; }

    static PageHost<ButtonPage>* s_pages;
    ButtonPage& m_page = s_pages->Page();
};

PageHost<ButtonPage>* SkinnedButton::s_pages = nullptr;

}  // namespace

TEST_F(SkinnedButton, DefaultsAreAGreyFaceWithABlackCaption)
{
    EXPECT_EQ(m_page.m_plain.GetFaceColor(), DefaultFace);
    EXPECT_EQ(m_page.m_plain.GetTextColor(), Black);
    EXPECT_EQ(m_page.m_plain.GetDisabledTextColor(), DisabledGrey);
    MemoryCanvas canvas(W, H, RGB(1, 2, 3));
    Render(m_page.m_plain, 0, canvas);
    EXPECT_EQ(canvas.Pixel(8, H / 2), DefaultFace);
    EXPECT_GT(canvas.Count(Black, CaptionArea()), 0);
}

TEST_F(SkinnedButton, FaceAndCaptionTakeTheColoursSet)
{
    MemoryCanvas canvas(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, 0, canvas);
    EXPECT_EQ(canvas.Pixel(8, H / 2), Black);
    EXPECT_EQ(canvas.Pixel(W - 8, H / 2), Black);
    EXPECT_GT(canvas.Count(White, CaptionArea()), 0);
    EXPECT_EQ(canvas.Count(DisabledGrey, CaptionArea()), 0);
}

TEST_F(SkinnedButton, DisabledCaptionIsDarkGreyOverTheWhiteOne)
{
    MemoryCanvas canvas(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, ODS_DISABLED, canvas);
    EXPECT_GT(canvas.Count(DisabledGrey, CaptionArea()), 0);
    EXPECT_EQ(canvas.Count(White, CaptionArea()), 0) << "the grey caption covers the white one";
    EXPECT_EQ(canvas.Pixel(8, H / 2), Black);
}

TEST_F(SkinnedButton, AFocusedButtonIsNeverDrawnDisabled)
{
    MemoryCanvas canvas(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, ODS_FOCUS | ODS_DISABLED, canvas);
    EXPECT_EQ(canvas.Count(DisabledGrey, CaptionArea()), 0);
    EXPECT_GT(canvas.Count(White, CaptionArea()), 0);
}

TEST_F(SkinnedButton, FocusRectangleLiesFourPixelsInside)
{
    MemoryCanvas plain(W, H, RGB(1, 2, 3)), focused(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, 0, plain);
    Render(m_page.m_skinned, ODS_FOCUS, focused);
    std::vector<POINT> changed = plain.Differences(focused);
    ASSERT_FALSE(changed.empty());
    for (POINT p : changed) {
        bool onOutline = ((p.x == 4 || p.x == W - 5) && p.y >= 4 && p.y <= H - 5) ||
                         ((p.y == 4 || p.y == H - 5) && p.x >= 4 && p.x <= W - 5);
        EXPECT_TRUE(onOutline) << p.x << "," << p.y;
    }
}

TEST_F(SkinnedButton, SunkenEdgeOnlyWhenPressedWithTheFocus)
{
    MemoryCanvas plain(W, H, RGB(1, 2, 3)), pressed(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, 0, plain);
    Render(m_page.m_skinned, ODS_SELECTED, pressed);
    EXPECT_TRUE(plain.Differences(pressed).empty()) << "pressed without the focus looks unpressed";

    MemoryCanvas focused(W, H, RGB(1, 2, 3)), pushed(W, H, RGB(1, 2, 3));
    Render(m_page.m_skinned, ODS_FOCUS, focused);
    Render(m_page.m_skinned, ODS_FOCUS | ODS_SELECTED, pushed);
    std::vector<POINT> changed = focused.Differences(pushed);
    ASSERT_FALSE(changed.empty());
    for (POINT p : changed)
        EXPECT_TRUE(p.x < 2 || p.y < 2 || p.x >= W - 2 || p.y >= H - 2) << p.x << "," << p.y;
}

TEST_F(SkinnedButton, CaptionKeepsTheContextsTextColour)
{
    MemoryCanvas canvas(W, H, RGB(1, 2, 3));
    ::SetTextColor(canvas.Dc(), RGB(10, 20, 30));
    ::SetBkMode(canvas.Dc(), OPAQUE);
    Render(m_page.m_skinned, ODS_DISABLED, canvas);
    EXPECT_EQ(::GetTextColor(canvas.Dc()), RGB(10, 20, 30));
    EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);
}

TEST_F(SkinnedButton, PaintsThroughTheParentsDrawRequest)
{
    for (CButtonEx* button : {&m_page.m_skinned, &m_page.m_plain}) {
        button->RedrawWindow();
        CRect client;
        button->GetClientRect(&client);
        MemoryCanvas screen(client.Width(), client.Height(), RGB(1, 2, 3));
        screen.CopyFrom(button->m_hWnd);
        EXPECT_EQ(screen.Pixel(6, client.Height() / 2), button->GetFaceColor());
    }
}

TEST_F(SkinnedButton, AttachNeedsAParentHoldingTheControl)
{
    CButtonEx missing, orphan;
    EXPECT_FALSE(missing.Attach(4242, &m_page));
    EXPECT_FALSE(orphan.Attach(IDC_BTN_EXPORT, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(m_page.m_skinned.m_hWnd), &m_page.m_skinned);
}

TEST(SkinnedControls, ReportTheirRunTimeClasses)
{
    CButtonEx button;
    CHyperLink link;
    CSMTabCtrlEx tab;
    const std::pair<CObject*, const char*> named[] = {{&button, "CButtonEx"}, {&link, "CHyperLink"},
                                                     {&tab, "CSMTabCtrlEx"}};
    for (auto [object, name] : named)
        EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, name);
    EXPECT_EQ(button.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CButton));
    EXPECT_EQ(link.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CStatic));
    EXPECT_EQ(tab.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CTabCtrl));
    EXPECT_TRUE(link.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CStatic)));
}
