// The application main, the handle map, subclassing and window lifetime.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_appLog;

class SelfDeletingDialog : public CDialog
{
public:
    explicit SelfDeletingDialog(bool* deleted) : m_deleted(deleted) {}
    ~SelfDeletingDialog() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }
    LRESULT OnApp(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool* m_deleted;
};

BEGIN_MESSAGE_MAP(SelfDeletingDialog, CDialog)
    ON_MESSAGE(WM_APP, &SelfDeletingDialog::OnApp)
END_MESSAGE_MAP()

class ScriptedApp : public CWinApp
{
public:
    BOOL initResult = TRUE;
    bool mainDeleted = false;

    BOOL InitInstance() override
    {
        g_appLog.push_back("init");
        if (!initResult)
            return FALSE;
        auto* main = new SelfDeletingDialog(&mainDeleted);
        main->Create(IDD_TEST_BARE);
        m_pMainWnd = main;
        main->PostMessage(WM_APP);  // the program's end, once the loop runs
        return TRUE;
    }
    int Run() override
    {
        g_appLog.push_back("run");
        return CWinApp::Run();
    }
    int ExitInstance() override
    {
        g_appLog.push_back("exit");
        return 17;
    }
};

class SubclassProbe : public CWnd
{
public:
    HWND seenInPreSubclass = nullptr;
    WNDPROC procInPreSubclass = nullptr;

protected:
    void PreSubclassWindow() override
    {
        seenInPreSubclass = m_hWnd;
        procInPreSubclass = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    }
    LRESULT OnApp(WPARAM, LPARAM) { return 99; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SubclassProbe, CWnd)
    ON_MESSAGE(WM_APP, &SubclassProbe::OnApp)
END_MESSAGE_MAP()

}  // namespace

TEST(ApplicationMain, FailedInitGoesStraightToExit)
{
    g_appLog.clear();
    {
        ScriptedApp app;
        app.initResult = FALSE;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 17);
    }
    EXPECT_EQ(g_appLog, (std::vector<std::string>{"init", "exit"}));
    EXPECT_EQ(AfxGetApp(), &g_testApp);
}

TEST(ApplicationMain, DestroyingTheMainWindowEndsTheLoop)
{
    g_appLog.clear();
    ScriptedApp app;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 17);
    EXPECT_EQ(g_appLog, (std::vector<std::string>{"init", "run", "exit"}));
    EXPECT_TRUE(app.mainDeleted);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// WM_APP + 1 wraps a window of no object: a temporary wrapper.
class WrappingDialog : public SelfDeletingDialog
{
public:
    WrappingDialog(bool* deleted, HWND foreign) : SelfDeletingDialog(deleted), m_foreign(foreign) {}

protected:
    LRESULT OnWrap(WPARAM, LPARAM)
    {
        CWnd::FromHandle(m_foreign);
        return 0;
    }
    void OnTimer(UINT_PTR) { DestroyWindow(); }
    DECLARE_MESSAGE_MAP()

private:
    HWND m_foreign;
};

BEGIN_MESSAGE_MAP(WrappingDialog, SelfDeletingDialog)
    ON_MESSAGE(WM_APP + 1, &WrappingDialog::OnWrap)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A message leaves a temporary wrapper; the loop drops it once the queue is
// empty, and the program then ends.
class IdleApp : public CWinApp
{
public:
    bool mainDeleted = false;
    HWND foreign = nullptr;
    std::vector<bool> tempsAtIdle;   // before and after each OnIdle

    BOOL InitInstance() override
    {
        foreign = ::CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        auto* main = new WrappingDialog(&mainDeleted, foreign);
        main->Create(IDD_TEST_BARE);
        m_pMainWnd = main;
        main->PostMessage(WM_NULL);   // leaves nothing behind
        main->PostMessage(WM_APP + 1);
        // Ends a loop that never goes idle, so that the test fails, not hangs.
        main->SetTimer(1, 5000);
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        tempsAtIdle.push_back(AfxHasTempMaps());
        const BOOL more = CWinApp::OnIdle(lCount);
        tempsAtIdle.push_back(AfxHasTempMaps());
        m_pMainWnd->PostMessage(WM_APP);
        return more;
    }
    int ExitInstance() override
    {
        ::DestroyWindow(foreign);
        return 0;
    }
};

TEST(ApplicationMain, TheLoopDropsTemporaryWrappersWhenTheQueueIsEmpty)
{
    IdleApp app;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 0);
    EXPECT_EQ(app.tempsAtIdle, (std::vector<bool>{true, false}));
    EXPECT_TRUE(app.mainDeleted);
}

