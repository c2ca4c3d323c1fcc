// The owner-painted tab control of the settings window: the fills, texts,
// accent bar and focus rectangle as they stand on the screen, the ignored
// background erase and the redraw request sent up on horizontal scrolling.
#include "MemoryCanvas.h"
#include "controls/CSMTabCtrlEx.h"
#include "framework/Afx.h"
#include "res/resource.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Accent = RGB(239, 69, 74);
constexpr COLORREF Grey = RGB(0x50, 0x50, 0x50);
constexpr COLORREF LightGrey = RGB(0xBC, 0xBC, 0xBC);

// Wine keeps no UI state: every window answers that the cues are shown. A
// window whose cues are hidden is stood in for by the tab's answer.
WNDPROC s_tabProc = nullptr;

LRESULT CALLBACK HidingFocusCues(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return UISF_HIDEFOCUS;
    return ::CallWindowProcA(s_tabProc, window, message, wParam, lParam);
}

class TabWindow : public CDialog
{
public:
    TabWindow() : CDialog(IDD_TALVEX_DIALOG) {}
    CSMTabCtrlEx m_tab;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TAB, m_tab); }
};

// One shown window for the whole suite (see PageHost.h); each test starts
// on the second tab.
class OwnerPaintedTab : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_window = new TabWindow;
        s_window->Create(IDD_TALVEX_DIALOG, nullptr);
        s_window->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        for (const char* title : {"Hot Key", "Color Adjustment", "Auto Color"})
            s_window->m_tab.InsertItem(s_window->m_tab.GetItemCount(), title);
    }
    static void TearDownTestSuite()
    {
        s_window->DestroyWindow();
        delete s_window;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_window->m_tab.m_hWnd);
        Select(1);
    }

    void Select(int tab)
    {
        m_window.m_tab.SetCurSel(tab);
        m_window.m_tab.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }

    CRect TabRect(int tab)
    {
        CRect rect;
        m_window.m_tab.GetItemRect(tab, &rect);
        return rect;
    }

    // The tab control's pixels as they stand on the screen now.
    std::unique_ptr<MemoryCanvas> Screen()
    {
        CRect client;
        m_window.m_tab.GetClientRect(&client);
        auto canvas = std::make_unique<MemoryCanvas>(client.Width(), client.Height(), RGB(1, 2, 3));
        canvas->CopyFrom(m_window.m_tab.m_hWnd);
        return canvas;
    }

    // The selected tab: black with white text, the accent over its top row,
    // the two rows above it and one column to its left.
    void ExpectSelected(const MemoryCanvas& screen, const CRect& tab)
    {
        EXPECT_EQ(screen.Pixel(tab.left + 1, tab.bottom - 1), RGB(0, 0, 0));
        EXPECT_EQ(screen.Pixel(tab.right - 2, tab.top + 1), RGB(0, 0, 0));
        EXPECT_GT(screen.Count(White, tab), 0);
        EXPECT_EQ(screen.Count(LightGrey, tab), 0);
        for (int y = std::max(0L, tab.top - 2); y <= tab.top; ++y) {
            EXPECT_EQ(screen.Pixel(tab.left - 1, y), Accent) << "row " << y;
            EXPECT_EQ(screen.Pixel(tab.right - 1, y), Accent) << "row " << y;
            EXPECT_NE(screen.Pixel(tab.right, y), Accent) << "row " << y;
        }
        EXPECT_NE(screen.Pixel(tab.left + 1, tab.top + 1), Accent);
        if (tab.top >= 3) {
            EXPECT_NE(screen.Pixel(tab.left + 1, tab.top - 3), Accent);
        }
    }

    // The focus rectangle's pixels: where it runs along the tab's top and
    // left, inverted on the black fill, clear of the text.
    static int FocusPixels(const MemoryCanvas& screen, const CRect& tab)
    {
        return screen.Count(White, CRect(tab.left + 2, tab.top + 2, tab.right - 2, tab.top + 3)) +
               screen.Count(White, CRect(tab.left + 2, tab.top + 2, tab.left + 3, tab.bottom - 2));
    }

    void ExpectOther(const MemoryCanvas& screen, const CRect& tab)
    {
        EXPECT_EQ(screen.Pixel(tab.left + 1, tab.bottom - 1), Grey);
        EXPECT_EQ(screen.Pixel(tab.left + 1, tab.top), Grey) << "no accent on other tabs";
        EXPECT_GT(screen.Count(LightGrey, tab), 0);
        EXPECT_EQ(screen.Count(White, tab), 0);
    }

    static TabWindow* s_window;
    TabWindow& m_window = *s_window;
};

TabWindow* OwnerPaintedTab::s_window = nullptr;

}  // namespace

TEST_F(OwnerPaintedTab, SelectedTabIsBlackWithTheAccentAndTheOthersGrey)
{
    auto screen = Screen();
    ExpectSelected(*screen, TabRect(1));
    ExpectOther(*screen, TabRect(0));
    ExpectOther(*screen, TabRect(2));
}

TEST_F(OwnerPaintedTab, TheNextPaintFollowsTheSelection)
{
    Select(2);
    auto screen = Screen();
    ExpectSelected(*screen, TabRect(2));
    ExpectOther(*screen, TabRect(1));
    ExpectOther(*screen, TabRect(0));
}

TEST_F(OwnerPaintedTab, TheFocusShowsOnTheSelectedTabWhileCuesAreShown)
{
    HWND tab = m_window.m_tab.m_hWnd;
    ::SetFocus(tab);
    ::SendMessageA(tab, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    Select(1);
    auto screen = Screen();
    EXPECT_GT(FocusPixels(*screen, TabRect(1)), 0);
    ExpectSelected(*screen, TabRect(1));
    ExpectOther(*screen, TabRect(0));

    s_tabProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HidingFocusCues)));
    Select(1);
    ::SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_tabProc));
    EXPECT_EQ(FocusPixels(*Screen(), TabRect(1)), 0) << "cues hidden";

    ::SetFocus(::GetDlgItem(m_window.m_hWnd, IDC_CLOSE));
    Select(1);
    EXPECT_EQ(FocusPixels(*Screen(), TabRect(1)), 0) << "focus elsewhere";
}

TEST_F(OwnerPaintedTab, WithoutASelectionEveryTabIsGrey)
{
    Select(-1);
    auto screen = Screen();
    for (int tab = 0; tab < 3; ++tab) {
        ExpectOther(*screen, TabRect(tab));
        EXPECT_EQ(screen->Count(Accent, TabRect(tab)), 0) << "tab " << tab;
    }
}

TEST_F(OwnerPaintedTab, BackgroundEraseChangesNothing)
{
    MemoryCanvas canvas(50, 20, RGB(255, 0, 255));
    EXPECT_TRUE(m_window.m_tab.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc())));
    EXPECT_EQ(canvas.Count(RGB(255, 0, 255)), 50 * 20);
}

TEST_F(OwnerPaintedTab, HorizontalScrollingAsksTheParentToRedraw)
{
    MSG stale;
    while (::PeekMessageA(&stale, m_window.m_hWnd, UM_REDRAW_TAB, UM_REDRAW_TAB, PM_REMOVE)) {
    }
    m_window.m_tab.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, m_window.m_hWnd, UM_REDRAW_TAB, UM_REDRAW_TAB, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(msg.lParam, 0);
    EXPECT_FALSE(::PeekMessageA(&msg, m_window.m_hWnd, UM_REDRAW_TAB, UM_REDRAW_TAB, PM_REMOVE))
        << "one request per scroll step";
}
