// Modal dialogs: results, the owner disabled while they run, nesting, and
// WM_QUIT passing through their loop; data exchange in both directions.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class FormDialog : public CDialog
{
public:
    explicit FormDialog(CWnd* pParent = nullptr) : CDialog(IDD_TEST_FORM, pParent) {}
    CString m_name;
    int m_number = 0;
    int m_check = 0;
    CEdit m_nameEdit;
    std::function<void(FormDialog&)> onApp;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_NAME, m_nameEdit);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDX_Check(pDX, IDC_CHECK, m_check);
    }
    LRESULT OnApp(WPARAM, LPARAM)
    {
        if (onApp)
            onApp(*this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FormDialog, CDialog)
    ON_MESSAGE(WM_APP, &FormDialog::OnApp)
END_MESSAGE_MAP()

// Places itself while it initialises, as a dialog with a place of its own does.
class SelfPlacingDialog : public CDialog
{
public:
    explicit SelfPlacingDialog(CWnd* pParent) : CDialog(IDD_TEST_FORM, pParent) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetWindowPos(nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
};

CRect PrimaryWorkArea()
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

class ModalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Hidden, as the program's main window mostly is (hiding a shown
        // window also costs Wine seconds without a window manager).
        ASSERT_TRUE(owner.Create(IDD_TEST_BARE));
    }
    void TearDown() override
    {
        owner.DestroyWindow();
        PumpPending();
    }

    CDialog owner;
    Seams::Override seams;
};

}  // namespace

TEST_F(ModalTest, LastEndDialogBeforeTheLoopLooksWins)
{
    FormDialog dlg(&owner);
    bool ownerDisabled = false;
    seams->modalDialogReady = [&](CDialog& d) {
        ownerDisabled = !owner.IsWindowEnabled();
        d.EndDialog(5);
        d.EndDialog(7);
    };
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ModalTest, EndDialogFromAHandlerEndsTheLoopWithTheLastValue)
{
    FormDialog dlg(&owner);
    dlg.onApp = [](FormDialog& d) {
        d.EndDialog(1);
        d.EndDialog(2);
    };
    seams->modalDialogReady = [](CDialog& d) { d.PostMessage(WM_APP); };
    EXPECT_EQ(dlg.DoModal(), 2);
}

