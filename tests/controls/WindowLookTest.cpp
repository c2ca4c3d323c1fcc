// What the windows show, in the language of the run (the test runs in
// English and in Japanese), on the real pages and dialogs over the simulated
// monitors: no frame line of a background picture runs under a control, the
// tab pages' frames stand in the same place, no picture starts again inside
// its window, every text has its glyphs and fits its control, and no focus
// rectangle runs through a button's caption.
#include "../colour/ColourPageTest.h"
#include "MemoryCanvas.h"
#include "res/resource.h"
#include "shell/CDlgMessage.h"
#include "shell/Messages.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The window's background alone, as its own erase paints it: the dialog
// fills itself with its pattern brush from its client origin.
std::unique_ptr<MemoryCanvas> Background(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    auto canvas = std::make_unique<MemoryCanvas>(client.right, client.bottom, RGB(0, 0, 0));
    ::SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(canvas->Dc()), PRF_ERASEBKGND | PRF_CLIENT);
    return canvas;
}

int Luminance(COLORREF c)
{
    return (30 * GetRValue(c) + 59 * GetGValue(c) + 11 * GetBValue(c)) / 100;
}

// Frame lines: runs of at least kRun pixels, each standing out from the
// surface two pixels to either side across the run by kContrast or more.
// The surface's own shading and dithering stay far below that; the edges,
// rules and accents of the pictures stand well above it.
constexpr int kRun = 12;
constexpr int kContrast = 12;

class FrameLines
{
public:
    explicit FrameLines(const MemoryCanvas& back)
        : m_width(back.Width()), m_rows(back.Width() * back.Height(), false), m_columns(m_rows)
    {
        std::vector<int> lum(m_rows.size());
        for (int y = 0; y < back.Height(); ++y)
            for (int x = 0; x < back.Width(); ++x)
                lum[static_cast<size_t>(y) * m_width + x] = Luminance(back.Pixel(x, y));
        const auto at = [&](POINT p) { return lum[static_cast<size_t>(p.y) * m_width + p.x]; };
        Scan(at, back.Width(), back.Height(), [](int along, int across) { return POINT{along, across}; }, m_rows);
        Scan(at, back.Height(), back.Width(), [](int along, int across) { return POINT{across, along}; },
             m_columns);
    }

    bool On(int x, int y) const { return Across(x, y) || Down(x, y); }
    // On a line that runs across, or on one that runs down.
    bool Across(int x, int y) const { return m_rows[static_cast<size_t>(y) * m_width + x]; }
    bool Down(int x, int y) const { return m_columns[static_cast<size_t>(y) * m_width + x]; }
    bool Any() const
    {
        return std::find(m_rows.begin(), m_rows.end(), true) != m_rows.end() ||
               std::find(m_columns.begin(), m_columns.end(), true) != m_columns.end();
    }

private:
    // One direction: along each row (or column), across to its neighbours.
    template <class Lum, class Point>
    void Scan(const Lum& lum, int length, int lines, const Point& point, std::vector<bool>& on)
    {
        for (int across = 2; across + 2 < lines; ++across) {
            int start = 0;
            for (int along = 0; along <= length; ++along) {
                if (along < length && lum(point(along, across)) - lum(point(along, across - 2)) >= kContrast &&
                    lum(point(along, across)) - lum(point(along, across + 2)) >= kContrast)
                    continue;
                for (int i = start; along - start >= kRun && i < along; ++i)
                    on[static_cast<size_t>(point(i, across).y) * m_width + point(i, across).x] = true;
                start = along + 1;
            }
        }
    }

    int m_width;
    std::vector<bool> m_rows;
    std::vector<bool> m_columns;
};

// Where a tab page's frames stand, which must not move between the tabs:
// the outermost panel edges, the top of the first panel (the highest line
// across the middle column: the headings stand at the left) and the rule
// above the bottom row, the lowest line across.
struct PageFrame
{
    int left = -1, right = -1, top = -1, rule = -1;
    bool operator==(const PageFrame& other) const
    {
        return left == other.left && right == other.right && top == other.top && rule == other.rule;
    }
};

std::ostream& operator<<(std::ostream& out, const PageFrame& frame)
{
    return out << "panels " << frame.left << " to " << frame.right << ", first top " << frame.top << ", rule "
               << frame.rule;
}

