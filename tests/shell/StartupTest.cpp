// Start-up and exit of the application object: the order of the work as the
// simulated monitors' trace shows it, the waits of a slow monitor-information
// library, a second copy, the Windows editions and versions that are
// refused, the stored "Keep On Top" setting, and the DPI-chosen background.
#include "ChildJobs.h"
#include "Scenarios.h"
#include "ShellIds.h"
#include "ShellTest.h"
#include "SimTrace.h"
#include "WindowEventTracer.h"
#include "WineAppVersion.h"
#include "standins/libdravo/DravoSim.h"

#include <shlobj.h>

#include <functional>

namespace {

const char* const MutexName = "Orvel Quorra for LCD";

class StartupTest : public ShellTest
{
protected:
    // Index of the first line at or after from holding both texts; fails the test when none.
    static int Expect(const std::vector<std::string>& lines, const std::string& text, int from,
                      const std::string& also = std::string())
    {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].find(text) != std::string::npos && lines[i].find(also) != std::string::npos)
                return i;
        }
        ADD_FAILURE() << "no line with '" << text << "' '" << also << "' from line " << from;
        return static_cast<int>(lines.size());
    }

    static bool MutexExists()
    {
        HANDLE probe = CreateMutexA(nullptr, FALSE, MutexName);
        const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
        if (probe)
            CloseHandle(probe);
        return existed;
    }
};

TEST_F(StartupTest, RunsItsStepsInOrderAndUndoesThemAtExit)
{
    WindowEventTracer events;
    std::vector<HDEVNOTIFY> unregistered;
    ShellSeams::Override notifications;
    notifications->unregisterDeviceNotify = [&](HDEVNOTIFY registration) {
        unregistered.push_back(registration);
        return UnregisterDeviceNotification(registration);
    };
    ASSERT_GE(SimFault("seltu 2"), 0);   // the information library answers at the third try
    CVantorDlg* dlg = StartOk();
    ASSERT_NE(dlg, nullptr);
    const std::vector<std::string> lines = SimTrace::Lines();

    // The display query, retried after 2 s pauses that go through the seam.
    int at = Expect(lines, "KvnFindMonitors -> -1", 0);
    at = Expect(lines, "Test sleep 2000", at);
    at = Expect(lines, "KvnFindMonitors -> -1", at);
    at = Expect(lines, "Test sleep 2000", at);
    at = Expect(lines, "KvnFindMonitors -> 0 count=3", at);
    EXPECT_EQ(sleeps, (std::vector<DWORD>{2000, 2000}));
    // Discovery, then each monitor in turn.
    at = Expect(lines, "KvFind -> 3", at);
    at = Expect(lines, "KvRetrieve index=2", at);
    // Handles count up within the process: they are read from the simulator.
    std::string handles[3];
    DWORD firstHandle = 0;
    for (int m = 0; m < 3; ++m) {
        SimMonitorDesc desc{};
        ASSERT_GE(SimMonitorAt(m, &desc), 0);
        char text[32];
        wsprintfA(text, "handle=0x%X", static_cast<unsigned>(desc.handle));
        handles[m] = text;
        firstHandle = m == 0 ? desc.handle : firstHandle;
    }
    const char* const serials[] = {"S27Q0001", "S27Q0002", "S32U0001"};
    for (int m = 0; m < 3; ++m) {
        SCOPED_TRACE(serials[m]);
        at = Expect(lines, "feature=0xFF00:0xCE", at, handles[m]);              // capabilities
        at = Expect(lines, "KvGetFeatureArray", at, std::string(handles[m]) + " monitor=" + std::to_string(m + 1) +
                                                         " feature=0xFF00:0x35");  // identity
        at = Expect(lines, "feature=0xFF00:0xC3", at, handles[m]);              // model code
        at = Expect(lines, "KvnGetMonitorInfo", at, serials[m]);                // screen binding
        at = Expect(lines, "KvSetFeatureArray", at, std::string(handles[m]) + " monitor=" + std::to_string(m + 1) +
                                                         " feature=0xFF01:0x68 length=2 data=00");  // connect flag
    }
    // The tray icon, the pages, the topmost window, then the reports.
    at = Expect(lines, "Test tray add icon=152", at);
    at = Expect(lines, "Test tray modify icon=128", at);
    at = Expect(lines, "Test page created", at);
    at = Expect(lines, "Test page created", at + 1);
    at = Expect(lines, "Test page created", at + 1);
    at = Expect(lines, "Test topmost", at);
    for (const std::string& handle : handles)
        at = Expect(lines, "KvReportON", at, handle);
    EXPECT_EQ(SimTrace::Find(lines, "Test tray", at), -1) << "one add and one modify only";

    // The window stays hidden in the tray, with the first monitor current.
    EXPECT_TRUE(IsWindow(dlg->m_hWnd));
    EXPECT_FALSE(IsWindowVisible(dlg->m_hWnd));
    EXPECT_FALSE(theApp.m_bSettingShown);
    EXPECT_EQ(dlg->m_nTrayState, 1);
    EXPECT_NE(theApp.m_hDevNotify, nullptr);
    EXPECT_EQ(theApp.m_nDisplayMonitors, 3);
    EXPECT_EQ(theApp.m_nDevices, 3);
    EXPECT_EQ(ListedSerials(), (std::vector<std::string>{"S27Q0001", "S27Q0002", "S32U0001"}));
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, 0);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, firstHandle);
    EXPECT_TRUE(MutexExists());

    // Records still queued at exit are freed with the window.
    theApp.QueueReport(new HidReport{Listed(0)->m_hDevice, 0xFF00, 0x15, 22});
    theApp.QueueReport(new HidReport{Listed(1)->m_hDevice, 0xFF00, 0x15, 23});
    const HDEVNOTIFY registration = theApp.m_hDevNotify;
    SimTrace::Clear();
    dlg->DestroyWindow();
    Pump();
    EXPECT_EQ(unregistered, std::vector<HDEVNOTIFY>{registration}) << "the device notification is given back";
    EXPECT_TRUE(quitSeen) << "the main window's end ends the message loop";
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(theApp.m_StatusAll.m_arMonitors.GetSize(), 0);
    EXPECT_EQ(theApp.GetQueuedReportCount(), 0);
    Stop();   // ExitInstance

    const std::vector<std::string> exit = SimTrace::Lines();
    at = Expect(exit, "KvReportOFF " + handles[0], 0);
    at = Expect(exit, "KvReportOFF " + handles[1], at);
    at = Expect(exit, "KvReportOFF " + handles[2], at);
    at = Expect(exit, "Test tray delete icon=128", at);
    at = Expect(exit, "KvRelease -> 1", at);
    EXPECT_EQ(theApp.m_hMutex, nullptr);
    EXPECT_TRUE(theApp.m_listDevices.IsEmpty());
    EXPECT_FALSE(MutexExists()) << "the single-instance mutex is released and closed";
    ASSERT_EQ(TrayCallsOf(NIM_DELETE).size(), 1u);
    EXPECT_EQ(TrayCallsOf(NIM_DELETE)[0].window, TrayCallsOf(NIM_ADD)[0].window);
}

