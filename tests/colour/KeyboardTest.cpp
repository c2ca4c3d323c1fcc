// The page's keyboard inside the settings window: Tab and Shift+Tab leave
// the page for the main window's controls at its ends, and neither Enter nor
// Esc closes it. Keys go through the program's own message processing.
#include "ColourPageTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"

namespace {

using KeyboardTest = ColourPageTest;

// A key pressed on the focused window, with Shift held or not.
void Press(UINT key, bool shift = false)
{
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    const BYTE savedShift = state[VK_SHIFT];
    state[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(state);
    MSG msg{::GetFocus(), WM_KEYDOWN, key, 1, ::GetTickCount(), {}};
    AfxProcessMessage(msg);
    state[VK_SHIFT] = savedShift;
    ::SetKeyboardState(state);
}

} // namespace

TEST_F(KeyboardTest, TabFromTheLastControlGoesToClose)
{
    Start();
    const HWND close = ::GetDlgItem(Main().m_hWnd, IDC_CLOSE);
    ::SetFocus(Item(IDC_CHECK_SAME_MODELS_COLOR));
    ASSERT_EQ(::GetFocus(), Item(IDC_CHECK_SAME_MODELS_COLOR));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), close);

    // Inside the page Tab moves on as usual.
    ::SetFocus(Item(IDC_COMBO_MONITOR));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), Item(IDC_COMBO_COLOR_MODE));
}

TEST_F(KeyboardTest, TabFromTheLastControlAlsoWhenTheModeControlsAreDisabled)
{
    Start();
    Sim("set 1 adjust-enable 0 quiet");
    Tick();
    ASSERT_FALSE(Enabled(IDC_BTN_EXPORT));
    ::SetFocus(Item(IDC_CHECK_SAME_MODELS_COLOR));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(Main().m_hWnd, IDC_CLOSE));
}

TEST_F(KeyboardTest, ShiftTabFromTheFirstEnabledControlGoesToTheTabs)
{
    Start();
    const HWND tabs = ::GetDlgItem(Main().m_hWnd, IDC_TAB);
    ::SetFocus(Item(IDC_COMBO_MONITOR));
    Press(VK_TAB, true);
    EXPECT_EQ(::GetFocus(), tabs);

    ::SetFocus(Item(IDC_COMBO_COLOR_MODE));
    Press(VK_TAB, true);
    EXPECT_EQ(::GetFocus(), Item(IDC_COMBO_MONITOR));

    // With the monitor list disabled the mode list is the first.
    ::EnableWindow(Item(IDC_COMBO_MONITOR), FALSE);
    ::SetFocus(Item(IDC_COMBO_COLOR_MODE));
    Press(VK_TAB, true);
    EXPECT_EQ(::GetFocus(), tabs);

    // And without the mode controls, the check box is first and last.
    Sim("set 1 adjust-enable 0 quiet");
    Tick();
    ::SetFocus(Item(IDC_CHECK_SAME_MODELS_COLOR));
    Press(VK_TAB, true);
    EXPECT_EQ(::GetFocus(), tabs);
}

TEST_F(KeyboardTest, EnterAndEscDoNotCloseThePage)
{
    Start();
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        ::SetFocus(Item(IDC_COMBO_COLOR_MODE));
        Press(key);
        Pump();
        EXPECT_TRUE(::IsWindowVisible(Page().m_hWnd)) << key;
        EXPECT_TRUE(::IsWindowVisible(Main().m_hWnd)) << key;
    }
    for (WPARAM command : {IDOK, IDCANCEL}) {
        Page().SendMessage(WM_COMMAND, command, 0);
        EXPECT_TRUE(::IsWindowVisible(Page().m_hWnd)) << command;
        EXPECT_TRUE(::IsWindow(Page().m_hWnd)) << command;
    }
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
}
