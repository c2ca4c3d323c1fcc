// libdravo.dll as the program meets it: exactly the ten calls plus the
// test interface in its export table, the calls themselves, and the
// device-change broadcast reaching a window of the process.
#include "device/DravoLibrary.h"
#include "device/OrvelUsb.h"
#include "standins/libdravo/DravoSim.h"
#include <dbt.h>
#include <gtest/gtest.h>
// The system header declares these calls without C linkage for C++.
extern "C" {
#include <hidsdi.h>
}
#include <set>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::vector<std::string> exportedNames(HMODULE module)
{
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::vector<std::string> out;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        out.push_back(reinterpret_cast<const char*>(base + names[i]));
    return out;
}

std::string command(const std::string& line)
{
    char answer[4096] = {};
    SimCommand(line.c_str(), answer, sizeof answer);
    return answer;
}

class Dll : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SimLoadScenario(nullptr), 0);
        int count = KvFind();
        ASSERT_EQ(count, 3);
        for (int i = 0; i < count; ++i) {
            DWORD h = 0;
            KvRetrieve(i, &h);
            handles.push_back(h);
        }
    }
    void TearDown() override { KvRelease(); }
    std::vector<DWORD> handles;
};

} // namespace

TEST(DllExports, ExactlyTheTenCallsAndTheTestInterface)
{
    HMODULE module = GetModuleHandleA("libdravo.dll");
    ASSERT_NE(module, nullptr);
    const std::set<std::string> ten = {"KvFind", "KvUpdate", "KvRetrieve", "KvRelease", "KvGetFixedData",
                                       "KvGetFeatureArray", "KvSetFeatureArray", "KvSetFeatureValue",
                                       "KvReportON", "KvReportOFF"};
    std::set<std::string> seen;
    for (const std::string& name : exportedNames(module)) {
        EXPECT_TRUE(ten.count(name) || name.rfind("Sim", 0) == 0) << "unexpected export " << name;
        seen.insert(name);
    }
    for (const std::string& name : ten)
        EXPECT_EQ(seen.count(name), 1u) << name;
    EXPECT_EQ(seen.count("SimCommand"), 1u);
    EXPECT_EQ(seen.count("SimInfoPlacementAt"), 1u);
}

TEST_F(Dll, TheTenCallsReachTheSimulatedMonitors)
{
    DWORD a = 0, b = 0, flag = 0, count = 0;
    ASSERT_GT(KvGetFixedData(handles[0], 0xFF00, 0x35, 0, &a, &b, &flag, &count), 0);
    EXPECT_EQ(count, 24u);
    BYTE identity[25] = {};
    ASSERT_GT(KvGetFeatureArray(handles[0], 0xFF00, 0x35, identity, 25), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(identity), 8), "S27Q0001");
    BYTE mode[3] = {23, 0, 0};
    ASSERT_GT(KvSetFeatureArray(handles[0], 0xFF00, 0x15, mode, 3), 0);
    DWORD stored = 0;
    ASSERT_EQ(SimGetValue(1, 0xFF00, 0x15, -1, &stored), 0);
    EXPECT_EQ(stored, 23u);
    EXPECT_GT(KvSetFeatureValue(handles[0], 0xFF01, 0xA1, 1), 0);
    EXPECT_LT(KvSetFeatureValue(handles[0], 0x82, 0x10, 101), 0);
    EXPECT_EQ(KvUpdate(), 3);
    EXPECT_GT(KvRelease(), 0);
    EXPECT_LT(KvGetFixedData(handles[0], 0xFF00, 0x35, 0, &a, &b, &flag, &count), 0) << "released";
}