TEST_F(StartupTest, KeepsTheCommonApplicationDataFolder)
{
    char folder[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE));
    StartOk();
    EXPECT_STREQ(theApp.m_strCommonAppData, folder);
}

TEST_F(StartupTest, GivesUpOnTheInformationLibraryAfterFiveTries)
{
    ASSERT_GE(SimFault("seltu 9"), 0);
    const DWORD before = GetTickCount();
    CVantorDlg* dlg = StartOk();
    ASSERT_NE(dlg, nullptr);
    EXPECT_LT(GetTickCount() - before, 5000u) << "the 10 s of pauses go through the seam";
    EXPECT_EQ(sleeps, (std::vector<DWORD>(5, 2000)));
    EXPECT_EQ(SimTrace::Count("KvnFindMonitors"), 5);
    // Without a screen count no monitor is listed: the tray shows the no-monitor icon.
    EXPECT_EQ(theApp.m_nDisplayMonitors, 0);
    EXPECT_TRUE(ListedSerials().empty());
    EXPECT_EQ(theApp.m_StatusAll.m_nCurMonitor, -1);
    EXPECT_EQ(theApp.m_StatusAll.m_hCurDevice, 0u);
    EXPECT_EQ(dlg->m_nTrayState, 2);
    ASSERT_EQ(trayCalls.size(), 2u);
    EXPECT_EQ(trayCalls[1].icon, 152u);
    EXPECT_EQ(SimTrace::Count("feature=0xFF00:0x35"), 0) << "no monitor is read";
}

