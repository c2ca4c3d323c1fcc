// The control language and the call trace, as the control tool and the
// program's tests read them.
#include "SimTestSupport.h"
#include "standins/libdravo/CommandInterpreter.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

using namespace simtest;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace

TEST(Control, AnswersEndWithTheirStatus)
{
    Simulator sim;
    CommandInterpreter control(sim);
    std::vector<std::string> list = lines(control.answer("list"));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].rfind("1 serial=S27Q0001 model=\"SIM-27Q\" code=SIM27Q01 product=0x0101 display=1 plugged=yes", 0),
              0u) << list[0];
    EXPECT_EQ(list[3], "ok");

    EXPECT_EQ(control.answer("get 1 brightness"), "60\nok\n");
    EXPECT_EQ(control.answer("set 1 brightness 42 mode 23"), "ok\n");
    EXPECT_EQ(control.answer("get 1 brightness mode 23"), "42\nok\n");
    EXPECT_EQ(control.answer("get 3 0xFF00:0xC3"), "53494D3332553031\nok\n");
    EXPECT_EQ(control.answer("get 1 modes"), "139663775891456\nok\n");
    EXPECT_EQ(control.answer("unplug 3"), "ok\n");
    EXPECT_NE(control.answer("list").find("3 serial=S32U0001 model=\"SIM-32U\" code=SIM32U01 product=0x0102 display=2 plugged=no"),
              std::string::npos);
    EXPECT_EQ(control.answer("set 1 brightness 101").rfind("error ", 0), 0u);
    EXPECT_EQ(control.answer("frobnicate").rfind("error unknown verb", 0), 0u);
    EXPECT_EQ(control.answer("get 9 mode").rfind("error no monitor 9", 0), 0u);
    EXPECT_EQ(control.answer("").rfind("error ", 0), 0u);
    EXPECT_EQ(control.answer("wait 100"), "ok\n");
    EXPECT_EQ(control.answer("wait 600001").rfind("error wait: ", 0), 0u);
    EXPECT_EQ(control.answer("burst 1 100001").rfind("error burst: ", 0), 0u);
    // Every refusal says why.
    EXPECT_EQ(control.answer("fault clear 1 2"), "error fault: expected 'clear [<monitor>]'\n");
    EXPECT_EQ(control.answer("library report-off later").rfind("error library: ", 0), 0u);
    EXPECT_EQ(control.answer("library success zero"), "ok\n");
    EXPECT_TRUE(sim.mode().zeroSuccess);
    EXPECT_EQ(control.answer("reset"), "ok\n");
    EXPECT_FALSE(sim.mode().zeroSuccess) << "reset returns to the scenario's library mode";
    EXPECT_EQ(control.answer("get 1 brightness mode 23"), "70\nok\n") << "reset returns to the scenario";
    EXPECT_NE(control.answer("help").find("fault discovery <count>"), std::string::npos);
}

TEST(Control, LoadsAScenarioFile)
{
    Simulator sim;
    CommandInterpreter control(sim);
    std::filesystem::path file = std::filesystem::temp_directory_path() / "talvex-sim-control-test.txt";
    {
        std::ofstream out(file);
        out << "profile p\n  model \"One\"\n  modes 22\nend\nmonitor 1 p ONE00001\n";
    }
    EXPECT_EQ(control.answer("load " + file.string()), "ok\n");
    EXPECT_EQ(lines(control.answer("list")).size(), 2u);
    EXPECT_EQ(control.answer("load /no/such/file").rfind("error load: cannot open", 0), 0u);
    // Neither a folder nor an endless device is read.
    EXPECT_EQ(control.answer("load " + file.parent_path().string()).rfind("error load: cannot open", 0), 0u);
    EXPECT_EQ(control.answer("load /dev/zero").rfind("error load: cannot open", 0), 0u);
    {
        std::ofstream out(file);
        out << std::string((1 << 20) + 1, '#');
    }
    EXPECT_NE(control.answer("load " + file.string()).find("is larger than 1 MiB"), std::string::npos);
    {
        std::ofstream out(file);
        out << "profile p\n  modes 99\nend\n";
    }
    EXPECT_EQ(control.answer("load " + file.string()), "error line 2: modes: bad value '99'\n");
    std::filesystem::remove(file);
}

