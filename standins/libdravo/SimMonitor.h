#pragma once
// One simulated monitor: identity, the picture values of every colour mode
// (live and committed), the global state the keys act on, and the reports
// a change at the monitor sends. Not thread-safe: the simulator serialises.
#include "standins/libdravo/FeatureCatalog.h"
#include "standins/libdravo/MonitorProfile.h"
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SimReport {
    WORD page;
    WORD usage;
    std::vector<BYTE> data; // 8-bit elements
};

class SimMonitor {
public:
    SimMonitor(int number, const MonitorProfile& profile, const std::string& serial, int display);

    int number() const { return m_number; }
    const std::string& serial() const { return m_serial; }
    int display() const { return m_display; }
    const MonitorProfile& profile() const { return m_profile; }
    int currentMode() const { return static_cast<int>(global("mode")); }

    bool plugged() const { return m_plugged; }
    // Plugging in brings back the committed values and raises the connect flag.
    void setPlugged(bool plugged);
    DWORD handle() const { return m_handle; }
    void setHandle(DWORD handle) { m_handle = handle; }

    // Library side. Results are 0 or a SimError.
    int describe(const FeatureInfo& info, DWORD& maximum, DWORD& count) const;
    int read(const FeatureInfo& info, std::vector<BYTE>& payload) const;
    // 0 when the feature can be written at all; the caller checks the shape.
    int writable(const FeatureInfo& info) const;
    // payload: the feature's count bytes (one for a single-value feature).
    int write(const FeatureInfo& info, const BYTE* payload, std::vector<SimReport>& reports);

    // Control side: a change made at the monitor itself (kept like a commit).
    // mode -1 = the current mode. The reports are what the monitor announces.
    bool set(const FeatureInfo& info, int mode, uint64_t value, std::vector<SimReport>& reports,
             std::string& error);
    bool get(const FeatureInfo& info, int mode, uint64_t& value, std::string& error) const;

private:
    using ModeValues = std::vector<DWORD>;

    DWORD global(const char* name) const;
    void setGlobal(const char* name, DWORD value);
    DWORD perMode(const FeatureInfo& info, int mode) const;
    int resolveMode(int mode) const;
    std::vector<BYTE> payloadOf(const FeatureInfo& info) const;
    void reportOf(const FeatureInfo& info, std::vector<SimReport>& reports) const;
    int apply(const FeatureInfo& info, DWORD value, std::vector<SimReport>& reports);
    void pressKey(DWORD code, std::vector<SimReport>& reports);
    void pressKeyExt(DWORD code, std::vector<SimReport>& reports);
    void resetGroup(ResetGroup group, std::vector<SimReport>& reports);
    void stepMode(std::vector<SimReport>& reports);
    bool setModes(uint64_t modes, std::vector<SimReport>& reports, std::string& error);

    int m_number;
    MonitorProfile m_profile;
    std::string m_serial;
    int m_display;
    bool m_plugged = true;
    DWORD m_handle = 0;
    std::map<const FeatureInfo*, DWORD> m_globals;
    std::vector<ModeValues> m_live;
    std::vector<ModeValues> m_committed;
    std::vector<ModeValues> m_defaults;
    DWORD m_glintaraBeforeOff = 1;
};
