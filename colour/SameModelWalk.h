#pragma once
// "Apply to the same models" inside the colour dialogs: the other monitors
// whose model name equals that of the dialog's own monitor (exactly, letter
// case included) and that answer a colour-mode read. The one channel is
// pointed at each of them in turn and back at the dialog's monitor at the
// end. The dialog's monitor is the one it opened on, whichever is current.
#include "colour/MonitorIdentity.h"
#include "device/CHIDMonitor.h"
#include "device/CMonitorStatusAll.h"

#include <functional>

class SameModelWalk {
public:
    // The monitor the channel points at, and the colour mode it answered.
    using Step = std::function<void(CMonitorStatus& monitor, WORD mode)>;

    SameModelWalk(const CMonitorStatusAll& monitors, CHIDMonitor& channel, const MonitorIdentity& own);

    // Nothing happens, and the channel stays where it is, when the dialog's
    // monitor is no longer listed.
    void ForEach(const Step& step);

private:
    const CMonitorStatusAll& m_monitors;
    CHIDMonitor& m_channel;
    const MonitorIdentity& m_own;
};