PageFrame MeasureFrame(const MemoryCanvas& back)
{
    const FrameLines lines(back);
    PageFrame frame;
    for (int y = 0; y < back.Height(); ++y)
        for (int x = 0; x < back.Width(); ++x) {
            if (lines.Down(x, y)) {
                frame.left = frame.left < 0 ? x : std::min(frame.left, x);
                frame.right = std::max(frame.right, x);
            }
            if (lines.Across(x, y))
                frame.rule = y;
        }
    for (int y = 0; frame.left >= 0 && frame.top < 0 && y < back.Height(); ++y)
        if (lines.Across((frame.left + frame.right) / 2, y))
            frame.top = y;
    return frame;
}

// Every control of the window, shown or not (a page hides what the current
// monitor lacks and shows it for another), in client coordinates.
std::vector<std::pair<HWND, RECT>> Controls(HWND window)
{
    std::vector<std::pair<HWND, RECT>> controls;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        controls.emplace_back(child, rect);
    }
    return controls;
}

std::string Describe(HWND control, const RECT& rect)
{
    char text[128] = {};
    ::GetWindowTextA(control, text, sizeof text);
    std::ostringstream out;
    out << "control " << ::GetDlgCtrlID(control) << " \"" << text << "\" at (" << rect.left << "," << rect.top
        << ")-(" << rect.right << "," << rect.bottom << ")";
    return out.str();
}

// The controls a frame line runs under, with the first such point.
std::vector<std::string> LinesUnderControls(HWND window, const FrameLines& lines, const MemoryCanvas& back)
{
    std::vector<std::string> found;
    for (const auto& [control, rect] : Controls(window)) {
        bool hit = false;
        for (int y = std::max(0L, rect.top); !hit && y < std::min<LONG>(rect.bottom, back.Height()); ++y)
            for (int x = std::max(0L, rect.left); !hit && x < std::min<LONG>(rect.right, back.Width()); ++x)
                if ((hit = lines.On(x, y)))
                    found.push_back(Describe(control, rect) + ": a line at (" + std::to_string(x) + "," +
                                    std::to_string(y) + ")");
    }
    return found;
}

// Whether the picture starts again inside the window: some period after
// which every row (or column) equals the one that many before it.
bool Repeats(int length, const std::function<bool(int, int)>& same)
{
    for (int period = 1; period < length; ++period) {
        bool repeats = true;
        for (int i = period; repeats && i < length; ++i)
            repeats = same(i, i - period);
        if (repeats)
            return true;
    }
    return false;
}

bool PictureRepeats(const MemoryCanvas& back)
{
    const auto sameRows = [&](int a, int b) {
        for (int x = 0; x < back.Width(); ++x)
            if (back.Pixel(x, a) != back.Pixel(x, b))
                return false;
        return true;
    };
    const auto sameColumns = [&](int a, int b) {
        for (int y = 0; y < back.Height(); ++y)
            if (back.Pixel(a, y) != back.Pixel(b, y))
                return false;
        return true;
    };
    return Repeats(back.Height(), sameRows) || Repeats(back.Width(), sameColumns);
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

LONG Style(HWND window)
{
    return ::GetWindowLongA(window, GWL_STYLE);
}

bool IsSkinnedButton(HWND control)
{
    return ClassOf(control) == "Button" && (Style(control) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// The text as the control shows it: converted with the program's code page.
std::wstring ShownText(HWND control)
{
    char text[256] = {};
    const int length = ::GetWindowTextA(control, text, sizeof text);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), length)));
    return wide;
}

// The text's extent on one line in the control's font, and whether the font
// has a glyph for each of its characters.
SIZE TextExtent(HWND control, bool* glyphsMissing)
{
    const std::wstring text = ShownText(control);
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    std::vector<WORD> glyphs(text.size());
    ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    RECT needed{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    *glyphsMissing = std::find(glyphs.begin(), glyphs.end(), WORD(0xFFFF)) != glyphs.end();
    return SIZE{needed.right, needed.bottom};
}

// Where a control draws its text: a check box beside its box, a drop-down
// list left of its arrow.
SIZE TextRoom(HWND control, const RECT& rect)
{
    const std::string kind = ClassOf(control);
    const SIZE all{rect.right - rect.left, rect.bottom - rect.top};
    if (kind == "ComboBox") {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ::GetComboBoxInfo(control, &info);
        return SIZE{info.rcItem.right - info.rcItem.left, info.rcItem.bottom - info.rcItem.top};
    }
    const LONG type = Style(control) & BS_TYPEMASK;
    if (kind == "Button" && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX))
        return SIZE{all.cx - ::GetSystemMetrics(SM_CXMENUCHECK) - 4, all.cy};
    return all;
}

