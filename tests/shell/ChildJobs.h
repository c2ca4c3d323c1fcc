#pragma once
// This test executable started again as a child process for one job; the
// exit code carries the answer.
#include <windows.h>

#include <string>

class ChildJobs
{
public:
    static constexpr const char* SupportedOsArgument = "--supported-os";
    static constexpr const char* SecondInstanceArgument = "--second-instance";

    // The version check's answer with the version Wine reported to the
    // child, and whether a start-up there went on to run the program.
    struct OsAnswer {
        int major = -1;
        int minor = -1;
        int productType = -1;
        bool supported = false;
        bool started = false;
    };
    static int EncodeOs(const OsAnswer& answer);
    static OsAnswer DecodeOs(int code);
    // Bits of the second instance's answer.
    static constexpr int Ran = 0x40;
    static constexpr int Started = 0x01;
    static constexpr int MadeWindow = 0x02;
    static constexpr int KeptMutex = 0x04;
    static constexpr int TouchedTray = 0x08;

    // Runs this executable with the argument and answers its exit code; -1
    // when it could not be started or did not end within the time.
    static int Run(const char* argument, DWORD timeoutMs = 60000);
    // The whole command line again, in a child that shares this process's
    // standard handles and environment; answers its exit code.
    static int RunAgain();
    // This executable's file name without its folder ("shell_window_test.exe").
    static std::string ExecutableName();
};
