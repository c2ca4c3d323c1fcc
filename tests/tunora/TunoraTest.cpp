#include "TunoraTest.h"

#include "../device/SimControl.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "standins/libdravo/DravoSim.h"

void TunoraTest::SetUp()
{
    ColourPageTest::SetUp();
    m_seams->messageBox = [this](HWND, LPCSTR text, LPCSTR, UINT type) {
        m_messages.emplace_back(text ? text : "", type);
        return IDOK;
    };
}

// A script that leaves the dialog running would hang the test: the dialog
// is cancelled behind it, which the test then sees in its result.
void TunoraTest::Install(const Script& script)
{
    m_seams->modalDialogReady = [script](CDialog& dialog) {
        auto* tunora = dynamic_cast<CDlgColTunoraFunctions*>(&dialog);
        ASSERT_NE(tunora, nullptr);
        const HWND window = tunora->m_hWnd;
        script(*tunora);
        if (::IsWindow(window))
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    };
}

void TunoraTest::OpenFromPage(const Script& script)
{
    Install(script);
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_TUNORA, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_BTN_TUNORA)));
    m_seams->modalDialogReady = nullptr;
    Pump();
}

INT_PTR TunoraTest::RunDialog(const Script& script, CDlgColTunoraFunctions* given)
{
    Install(script);
    CDlgColTunoraFunctions own;
    const INT_PTR result = (given ? *given : own).DoModal();
    m_seams->modalDialogReady = nullptr;
    Pump();
    return result;
}

std::vector<std::string> TunoraTest::Texts(CDlgColTunoraFunctions& dialog, int id)
{
    const HWND combo = ::GetDlgItem(dialog.m_hWnd, id);
    std::vector<std::string> texts;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(::SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text.c_str());
    }
    return texts;
}

int TunoraTest::Shown(CDlgColTunoraFunctions& dialog, int id)
{
    const HWND combo = ::GetDlgItem(dialog.m_hWnd, id);
    const LRESULT item = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return item == CB_ERR ? -1 : static_cast<int>(::SendMessageA(combo, CB_GETITEMDATA, item, 0));
}

bool TunoraTest::Usable(CDlgColTunoraFunctions& dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE;
}

void TunoraTest::Choose(CDlgColTunoraFunctions& dialog, int id, int value)
{
    const HWND combo = ::GetDlgItem(dialog.m_hWnd, id);
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    int item = -1;
    for (int i = 0; i < count && item < 0; ++i)
        item = static_cast<int>(::SendMessageA(combo, CB_GETITEMDATA, i, 0)) == value ? i : -1;
    ASSERT_GE(item, 0) << "value " << value << " is not offered by " << id;
    ::SendMessageA(combo, CB_SETCURSEL, item, 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void TunoraTest::Click(CDlgColTunoraFunctions& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id)));
}

int TunoraTest::Stored(int monitor, const FeatureAddress& feature, int mode)
{
    DWORD value = 0;
    return SimGetValue(monitor, feature.usagePage, feature.usage, mode, &value) >= 0 ? static_cast<int>(value) : -1;
}

int TunoraTest::WritesTo(int monitor, const char* feature)
{
    const std::string device = "monitor=" + std::to_string(monitor) + " ";
    return static_cast<int>(Trace({"KvSetFeature", device, std::string("feature=") + feature}).size());
}
