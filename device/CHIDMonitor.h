#pragma once
// The one road to a monitor's controls: holds the library's handle of one
// monitor and reads or writes one feature at a time. Every window that talks
// to a monitor derives from it and points it at the monitor before each
// exchange. Nothing here throws.
#include "device/FeatureAddress.h"

class CHIDMonitor {
public:
    // Largest feature payload the channel accepts from a description; the
    // largest real one (the capability block) is 256 bytes.
    static constexpr DWORD MaxPayload = 1024;

    CHIDMonitor();
    CHIDMonitor(const CHIDMonitor& other);
    CHIDMonitor& operator=(const CHIDMonitor& other) = default;
    virtual ~CHIDMonitor();

    virtual bool GetFeature(BYTE* buffer, short size, BYTE usage, WORD usagePage,
                            WORD* maximum = nullptr, WORD* second = nullptr);
    virtual bool SetFeature(const BYTE* buffer, short size, BYTE usage, WORD usagePage);

    // The same, addressed by name: GetFeature(buf, 2, FEATURE_COLOR_MODE).
    bool GetFeature(BYTE* buffer, short size, const FeatureAddress& feature, WORD* maximum = nullptr);
    bool SetFeature(const BYTE* buffer, short size, const FeatureAddress& feature);

    void SetHandle(const DWORD& hDevice);
    DWORD GetHandle() const;

    // 1 when the library describes the feature without failure, else 0.
    int IsFeatureAvailable(BYTE usage, WORD usagePage);
    int IsFeatureAvailable(const FeatureAddress& feature);

    // The colour windows poll this: the monitor lets the user adjust now.
    bool IsAdjustmentPermitted();
    // A monitor answers when its colour mode can be read.
    bool IsMonitorAnswering();

protected:
    DWORD m_hDevice;

private:
    struct Description {
        DWORD maximum;
        DWORD second;
        DWORD count;
    };
    bool Describe(WORD usagePage, BYTE usage, Description& out) const;
    bool SendArray(const BYTE* buffer, short size, BYTE usage, WORD usagePage, DWORD count);
};
