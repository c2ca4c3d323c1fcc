// The colour page's "C&olor..." button opens the dialog; the page gives up
// the reports while it is open and takes them back unless the dialog was
// ended from outside. Its colours: white texts on the background pattern
// continued under each control, black values on light value boxes.
#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

using PageRouteTest = ColourSubTest;
using SubColoursTest = ColourSubTest;

// Opens the dialog with the page's button and runs body inside it.
void OpenFromThePage(Seams::Hooks& hooks, CDlgColor& page, const std::function<void(CDlgColorSub&)>& body)
{
    bool opened = false;
    hooks.modalDialogReady = [&](CDialog& dialog) {
        auto* sub = dynamic_cast<CDlgColorSub*>(&dialog);
        ASSERT_NE(sub, nullptr);
        opened = true;
        ::KillTimer(sub->m_hWnd, IDT_COLOR_SUB_POLL);
        body(*sub);
    };
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_COLOR, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(page.m_hWnd, IDC_BTN_COLOR)));
    hooks.modalDialogReady = nullptr;
    EXPECT_TRUE(opened);
}

TEST_F(PageRouteTest, ColourButtonOpensTheDialogForTheCurrentMonitor)
{
    Start(Scenario, 1);
    Sim("set 2 brightness 44 quiet");
    OpenFromThePage(Seams::Current(), Page(), [&](CDlgColorSub& d) {
        EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen);
        EXPECT_EQ(theApp.m_hWndReport, d.m_hWnd);
        EXPECT_EQ(BoxText(d, IDC_EDIT_BRIGHTNESS), "44");
        Click(d, IDOK);
    });
    EXPECT_FALSE(theApp.m_StatusAll.m_bSubDialogOpen);
    EXPECT_EQ(theApp.m_hWndReport, Page().m_hWnd);
    EXPECT_EQ(theApp.m_hWndColorSub, nullptr);

    OpenFromThePage(Seams::Current(), Page(), [&](CDlgColorSub& d) { d.SendMessage(UM_CLOSE_SUBDIALOG); });
    EXPECT_TRUE(theApp.m_StatusAll.m_bSubDialogOpen);
    EXPECT_EQ(theApp.m_hWndReport, nullptr);
}

// A memory device context as a control hands it over.
struct ColourRequest {
    ColourRequest() : dc(::CreateCompatibleDC(nullptr))
    {
        ::SetTextColor(dc, RGB(1, 2, 3));
        ::SetBkMode(dc, OPAQUE);
        ::SetBrushOrgEx(dc, 7, 9, nullptr);
    }
    ~ColourRequest() { ::DeleteDC(dc); }
    ColourRequest(const ColourRequest&) = delete;
    ColourRequest& operator=(const ColourRequest&) = delete;

    HBRUSH Ask(HWND dialog, UINT message, HWND control)
    {
        return reinterpret_cast<HBRUSH>(
            ::SendMessageA(dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    }
    POINT Origin() const
    {
        POINT origin{};
        ::GetBrushOrgEx(dc, &origin);
        return origin;
    }
    HDC dc;
};

LOGBRUSH BrushOf(HBRUSH brush)
{
    LOGBRUSH info{};
    ::GetObjectA(brush, sizeof info, &info);
    return info;
}

TEST_F(SubColoursTest, TextsAndBackgrounds)
{
    Start(Scenario);
    Run([&](CDlgColorSub& d) {
        const HBRUSH pattern = d.m_brBackground;
        EXPECT_EQ(BrushOf(pattern).lbStyle, static_cast<UINT>(BS_PATTERN));

        ColourRequest box;
        const HBRUSH boxBrush = box.Ask(d.m_hWnd, WM_CTLCOLORSTATIC, Control(d, IDC_EDIT_HUE));
        EXPECT_EQ(BrushOf(boxBrush).lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(BrushOf(boxBrush).lbColor, static_cast<COLORREF>(0xDCE4E4));
        EXPECT_EQ(::GetTextColor(box.dc), RGB(0, 0, 0));
        EXPECT_EQ(::GetBkMode(box.dc), TRANSPARENT);

        for (int id : {IDC_SLIDER_GAIN_BLUE, IDC_GROUP_NOISE_REDUCTION}) {
            ColourRequest aligned;
            EXPECT_EQ(aligned.Ask(d.m_hWnd, WM_CTLCOLORSTATIC, Control(d, id)), pattern) << id;
            EXPECT_EQ(::GetTextColor(aligned.dc), RGB(255, 255, 255)) << id;
            RECT rect{};
            ::GetWindowRect(Control(d, id), &rect);
            ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(aligned.Origin().x, d.m_sizeBackground.cx - rect.left) << id;
            EXPECT_EQ(aligned.Origin().y, d.m_sizeBackground.cy - rect.top) << id;
        }

        ColourRequest self;
        EXPECT_EQ(self.Ask(d.m_hWnd, WM_CTLCOLORDLG, d.m_hWnd), pattern);
        EXPECT_EQ(self.Origin().x, 0);
        EXPECT_EQ(self.Origin().y, 0);
        EXPECT_EQ(::GetBkMode(self.dc), TRANSPARENT);

        ColourRequest list;
        EXPECT_NE(list.Ask(d.m_hWnd, WM_CTLCOLORLISTBOX, Control(d, IDC_COMBO_GAMMA)), pattern);
        EXPECT_EQ(::GetBkMode(list.dc), OPAQUE);
    });
}

// The colour bar above the temperature slider, in colour while the mode
// allows the temperature and in grey otherwise, in a sunken frame.
TEST_F(SubColoursTest, ColourBarFollowsTheTemperatureBit)
{
    Start(Scenario);
    auto barCentre = [](CDlgColorSub& d, COLORREF* frame) {
        RECT rect{};
        ::GetWindowRect(Control(d, IDC_COLOR_BAR), &rect);
        ::MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        ::ShowWindow(d.m_hWnd, SW_SHOWNORMAL);   // the modal loop would show it next
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = ::GetDC(d.m_hWnd);
        const COLORREF centre = ::GetPixel(dc, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        *frame = ::GetPixel(dc, rect.left, (rect.top + rect.bottom) / 2);
        ::ReleaseDC(d.m_hWnd, dc);
        return centre;
    };
    auto grey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); };
    COLORREF frame = 0;
    Run([&](CDlgColorSub& d) {
        EXPECT_FALSE(grey(barCentre(d, &frame)));
        EXPECT_EQ(frame, static_cast<COLORREF>(0x404040));
    });
    PickMode(40);
    Run([&](CDlgColorSub& d) { EXPECT_TRUE(grey(barCentre(d, &frame))); });
}

} // namespace