TEST_F(Dll, TestInterfaceSetsGetsAndExplainsRefusals)
{
    ASSERT_EQ(SimSetValue(2, 0x82, 0x10, 23, 44, 0), 0);
    DWORD value = 0;
    ASSERT_EQ(SimGetValue(2, 0x82, 0x10, 23, &value), 0);
    EXPECT_EQ(value, 44u);
    EXPECT_LT(SimSetValue(2, 0x82, 0x10, 23, 444, 0), 0);
    char why[200];
    EXPECT_GT(SimLastError(why, sizeof why), 0);
    EXPECT_NE(std::string(why).find("maximum"), std::string::npos) << why;
    EXPECT_LT(SimGetValue(1, 0xFF00, 0xCE, -1, &value), 0) << "a block has no single value";

    ASSERT_EQ(SimMonitorCount(), 3);
    SimMonitorDesc desc{};
    ASSERT_EQ(SimMonitorAt(2, &desc), 0);
    EXPECT_EQ(desc.number, 3);
    EXPECT_STREQ(desc.serial, "S32U0001");
    EXPECT_STREQ(desc.modelName, "SIM-32U");
    EXPECT_EQ(desc.handle, handles[2]);
    EXPECT_LT(SimMonitorAt(3, &desc), 0);

    EXPECT_EQ(command("get 2 brightness mode 23"), "44\nok\n");
    EXPECT_EQ(SimCommand("set 1 nosuch 1", nullptr, 0), -1);
    EXPECT_EQ(SimFault("1 read mode"), 0);
    BYTE buffer[3];
    EXPECT_LT(KvGetFeatureArray(handles[0], 0xFF00, 0x15, buffer, 3), 0);
    EXPECT_EQ(SimFault("clear"), 0);
    EXPECT_EQ(SimLoadScenario("profile p\n  modes 99\nend\n"), -1);
    SimLastError(why, sizeof why);
    EXPECT_STREQ(why, "line 2: modes: bad value '99'");
    EXPECT_EQ(SimMonitorCount(), 3) << "a refused scenario changes nothing";
}

namespace {
std::vector<std::vector<BYTE>> dllReports;
int DRAVO_CALL collect(DWORD, WORD, WORD usage, WORD bits, WORD count, BYTE* data, DWORD)
{
    std::vector<BYTE> r = {static_cast<BYTE>(usage)};
    r.insert(r.end(), data, data + bits / 8 * count);
    dllReports.push_back(r);
    return 0;
}
} // namespace

TEST_F(Dll, ReportsAndTheTrace)
{
    dllReports.clear();
    SimTraceClear();
    ASSERT_GT(KvReportON(handles[0], &collect, nullptr, 0), 0);
    ASSERT_EQ(SimSetValue(1, 0xFF00, 0x15, -1, 24, 1), 0);
    const BYTE raw[] = {5};
    ASSERT_EQ(SimSendReport(1, 0xFF00, 0xC9, 8, 1, raw), 0);
    ASSERT_EQ(SimWaitReports(10000), 0);
    ASSERT_GT(KvReportOFF(handles[0]), 0);
    ASSERT_EQ(dllReports.size(), 2u);
    EXPECT_EQ(dllReports[0], (std::vector<BYTE>{0x15, 24, 0}));
    EXPECT_EQ(dllReports[1], (std::vector<BYTE>{0xC9, 5}));

    int needed = SimTraceLines(nullptr, 0);
    std::string text(needed + 1, '\0');
    EXPECT_EQ(SimTraceLines(text.data(), needed + 1), needed);
    EXPECT_NE(text.find(" KvReportON handle="), std::string::npos);
    EXPECT_NE(text.find(" Report handle="), std::string::npos);
    EXPECT_NE(text.find("feature=0xFF00:0xC9 bits=8 count=1 data=05 -> delivered"), std::string::npos) << text;
}

namespace {

struct Broadcast {
    WPARAM event;
    DWORD deviceType;
    GUID classGuid;
    std::string name;
};
std::vector<Broadcast> broadcasts;

LRESULT CALLBACK listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICECHANGE && lParam) {
        auto header = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(lParam);
        Broadcast b{wParam, header->dbcc_devicetype, header->dbcc_classguid, ""};
        if (header->dbcc_devicetype == DBT_DEVTYP_DEVICEINTERFACE)
            b.name = header->dbcc_name;
        broadcasts.push_back(b);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

unsigned hexAfter(const std::string& name, const char* marker)
{
    size_t at = name.find(marker);
    return at == std::string::npos ? 0 : std::stoul(name.substr(at + 4, 4), nullptr, 16);
}

HWND listeningWindow()
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = &listener;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "TalvexSimBroadcastProbe";
    RegisterClassA(&cls);
    return CreateWindowExA(0, cls.lpszClassName, "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           cls.hInstance, nullptr);
}

} // namespace

