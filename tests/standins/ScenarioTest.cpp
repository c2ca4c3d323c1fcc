// The scenario text: the embedded default, a file with every kind of line,
// and bad lines refused with their line number.
#include "standins/libdravo/FeatureCatalog.h"
#include "standins/libdravo/Scenario.h"
#include "standins/libdravo/Simulator.h"
#include <gtest/gtest.h>

TEST(Scenario, DefaultHasTwoMonitorsOfOneModelAndOneOfAnother)
{
    Scenario s;
    std::string error;
    ASSERT_TRUE(s.parse(Scenario::defaultText(), error)) << error;
    ASSERT_EQ(s.monitors.size(), 3u);
    EXPECT_EQ(s.monitors[0].profile, s.monitors[1].profile);
    EXPECT_NE(s.monitors[0].profile, s.monitors[2].profile);
    EXPECT_NE(s.monitors[0].serial, s.monitors[1].serial);
    EXPECT_EQ(s.monitors[0].display, 1);
    EXPECT_EQ(s.monitors[1].display, 2);
    EXPECT_EQ(s.monitors[2].display, 2);
    for (const ScenarioMonitor& m : s.monitors)
        EXPECT_EQ(m.serial.size(), 8u);
    const MonitorProfile* a = s.profile(s.monitors[0].profile);
    const MonitorProfile* b = s.profile(s.monitors[2].profile);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->modelName, b->modelName);
    EXPECT_EQ(a->modelCode.size(), 8u);
    EXPECT_NE(a->modes, b->modes);
    EXPECT_NE(a->productId, b->productId);
}

TEST(Scenario, FileWithProfilesRecordsAndActions)
{
    const char* text = R"(
# comment line
profile small   # trailing comment
  model "Test Panel 24"
  code TP24X001
  product 0x0201
  interfaces 2
  modes 22 40
  mask 22 0x8001
  maximum brightness 40
  default brightness 30
  default brightness 35 mode 40
  entry 52 01 02
  absent velocis
end
monitor 7 small AB000001 display 3
monitor 2 small AB000002
info - 1
info ZZ999999 2 monitor 1
set 7 brightness 12 mode 40
unplug 2
fault seltu 2
)";
    Scenario s;
    std::string error;
    ASSERT_TRUE(s.parse(text, error)) << error;
    const MonitorProfile* p = s.profile("small");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->modelName, "Test Panel 24");
    EXPECT_EQ(p->productId, 0x0201);
    EXPECT_EQ(p->interfaces, 2);
    EXPECT_EQ(p->modes, (1ull << 22) | (1ull << 40));
    const FeatureInfo& brightness = *FeatureCatalog::findByName("brightness");
    EXPECT_EQ(p->maximumOf(brightness), 40u);
    EXPECT_EQ(p->defaultOf(brightness, 22), 30u);
    EXPECT_EQ(p->defaultOf(brightness, 40), 35u);
    EXPECT_FALSE(p->hasFeature(*FeatureCatalog::findByName("velocis")));
    ASSERT_EQ(s.monitors.size(), 2u);
    EXPECT_EQ(s.monitors[0].number, 7);
    EXPECT_EQ(s.monitors[0].display, 3);
    EXPECT_EQ(s.monitors[1].display, 1) << "display 1 by default";
    ASSERT_EQ(s.infoRecords.size(), 2u);
    EXPECT_EQ(s.infoRecords[0].serial, "");
    EXPECT_EQ(s.infoRecords[1].monitorIndex, 1);
    ASSERT_EQ(s.actions.size(), 3u);
    EXPECT_EQ(s.actions[0].line, 20);

    Simulator sim;
    ASSERT_TRUE(sim.load(text, error)) << error;
    std::string answer;
    ASSERT_TRUE(sim.get(7, brightness, 40, answer, error));
    EXPECT_EQ(answer, "12");
    EXPECT_TRUE(sim.seltuCallFails());
    EXPECT_TRUE(sim.seltuCallFails());
    EXPECT_FALSE(sim.seltuCallFails());
    EXPECT_EQ(sim.find(), 1) << "monitor 2 starts unplugged";
}

TEST(Scenario, BadLinesAreRefusedWithTheirLineNumber)
{
    const std::string head = "profile p\n  modes 22\nend\nmonitor 1 p SER00001\n"; // lines 1-4
    struct Case {
        std::string line;
        const char* why;
    };
    const Case cases[] = {
        {"frobnicate 1", "unknown word"},
        {"monitor 1 p SER00002", "number used twice"},
        {"monitor 2 nosuch SER00002", "unknown profile"},
        {"monitor 2 p TOOLONGSERIAL", "serial over 8 characters"},
        {"monitor 2 p SER00002 display 0", "display 0"},
        {"info ABC", "info without display"},
        {"set 1 brightness 101", "value above the maximum"},
        {"set 9 brightness 1", "no such monitor"},
        {"set 1 nosuch 1", "unknown feature"},
        {"set 1 mode 23", "unsupported mode"},
        {"fault 1 read", "fault without feature"},
        {"fault clear 1 2", "fault clear of two monitors"},
        {"plug 1", "plugging a plugged monitor"},
        {"profile \"unterminated", "open quote"},
        {"library success sometimes", "unknown library choice"},
        {"library broadcast-wait 600001", "library wait beyond ten minutes"},
    };
    for (const Case& c : cases) {
        Scenario s;
        std::string error;
        Simulator sim;
        EXPECT_FALSE(sim.load(head + c.line + "\n", error)) << c.why;
        EXPECT_EQ(error.rfind("line 5: ", 0), 0u) << c.why << ": " << error;
        EXPECT_GT(error.size(), std::string("line 5: ").size()) << c.why << ": the reason is missing";
    }
}

TEST(Scenario, BadProfileLinesAreRefusedWithTheirLineNumber)
{
    const char* cases[] = {
        "  model \"SEVENTEEN CHARS!!\"",
        "  code NINECHARS",
        "  modes 47",
        "  mask 25 0x1",
        "  maximum identity 3",
        "  default brightness 101",
        "  default mute 1 mode 22",
        "  start-mode 40",
        "  entry 255 00",
        "  block 0G",
        "  colour 1",
    };
    for (const char* line : cases) {
        Scenario s;
        std::string error;
        std::string text = std::string("profile p\n  modes 22\n") + line + "\nend\nmonitor 1 p S1\n";
        EXPECT_FALSE(s.parse(text, error)) << line;
        EXPECT_NE(error.find("line "), std::string::npos) << line << ": " << error;
        EXPECT_TRUE(error.rfind("line 3: ", 0) == 0 || error.rfind("line 4: ", 0) == 0) << line << ": " << error;
    }
}

TEST(Scenario, IncompleteTextsAreRefused)
{
    Scenario s;
    std::string error;
    EXPECT_FALSE(s.parse("profile p\n  modes 22\n", error));
    EXPECT_NE(error.find("no end"), std::string::npos) << error;
    EXPECT_FALSE(s.parse("# nothing\n", error));
    std::string many = "profile p\n";
    for (int i = 0; i < 30; ++i)
        many += "  entry 70 00112233445566778899\n";
    EXPECT_FALSE(s.parse(many + "end\nmonitor 1 p S\n", error)) << "entries beyond 255 bytes";
}

TEST(Scenario, RefusedLoadKeepsThePreviousMonitors)
{
    Simulator sim;
    std::string error;
    ASSERT_FALSE(sim.load("profile p\n  modes 22\nend\nmonitor 1 p S1\nset 1 brightness 999\n", error));
    EXPECT_EQ(sim.list().size(), 3u);
    EXPECT_EQ(sim.find(), 3);
}
