// The shell's window tests, and the small jobs the tests start this same
// executable for as a child process (a second copy of the program, the
// Windows version check under another reported version).
#include "framework/Afx.h"
#include "shell/CVantorApp.h"
#include "shell/ShellSeams.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ChildJobs.h"
#include "WineX11Unmanaged.h"

namespace {

const char* const UnmanagedRunVariable = "TALVEX_SHELL_TEST_UNMANAGED";

// The check, with the version it was made on, and a start-up under it
// (away from the real tray): it runs the program only where the check
// lets it.
int SupportedOsJob()
{
    OSVERSIONINFOEXA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version));
    ChildJobs::OsAnswer answer;
    answer.major = static_cast<int>(version.dwMajorVersion);
    answer.minor = static_cast<int>(version.dwMinorVersion);
    answer.productType = version.wProductType;
    answer.supported = theApp.IsSupportedOS() != FALSE;

    ShellSeams::Override seams;
    seams->notifyIcon = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
    answer.started = theApp.InitInstance() != FALSE && theApp.m_pMainWnd != nullptr;
    if (theApp.m_pMainWnd && theApp.m_pMainWnd->m_hWnd)
        theApp.m_pMainWnd->DestroyWindow();
    theApp.ExitInstance();
    return ChildJobs::EncodeOs(answer);
}

// A second copy: InitInstance against the first one's mutex. The answer
// tells what it did: started, made a window, touched the tray, kept a handle.
int SecondInstanceJob()
{
    ShellSeams::Override seams;
    int trayCalls = 0;
    seams->notifyIcon = [&](DWORD, NOTIFYICONDATAA*) {
        ++trayCalls;
        return TRUE;
    };
    int answer = ChildJobs::Ran;
    if (theApp.InitInstance())
        answer |= ChildJobs::Started;
    if (theApp.m_pMainWnd)
        answer |= ChildJobs::MadeWindow;
    if (theApp.m_hMutex)
        answer |= ChildJobs::KeptMutex;
    if (trayCalls > 0)
        answer |= ChildJobs::TouchedTray;
    if (theApp.m_pMainWnd && theApp.m_pMainWnd->m_hWnd)
        theApp.m_pMainWnd->DestroyWindow();
    theApp.ExitInstance();
    return answer;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], ChildJobs::SupportedOsArgument) == 0)
        return SupportedOsJob();
    if (argc == 2 && std::strcmp(argv[1], ChildJobs::SecondInstanceArgument) == 0)
        return SecondInstanceJob();
    // Without a window manager Wine waits up to 2 s whenever a shown
    // top-level window is hidden or destroyed; unmanaged windows do not.
    // The setting is read when a process starts, so the tests run in a
    // child started once it is in place.
    if (!GetEnvironmentVariableA(UnmanagedRunVariable, nullptr, 0)) {
        WineX11Unmanaged unmanaged(ChildJobs::ExecutableName());
        SetEnvironmentVariableA(UnmanagedRunVariable, "1");
        return ChildJobs::RunAgain();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
