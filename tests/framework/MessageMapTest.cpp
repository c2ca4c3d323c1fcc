// Message maps: window messages, private and registered messages, commands,
// control notifications and WM_NOTIFY, with chaining to the base class's map.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

UINT g_probeMessage = ::RegisterWindowMessageA("TalvexFrameworkTestProbe");

class BaseWnd : public CWnd
{
public:
    std::vector<std::string> log;

protected:
    LRESULT OnBasePrivate(WPARAM wParam, LPARAM)
    {
        log.push_back("base-private");
        return 100 + static_cast<LRESULT>(wParam);
    }
    LRESULT OnShadowed(WPARAM, LPARAM)
    {
        log.push_back("base-shadowed");
        return 1;
    }
    void OnTimer(UINT_PTR nIDEvent) { log.push_back("timer " + std::to_string(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, &BaseWnd::OnBasePrivate)
    ON_MESSAGE(WM_APP + 2, &BaseWnd::OnShadowed)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd
{
protected:
    LRESULT OnShadowed(WPARAM, LPARAM)
    {
        log.push_back("derived-shadowed");
        return 2;
    }
    LRESULT OnProbe(WPARAM wParam, LPARAM lParam)
    {
        log.push_back("registered");
        return static_cast<LRESULT>(wParam) + lParam;
    }
    void OnMenuCommand() { log.push_back("command"); }
    void OnPushClicked() { log.push_back("push"); }
    void OnNameChanged() { log.push_back("name-changed"); }
    void OnSelChange(NMHDR* pHeader, LRESULT* pResult)
    {
        log.push_back("notify " + std::to_string(pHeader->idFrom));
        *pResult = 77;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_MESSAGE(WM_APP + 2, &DerivedWnd::OnShadowed)
    ON_REGISTERED_MESSAGE(g_probeMessage, &DerivedWnd::OnProbe)
    ON_COMMAND(40001, &DerivedWnd::OnMenuCommand)
    ON_BN_CLICKED(1001, &DerivedWnd::OnPushClicked)
    ON_EN_CHANGE(1002, &DerivedWnd::OnNameChanged)
    ON_NOTIFY(TCN_SELCHANGE, 1003, &DerivedWnd::OnSelChange)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreatePlainWindow(wnd, "abc")); }
    void TearDown() override { wnd.DestroyWindow(); }

    HWND AddChild(LPCSTR className, UINT id)
    {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, wnd.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }

    DerivedWnd wnd;
};

}  // namespace

TEST_F(MessageMapTest, PrivateMessagesReachTheMostDerivedEntryAndChainToTheBase)
{
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1, 5), 105);
    EXPECT_EQ(wnd.SendMessage(WM_APP + 2), 2);
    wnd.SendMessage(WM_TIMER, 7);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"base-private", "derived-shadowed", "timer 7"}));
}

TEST_F(MessageMapTest, RegisteredMessageIsFoundByItsRuntimeNumber)
{
    ASSERT_GE(g_probeMessage, 0xC000u);
    EXPECT_EQ(wnd.SendMessage(g_probeMessage, 3, 4), 7);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"registered"});
}

TEST_F(MessageMapTest, UnmappedMessagesGetTheWindowsOwnProcessing)
{
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXTLENGTH), 3);
    EXPECT_EQ(wnd.SendMessage(WM_APP + 9), 0);
    EXPECT_TRUE(wnd.log.empty());
}

TEST_F(MessageMapTest, CommandsAndControlNotificationsMatchCodeAndId)
{
    HWND push = AddChild("BUTTON", 1001);
    HWND name = AddChild("EDIT", 1002);
    ASSERT_TRUE(push && name);
    wnd.SendMessage(WM_COMMAND, 40001, 0);                   // menu
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(40001, 1), 0);    // accelerator
    ::SendMessageA(push, BM_CLICK, 0, 0);                    // a real BN_CLICKED
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1001, BN_SETFOCUS), reinterpret_cast<LPARAM>(push));
    ::SetWindowTextA(name, "x");                             // a real EN_CHANGE
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), reinterpret_cast<LPARAM>(name));
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"command", "command", "push", "name-changed"}));
}

TEST_F(MessageMapTest, NotifyHandlerSetsTheResult)
{
    HWND tab = AddChild("STATIC", 1003);
    NMHDR header{tab, 1003, static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 1003, reinterpret_cast<LPARAM>(&header)), 77);
    NMHDR otherCode{tab, 1003, static_cast<UINT>(TCN_SELCHANGING)};
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 1003, reinterpret_cast<LPARAM>(&otherCode)), 0);
    NMHDR otherId{tab, 1004, static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 1004, reinterpret_cast<LPARAM>(&otherId)), 0);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"notify 1003"});
}