TEST_F(ModalTest, NestedModalLoopsEachDisableTheirOwner)
{
    FormDialog outer(&owner);
    FormDialog inner(&outer);
    INT_PTR innerResult = 0;
    bool outerDisabledDuringInner = false;
    bool ownerDisabledDuringInner = false;
    outer.onApp = [&](FormDialog& d) {
        innerResult = inner.DoModal();
        d.EndDialog(IDOK);
    };
    seams->modalDialogReady = [&](CDialog& d) {
        if (&d == &outer) {
            d.PostMessage(WM_APP);
            return;
        }
        outerDisabledDuringInner = !outer.IsWindowEnabled();
        ownerDisabledDuringInner = !owner.IsWindowEnabled();
        d.EndDialog(42);
    };
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(innerResult, 42);
    EXPECT_TRUE(outerDisabledDuringInner);
    EXPECT_TRUE(ownerDisabledDuringInner);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalTest, WithoutParentTheMainWindowIsTheOwner)
{
    CWnd* previousMain = g_testApp.m_pMainWnd;
    g_testApp.m_pMainWnd = &owner;
    FormDialog dlg;
    HWND ownerSeen = nullptr;
    seams->modalDialogReady = [&](CDialog& d) {
        ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
        EXPECT_FALSE(owner.IsWindowEnabled());
        d.EndDialog(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    g_testApp.m_pMainWnd = previousMain;
    EXPECT_EQ(ownerSeen, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalTest, QuitEndsTheModalLoopAndReachesTheOuterLoop)
{
    FormDialog dlg(&owner);
    seams->modalDialogReady = [](CDialog&) { ::PostQuitMessage(9); };
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(owner.IsWindowEnabled());
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(ModalTest, MissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled)
{
    CDialog dlg(9999, &owner);
    bool hookCalled = false;
    seams->modalDialogReady = [&](CDialog&) { hookCalled = true; };
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(hookCalled);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalTest, EscapeKeyCancelsThroughTheDialogNavigation)
{
    FormDialog dlg(&owner);
    seams->modalDialogReady = [](CDialog& d) { d.PostMessage(WM_KEYDOWN, VK_ESCAPE); };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ModalTest, OkTakesTheControlsIntoTheMembers)
{
    FormDialog dlg(&owner);
    dlg.m_name = "before";
    CString shownName;
    seams->modalDialogReady = [&](CDialog& d) {
        d.GetDlgItemText(IDC_NAME, shownName);
        d.SetDlgItemText(IDC_NAME, "typed");
        d.SetDlgItemText(IDC_NUMBER, " -42 ");
        d.CheckDlgButton(IDC_CHECK, BST_CHECKED);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(shownName, "before");
    EXPECT_STREQ(dlg.m_name, "typed");
    EXPECT_EQ(dlg.m_number, -42);
    EXPECT_EQ(dlg.m_check, 1);
}

TEST_F(ModalTest, InvalidNumberKeepsTheDialogOpenAndTheMemberUnchanged)
{
    FormDialog dlg(&owner);
    dlg.m_number = 5;
    int boxes = 0;
    seams->messageBox = [&](HWND, LPCSTR, LPCSTR, UINT) {
        ++boxes;
        dlg.PostMessage(WM_COMMAND, IDCANCEL);
        return IDOK;
    };
    seams->modalDialogReady = [](CDialog& d) {
        d.SetDlgItemText(IDC_NUMBER, "4x2");
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(dlg.m_number, 5);
}

TEST(DataExchange, BothWaysOnAModelessDialog)
{
    MessageBoxRecorder boxes;
    FormDialog dlg;
    dlg.m_name = "Ann";
    dlg.m_number = -12;
    dlg.m_check = 1;
    ASSERT_TRUE(dlg.Create(IDD_TEST_FORM));
    CString text;
    dlg.GetDlgItemText(IDC_NAME, text);
    EXPECT_STREQ(text, "Ann");
    dlg.GetDlgItemText(IDC_NUMBER, text);
    EXPECT_STREQ(text, "-12");
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), static_cast<UINT>(BST_CHECKED));

    dlg.SetDlgItemText(IDC_NAME, "Bob");
    dlg.SetDlgItemText(IDC_NUMBER, "2147483647");
    dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_name, "Bob");
    EXPECT_EQ(dlg.m_number, 2147483647);
    EXPECT_EQ(dlg.m_check, 0);

    dlg.SetDlgItemText(IDC_NUMBER, "2147483648");  // out of range
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_number, 2147483647);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_NUMBER));
    dlg.DestroyWindow();
}

TEST(DataExchange, ControlIsSubclassedOnceAndReleasedWithItsWindow)
{
    FormDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_FORM));
    HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_NAME);
    EXPECT_EQ(dlg.m_nameEdit.m_hWnd, edit);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &dlg.m_nameEdit);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)), &AfxWndProc);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &dlg.m_nameEdit);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_nameEdit.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DialogFocus, GotoNextAndPreviousControl)
{
    FormDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_FORM));
    dlg.ShowWindow(SW_SHOW);
    dlg.SetForegroundWindow();
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_NAME));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_NAME));
    dlg.NextDlgCtrl();
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_CHECK));
    dlg.PrevDlgCtrl();
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_NAME));
    dlg.DestroyWindow();
}

// A hidden owner shows nothing to centre on: the dialog opens in the middle of
// the owner's screen, wherever the template put it. A dialog that placed
// itself keeps that place.
TEST_F(ModalTest, OpensCentredUnlessItPlacedItself)
{
    owner.SetWindowPos(nullptr, 3000, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect shown;
    seams->modalDialogReady = [&](CDialog& d) {
        d.GetWindowRect(&shown);
        d.EndDialog(IDOK);
    };
    FormDialog centred(&owner);
    centred.DoModal();
    const CRect work = PrimaryWorkArea();
    CRect inside;
    inside.IntersectRect(&shown, &work);
    EXPECT_EQ(inside, shown) << "wholly inside the work area";
    EXPECT_NEAR(shown.CenterPoint().x, work.CenterPoint().x, 1);
    EXPECT_NEAR(shown.CenterPoint().y, work.CenterPoint().y, 1);

    SelfPlacingDialog placed(&owner);
    placed.DoModal();
    EXPECT_EQ(shown.TopLeft(), CPoint(7, 9));
}
