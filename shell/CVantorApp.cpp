#include "shell/CVantorApp.h"
#include "device/CCapabilityBlock.h"
#include "device/DeviceDiscovery.h"
#include "device/DravoApi.h"

#include <new>

CVantorApp theApp;

BEGIN_MESSAGE_MAP(CVantorApp, CWinApp)
END_MESSAGE_MAP()

CVantorApp::CVantorApp()
    : m_pCurColor(nullptr),
      m_bSettingShown(FALSE),
      m_bMonitorListOpen(FALSE),
      m_hWndColorSub(nullptr),
      m_hWndMonitorList(nullptr),
      m_hWndMessage(nullptr),
      m_hWndReport(nullptr),
      m_bTrayIconOk(TRUE),
      m_nDisplayMonitors(0),
      m_nDevices(0),
      m_listReports(10),
      m_listDevices(10),
      m_bFoundOnce(FALSE),
      m_hMutex(nullptr),
      m_hWndTunora(nullptr),
      m_bApplySameModels(FALSE),
      m_hDevNotify(nullptr)
{
}

CVantorApp::~CVantorApp()
{
    // The main window frees the queue when it is destroyed; records left by
    // a start-up that never got that far are freed here.
    PurgeReports();
}

BOOL CVantorApp::FindDevices(int* pAnswer)
{
    return DeviceDiscovery::Find(m_bFoundOnce, m_listDevices, m_nDevices, pAnswer);
}

BOOL CVantorApp::ReleaseDevices()
{
    m_listDevices.RemoveAll();
    DravoApi::Active().release();
    return TRUE;
}

void CVantorApp::CopyReplyPayload(const BYTE* entry, void* destination, size_t size)
{
    CCapabilityBlock::CopyReplyPayload(entry, destination, size);
}

void CVantorApp::PostReport(const HidReport& report)
{
    if (!m_hWndReport)
        return;   // nobody wants reports: dropped before anything is allocated
    HidReport* record = new (std::nothrow) HidReport(report);
    if (!record)
        return;
    HWND target = nullptr;
    bool notify = false;
    try {
        std::lock_guard<std::mutex> lock(m_reportLock);
        // Read under the lock: once a target has left, nothing more is queued for it.
        target = m_hWndReport;
        if (target) {
            m_listReports.AddTail(record);
            try {
                m_reportTargets[record] = target;
                notify = m_reportNotices.emplace(target, record).second;
            } catch (...) {
                UnlinkLocked(m_listReports.GetTailPosition());
                throw;
            }
        }
    } catch (...) {
        target = nullptr;
    }
    if (!target)
        delete record;
    else if (notify)
        Notify(target, record);
}

// A message that cannot be posted (the target is gone) will never come for
// the record: unless it was taken meanwhile, it is freed now.
void CVantorApp::Notify(HWND target, const void* record)
{
    if (PostMessageA(target, WM_HIDREPORT, 0, reinterpret_cast<LPARAM>(record)))
        return;
    HidReport* unlinked = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_reportLock);
        const auto notice = m_reportNotices.find(target);
        if (notice != m_reportNotices.end() && notice->second == record)
            m_reportNotices.erase(notice);
        if (POSITION position = m_listReports.Find(const_cast<void*>(record)))
            unlinked = UnlinkLocked(position);
    }
    delete unlinked;
}

bool CVantorApp::QueueReport(HidReport* record)
{
    try {
        std::lock_guard<std::mutex> lock(m_reportLock);
        m_listReports.AddTail(record);
        return true;
    } catch (...) {
        return false;
    }
}

HidReport* CVantorApp::UnlinkLocked(POSITION position)
{
    auto* record = static_cast<HidReport*>(m_listReports.GetAt(position));
    m_listReports.RemoveAt(position);
    const auto target = m_reportTargets.find(record);
    if (target != m_reportTargets.end()) {
        const auto notice = m_reportNotices.find(target->second);
        if (notice != m_reportNotices.end() && notice->second == record)
            m_reportNotices.erase(notice);
        m_reportTargets.erase(target);
    }
    return record;
}

// The first record after that position queued for the target, which becomes
// its notice; null when none is left.
const void* CVantorApp::NextNoticeLocked(HWND target, POSITION after)
{
    for (POSITION position = after; position;) {
        const void* record = m_listReports.GetNext(position);
        const auto queued = m_reportTargets.find(record);
        if (queued != m_reportTargets.end() && queued->second == target) {
            m_reportNotices[target] = record;
            return record;
        }
    }
    return nullptr;
}

HidReport* CVantorApp::UnlinkReport(const void* address)
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    POSITION position = m_listReports.Find(const_cast<void*>(address));
    return position ? UnlinkLocked(position) : nullptr;
}

bool CVantorApp::TakeReport(LPARAM lParam, HidReport* out)
{
    HidReport* record = nullptr;
    HWND target = nullptr;
    const void* next = nullptr;
    try {
        std::lock_guard<std::mutex> lock(m_reportLock);
        POSITION position = m_listReports.Find(reinterpret_cast<void*>(lParam));
        if (!position)
            return false;
        const auto queued = m_reportTargets.find(reinterpret_cast<const void*>(lParam));
        const auto notice = queued == m_reportTargets.end() ? m_reportNotices.end()
                                                            : m_reportNotices.find(queued->second);
        const bool noticed = notice != m_reportNotices.end() && notice->second == queued->first;
        if (noticed)
            target = queued->second;
        POSITION after = position;
        m_listReports.GetNext(after);
        record = UnlinkLocked(position);
        if (noticed)
            next = NextNoticeLocked(target, after);
    } catch (...) {
        // The next notice could not be kept: the target's further records
        // wait for its next message or the purge.
    }
    if (!record)
        return false;
    if (out)
        *out = *record;
    delete record;
    if (next)
        Notify(target, next);
    return true;
}

std::vector<HidReport> CVantorApp::TakeReportsFor(HWND window)
{
    std::vector<HidReport> taken;
    std::lock_guard<std::mutex> lock(m_reportLock);
    m_reportNotices.erase(window);
    for (POSITION position = m_listReports.GetHeadPosition(); position;) {
        const POSITION at = position;
        const void* record = m_listReports.GetNext(position);
        const auto queued = m_reportTargets.find(record);
        if (queued == m_reportTargets.end() || queued->second != window)
            continue;
        try {
            taken.push_back(*static_cast<const HidReport*>(record));
        } catch (...) {
            break;   // out of memory: the rest waits for the next report's message
        }
        delete UnlinkLocked(at);
    }
    return taken;
}

INT_PTR CVantorApp::DiscardReportsFor(HWND window)
{
    INT_PTR freed = 0;
    std::lock_guard<std::mutex> lock(m_reportLock);
    m_reportNotices.erase(window);
    for (POSITION position = m_listReports.GetHeadPosition(); position;) {
        const POSITION at = position;
        const auto queued = m_reportTargets.find(m_listReports.GetNext(position));
        if (queued != m_reportTargets.end() && queued->second == window) {
            delete UnlinkLocked(at);
            ++freed;
        }
    }
    return freed;
}

void CVantorApp::PurgeReports()
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    while (!m_listReports.IsEmpty())
        delete static_cast<HidReport*>(m_listReports.RemoveHead());
    m_reportTargets.clear();
    m_reportNotices.clear();
}

INT_PTR CVantorApp::GetQueuedReportCount()
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    return m_listReports.GetCount();
}