// Texts the window shows that lack glyphs or do not fit their control.
// Pictures carry no text; a group box's name runs along its frame; the link
// and the value boxes show what the program puts there.
std::vector<std::string> UnreadableTexts(HWND window)
{
    std::vector<std::string> found;
    for (const auto& [control, rect] : Controls(window)) {
        const std::string kind = ClassOf(control);
        const LONG type = Style(control) & SS_TYPEMASK;
        const bool picture = kind == "Static" && (type == SS_BITMAP || type == SS_ICON);
        const bool frame = kind == "Button" && (Style(control) & BS_TYPEMASK) == BS_GROUPBOX;
        if (ShownText(control).empty() || !::IsWindowVisible(control) || picture || frame ||
            ::GetDlgCtrlID(control) == IDC_LINK || kind == "Edit" || kind == "msctls_hotkey32")
            continue;
        bool missing = false;
        const SIZE needed = TextExtent(control, &missing), room = TextRoom(control, rect);
        if (missing)
            found.push_back(Describe(control, rect) + ": a character without a glyph");
        if (needed.cx > room.cx)
            found.push_back(Describe(control, rect) + ": " + std::to_string(needed.cx) + " pixels wide in " +
                            std::to_string(room.cx));
    }
    return found;
}

// A skinned button painted as its own paint asks its parent for it: the
// button's font selected, the whole face to draw.
void PaintButton(HWND button, UINT state, MemoryCanvas& canvas)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button;
    item.hDC = canvas.Dc();
    ::GetClientRect(button, &item.rcItem);
    HGDIOBJ old = ::SelectObject(canvas.Dc(), reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0)));
    ::SendMessageA(::GetParent(button), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    ::SelectObject(canvas.Dc(), old);
}

// Skinned buttons whose focus rectangle runs through their caption: the
// pixels the focus changes against those the caption paints.
std::vector<std::string> FocusThroughCaptions(HWND window)
{
    std::vector<std::string> found;
    for (const auto& [button, rect] : Controls(window)) {
        if (!IsSkinnedButton(button) || ShownText(button).empty())
            continue;
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        MemoryCanvas focused(w, h, 0), plain(w, h, 0), bare(w, h, 0);
        PaintButton(button, ODS_FOCUS, focused);
        PaintButton(button, 0, plain);
        char caption[128] = {};
        ::GetWindowTextA(button, caption, sizeof caption);
        ::SetWindowTextA(button, "");
        PaintButton(button, 0, bare);
        ::SetWindowTextA(button, caption);
        const std::vector<POINT> ink = plain.Differences(bare);
        for (POINT p : focused.Differences(plain))
            if (std::any_of(ink.begin(), ink.end(), [p](POINT q) { return q.x == p.x && q.y == p.y; })) {
                found.push_back(Describe(button, rect) + ": the focus rectangle at (" + std::to_string(p.x) + "," +
                                std::to_string(p.y) + ") crosses the caption");
                break;
            }
    }
    return found;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += "\n  " + line;
    return all;
}

void ExpectReadable(HWND window, const std::string& what)
{
    const std::vector<std::string> unreadable = UnreadableTexts(window);
    EXPECT_TRUE(unreadable.empty()) << what << ": texts that do not read" << Joined(unreadable);
    const std::vector<std::string> crossed = FocusThroughCaptions(window);
    EXPECT_TRUE(crossed.empty()) << what << Joined(crossed);
}

void ExpectPictureFits(HWND window, const std::string& what)
{
    const std::unique_ptr<MemoryCanvas> back = Background(window);
    const FrameLines lines(*back);
    EXPECT_TRUE(lines.Any()) << what << ": no frame in the picture";
    const std::vector<std::string> crossed = LinesUnderControls(window, lines, *back);
    EXPECT_TRUE(crossed.empty()) << what << ": frame lines under controls" << Joined(crossed);
    EXPECT_FALSE(PictureRepeats(*back)) << what << ": the picture starts again inside its " << back->Width() << " x "
                                        << back->Height() << " pixels";
    ExpectReadable(window, what);
}

} // namespace

