// The ground every window test stands on: a display, a registry, a mutex.
#include <windows.h>
#include <gtest/gtest.h>

TEST(Harness, WindowsCanBeCreatedOnTheDisplay)
{
    HWND wnd = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(wnd, nullptr) << "no X display for Wine";
    EXPECT_TRUE(DestroyWindow(wnd));
}

TEST(Harness, NamedMutexReportsAnExistingName)
{
    HANDLE first = CreateMutexA(nullptr, TRUE, "TalvexHarnessProbe");
    ASSERT_NE(first, nullptr);
    HANDLE second = CreateMutexA(nullptr, TRUE, "TalvexHarnessProbe");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(second);
    ReleaseMutex(first);
    CloseHandle(first);
}

TEST(Harness, WorkstationOfVersionSixOrLater)
{
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
    EXPECT_EQ(info.wProductType, VER_NT_WORKSTATION);
    EXPECT_GE(info.dwMajorVersion, 6u);
}