TEST_F(Dll, PluggingBroadcastsADecodableDeviceChange)
{
    HWND window = listeningWindow();
    ASSERT_NE(window, nullptr);
    broadcasts.clear();
    ASSERT_EQ(SimUnplug(3), 0);
    ASSERT_EQ(SimPlug(3), 0);
    ASSERT_EQ(broadcasts.size(), 2u);
    EXPECT_EQ(broadcasts[0].event, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
    EXPECT_EQ(broadcasts[1].event, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    GUID hid;
    HidD_GetHidGuid(&hid);
    for (const Broadcast& b : broadcasts) {
        EXPECT_EQ(b.deviceType, static_cast<DWORD>(DBT_DEVTYP_DEVICEINTERFACE));
        EXPECT_TRUE(IsEqualGUID(b.classGuid, hid));
        EXPECT_EQ(hexAfter(b.name, "VID_"), OrvelUsbVendorId) << b.name;
        EXPECT_EQ(hexAfter(b.name, "PID_"), 0x0102u) << b.name;
        EXPECT_EQ(b.name.rfind("\\\\?\\HID#VID_2E7A&PID_0102&MI_00#", 0), 0u) << b.name;
        EXPECT_NE(b.name.find("#{4d1e55b2-f16f-11cf-88cb-001111000030}"), std::string::npos) << b.name;
    }
    DestroyWindow(window);
}

namespace {
DWORD WINAPI unplugFromAnotherThread(LPVOID)
{
    return static_cast<DWORD>(SimCommand("unplug 1", nullptr, 0));
}
} // namespace

namespace slow {
// A window on a thread of its own that reads the record only when told to,
// long after the broadcast has stopped waiting for it.
HANDLE go = nullptr;
bool entered = false;
std::string name;

LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DEVICECHANGE || !lParam)
        return DefWindowProcA(window, message, wParam, lParam);
    entered = true;
    WaitForSingleObject(go, 30000);
    name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(lParam)->dbcc_name;
    PostQuitMessage(0);
    return TRUE;
}

DWORD WINAPI thread(LPVOID ready)
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = &proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "TalvexSimSlowListener";
    RegisterClassA(&cls);
    HWND window = CreateWindowExA(0, cls.lpszClassName, "slow", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  cls.hInstance, nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    MSG message;
    while (window && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    if (window)
        DestroyWindow(window);
    return window ? 0 : 1;
}
} // namespace slow

TEST_F(Dll, ABroadcastRecordOutlivesAWaitThatGaveUp)
{
    ASSERT_EQ(SimCommand("library broadcast-wait 0", nullptr, 0), 0);
    slow::go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    slow::entered = false;
    slow::name.clear();
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, &slow::thread, ready, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
    ASSERT_EQ(SimUnplug(3), 0);
    EXPECT_TRUE(slow::name.empty()) << "the window cannot have read the record yet";
    SetEvent(slow::go);
    ASSERT_EQ(WaitForSingleObject(thread, 30000), WAIT_OBJECT_0);
    EXPECT_TRUE(slow::entered);
    EXPECT_EQ(slow::name.rfind("\\\\?\\HID#VID_2E7A&PID_0102&MI_00#", 0), 0u)
        << "read after the broadcast returned: " << slow::name;
    CloseHandle(thread);
    CloseHandle(ready);
    CloseHandle(slow::go);
}

TEST_F(Dll, ABroadcastFromAnotherThreadReachesTheWindowsThread)
{
    ASSERT_EQ(SimLoadScenario("profile p\n  product 0x0123\n  interfaces 2\n  modes 22\nend\nmonitor 1 p TWO00001\n"),
              0);
    HWND window = listeningWindow();
    broadcasts.clear();
    HANDLE thread = CreateThread(nullptr, 0, &unplugFromAnotherThread, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    // The broadcast is sent to this thread's window: let sent messages in while waiting.
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 30000, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    DWORD result = 1;
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    EXPECT_EQ(result, 0u);
    ASSERT_EQ(broadcasts.size(), 2u) << "one per HID interface";
    EXPECT_NE(broadcasts[0].name.find("PID_0123&MI_00"), std::string::npos) << broadcasts[0].name;
    EXPECT_NE(broadcasts[1].name.find("PID_0123&MI_01"), std::string::npos) << broadcasts[1].name;
    DestroyWindow(window);
}
