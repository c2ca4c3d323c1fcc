// The page's colours as its controls ask for them: white labels on the
// page's bitmap, continued under each label, and the system's own colours
// for the lists.
#include "ColourPageTest.h"

#include "res/resource.h"

#include <vector>

namespace {

using PageColoursTest = ColourPageTest;

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Preset = RGB(1, 2, 3);

// A memory device context as a control would pass it, in a known state.
class ColourRequest {
public:
    ColourRequest() : m_dc(::CreateCompatibleDC(nullptr)) { Reset(); }
    ~ColourRequest() { ::DeleteDC(m_dc); }
    ColourRequest(const ColourRequest&) = delete;
    ColourRequest& operator=(const ColourRequest&) = delete;

    void Reset()
    {
        ::SetTextColor(m_dc, Preset);
        ::SetBkMode(m_dc, OPAQUE);
        ::SetBrushOrgEx(m_dc, 7, 9, nullptr);
    }

    HBRUSH Ask(HWND page, UINT message, HWND control)
    {
        return reinterpret_cast<HBRUSH>(
            ::SendMessageA(page, message, reinterpret_cast<WPARAM>(m_dc), reinterpret_cast<LPARAM>(control)));
    }
    // What the system's own handling answers, and the text colour it sets.
    HBRUSH AskSystem(HWND page, UINT message, HWND control, COLORREF* text)
    {
        Reset();
        const LRESULT brush =
            ::DefWindowProcA(page, message, reinterpret_cast<WPARAM>(m_dc), reinterpret_cast<LPARAM>(control));
        *text = Text();
        Reset();
        return reinterpret_cast<HBRUSH>(brush);
    }
    COLORREF Text() const { return ::GetTextColor(m_dc); }
    int BkMode() const { return ::GetBkMode(m_dc); }
    POINT BrushOrigin() const
    {
        POINT origin{};
        ::GetBrushOrgEx(m_dc, &origin);
        return origin;
    }

private:
    HDC m_dc;
};

// The origin that makes the pattern under the control continue the page's.
POINT AlignedOrigin(HWND page, HWND control, SIZE pattern)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return POINT{pattern.cx - rect.left, pattern.cy - rect.top};
}

// The pixels a brush gives an area of the given size, from the origin.
std::vector<DWORD> Painted(HBRUSH brush, SIZE size)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP target = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, target);
    RECT area{0, 0, size.cx, size.cy};
    ::FillRect(dc, &area, brush);
    ::GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + size.cx * size.cy);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(target);
    return pixels;
}

} // namespace

TEST_F(PageColoursTest, BackgroundIsAPatternBrush)
{
    Start();
    LOGBRUSH brush{};
    ASSERT_EQ(::GetObjectA(static_cast<HBRUSH>(Page().m_brBackground), sizeof brush, &brush),
              static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_PATTERN));
    const SIZE size{Page().m_sizeBackground.cx, Page().m_sizeBackground.cy};
    ASSERT_GT(size.cx, 0);
    ASSERT_GT(size.cy, 0);

    // It paints the page's picture as the picture itself does.
    HBITMAP picture = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACK_COLOR));
    ASSERT_NE(picture, nullptr);
    HBRUSH reference = ::CreatePatternBrush(picture);
    EXPECT_EQ(Painted(Page().m_brBackground, size), Painted(reference, size));
    ::DeleteObject(reference);
    ::DeleteObject(picture);
}

TEST_F(PageColoursTest, LabelsAreWhiteOnTheAlignedBackground)
{
    Start();
    const HBRUSH background = Page().m_brBackground;
    const SIZE pattern{Page().m_sizeBackground.cx, Page().m_sizeBackground.cy};
    for (int id : {IDC_STATIC_MODE_SELECTION, IDC_STATIC_PARAMETER, IDC_CHECK_SAME_MODELS_COLOR}) {
        ColourRequest request;
        EXPECT_EQ(request.Ask(Page().m_hWnd, WM_CTLCOLORSTATIC, Item(id)), background) << id;
        EXPECT_EQ(request.Text(), White) << id;
        EXPECT_EQ(request.BkMode(), TRANSPARENT) << id;
        const POINT expected = AlignedOrigin(Page().m_hWnd, Item(id), pattern);
        EXPECT_EQ(request.BrushOrigin().x, expected.x) << id;
        EXPECT_EQ(request.BrushOrigin().y, expected.y) << id;
    }

    ColourRequest link;
    EXPECT_EQ(link.Ask(Page().m_hWnd, WM_CTLCOLORSTATIC, Item(IDC_LINK)), background);
    EXPECT_EQ(link.BkMode(), TRANSPARENT);
    const POINT expected = AlignedOrigin(Page().m_hWnd, Item(IDC_LINK), pattern);
    EXPECT_EQ(link.BrushOrigin().x, expected.x);
    EXPECT_EQ(link.BrushOrigin().y, expected.y);
}

TEST_F(PageColoursTest, PageAndButtonsUseTheBackgroundFromTheOrigin)
{
    Start();
    const HBRUSH background = Page().m_brBackground;
    ColourRequest page;
    EXPECT_EQ(page.Ask(Page().m_hWnd, WM_CTLCOLORDLG, Page().m_hWnd), background);
    EXPECT_EQ(page.BkMode(), TRANSPARENT);
    EXPECT_EQ(page.BrushOrigin().x, 0);
    EXPECT_EQ(page.BrushOrigin().y, 0);

    ColourRequest button;
    EXPECT_EQ(button.Ask(Page().m_hWnd, WM_CTLCOLORBTN, Item(IDC_BTN_COLOR)), background);
    EXPECT_EQ(button.BrushOrigin().x, 0);
    EXPECT_EQ(button.BrushOrigin().y, 0);
}

TEST_F(PageColoursTest, ListsAndOtherStaticsKeepTheSystemBrush)
{
    Start();
    const HBRUSH background = Page().m_brBackground;
    for (int id : {IDC_COMBO_MONITOR, IDC_COMBO_COLOR_MODE, IDC_MONITOR_PICTURE}) {
        ColourRequest request;
        COLORREF systemText = 0;
        const HBRUSH system = request.AskSystem(Page().m_hWnd, WM_CTLCOLORSTATIC, Item(id), &systemText);
        EXPECT_NE(system, background);
        EXPECT_EQ(request.Ask(Page().m_hWnd, WM_CTLCOLORSTATIC, Item(id)), system) << id;
        EXPECT_EQ(request.BkMode(), TRANSPARENT) << id;
        EXPECT_EQ(request.Text(), systemText) << id;
    }
    for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX}) {
        ColourRequest request;
        COLORREF systemText = 0;
        const HBRUSH system = request.AskSystem(Page().m_hWnd, message, Item(IDC_COMBO_COLOR_MODE), &systemText);
        EXPECT_EQ(request.Ask(Page().m_hWnd, message, Item(IDC_COMBO_COLOR_MODE)), system) << message;
        EXPECT_EQ(request.BkMode(), OPAQUE) << message;
        EXPECT_EQ(request.Text(), systemText) << message;
    }
}
