// Exceptions never leave a window procedure: memory and file exceptions are
// reported, anything else is contained, and the window and the loop go on.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

class ThrowingWnd : public CWnd
{
public:
    int handled = 0;
    bool throwInPreTranslate = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (throwInPreTranslate && pMsg->message == WM_APP + 4)
            throw std::runtime_error("pre-translate");
        return FALSE;
    }

protected:
    LRESULT OnFile(WPARAM, LPARAM) { throw CFileException(CFileException::fileNotFound, 2, "missing.dat"); }
    LRESULT OnOther(WPARAM, LPARAM) { throw std::runtime_error("contained"); }
    LRESULT OnMemory(WPARAM, LPARAM) { throw std::bad_alloc(); }
    LRESULT OnFine(WPARAM, LPARAM)
    {
        ++handled;
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, &ThrowingWnd::OnFile)
    ON_MESSAGE(WM_APP + 2, &ThrowingWnd::OnOther)
    ON_MESSAGE(WM_APP + 3, &ThrowingWnd::OnMemory)
    ON_MESSAGE(WM_APP + 4, &ThrowingWnd::OnFine)
END_MESSAGE_MAP()

class ContainmentTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreatePlainWindow(wnd)); }
    void TearDown() override { wnd.DestroyWindow(); }
    MessageBoxRecorder boxes;
    ThrowingWnd wnd;
};

}  // namespace

TEST_F(ContainmentTest, FileAndMemoryExceptionsAreReportedAndTheWindowLivesOn)
{
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1), 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_FALSE(boxes.texts[0].empty());
    EXPECT_TRUE(boxes.types[0] & MB_ICONEXCLAMATION);
    EXPECT_EQ(wnd.SendMessage(WM_APP + 3), 0);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[1], std::string(CMemoryException::Description()));
    EXPECT_TRUE(wnd.IsWindow());
    EXPECT_EQ(wnd.SendMessage(WM_APP + 4), 5);
}

TEST_F(ContainmentTest, OtherExceptionsAreContainedSilently)
{
    EXPECT_EQ(wnd.SendMessage(WM_APP + 2), 0);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(wnd.SendMessage(WM_APP + 4), 5);
}

TEST_F(ContainmentTest, TheMessageLoopGoesOnAfterAThrowingHandler)
{
    wnd.PostMessage(WM_APP + 2);
    wnd.PostMessage(WM_APP + 1);
    wnd.PostMessage(WM_APP + 4);
    PumpPending();
    EXPECT_EQ(wnd.handled, 1);
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(ContainmentTest, AThrowingPreTranslateDropsOnlyThatMessage)
{
    wnd.throwInPreTranslate = true;
    wnd.PostMessage(WM_APP + 4);
    PumpPending();
    EXPECT_EQ(wnd.handled, 0);
    wnd.throwInPreTranslate = false;
    wnd.PostMessage(WM_APP + 4);
    PumpPending();
    EXPECT_EQ(wnd.handled, 1);
}
