#include "ColourSubTest.h"

#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"
#include "standins/libdravo/DravoSim.h"

const char ColourSubTest::Scenario[] = R"(
profile a
  model "PANEL-A"
  code PANELA01
  modes 22 23 34 40 46
  temperatures 0x947E
  gammas 0x107C
  game-gammas 0x0F00
  mask 22 0x3ED94FF
  mask 23 0x3ED94FF
  mask 34 0x8003
  mask 40 0x8940B
  mask 46 0x8000
  default brightness 60 mode 22
  default brightness 70 mode 23
end
profile b
  model "PANEL-B"
  code PANELB01
  modes 22 23
  temperatures 0x8068
  gammas 0x0014
  mask 22 0x3ED94FF
  maximum brightness 31
  maximum contrast 31
  default brightness 7
end
profile lower
  model "panel-a"
  code PANELA01
  modes 22 23
  mask 22 0x3ED94FF
end
monitor 1 a A0000001
monitor 2 a A0000002
monitor 3 b B0000001
monitor 4 lower A0000004
)";

namespace {

// A dialog that fails to end itself is ended, so that a failing test does not hang.
void CALLBACK EndStuckDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (theApp.m_hWndColorSub)
        ::PostMessageA(theApp.m_hWndColorSub, UM_CLOSE_SUBDIALOG, 0, 0);
}

std::vector<BYTE> PixelsOf(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info))
        return {};
    BITMAPINFOHEADER header{sizeof header, info.bmWidth, info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight * 4);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
                DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace

INT_PTR ColourSubTest::Run(const std::function<void(CDlgColorSub&)>& body, After after, CDlgColorSub* given)
{
    bool ran = false;
    m_seams->modalDialogReady = [&](CDialog& dialog) {
        auto* sub = dynamic_cast<CDlgColorSub*>(&dialog);
        if (!sub)
            return;
        ran = true;
        if (after == After::EndFromOutside)
            ::KillTimer(sub->m_hWnd, IDT_COLOR_SUB_POLL);
        body(*sub);
        if (after == After::EndFromOutside)
            sub->PostMessage(UM_CLOSE_SUBDIALOG);   // too late for a dialog the body ended
    };
    const UINT_PTR guard = ::SetTimer(nullptr, 0, 4000, EndStuckDialog);
    Page().BeginSubDialog();
    INT_PTR result = 0;
    {
        CDlgColorSub own;
        result = (given ? *given : own).DoModal();
    }
    if (result != SubDialogClosedFromOutside)
        Page().EndSubDialog();
    ::KillTimer(nullptr, guard);
    m_seams->modalDialogReady = nullptr;
    EXPECT_TRUE(ran) << "the dialog did not open";
    // No record outlives the dialog: those queued for it go with it, later
    // ones go to the page or nowhere.
    SimWaitReports(5000);
    Pump();
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
    theApp.PurgeReports();
    return result;
}

HWND ColourSubTest::Control(CDlgColorSub& dialog, int id)
{
    return ::GetDlgItem(dialog.m_hWnd, id);
}

std::string ColourSubTest::BoxText(CDlgColorSub& dialog, int editId)
{
    char text[64] = {};
    ::GetWindowTextA(Control(dialog, editId), text, sizeof text);
    return text;
}

int ColourSubTest::Slider(CDlgColorSub& dialog, int sliderId, UINT message)
{
    return static_cast<int>(::SendMessageA(Control(dialog, sliderId), message, 0, 0));
}

bool ColourSubTest::IsOn(CDlgColorSub& dialog, int id)
{
    return ::IsWindowEnabled(Control(dialog, id)) != FALSE;
}

void ColourSubTest::Press(CDlgColorSub& dialog, int sliderId, UINT key)
{
    ::SendMessageA(Control(dialog, sliderId), WM_KEYDOWN, key, 0);
    ::SendMessageA(Control(dialog, sliderId), WM_KEYUP, key, 0xC0000001);
    Pump();
}

std::vector<std::string> ColourSubTest::Items(CDlgColorSub& dialog, int comboId)
{
    std::vector<std::string> items;
    const HWND list = Control(dialog, comboId);
    for (int i = 0; i < static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0)); ++i) {
        char text[128] = {};
        ::SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void ColourSubTest::Choose(CDlgColorSub& dialog, int comboId, const std::string& text)
{
    const std::vector<std::string> items = Items(dialog, comboId);
    const auto item = std::find(items.begin(), items.end(), text);
    ASSERT_NE(item, items.end()) << text << " is not in list " << comboId;
    const HWND list = Control(dialog, comboId);
    ::SendMessageA(list, CB_SETCURSEL, item - items.begin(), 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    Pump();
}

std::string ColourSubTest::Chosen(CDlgColorSub& dialog, int comboId)
{
    const LRESULT item = ::SendMessageA(Control(dialog, comboId), CB_GETCURSEL, 0, 0);
    return item == CB_ERR ? "(none)" : Items(dialog, comboId)[item];
}

void ColourSubTest::Click(CDlgColorSub& dialog, int buttonId)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(Control(dialog, buttonId)));
}

void ColourSubTest::PollTick(CDlgColorSub& dialog)
{
    dialog.SendMessage(WM_TIMER, IDT_COLOR_SUB_POLL, 0);
}

bool ColourSubTest::ShowsBitmap(CDlgColorSub& dialog, int pictureId, UINT bitmapId)
{
    const auto shown =
        reinterpret_cast<HBITMAP>(::SendMessageA(Control(dialog, pictureId), STM_GETIMAGE, IMAGE_BITMAP, 0));
    HBITMAP expected = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    const std::vector<BYTE> pixels = PixelsOf(expected);
    ::DeleteObject(expected);
    return !pixels.empty() && PixelsOf(shown) == pixels;
}
