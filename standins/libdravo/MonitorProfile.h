#pragma once
// What one model of simulated monitor is: its names, USB product id and
// everything its capability block announces, plus per-model maxima,
// defaults and missing features. Several monitors may share one profile.
#include "framework/WinTypes.h"
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FeatureInfo;

struct CapabilityEntry {
    BYTE type;
    std::vector<BYTE> data;
};

class MonitorProfile {
public:
    static constexpr int ModeCount = 47;
    // Modes whose feature mask has an entry type of its own in the block.
    static int maskEntryType(int mode);

    std::string name;                   // the scenario's name for the profile
    std::string modelName;              // up to 16 characters
    std::string modelCode;              // up to 8 characters
    WORD productId = 0x0101;
    int interfaces = 1;                 // HID interfaces announced per plug
    int startMode = -1;                 // -1: the lowest supported mode
    DWORD flags = 0x200;                // type 4: bit 0x200 = supported monitor
    WORD colorAdjust = 1;               // type 1
    uint64_t modes = 0;                 // type 5
    DWORD temperatures = 0;             // type 6
    WORD gammas = 0;                    // type 14
    WORD gameGammas = 0;                // type 63
    DWORD hotKeyCaps = 0;               // type 15
    DWORD hotKeyCaps2 = 0;              // type 17
    std::array<DWORD, ModeCount> modeFeatures{}; // types 49-51, 61-62, 77-80, 84-86
    std::vector<CapabilityEntry> extraEntries;   // written after the standard ones
    bool rawBlockSet = false;
    std::array<BYTE, 256> rawBlock{};   // replaces the built block when set

    std::map<const FeatureInfo*, DWORD> maxima;
    // Key: feature and mode (-1 = every mode).
    std::map<std::pair<const FeatureInfo*, int>, DWORD> defaults;
    std::set<const FeatureInfo*> absent;

    DWORD maximumOf(const FeatureInfo& info) const;
    DWORD defaultOf(const FeatureInfo& info, int mode) const;
    bool hasFeature(const FeatureInfo& info) const;
    bool supportsMode(int mode) const;
    int firstMode() const;              // -1 when no mode is supported
};
