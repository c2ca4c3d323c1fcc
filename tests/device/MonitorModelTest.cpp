// The monitor model: fresh monitors, the validity flags of the picture
// values, the slot table, and the list's ownership and selection.
#include "device/CMonitorColor.h"
#include "device/CMonitorStatusAll.h"
#include "device/MonitorFeatures.h"
#include "device/SettingsLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MonitorModelTest, NewMonitorHasNoDeviceAndNoAutomaticMode)
{
    CMonitorStatus monitor;
    EXPECT_EQ(monitor.m_hDevice, 0u);
    EXPECT_EQ(monitor.m_nAutoMode, -1);
    EXPECT_TRUE(monitor.m_strSerial.IsEmpty());
    EXPECT_TRUE(monitor.m_strDisplayDevice.IsEmpty());
    EXPECT_EQ(monitor.m_Caps.qwModes, 0u);
    EXPECT_EQ(monitor.m_Caps.dwModeFeatures[46], 0u);
    for (const HotKeyBinding& key : monitor.m_HotKeys)
        EXPECT_TRUE(key.IsFree());
}

TEST(MonitorModelTest, ClearValidKeepsValuesAndMaxima)
{
    CMonitorColor color;
    for (int i = 0; i < CMonitorColor::SlotCount; ++i) {
        color.m_wValue[i] = static_cast<WORD>(i + 1);
        color.m_wMax[i] = static_cast<WORD>(100 + i);
        color.m_bValid[i] = TRUE;
    }
    color.m_byOverdriveFlag = 1;
    CMonitorColor snapshot;
    snapshot = color;
    color.ClearValid();
    for (int i = 0; i < CMonitorColor::SlotCount; ++i) {
        EXPECT_FALSE(color.m_bValid[i]);
        EXPECT_EQ(color.m_wValue[i], i + 1);
        EXPECT_EQ(color.m_wMax[i], 100 + i);
        EXPECT_TRUE(snapshot.m_bValid[i]);   // the snapshot is a copy, not a view
    }
    EXPECT_EQ(snapshot.m_byOverdriveFlag, 1);
    EXPECT_EQ(snapshot.Value(ColorSlot::Glintara), 20);
}

TEST(MonitorModelTest, EverySlotHasItsOwnFeature)
{
    std::set<std::pair<WORD, BYTE>> seen;
    for (int i = 0; i < CMonitorColor::SlotCount; ++i) {
        const FeatureAddress& f = CMonitorColor::FeatureOf(static_cast<ColorSlot>(i));
        EXPECT_TRUE(seen.insert({f.usagePage, f.usage}).second) << "slot " << i;
    }
    EXPECT_EQ(CMonitorColor::FeatureOf(ColorSlot::Mode), FEATURE_COLOR_MODE);
    EXPECT_EQ(CMonitorColor::FeatureOf(ColorSlot::Glintara), FEATURE_GLINTARA);
}

class CountedMonitor : public CMonitorStatus {
public:
    explicit CountedMonitor(int& deleted) : deleted(deleted) {}
    ~CountedMonitor() override { ++deleted; }
    int& deleted;
};

TEST(MonitorModelTest, DeleteAllDeletesThroughTheVirtualDestructorAndKeepsSelection)
{
    int deleted = 0;
    CMonitorStatusAll all;
    EXPECT_EQ(all.m_nCurMonitor, 0);
    EXPECT_EQ(all.m_hCurDevice, 0u);
    EXPECT_EQ(all.GetCurrent(), nullptr);
    all.m_arMonitors.Add(new CountedMonitor(deleted));
    all.m_arMonitors.Add(new CountedMonitor(deleted));
    all.m_nCurMonitor = 1;
    all.m_hCurDevice = 9;
    EXPECT_EQ(all.GetCurrent(), all.m_arMonitors[1]);
    all.DeleteAll();
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(all.m_arMonitors.GetSize(), 0);
    EXPECT_EQ(all.m_hCurDevice, 9u);
    EXPECT_EQ(all.GetCurrent(), nullptr);   // a stale index gives no monitor
    all.m_nCurMonitor = -1;
    EXPECT_EQ(all.GetCurrent(), nullptr);
}

TEST(SettingsLayoutTest, KeyNamesOfMonitorsAndAssociations)
{
    EXPECT_STREQ(SettingsLayout::HotKeyKey("XV27", "SER00001"),
                 "Software\\Orvel\\Talvex V1.0x\\HotKey\\XV27_SER00001");
    EXPECT_NE(SettingsLayout::HotKeyKey("XV27", "SER00001"), SettingsLayout::HotKeyKey("XV27", "SER00002"));
    EXPECT_STREQ(SettingsLayout::MonitorSubkeyName("SER00001", 2), "SER00001-2");
    EXPECT_STREQ(SettingsLayout::MonitorKey("SER00001-2"), "Software\\Orvel\\Talvex V1.0x\\Monitor\\SER00001-2");
    EXPECT_STREQ(SettingsLayout::TonalisKey("GAME.EXE"), "Software\\Orvel\\Talvex V1.0x\\Tonalis\\GAME.EXE");
}

TEST(SettingsLayoutTest, SerialOfAStoredAssociationIsTheTextBeforeTheFirstDash)
{
    EXPECT_STREQ(SettingsLayout::SerialOfMonitorSubkey("SER00001-2"), "SER00001");
    EXPECT_STREQ(SettingsLayout::SerialOfMonitorSubkey("A-B-3"), "A");
    EXPECT_STREQ(SettingsLayout::SerialOfMonitorSubkey("NODASH"), "");
    EXPECT_STREQ(SettingsLayout::SerialOfMonitorSubkey("-1"), "");
}

} // namespace
