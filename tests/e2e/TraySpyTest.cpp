// The tray checks of the other tests must be able to fail. Under Wine a
// program that ends without deleting its icon loses the icon anyway (Wine
// clears the icons of a destroyed window), and the shell refuses any
// request naming a window that is gone. So neither the icons shown after
// the exit nor a late request tell a clean exit from a careless one; the
// requests the program itself made do, and the spy records them.
#include "tests/e2e/E2eEnvironment.h"
#include "tests/e2e/RemoteWindow.h"
#include "tests/e2e/TalvexProcess.h"

#include <shellapi.h>

#include <gtest/gtest.h>

namespace {

constexpr DWORD RunWaitMs = 20000;

struct LeaverRun {
    DWORD pid = 0;
    DWORD exitCode = 99;
};

LeaverRun RunLeaver(const char* argument)
{
    LeaverRun result;
    std::string commandLine = "\"" + TalvexProcess::BinFolder() + "e2e_tray_leaver.exe\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return result;
    result.pid = info.dwProcessId;
    if (WaitForSingleObject(info.hProcess, RunWaitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &result.exitCode);
    else
        TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return result;
}

std::vector<TraySpy::Call> CallsOfProcess(DWORD pid)
{
    std::vector<TraySpy::Call> calls;
    for (const TraySpy::Call& call : E2eEnvironment::Spy().Calls()) {
        if (call.ownerPid == pid)
            calls.push_back(call);
    }
    return calls;
}

// A request for the icon of a window that no longer exists.
BOOL ModifyIconOf(HWND window)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data);
}

} // namespace

TEST(TraySpyTest, TellsAnIconDeletedByItsProgramFromOneLeftBehind)
{
    const int shownBefore = TraySpy::ShownIconCount();

    const LeaverRun careless = RunLeaver("");
    ASSERT_EQ(careless.exitCode, 0u) << "the icon could not be added";
    const std::vector<TraySpy::Call> left = CallsOfProcess(careless.pid);
    ASSERT_EQ(left.size(), 1u) << "one request: the add";
    EXPECT_EQ(left[0].record.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(left[0].answer, TRUE) << "Wine's tray took the relayed add";
    EXPECT_EQ(left[0].record.tip, "tray leaver");

    const LeaverRun clean = RunLeaver("clean");
    ASSERT_EQ(clean.exitCode, 0u);
    const std::vector<TraySpy::Call> cleaned = CallsOfProcess(clean.pid);
    ASSERT_EQ(cleaned.size(), 2u);
    EXPECT_EQ(cleaned[1].record.message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(cleaned[1].ownerAlive) << "deleted while its window still existed";
    EXPECT_EQ(cleaned[1].answer, TRUE);

    // What does not tell them apart under Wine.
    EXPECT_TRUE(RemoteWindow::WaitUntil([&] { return TraySpy::ShownIconCount() == shownBefore; }, RunWaitMs))
        << "Wine clears a destroyed window's icon as well";
    EXPECT_FALSE(ModifyIconOf(left[0].owner));
    EXPECT_FALSE(ModifyIconOf(cleaned[0].owner));
}
