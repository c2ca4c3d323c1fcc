#pragma once
// Tests of the colour adjustment dialog over the real colour page in the
// real main window and the simulated monitors. The dialog runs modal between
// the page's own begin and end steps; the test's body runs once the dialog
// is initialised, with its poll timer held (the body sends a tick where it
// wants a poll) unless the dialog is let run on its own.
#include "../colour/ColourPageTest.h"
#include "colour/CDlgColorSub.h"

#include <functional>
#include <string>
#include <vector>

class ColourSubTest : public ColourPageTest {
public:
    enum class After {
        EndFromOutside,   // the body ends it, or UM_CLOSE_SUBDIALOG does after the body
        LetItRun,         // the dialog runs, timer and all, until it ends itself
    };

    // Four monitors: 1 and 2 of model "PANEL-A", 3 of "PANEL-B" (brightness
    // and contrast up to 31), 4 of "panel-a"; all in mode 22, which allows
    // everything. Mode 34 allows brightness, contrast and Reset; mode 40
    // brightness, contrast, gamma, overdrive, black level, Velocis and Reset.
    static const char Scenario[];

    static HWND Control(CDlgColorSub& dialog, int id);
    static std::string BoxText(CDlgColorSub& dialog, int editId);
    static int Slider(CDlgColorSub& dialog, int sliderId, UINT message = TBM_GETPOS);
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

protected:
    // The dialog given runs in place of a plain one.
    INT_PTR Run(const std::function<void(CDlgColorSub&)>& body, After after = After::EndFromOutside,
                CDlgColorSub* given = nullptr);
};