class WindowLookTest : public ColourPageTest
{
protected:
    // The Japanese entry looks at nothing in English unnoticed.
    // The entry's language and DPI are in force: a run without them would
    // pass off the English or 96-dpi pictures as the others.
    void SetUp() override
    {
        ColourPageTest::SetUp();
        const char* language = std::getenv("LANG");
        if (language && std::strncmp(language, "ja", 2) == 0) {
            ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_JAPANESE)
                << "the Japanese locale was not in effect";
        }
        const char* dpi = std::getenv("TALVEX_WINE_DPI");
        HDC screen = ::GetDC(nullptr);
        const int logPixels = ::GetDeviceCaps(screen, LOGPIXELSX);
        ::ReleaseDC(nullptr, screen);
        ASSERT_EQ(logPixels, dpi ? std::atoi(dpi) : 96) << "the display's DPI";
    }

    // Runs `open`, which shows a modal dialog, and looks at the dialog once
    // it is ready; then ends it with `end`: the colour dialogs as the main
    // window closes them, the boxes as the user does.
    void LookAtModal(const std::function<void()>& open, const std::function<void(HWND)>& look, UINT end)
    {
        bool shown = false;
        m_seams->modalDialogReady = [&](CDialog& dialog) {
            shown = true;
            look(dialog.m_hWnd);
            dialog.PostMessage(end, end == WM_COMMAND ? IDCANCEL : 0);
        };
        open();
        m_seams->modalDialogReady = nullptr;
        EXPECT_TRUE(shown) << "the dialog did not open";
        Pump();
    }
};

TEST_F(WindowLookTest, TabPagesFrameTheirControlsAndCoverThemselves)
{
    Start();
    const std::pair<int, CWnd*> pages[] = {
        {0, &Main().m_pageHotKey}, {1, &Main().m_pageColor}, {2, &Main().m_pageAutoColor}};
    std::vector<PageFrame> frames;
    for (const auto& [tab, page] : pages) {
        ShowTab(tab);
        ASSERT_TRUE(::IsWindowVisible(page->m_hWnd)) << "tab " << tab;
        ExpectPictureFits(page->m_hWnd, "tab " + std::to_string(tab));
        frames.push_back(MeasureFrame(*Background(page->m_hWnd)));
    }
    // Switching tabs leaves the frames where they stand.
    for (size_t tab = 1; tab < frames.size(); ++tab)
        EXPECT_EQ(frames[tab], frames[0]) << "tab " << tab << " against tab 0";
    ExpectReadable(Main().m_hWnd, "the settings window");
}

TEST_F(WindowLookTest, ColourDialogsFrameTheirControlsAndCoverThemselves)
{
    Start();
    for (int button : {IDC_BTN_COLOR, IDC_BTN_TUNORA})
        LookAtModal(
            [&] { Page().SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(Item(button))); },
            [&](HWND dialog) { ExpectPictureFits(dialog, "the dialog of button " + std::to_string(button)); },
            UM_CLOSE_SUBDIALOG);
}

TEST_F(WindowLookTest, TheAboutBoxAndTheF12WarningReadInFull)
{
    Start();
    LookAtModal([] { Main().SendMessage(WM_SYSCOMMAND, IDM_ABOUT); },
                [](HWND about) { ExpectReadable(about, "the About box"); }, WM_COMMAND);
    // The box is as wide as its text: measured as the static shows it.
    LookAtModal(
        [] {
            CString text;
            text.LoadString(IDS_F12_REFUSED);
            CDlgMessage box(nullptr);
            box.SetWarningIcon(TRUE);
            box.SetMessageText(text);
            box.DoModal();
        },
        [](HWND box) {
            ExpectReadable(box, "the F12 warning");
            HWND text = ::GetDlgItem(box, IDC_MESSAGE_TEXT);
            RECT rect{};
            ::GetWindowRect(text, &rect);
            bool missing = false;
            EXPECT_EQ(rect.right - rect.left, TextExtent(text, &missing).cx);
        },
        WM_COMMAND);
}
