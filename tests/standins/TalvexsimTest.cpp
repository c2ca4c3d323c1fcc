// One round trip of the control tool against a separate process that uses
// the simulated monitors (the test's host program), over the control pipe.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

std::string besideThisProgram(const char* file)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + file;
}

struct Child {
    PROCESS_INFORMATION info{};
    HANDLE input = nullptr;   // our end of its standard input
    HANDLE output = nullptr;  // our end of its standard output and error
};

bool start(const std::string& commandLine, Child& child)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE inRead, inWrite, outRead, outWrite;
    if (!CreatePipe(&inRead, &inWrite, &inherit, 0) || !CreatePipe(&outRead, &outWrite, &inherit, 0))
        return false;
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = outWrite;
    std::string line = commandLine;
    BOOL ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child.info);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    child.input = inWrite;
    child.output = outRead;
    return ok != FALSE;
}

std::string readLine(HANDLE pipe)
{
    std::string line;
    char c;
    DWORD got = 0;
    while (ReadFile(pipe, &c, 1, &got, nullptr) && got == 1 && c != '\n')
        if (c != '\r')
            line += c;
    return line;
}

std::string readAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    // Standard output is in text mode: lines end in CR LF.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

DWORD finish(Child& child)
{
    if (child.input)
        CloseHandle(child.input);
    WaitForSingleObject(child.info.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(child.info.hProcess, &code);
    CloseHandle(child.output);
    CloseHandle(child.info.hProcess);
    CloseHandle(child.info.hThread);
    return code;
}

// Runs talvexsim with arguments and optional standard input; its output and exit code.
std::pair<DWORD, std::string> talvexsim(const std::string& arguments, const std::string& input = "")
{
    Child tool;
    if (!start("\"" + besideThisProgram("talvexsim.exe") + "\" " + arguments, tool))
        return {99, "talvexsim.exe did not start"};
    DWORD written = 0;
    if (!input.empty())
        WriteFile(tool.input, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    CloseHandle(tool.input);
    tool.input = nullptr;
    std::string output = readAll(tool.output);
    return {finish(tool), output};
}

} // namespace

TEST(Talvexsim, DrivesTheMonitorsOfAnotherProcess)
{
    Child host;
    ASSERT_TRUE(start("\"" + besideThisProgram("sim_host.exe") + "\"", host));
    std::string ready = readLine(host.output);
    ASSERT_EQ(ready.rfind("ready ", 0), 0u) << ready;
    std::string pid = ready.substr(6, ready.find(' ', 6) - 6);
    EXPECT_EQ(ready.substr(ready.rfind(' ') + 1), "3") << "the host found the default monitors";

    auto listed = talvexsim("--pid " + pid + " list");
    EXPECT_EQ(listed.first, 0u) << listed.second;
    EXPECT_NE(listed.second.find("1 serial=S27Q0001 model=\"SIM-27Q\""), std::string::npos) << listed.second;
    EXPECT_NE(listed.second.find("3 serial=S32U0001"), std::string::npos);

    auto session = talvexsim("--pid " + pid, "set 1 brightness 33\nget 1 brightness\nunplug 2\nlist\n");
    EXPECT_EQ(session.first, 0u) << session.second;
    EXPECT_NE(session.second.find("33\n"), std::string::npos) << session.second;
    EXPECT_NE(session.second.find("2 serial=S27Q0002 model=\"SIM-27Q\" code=SIM27Q01 product=0x0101 display=2 plugged=no"),
              std::string::npos)
        << session.second;

    auto refused = talvexsim("--pid " + pid + " set 1 brightness 999");
    EXPECT_EQ(refused.first, 1u);
    EXPECT_NE(refused.second.find("error value above the maximum 100"), std::string::npos) << refused.second;

    auto traced = talvexsim("--pid " + pid + " trace");
    EXPECT_NE(traced.second.find(" KvFind -> 3"), std::string::npos) << traced.second;
    EXPECT_NE(traced.second.find(" Sim unplug 2 -> ok"), std::string::npos) << traced.second;

    EXPECT_EQ(finish(host), 0u);
    auto gone = talvexsim("--pid " + pid + " list");
    EXPECT_EQ(gone.first, 2u) << "nobody serves that pipe any more";
}

TEST(Talvexsim, HelpNeedsNoProgram)
{
    auto help = talvexsim("help");
    EXPECT_EQ(help.first, 0u);
    EXPECT_NE(help.second.find("usage: talvexsim"), std::string::npos);
    EXPECT_NE(help.second.find("unplug <m>"), std::string::npos);
    EXPECT_EQ(talvexsim("--pid x list").first, 2u) << "a bad process id";
}

namespace {

std::string tempFile(const char* name, const std::string& content)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

std::string fileText(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string text = readAll(file);
    CloseHandle(file);
    return text;
}

// A host started with some environment; answers its pid and monitor count.
std::pair<std::string, std::string> startHost(Child& host, const std::vector<std::pair<const char*, std::string>>& env)
{
    for (const auto& e : env)
        SetEnvironmentVariableA(e.first, e.second.c_str());
    bool started = start("\"" + besideThisProgram("sim_host.exe") + "\"", host);
    for (const auto& e : env)
        SetEnvironmentVariableA(e.first, nullptr);
    if (!started)
        return {"", ""};
    std::string ready = readLine(host.output);
    size_t space = ready.find(' ', 6);
    return {ready.substr(6, space - 6), ready.substr(space + 1)};
}

} // namespace

TEST(Talvexsim, TheEnvironmentNamesScenarioTraceAndControl)
{
    std::string scenario = tempFile("talvex-sim-env-scenario.txt", "profile p\n  modes 22\nend\nmonitor 1 p ENV00001\n");
    std::string trace = tempFile("talvex-sim-env-trace.txt", "");
    Child host;
    auto ready = startHost(host, {{"TALVEX_SIM", scenario}, {"TALVEX_SIM_TRACE", trace}});
    EXPECT_EQ(ready.second, "1") << "the scenario file's one monitor";
    auto listed = talvexsim("--pid " + ready.first + " list");
    EXPECT_NE(listed.second.find("serial=ENV00001"), std::string::npos) << listed.second;
    EXPECT_EQ(finish(host), 0u);
    std::string written = fileText(trace);
    EXPECT_NE(written.find(" KvFind -> 1\n"), std::string::npos) << written;
    EXPECT_NE(written.find(" KvRelease -> 1\n"), std::string::npos) << written;

    std::string bad = tempFile("talvex-sim-env-bad.txt", "monitor 1 nosuch S1\n");
    Child fallback;
    ready = startHost(fallback, {{"TALVEX_SIM", bad}, {"TALVEX_SIM_TRACE", trace}});
    EXPECT_EQ(ready.second, "3") << "a refused file leaves the default monitors";
    EXPECT_EQ(finish(fallback), 0u);
    EXPECT_NE(fileText(trace).find("Sim load file=" + bad + " -> error line 1: monitor: no profile"),
              std::string::npos);

    Child closed;
    ready = startHost(closed, {{"TALVEX_SIM_CONTROL", "0"}});
    EXPECT_EQ(ready.second, "3");
    EXPECT_EQ(talvexsim("--pid " + ready.first + " list").first, 2u) << "no control pipe";
    EXPECT_EQ(finish(closed), 0u);
    DeleteFileA(scenario.c_str());
    DeleteFileA(trace.c_str());
    DeleteFileA(bad.c_str());
}
