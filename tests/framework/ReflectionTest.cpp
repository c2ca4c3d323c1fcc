// Reflection: a control's own object gets its WM_DRAWITEM, its colour request
// and its click notifications before (or instead of) the parent.
#include "TestResource.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_log;

class DrawnButton : public CButton
{
public:
    int draws = 0;
    UINT lastCtlId = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++draws;
        lastCtlId = lpDrawItemStruct->CtlID;
    }
};

class ClickButton : public CButton
{
public:
    BOOL letParentSee = FALSE;

protected:
    BOOL OnReflectedClick()
    {
        g_log.push_back("button");
        return !letParentSee;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &ClickButton::OnReflectedClick)
END_MESSAGE_MAP()

class LinkStatic : public CStatic
{
public:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        g_log.push_back("link-colour " + std::to_string(nCtlColor));
        pDC->SetTextColor(RGB(255, 0, 0));
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }

protected:
    void OnClicked() { g_log.push_back("link-clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(STN_CLICKED, &LinkStatic::OnClicked)
END_MESSAGE_MAP()

// Binds the three skinned controls; no colour handler of its own.
class PlainForm : public CDialog
{
public:
    PlainForm() : CDialog(IDD_TEST_FORM) {}
    DrawnButton m_drawn;
    ClickButton m_push;
    LinkStatic m_link;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_OWNERDRAW, m_drawn);
        DDX_Control(pDX, IDC_PUSH, m_push);
        DDX_Control(pDX, IDC_LINK, m_link);
    }
    void OnPush() { g_log.push_back("parent-push"); }
    void OnLink() { g_log.push_back("parent-link"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PlainForm, CDialog)
    ON_BN_CLICKED(IDC_PUSH, &PlainForm::OnPush)
    ON_STN_CLICKED(IDC_LINK, &PlainForm::OnLink)
END_MESSAGE_MAP()

// Takes the default colour handling first (which reflects), then its own brush.
class ColouredForm : public PlainForm
{
public:
    CBrush m_brush{RGB(0, 0, 0)};

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        g_log.push_back("parent-colour");
        return pWnd->GetDlgCtrlID() == IDC_LINK ? static_cast<HBRUSH>(m_brush) : brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColouredForm, PlainForm)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

template <class Form>
class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_TEST_FORM));
        form.ShowWindow(SW_SHOWNA);
        form.UpdateWindow();
        PumpPending();
        g_log.clear();  // what painting asked for is not part of the test
    }
    void TearDown() override { form.DestroyWindow(); }

    LRESULT ColourRequest(HDC hdc)
    {
        return form.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                                reinterpret_cast<LPARAM>(form.m_link.m_hWnd));
    }

    Form form;
};

using PlainReflection = ReflectionTest<PlainForm>;
using ColouredReflection = ReflectionTest<ColouredForm>;

}  // namespace

TEST_F(PlainReflection, OwnerDrawnButtonPaintsItself)
{
    ASSERT_NE(form.m_drawn.m_hWnd, nullptr);
    form.m_drawn.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(form.m_drawn.draws, 1);
    EXPECT_EQ(form.m_drawn.lastCtlId, static_cast<UINT>(IDC_OWNERDRAW));
    int before = form.m_drawn.draws;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_OWNERDRAW;
    item.hwndItem = form.m_drawn.m_hWnd;
    EXPECT_EQ(form.SendMessage(WM_DRAWITEM, IDC_OWNERDRAW, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(form.m_drawn.draws, before + 1);
}

TEST_F(PlainReflection, ClickIsTheButtonsOwnUnlessItLetsTheParentSeeIt)
{
    form.m_push.SendMessage(BM_CLICK);
    EXPECT_EQ(g_log, std::vector<std::string>{"button"});
    g_log.clear();
    form.m_push.letParentSee = TRUE;
    form.m_push.SendMessage(BM_CLICK);
    EXPECT_EQ(g_log, (std::vector<std::string>{"button", "parent-push"}));
}

TEST_F(PlainReflection, StaticClickGoesToTheLinkNotTheParent)
{
    form.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(form.m_link.m_hWnd));
    EXPECT_EQ(g_log, std::vector<std::string>{"link-clicked"});
}

TEST_F(PlainReflection, DefaultColourHandlingAsksTheControl)
{
    HDC hdc = ::GetDC(form.m_link.m_hWnd);
    LRESULT brush = ColourRequest(hdc);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(::GetTextColor(hdc), RGB(255, 0, 0));
    ::ReleaseDC(form.m_link.m_hWnd, hdc);
    EXPECT_EQ(g_log, std::vector<std::string>{"link-colour " + std::to_string(CTLCOLOR_STATIC)});
}

TEST_F(ColouredReflection, ParentDefaultRunsTheControlsColourFirstThenMayReplaceTheBrush)
{
    HDC hdc = ::GetDC(form.m_link.m_hWnd);
    LRESULT brush = ColourRequest(hdc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(form.m_brush));
    EXPECT_EQ(::GetTextColor(hdc), RGB(255, 0, 0));
    ::ReleaseDC(form.m_link.m_hWnd, hdc);
    EXPECT_EQ(g_log, (std::vector<std::string>{"link-colour 6", "parent-colour"}));
}

TEST_F(ColouredReflection, DialogColourRequestReachesTheParentHandler)
{
    HDC hdc = ::GetDC(form.m_hWnd);
    form.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(form.m_hWnd));
    ::ReleaseDC(form.m_hWnd, hdc);
    EXPECT_EQ(g_log, std::vector<std::string>{"parent-colour"});
}
