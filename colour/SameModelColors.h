#pragma once
// The other monitors of the model as a colour dialog found them at opening:
// each one that was in the dialog's mode then, with its own values. Only
// these take part in the dialog's changes, and Cancel gives each its values
// back. They are kept by identity (handle and serial): a device notification
// may rebuild the monitor list while the dialog is open, and the new monitor
// objects know nothing of what the dialog read from the old ones.
#include "colour/MonitorIdentity.h"
#include "colour/SameModelWalk.h"
#include "device/CMonitorColor.h"

#include <functional>
#include <utility>
#include <vector>

class SameModelColors {
public:
    using Step = std::function<void(CMonitorStatus& monitor, const CMonitorColor& kept)>;

    // Over whatever was kept for the same monitor before.
    void Keep(const CMonitorStatus& monitor, const CMonitorColor& color);
    // Null when nothing was kept for the monitor.
    const CMonitorColor* Find(const CMonitorStatus& monitor) const;
    // The step runs on each kept monitor the walk reaches that answers in
    // that mode (the dialog's), the channel pointed at it.
    void ForEachInMode(SameModelWalk& walk, WORD mode, const Step& step) const;

    // The source with only the values the monitor's own read got: what the
    // dialog could not have given back on Cancel is not to be written.
    static CMonitorColor ReadByBoth(const CMonitorColor& source, const CMonitorColor& kept);
    // Whether a kept monitor takes a write of that feature in that mode:
    // the mode allows the bit, and the monitor's own value of it was read.
    static bool Takes(const CMonitorStatus& monitor, const CMonitorColor& kept, WORD mode, DWORD bit,
                      BYTE usage, WORD usagePage);

private:
    std::vector<std::pair<MonitorIdentity, CMonitorColor>> m_colors;
};