TEST_F(StartupTest, ASecondCopyEndsAtOnceAndClosesItsHandleOnce)
{
    HANDLE first = CreateMutexA(nullptr, TRUE, MutexName);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

    EXPECT_FALSE(Start());
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(theApp.m_hMutex, nullptr);
    EXPECT_TRUE(trayCalls.empty());
    EXPECT_TRUE(messageBoxes.empty()) << "the second copy ends silently";
    EXPECT_EQ(SimTrace::Count("KvnFindMonitors"), 0);
    EXPECT_EQ(SimTrace::Count("KvFind"), 0);

    // A handle closed twice would take whatever handle reused its value.
    HANDLE reuser = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(reuser, nullptr);
    Stop();   // ExitInstance, as the framework runs it after a FALSE start
    DWORD flags = 0;
    EXPECT_TRUE(GetHandleInformation(reuser, &flags)) << "ExitInstance closed a handle that was not its own";
    EXPECT_TRUE(GetHandleInformation(first, &flags));
    EXPECT_EQ(SimTrace::Count("KvRelease"), 1) << "devices are released on every exit";
    CloseHandle(reuser);
    CloseHandle(first);
}

TEST_F(StartupTest, ASecondProcessLeavesTheRunningCopyAlone)
{
    CVantorDlg* dlg = StartOk();
    ASSERT_NE(dlg, nullptr);
    const size_t trayBefore = trayCalls.size();

    const int answer = ChildJobs::Run(ChildJobs::SecondInstanceArgument);
    EXPECT_EQ(answer, ChildJobs::Ran) << "the second copy started, made a window, kept the mutex or touched the tray";

    Pump();
    EXPECT_TRUE(IsWindow(dlg->m_hWnd));
    EXPECT_EQ(trayCalls.size(), trayBefore);
    EXPECT_NE(theApp.m_hMutex, nullptr);
    EXPECT_TRUE(MutexExists());
    EXPECT_EQ(SimTrace::Count("KvRelease"), 0);
}

struct VersionCase {
    const char* version;
    int major;
    int productType;
    bool supported;
};

// Wine 8.0 as packaged here reports "win7" as a server edition and
// "win2008r2" as a workstation; the cases rely only on the settings below.
TEST_F(StartupTest, RefusesServerEditionsAndVersionsBeforeSix)
{
    const VersionCase cases[] = {
        {"win2008", 6, VER_NT_SERVER, false},
        {"winxp64", 5, VER_NT_WORKSTATION, false},
        {"win2003", 5, VER_NT_SERVER, false},
        {"vista", 6, VER_NT_WORKSTATION, true},
        {"win10", 6, VER_NT_WORKSTATION, true},   // 6.2 without a compatibility manifest
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.version);
        WineAppVersion version(ChildJobs::ExecutableName(), c.version);
        ASSERT_TRUE(version.IsSet());
        const ChildJobs::OsAnswer answer = ChildJobs::DecodeOs(ChildJobs::Run(ChildJobs::SupportedOsArgument));
        ASSERT_EQ(answer.major, c.major) << "Wine reported another version than the case needs";
        ASSERT_EQ(answer.productType, c.productType);
        EXPECT_EQ(answer.supported, c.supported);
        EXPECT_EQ(answer.started, c.supported) << "the start-up does not follow the check";
    }
    const ChildJobs::OsAnswer own = ChildJobs::DecodeOs(ChildJobs::Run(ChildJobs::SupportedOsArgument));
    ASSERT_EQ(own.productType, VER_NT_WORKSTATION);
    EXPECT_TRUE(own.supported) << "the prefix's own version, " << own.major << "." << own.minor;
    EXPECT_TRUE(own.started);
}

// The background of the pages and colour dialogs: the bitmap drawn for 96
// dpi below 120 dpi, the large one from 120 on, each used as it is at
// exactly 96 and 120 dpi and stretched over the client area at any other.
class BackgroundBrushTest : public ::testing::Test
{
protected:
    static constexpr UINT Normal = 205;   // the colour page's, 500 x 410
    static constexpr UINT Large = 284;    // 644 x 466

    void SetUp() override { screen = GetDC(nullptr); }
    void TearDown() override { ReleaseDC(nullptr, screen); }

    // The pixels of a width x height area, drawn by paint into a 32-bit picture.
    static std::vector<DWORD> Pixels(int width, int height, const std::function<void(HDC)>& paint)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, picture);
        paint(dc);
        GdiFlush();
        std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(picture);
        return pixels;
    }
    static std::vector<DWORD> Filled(HBRUSH brush, int width, int height)
    {
        return Pixels(width, height, [&](HDC dc) {
            const RECT area{0, 0, width, height};
            FillRect(dc, &area, brush);
        });
    }
    static std::vector<DWORD> Bitmap(UINT id, int width, int height)
    {
        return Pixels(width, height, [&](HDC dc) {
            HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, bitmap);
            BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
            DeleteObject(bitmap);
        });
    }

    HDC screen = nullptr;
};

