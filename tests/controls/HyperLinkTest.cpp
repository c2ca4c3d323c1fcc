// The link control: its text and font, hover with the mouse capture, the
// colours it asks for, the pointing hand and the address opened on a click.
#include "MemoryCanvas.h"
#include "PageHost.h"
#include "controls/CHyperLink.h"
#include "framework/Afx.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255), Red = RGB(255, 0, 0);

// A page as the program's pages treat the link: the framework's colour
// handling first (which reaches the link), then a background of its own.
class LinkPage : public CDialog
{
public:
    LinkPage() : CDialog(IDD_COLOR), m_background(RGB(0, 0, 0)) {}
    CHyperLink m_link;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LINK, m_link); }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        return pWnd && pWnd->GetDlgCtrlID() == IDC_LINK ? static_cast<HBRUSH>(m_background) : brush;
    }
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_background;
};

BEGIN_MESSAGE_MAP(LinkPage, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A page that leaves every colour to the framework.
class PlainLinkPage : public CDialog
{
public:
    PlainLinkPage() : CDialog(IDD_HOT_KEY) {}
    CHyperLink m_link;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LINK, m_link); }
};

struct Opened {
    HWND owner;
    std::string verb, file;
    bool noParameters, noDirectory;
    INT show;
};

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

std::string Address()
{
    CString text;
    text.LoadString(IDS_WEB_ADDRESS);
    return std::string(text);
}

// Each test starts with the link not hovered.
class Link : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_pages = new PageHost<LinkPage>(IDD_COLOR); }
    static void TearDownTestSuite() { delete s_pages; }
    void SetUp() override
    {
        ASSERT_TRUE(m_page.m_link.m_hWnd);
        if (m_page.m_link.IsHovered())
            m_page.m_link.SendMessage(WM_MOUSEMOVE, 0, At(-1, -1));
        ::ReleaseCapture();
    }

    void Hover() { m_page.m_link.SendMessage(WM_MOUSEMOVE, 0, At(3, 3)); }

    // The link as it paints itself, on the page's black background.
    int CountPrinted(COLORREF colour)
    {
        CRect client;
        m_page.m_link.GetClientRect(&client);
        MemoryCanvas canvas(client.Width(), client.Height(), RGB(1, 2, 3));
        m_page.m_link.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        return canvas.Count(colour);
    }

    static PageHost<LinkPage>* s_pages;
    CWnd& m_host = s_pages->Frame();
    LinkPage& m_page = s_pages->Page();
};

PageHost<LinkPage>* Link::s_pages = nullptr;

}  // namespace

TEST_F(Link, ShowsTheStringTableAddressUnderlinedAndReportsClicks)
{
    // A static whose template text is something else entirely.
    CHyperLink other;
    ASSERT_TRUE(other.SubclassDlgItem(IDC_STATIC_MODE_SELECTION, &m_page));
    CString text;
    other.GetWindowText(text);
    EXPECT_EQ(std::string(text), Address());
    EXPECT_EQ(std::string(other.GetURL()), Address());
    EXPECT_TRUE(other.GetStyle() & SS_NOTIFY);
    LOGFONTA font{};
    ASSERT_NE(other.GetFont(), nullptr);
    other.GetFont()->GetLogFont(&font);
    EXPECT_TRUE(font.lfUnderline);
    LOGFONTA pageFont{};
    m_page.GetFont()->GetLogFont(&pageFont);
    EXPECT_STREQ(font.lfFaceName, pageFont.lfFaceName) << "the dialog's font, underlined";
    other.UnsubclassWindow();
}

TEST_F(Link, HoverHoldsTheCaptureUntilTheMouseLeaves)
{
    CHyperLink& link = m_page.m_link;
    EXPECT_FALSE(link.IsHovered());
    Hover();
    EXPECT_TRUE(link.IsHovered());
    EXPECT_EQ(::GetCapture(), link.m_hWnd);
    link.SendMessage(WM_MOUSEMOVE, 0, At(5, 2));
    EXPECT_TRUE(link.IsHovered());
    EXPECT_EQ(::GetCapture(), link.m_hWnd);
    link.SendMessage(WM_MOUSEMOVE, 0, At(-4, 3));
    EXPECT_FALSE(link.IsHovered());
    EXPECT_NE(::GetCapture(), link.m_hWnd);
    CRect client;
    link.GetClientRect(&client);
    Hover();
    link.SendMessage(WM_MOUSEMOVE, 0, At(client.right, client.bottom));
    EXPECT_FALSE(link.IsHovered()) << "the right and bottom edges lie outside";
}

TEST_F(Link, TextIsWhiteAndRedWhileHovered)
{
    EXPECT_GT(CountPrinted(White), 0);
    EXPECT_EQ(CountPrinted(Red), 0);
    Hover();
    EXPECT_GT(CountPrinted(Red), 0);
    EXPECT_EQ(CountPrinted(White), 0);
    m_page.m_link.SendMessage(WM_MOUSEMOVE, 0, At(-1, -1));
    EXPECT_GT(CountPrinted(White), 0);
}

TEST_F(Link, AsksForItsColourOnATransparentBackground)
{
    MemoryCanvas canvas(4, 4, RGB(1, 2, 3));
    HWND link = m_page.m_link.m_hWnd;
    m_page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(::GetTextColor(canvas.Dc()), White);
    EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);
    Hover();
    m_page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(::GetTextColor(canvas.Dc()), Red);

    // A parent without a colour handler of its own hands on the hollow brush.
    PlainLinkPage plain;
    ASSERT_TRUE(plain.Create(IDD_HOT_KEY, &m_host));
    LRESULT brush = plain.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                                      reinterpret_cast<LPARAM>(plain.m_link.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
    plain.DestroyWindow();
}

TEST_F(Link, PointingHandOverTheLinkOnly)
{
    HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND));
    ASSERT_NE(hand, nullptr);
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    HWND link = m_page.m_link.m_hWnd;
    EXPECT_TRUE(m_page.m_link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), hand);
    ::SetCursor(arrow);
    m_page.m_link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_page.m_hWnd),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(::GetCursor(), hand);
}

TEST_F(Link, AClickEndsTheHoverAndOpensTheAddress)
{
    std::vector<Opened> opened;
    Seams::Override seams;
    seams->shellExecute = [&](HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) {
        opened.push_back({owner, verb ? verb : "", file ? file : "", parameters == nullptr, directory == nullptr, show});
        return reinterpret_cast<HINSTANCE>(33);
    };
    Hover();
    // The static reports the press itself, since the link asked for notifications.
    m_page.m_link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    m_page.m_link.SendMessage(WM_LBUTTONUP, 0, At(3, 3));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].owner, nullptr);
    EXPECT_EQ(opened[0].verb, "open");
    EXPECT_EQ(opened[0].file, Address());
    EXPECT_TRUE(opened[0].noParameters && opened[0].noDirectory);
    EXPECT_EQ(opened[0].show, SW_SHOWNORMAL);
    EXPECT_FALSE(m_page.m_link.IsHovered());
    EXPECT_NE(::GetCapture(), m_page.m_link.m_hWnd);
    EXPECT_GT(CountPrinted(White), 0) << "white again once clicked";
}