TEST(ApplicationServices, MessageBoxesGoThroughTheSeamWithTheAppName)
{
    MessageBoxRecorder boxes(IDYES);
    EXPECT_EQ(AfxMessageBox("Sure?", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(AfxMessageBox(IDS_GREETING, MB_ICONERROR), IDYES);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], "Sure?");
    EXPECT_EQ(boxes.texts[1], "Hello from the string table");
    EXPECT_EQ(boxes.captions[0], "FrameworkTest");
    EXPECT_EQ(boxes.types[0], static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes.types[1], static_cast<UINT>(MB_ICONERROR));

    // Without a name given, the program's title from the string table, not the file name.
    CWinApp untitled;
    AfxMessageBox("Titled?", MB_OK);
    ASSERT_EQ(boxes.captions.size(), 3u);
    EXPECT_EQ(boxes.captions[2], "Framework Test Title");
}

TEST(ApplicationServices, StringsAndIconsComeFromTheResources)
{
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_GREETING));
    EXPECT_STREQ(text, "Hello from the string table");
    EXPECT_FALSE(text.LoadString(4999));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_NE(g_testApp.LoadStandardCursor(IDC_ARROW), nullptr);
    EXPECT_NE(g_testApp.LoadStandardIcon(IDI_WARNING), nullptr);
}

TEST(HandleMap, ForeignWindowsGetTemporaryWrappersThatNeverDestroyThem)
{
    HWND foreign = ::CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    CWnd* first = CWnd::FromHandle(foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), first);
    EXPECT_EQ(first->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(foreign));
    CWnd owner;
    EXPECT_TRUE(owner.Attach(foreign));
    EXPECT_EQ(CWnd::FromHandle(foreign), &owner);
    CWnd second;
    EXPECT_FALSE(second.Attach(foreign));
    EXPECT_EQ(owner.Detach(), foreign);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    ::DestroyWindow(foreign);
}

TEST(HandleMap, SubclassingRoutesMessagesUntilUnsubclassed)
{
    HWND label = ::CreateWindowExA(0, "STATIC", "label", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(label, GWLP_WNDPROC));
    SubclassProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(label));
    EXPECT_EQ(probe.seenInPreSubclass, label);
    EXPECT_EQ(probe.procInPreSubclass, original);
    EXPECT_EQ(::SendMessageA(label, WM_APP, 0, 0), 99);
    EXPECT_EQ(::SendMessageA(label, WM_GETTEXTLENGTH, 0, 0), 5);  // the original procedure still runs
    EXPECT_EQ(probe.UnsubclassWindow(), label);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(label, GWLP_WNDPROC)), original);
    EXPECT_EQ(::SendMessageA(label, WM_APP, 0, 0), 0);
    EXPECT_TRUE(::IsWindow(label));
    ::DestroyWindow(label);
}

TEST(WindowLifetime, ObjectDestroysItsWindowAndSelfDeletingObjectsGoWithTheirWindow)
{
    HWND hWnd = nullptr;
    {
        CWnd wnd;
        ASSERT_TRUE(CreatePlainWindow(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    bool deleted = false;
    auto* dialog = new SelfDeletingDialog(&deleted);
    ASSERT_TRUE(dialog->Create(IDD_TEST_BARE));
    dialog->DestroyWindow();
    EXPECT_TRUE(deleted);
}

TEST(WindowLifetime, DestroyingTheMainWindowPostsQuit)
{
    CWnd* previousMain = g_testApp.m_pMainWnd;
    CWnd main;
    ASSERT_TRUE(CreatePlainWindow(main));
    g_testApp.m_pMainWnd = &main;
    main.DestroyWindow();
    EXPECT_EQ(g_testApp.m_pMainWnd, nullptr);
    EXPECT_EQ(PumpPending(), 0);
    g_testApp.m_pMainWnd = previousMain;
}

TEST(WindowLifetime, DialogAttachesFromItsFirstMessage)
{
    struct Counting : CDialog {
        int initDialogs = 0;
        HWND atInit = nullptr;
        BOOL OnInitDialog() override
        {
            ++initDialogs;
            atInit = m_hWnd;
            return CDialog::OnInitDialog();
        }
    } dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_BARE));
    EXPECT_EQ(dlg.initDialogs, 1);
    EXPECT_EQ(dlg.atInit, dlg.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_FALSE(dlg.Create(IDD_TEST_BARE));
    dlg.DestroyWindow();
}
