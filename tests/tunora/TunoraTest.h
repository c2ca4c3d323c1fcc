#pragma once
// Tests of the enhancement-functions dialog and the colour-data files, in
// the real main window and colour-mode page over the simulated monitors.
// The dialog is modal: a test hands a script to the modal-dialog seam,
// which runs it once the dialog is initialised; the script ends the dialog.
#include "../colour/ColourPageTest.h"

#include "colour/CDlgColTunoraFunctions.h"
#include "device/FeatureAddress.h"

#include <functional>
#include <string>
#include <vector>

class TunoraTest : public ColourPageTest {
public:
    // A value the simulated monitor keeps (mode -1: its current mode).
    static int Stored(int monitor, const FeatureAddress& feature, int mode = -1);

protected:
    using Script = std::function<void(CDlgColTunoraFunctions& dialog)>;

    void SetUp() override;

    // The dialog opened by the page's "Tunora &Functions..." button.
    void OpenFromPage(const Script& script);
    // The dialog run on its own (or the one given); answers its result.
    INT_PTR RunDialog(const Script& script, CDlgColTunoraFunctions* given = nullptr);

    // The dialog's lists: item texts, the selected item's value (-1: none).
    static std::vector<std::string> Texts(CDlgColTunoraFunctions& dialog, int id);
    static int Shown(CDlgColTunoraFunctions& dialog, int id);
    static bool Usable(CDlgColTunoraFunctions& dialog, int id);
    // The user picks the item of that value, or clicks a button.
    static void Choose(CDlgColTunoraFunctions& dialog, int id, int value);
    static void Click(CDlgColTunoraFunctions& dialog, int id);

    // Array writes of a feature to a monitor, from the trace.
    static int WritesTo(int monitor, const char* feature);

    // The message boxes shown: text and type.
    std::vector<std::pair<std::string, UINT>> m_messages;

private:
    void Install(const Script& script);
};
