#include "colour/OwnMonitor.h"

#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

constexpr int ClosedFromOutside = static_cast<int>(SubDialogClosedFromOutside);

} // namespace

void OwnMonitor::Take()
{
    m_identity = MonitorIdentity::CurrentOf(theApp.m_StatusAll);
}

bool OwnMonitor::IsCurrent() const
{
    return m_identity.IsCurrentIn(theApp.m_StatusAll);
}

bool OwnMonitor::Answers(CHIDMonitor& channel) const
{
    if (m_identity.IsNone())
        return false;
    channel.SetHandle(m_identity.Handle());
    return channel.IsMonitorAnswering();
}

bool OwnMonitor::BeginAction(CDialog& dialog, CHIDMonitor& channel) const
{
    if (!IsCurrent()) {
        dialog.EndDialog(ClosedFromOutside);
        return false;
    }
    if (!Answers(channel))
        dialog.EndDialog(0);
    return true;
}

void OwnMonitor::Poll(CDialog& dialog, CHIDMonitor& channel) const
{
    if (theApp.m_StatusAll.m_hCurDevice == 0)
        return;
    if (!IsCurrent()) {
        dialog.EndDialog(ClosedFromOutside);
        return;
    }
    channel.SetHandle(m_identity.Handle());
    if (!channel.IsAdjustmentPermitted())
        dialog.EndDialog(0);
}

void OwnMonitor::OnDeviceChange(CDialog& dialog, CHIDMonitor& channel) const
{
    if (!IsCurrent() || !Answers(channel))
        dialog.EndDialog(ClosedFromOutside);
}