TEST_F(BackgroundBrushTest, TheScreensDpiChoosesAndSizesTheBitmap)
{
    struct Case {
        int dpi;
        RECT client;
        UINT bitmap;   // 0: stretched to another size, not compared
        LONG width;
        LONG height;
    };
    // Stretched over a client area of the bitmap's own size, a bitmap stays
    // as it is, so the painted pattern shows which one was taken.
    const Case cases[] = {
        {96, {0, 0, 300, 200}, Normal, 500, 410}, {120, {0, 0, 300, 200}, Large, 644, 466},
        {72, {0, 0, 500, 410}, Normal, 500, 410}, {119, {0, 0, 500, 410}, Normal, 500, 410},
        {144, {0, 0, 644, 466}, Large, 644, 466}, {144, {0, 0, 300, 200}, 0, 300, 200},
    };
    ASSERT_NE(Bitmap(Normal, 644, 466), Bitmap(Large, 644, 466));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        CBrush brush;
        const CSize size = CVantorApp::MakeDpiBitmapBrush(screen, c.client, c.dpi, &brush, Normal, Large);
        EXPECT_EQ(size.cx, c.width);
        EXPECT_EQ(size.cy, c.height);
        LOGBRUSH described{};
        ASSERT_NE(GetObjectA(static_cast<HBRUSH>(brush), sizeof described, &described), 0);
        EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_PATTERN));
        if (c.bitmap != 0) {
            EXPECT_TRUE(Filled(brush, c.width, c.height) == Bitmap(c.bitmap, c.width, c.height));
        }
    }
}

class TopmostTest : public ShellTest
{
protected:
    bool IsTopmost() const { return (GetWindowLongA(MainHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    bool IsChecked() const
    {
        const UINT state = GetMenuState(GetSystemMenu(MainHandle(), FALSE), ShellIds::IdmKeepOnTop, MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
    }
    void Toggle(WPARAM command = ShellIds::IdmKeepOnTop) { SendMessageA(MainHandle(), WM_SYSCOMMAND, command, 0); }
};

TEST_F(TopmostTest, AFirstStartKeepsTheWindowOnTop)
{
    StartOk();
    EXPECT_TRUE(IsTopmost());
    EXPECT_TRUE(IsChecked());
    DWORD stored = 7;
    EXPECT_FALSE(ReadDword("", "NoTopmost", &stored)) << "reading the setting writes nothing";
}

TEST_F(TopmostTest, TheStoredValueDecides)
{
    WriteDword("", "NoTopmost", 0);
    StartOk();
    EXPECT_TRUE(IsTopmost());
    EXPECT_TRUE(IsChecked());
    Stop();

    WriteDword("", "NoTopmost", 1);
    StartAgain();
    EXPECT_FALSE(IsTopmost());
    EXPECT_FALSE(IsChecked());
}

TEST_F(TopmostTest, TheSystemMenuOffersBothEntries)
{
    StartOk();
    HMENU menu = GetSystemMenu(MainHandle(), FALSE);
    char text[64] = {};
    EXPECT_GT(GetMenuStringA(menu, ShellIds::IdmKeepOnTop, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "Keep On Top");
    EXPECT_GT(GetMenuStringA(menu, ShellIds::IdmAbout, text, sizeof text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "&About");
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 4);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), ShellIds::IdmAbout);
    EXPECT_EQ(GetMenuItemID(menu, count - 3), ShellIds::IdmKeepOnTop);
}

TEST_F(TopmostTest, KeepOnTopTogglesAndIsStored)
{
    StartOk();
    Toggle();
    EXPECT_FALSE(IsTopmost());
    EXPECT_FALSE(IsChecked());
    DWORD stored = 7;
    ASSERT_TRUE(ReadDword("", "NoTopmost", &stored));
    EXPECT_EQ(stored, 1u);

    Toggle(ShellIds::IdmKeepOnTop | 0x3);   // the low four bits belong to the system
    EXPECT_TRUE(IsTopmost());
    EXPECT_TRUE(IsChecked());
    ASSERT_TRUE(ReadDword("", "NoTopmost", &stored));
    EXPECT_EQ(stored, 0u);
    Stop();

    // The next start follows the stored choice.
    StartAgain();
    EXPECT_TRUE(IsTopmost());
    Toggle();
    Stop();
    StartAgain();
    EXPECT_FALSE(IsTopmost());
    EXPECT_FALSE(IsChecked());
}

} // namespace
