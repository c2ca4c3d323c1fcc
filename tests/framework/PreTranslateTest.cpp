// The message pump offers each message to PreTranslateMessage of the target
// window and its parents, child first, then the dialog navigation.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_route;

template <class Base>
class Recording : public Base
{
public:
    std::string name;
    bool consume = false;
    bool navigate = false;  // FALSE paths let the message pass without the dialog's navigation

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        g_route.push_back(name);
        if (consume)
            return TRUE;
        return navigate ? Base::PreTranslateMessage(pMsg) : FALSE;
    }
};

class RoutingForm : public Recording<CDialog>
{
public:
    RoutingForm() { name = "form"; }
};

class RoutingPage : public Recording<CDialog>
{
public:
    RoutingPage() { name = "page"; }
    Recording<CEdit> m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PAGE_EDIT, m_edit); }
};

class PreTranslateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_route.clear();
        page.m_edit.name = "edit";
        ASSERT_TRUE(form.Create(IDD_TEST_FORM));
        ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &form));
        form.ShowWindow(SW_SHOW);
        form.SetForegroundWindow();
        PumpPending();
        g_route.clear();
    }
    void TearDown() override { form.DestroyWindow(); }

    void PostKey(HWND target, WPARAM key)
    {
        ::PostMessageA(target, WM_KEYDOWN, key, 0);
        PumpPending();
    }

    RoutingForm form;
    RoutingPage page;
};

}  // namespace

TEST_F(PreTranslateTest, ChildConsumesAndNobodyAboveSeesIt)
{
    page.m_edit.consume = true;
    PostKey(page.m_edit.m_hWnd, 'X');
    EXPECT_EQ(g_route, std::vector<std::string>{"edit"});
}

TEST_F(PreTranslateTest, ParentsAreAskedInOrderUpToTheTopLevelWindow)
{
    page.consume = true;
    PostKey(page.m_edit.m_hWnd, 'X');
    EXPECT_EQ(g_route, (std::vector<std::string>{"edit", "page"}));
    g_route.clear();
    page.consume = false;
    form.consume = true;
    PostKey(page.m_edit.m_hWnd, 'X');
    EXPECT_EQ(g_route, (std::vector<std::string>{"edit", "page", "form"}));
}

TEST_F(PreTranslateTest, UnconsumedTabIsTheDialogsNavigation)
{
    form.navigate = true;
    CWnd* name = form.GetDlgItem(IDC_NAME);
    name->SetFocus();
    PostKey(name->m_hWnd, VK_TAB);
    EXPECT_EQ(g_route, std::vector<std::string>{"form"});
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(form.m_hWnd, IDC_CHECK));
}

TEST_F(PreTranslateTest, DialogThatSkipsItsNavigationKeepsTheFocus)
{
    CWnd* name = form.GetDlgItem(IDC_NAME);
    name->SetFocus();
    PostKey(name->m_hWnd, VK_TAB);
    EXPECT_EQ(::GetFocus(), name->m_hWnd);
}

TEST(PreTranslateBare, DialogWithoutAnObjectStillNavigates)
{
    HWND bare = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_BARE), nullptr,
                                     [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
                                         return message == WM_INITDIALOG;
                                     },
                                     0);
    ASSERT_NE(bare, nullptr);
    ::ShowWindow(bare, SW_SHOW);
    ::SetForegroundWindow(bare);
    HWND first = ::GetDlgItem(bare, IDC_BARE_FIRST);
    ::SetFocus(first);
    MSG msg{first, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(AfxPreTranslateMessage(&msg));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(bare, IDC_BARE_SECOND));
    ::DestroyWindow(bare);
}

TEST(PreTranslateBare, PlainWindowsConsumeNothing)
{
    CWnd wnd;
    ASSERT_TRUE(CreatePlainWindow(wnd));
    MSG msg{wnd.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_FALSE(AfxPreTranslateMessage(&msg));
    wnd.DestroyWindow();
}
