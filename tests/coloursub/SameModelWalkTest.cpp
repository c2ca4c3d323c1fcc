// Which monitors "Apply to the same models" reaches, and where the channel
// points afterwards.
#include "SimWrites.h"

#include "../device/SimControl.h"
#include "colour/SameModelWalk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// Monitors 1, 2 and 4 share a model name; 3 is of another model and 5's
// name differs from theirs only in letter case.
const char Scenario[] = R"(
profile a
  model "PANEL-A"
  code PANELA01
  modes 22 23
end
profile b
  model "PANEL-B"
  code PANELB01
  modes 22 23
end
profile lower
  model "panel-a"
  code PANELA01
  modes 22 23
end
monitor 1 a A0000001
monitor 2 a A0000002
monitor 3 b B0000001
monitor 4 a A0000003
monitor 5 lower A0000004
set 4 mode 23
)";

class SameModelWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SimLoadText(Scenario));
        ASSERT_TRUE(SimFreshStart());
        const std::vector<DWORD> handles = SimDiscover();
        ASSERT_EQ(handles.size(), 5u);
        const char* names[] = {"PANEL-A", "PANEL-A", "PANEL-B", "PANEL-A", "panel-a"};
        for (int i = 0; i < 5; ++i) {
            auto* monitor = new CMonitorStatus;
            monitor->m_hDevice = handles[i];
            monitor->m_strModelName = names[i];
            m_monitors.m_arMonitors.Add(monitor);
        }
        m_monitors.m_nCurMonitor = 0;
        m_monitors.m_hCurDevice = handles[0];
    }

    void TearDown() override { m_monitors.DeleteAll(); }

    // The monitors visited (list indexes) with the mode each answered.
    std::vector<std::pair<int, WORD>> Walk()
    {
        std::vector<std::pair<int, WORD>> visited;
        SameModelWalk(m_monitors, m_channel).ForEach([&](CMonitorStatus& monitor, WORD mode) {
            EXPECT_EQ(m_channel.GetHandle(), monitor.m_hDevice);
            for (int i = 0; i < m_monitors.m_arMonitors.GetSize(); ++i)
                if (m_monitors.m_arMonitors[i] == &monitor)
                    visited.emplace_back(i, mode);
        });
        return visited;
    }

    DWORD Handle(int index) const { return m_monitors.m_arMonitors[index]->m_hDevice; }

    CMonitorStatusAll m_monitors;
    CHIDMonitor m_channel;
};

TEST_F(SameModelWalkTest, VisitsTheOtherMonitorsOfTheExactModelName)
{
    EXPECT_THAT(Walk(), ElementsAre(std::pair<int, WORD>(1, 22), std::pair<int, WORD>(3, 23)));
    EXPECT_EQ(m_channel.GetHandle(), Handle(0));

    m_monitors.m_nCurMonitor = 3;
    EXPECT_THAT(Walk(), ElementsAre(std::pair<int, WORD>(0, 22), std::pair<int, WORD>(1, 22)));
    EXPECT_EQ(m_channel.GetHandle(), Handle(3));
}

TEST_F(SameModelWalkTest, SkipsMonitorsThatDoNotAnswerAndEmptyEntries)
{
    ASSERT_TRUE(SimRun("fault 2 read mode"));
    delete m_monitors.m_arMonitors[3];
    m_monitors.m_arMonitors.SetAt(3, nullptr);
    EXPECT_TRUE(Walk().empty());
    EXPECT_EQ(m_channel.GetHandle(), Handle(0));
    EXPECT_THAT(SimReads(2), ElementsAre("0xFF00:0x15"));
    EXPECT_TRUE(SimReads(3).empty());
    EXPECT_TRUE(SimReads(5).empty());
}

TEST_F(SameModelWalkTest, NoCurrentMonitorNoWalk)
{
    m_channel.SetHandle(0x4711);
    for (int current : {-1, 5}) {
        m_monitors.m_nCurMonitor = current;
        EXPECT_TRUE(Walk().empty());
        EXPECT_EQ(m_channel.GetHandle(), 0x4711u);
    }
    for (int monitor = 1; monitor <= 5; ++monitor)
        EXPECT_TRUE(SimReads(monitor).empty());
}

} // namespace