TEST(Trace, OneNumberedLinePerCallInAStableFormat)
{
    std::filesystem::path file = std::filesystem::temp_directory_path() / "talvex-sim-trace-test.txt";
    std::filesystem::remove(file);
    Simulator sim;
    ASSERT_TRUE(sim.trace().openFile(file.string()));
    sim.trace().clear();
    sim.update();
    std::vector<DWORD> h = discover(sim);
    DWORD a = 0, b = 0, flag = 0, count = 0;
    sim.describe(h[0], 0xFF00, 0x15, &a, &b, &flag, &count);
    BYTE buffer[3] = {};
    sim.readArray(h[0], 0xFF00, 0x15, buffer, 3);
    writeWord(sim, h[0], 0x82, 0x10, 101);
    sim.writeValue(h[0], 0xFF01, 0xA1, 1);
    sim.reportOn(h[0], &ReportLog::callback, 0);
    CommandInterpreter(sim).answer("set 1 mode 23");
    sim.waitReports(10000);
    sim.reportOff(h[0]);
    sim.release();
    sim.trace().closeFile();

    std::vector<std::string> memory = sim.trace().lines();
    std::vector<std::string> expected = {
        "KvUpdate -> -8 error=before-KvFind",
        "KvFind -> 3",
        "KvRetrieve index=0 -> 1 handle=" ,
        "KvRetrieve index=1 -> 1 handle=",
        "KvRetrieve index=2 -> 1 handle=",
        "KvGetFixedData handle=0x{h} monitor=1 feature=0xFF00:0x15 -> 1 a=46 b=0 flag=0 count=2",
        "KvGetFeatureArray handle=0x{h} monitor=1 feature=0xFF00:0x15 length=3 -> 3 data=1600",
        "KvSetFeatureArray handle=0x{h} monitor=1 feature=0x82:0x10 length=3 data=650000 -> -4",
        "KvSetFeatureValue handle=0x{h} monitor=1 feature=0xFF01:0xA1 value=1 -> 1",
        "KvReportON handle=0x{h} monitor=1 -> 1",
        "Sim set 1 mode 23 -> ok",
        "Report handle=0x{h} monitor=1 feature=0xFF00:0x15 bits=8 count=2 data=1700 -> delivered",
        "KvReportOFF handle=0x{h} monitor=1 -> 1",
        "KvRelease -> 1",
    };
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(h[0]));
    ASSERT_EQ(memory.size(), expected.size());
    const std::regex shape(R"(^\d+ \w+( [\w-]+=\S+)*( -> \S+)?( [\w-]+=\S+)*$)");
    unsigned long previous = 0;
    for (size_t i = 0; i < memory.size(); ++i) {
        std::string want = expected[i];
        size_t at = want.find("{h}");
        while (at != std::string::npos) {
            want.replace(at, 3, hex);
            at = want.find("{h}");
        }
        size_t space = memory[i].find(' ');
        unsigned long sequence = std::stoul(memory[i].substr(0, space));
        EXPECT_GT(sequence, previous);
        previous = sequence;
        EXPECT_EQ(memory[i].substr(space + 1, want.size()), want);
        if (expected[i].rfind("Sim ", 0) != 0) {
            EXPECT_TRUE(std::regex_match(memory[i], shape)) << memory[i];
        }
    }

    std::vector<std::string> written;
    {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);)
            written.push_back(line);
    }
    ASSERT_GE(written.size(), memory.size());
    EXPECT_EQ(std::vector<std::string>(written.end() - memory.size(), written.end()), memory);
    std::filesystem::remove(file);
}

TEST(Trace, WritesFromManyThreadsStayWhole)
{
    CallTrace trace(100000);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i)
                trace.write("T" + std::to_string(t) + " i=" + std::to_string(i));
        });
    for (std::thread& t : threads)
        t.join();
    std::vector<std::string> all = trace.lines();
    ASSERT_EQ(all.size(), 4000u);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].rfind(std::to_string(i + 1) + " T", 0), 0u) << all[i];
}
