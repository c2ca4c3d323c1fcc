// The program's own message box: its layout follows the measured text, its
// icon the kind of message, and its result how it was ended.
#include "AutoPageTest.h"

#include "res/resource.h"
#include "shell/CDlgMessage.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

#include <functional>

namespace {

struct Layout {
    CRect window;   // in the box's client coordinates
    CRect client;
    CRect icon;
    CRect text;
    CRect button;
    CRect templateWindow;   // the window the template alone makes
    HICON shownIcon = nullptr;
    std::string shownText;
};

class MessageBoxTest : public AutoPageTest {
protected:
    // Runs a box; `inside` sees it once it is laid out and ends it.
    INT_PTR Run(const char* text, BOOL warning, const std::function<void(CDlgMessage&)>& inside)
    {
        m_seams->modalDialogReady = [&](CDialog& dialog) {
            auto& box = dynamic_cast<CDlgMessage&>(dialog);
            m_layout = Measure(box);
            m_published = theApp.m_hWndMessage == box.m_hWnd;
            inside(box);
        };
        CDlgMessage box(nullptr);
        box.SetWarningIcon(warning);
        box.SetMessageText(text);
        return box.DoModal();
    }

    static CRect ItemRect(HWND box, int id)
    {
        CRect rect;
        ::GetWindowRect(::GetDlgItem(box, id), &rect);
        ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    static Layout Measure(CDlgMessage& box)
    {
        Layout layout;
        ::GetWindowRect(box.m_hWnd, &layout.window);
        ::MapWindowPoints(nullptr, box.m_hWnd, reinterpret_cast<POINT*>(&layout.window), 2);
        ::GetClientRect(box.m_hWnd, &layout.client);
        layout.icon = ItemRect(box.m_hWnd, IDC_MESSAGE_ICON);
        layout.text = ItemRect(box.m_hWnd, IDC_MESSAGE_TEXT);
        layout.button = ItemRect(box.m_hWnd, IDOK);
        RECT units{0, 0, 239, 58};
        ::MapDialogRect(box.m_hWnd, &units);
        ::AdjustWindowRectEx(&units, static_cast<DWORD>(::GetWindowLongA(box.m_hWnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongA(box.m_hWnd, GWL_EXSTYLE)));
        layout.templateWindow = units;
        layout.shownIcon = reinterpret_cast<HICON>(::SendDlgItemMessageA(box.m_hWnd, IDC_MESSAGE_ICON, STM_GETICON, 0, 0));
        char shown[512] = {};
        ::GetDlgItemTextA(box.m_hWnd, IDC_MESSAGE_TEXT, shown, sizeof shown);
        layout.shownText = shown;
        return layout;
    }

    // The text's extent in the system's message font, measured here.
    static SIZE Extent(const char* text)
    {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT font = ::CreateFontIndirectA(&metrics.lfMessageFont);
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        ::DeleteObject(font);
        return size;
    }

    Layout m_layout;
    bool m_published = false;
};

TEST_F(MessageBoxTest, TheWindowFitsItsTextOnOneLine)
{
    const char* const shortText = "Short.";
    const char* const longText = "A long message that needs a box much wider than the one the template makes for it.";
    for (const char* text : {shortText, longText}) {
        Run(text, TRUE, [](CDlgMessage& box) { box.EndDialog(IDOK); });
        const Layout& l = m_layout;
        const SIZE extent = Extent(text);
        EXPECT_EQ(l.shownText, text);
        EXPECT_EQ(l.text.Width(), extent.cx) << text;
        EXPECT_EQ(l.text.Height(), extent.cy) << "one line high";
        EXPECT_EQ(l.text.left, l.icon.right + 2 * l.icon.left) << "twice the icon's margin after the icon";
        EXPECT_EQ(l.client.right, l.text.right + 2 * l.icon.left) << "and after the text";
        EXPECT_EQ(l.text.top, l.icon.top + l.icon.Height() / 2 - (extent.cy + 1) / 2) << "centred on the icon";
        EXPECT_EQ(l.window.Height(), l.templateWindow.Height()) << "the height stays";
        EXPECT_LE(std::abs((l.button.left + l.button.right) - (l.window.left + l.window.right)), 1)
            << "the button in the middle";
        if (text == shortText)
            EXPECT_LT(l.window.Width(), l.templateWindow.Width());
        else
            EXPECT_GT(l.window.Width(), l.templateWindow.Width());
    }
}

TEST_F(MessageBoxTest, ALineBreakDoesNotMakeASecondLine)
{
    Run("First line\nsecond line", FALSE, [](CDlgMessage& box) { box.EndDialog(IDOK); });
    EXPECT_EQ(m_layout.text.Height(), Extent("First line").cy);
}

TEST_F(MessageBoxTest, TheIconSaysWhatKindOfMessageItIs)
{
    Run("Warning", TRUE, [](CDlgMessage& box) { box.EndDialog(IDOK); });
    EXPECT_EQ(m_layout.shownIcon, ::LoadIconA(nullptr, IDI_WARNING));
    Run("Information", FALSE, [](CDlgMessage& box) { box.EndDialog(IDOK); });
    EXPECT_EQ(m_layout.shownIcon, ::LoadIconA(nullptr, IDI_INFORMATION));
    CDlgMessage fresh(nullptr);
    EXPECT_FALSE(fresh.m_bWarning);
    EXPECT_TRUE(fresh.m_strText.IsEmpty());
}

TEST_F(MessageBoxTest, TheResultTellsHowTheBoxEnded)
{
    EXPECT_EQ(Run("Enter", FALSE, [](CDlgMessage& box) { box.PostMessage(WM_KEYDOWN, VK_RETURN, 0); }), IDOK);
    EXPECT_EQ(Run("Escape", FALSE, [](CDlgMessage& box) { box.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0); }), IDCANCEL);
    EXPECT_EQ(Run("Close box", FALSE, [](CDlgMessage& box) { box.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }),
              IDCANCEL);
    EXPECT_EQ(Run("From outside", FALSE, [](CDlgMessage&) { Main().CloseSubDialogs(); }), SubDialogClosedFromOutside);
    EXPECT_TRUE(m_published) << "published while open";
    EXPECT_EQ(theApp.m_hWndMessage, nullptr) << "and no more once closed";
}

} // namespace
