#pragma once
// "Apply to the same models" inside the colour dialogs: the other monitors
// whose model name equals the current monitor's (exactly, letter case
// included) and that answer a colour-mode read. The one channel is pointed
// at each of them in turn and back at the current monitor at the end.
#include "device/CHIDMonitor.h"
#include "device/CMonitorStatusAll.h"

#include <functional>

class SameModelWalk {
public:
    // The monitor the channel points at, and the colour mode it answered.
    using Step = std::function<void(CMonitorStatus& monitor, WORD mode)>;

    SameModelWalk(const CMonitorStatusAll& monitors, CHIDMonitor& channel);

    // Nothing happens, and the channel stays where it is, without a current
    // monitor.
    void ForEach(const Step& step);

private:
    const CMonitorStatusAll& m_monitors;
    CHIDMonitor& m_channel;
};
