#pragma once
// Tests of the colour adjustment dialog, opened from the real colour page in
// the real main window over the simulated monitors. The dialog runs modal as
// the page runs it; the test's body runs once the dialog is initialised,
// with the dialog's poll timer held (a poll happens where the body sends the
// timer's tick) unless the test lets the dialog run on its own.
#include "../colour/ColourPageTest.h"
#include "colour/CDlgColorSub.h"

#include <functional>
#include <string>
#include <vector>

class ColourSubTest : public ColourPageTest {
protected:
    enum class After {
        EndFromOutside,   // the body's end, or else UM_CLOSE_SUBDIALOG after it
        LetItRun,         // the dialog's own timer runs until the dialog ends itself
    };

    // Opens the dialog as the page does (its begin and end steps around it)
    // and answers the dialog's result.
    INT_PTR Run(const std::function<void(CDlgColorSub&)>& body, After after = After::EndFromOutside);

    // Four monitors: 1 and 2 of model "PANEL-A", 3 of "PANEL-B" (maxima 31),
    // 4 of "panel-a"; all in mode 22, whose mask allows everything.
    static const char Scenario[];

public:
    static HWND Control(CDlgColorSub& dialog, int id);
    static std::string TextOf(HWND window);
    static std::string BoxText(CDlgColorSub& dialog, int editId);
    static int Position(CDlgColorSub& dialog, int sliderId);
    static int RangeMax(CDlgColorSub& dialog, int sliderId);
    static int PageSize(CDlgColorSub& dialog, int sliderId);
    static bool IsOn(CDlgColorSub& dialog, int id);
    // A key pressed and released on a slider, as the user does it.
    static void Press(CDlgColorSub& dialog, int sliderId, UINT key);
    // A list item picked by its text, with the list's notification.
    static void Choose(CDlgColorSub& dialog, int comboId, const std::string& text);
    static std::string Chosen(CDlgColorSub& dialog, int comboId);
    static std::vector<std::string> Items(CDlgColorSub& dialog, int comboId);
    static void Click(CDlgColorSub& dialog, int buttonId);
    static void PollTick(CDlgColorSub& dialog);
    // Whether the picture control shows that bitmap of the resources.
    static bool ShowsBitmap(CDlgColorSub& dialog, int pictureId, UINT bitmapId);
    // A value as monitor n keeps it in its current mode.
    static long Value(int monitor, const std::string& feature);
    // Writes and commits seen by monitor n since the test began.
    static std::vector<std::string> Writes(int monitor);
};
