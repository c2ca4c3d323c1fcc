#pragma once
// The monitor a colour dialog opened on, and how each of the dialog's steps
// meets it again. A plug, an unplug or the association wizard rebuilds the
// monitor list and makes the default monitor current some time before the
// main window closes the dialog: a click, a poll or a report handled
// meanwhile must not reach that other monitor.
#include "colour/MonitorIdentity.h"
#include "device/CHIDMonitor.h"
#include "framework/CDialog.h"

class OwnMonitor {
public:
    // The monitor current as the dialog opens.
    void Take();
    const MonitorIdentity& Identity() const { return m_identity; }
    bool IsCurrent() const;

    // The start of every user action. With another monitor current, or
    // none, the dialog ends as closed from outside and the action writes
    // nothing (false). With its own monitor silent the dialog ends with 0,
    // and the action still goes on to the other monitors of the model.
    bool BeginAction(CDialog& dialog, CHIDMonitor& channel) const;
    // The adjustment poll: ends the dialog as closed from outside once
    // another monitor is current, with 0 once its own no longer permits
    // adjustment. Nothing happens while no monitor is current.
    void Poll(CDialog& dialog, CHIDMonitor& channel) const;
    // A device notification: the current monitor answering is not enough,
    // it may be another one now.
    void OnDeviceChange(CDialog& dialog, CHIDMonitor& channel) const;

private:
    // Points the channel at the dialog's monitor and asks whether it answers.
    bool Answers(CHIDMonitor& channel) const;

    MonitorIdentity m_identity;
};
