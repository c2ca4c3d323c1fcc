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

BOOL CVantorApp::FindDevices()
{
    return DeviceDiscovery::Find(m_bFoundOnce, m_listDevices, m_nDevices);
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
    const HWND target = m_hWndReport;
    if (!target)
        return;   // nobody wants reports: dropped before anything is allocated
    HidReport* record = new (std::nothrow) HidReport(report);
    if (!record)
        return;
    if (!QueueReport(record)) {
        delete record;
        return;
    }
    if (!PostMessageA(target, WM_HIDREPORT, 0, reinterpret_cast<LPARAM>(record))) {
        // No message will come for it; unless a purge took it meanwhile, free it now.
        delete UnlinkReport(record);
    }
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

HidReport* CVantorApp::UnlinkReport(const void* address)
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    POSITION position = m_listReports.Find(const_cast<void*>(address));
    if (!position)
        return nullptr;
    m_listReports.RemoveAt(position);
    return static_cast<HidReport*>(const_cast<void*>(address));
}

bool CVantorApp::TakeReport(LPARAM lParam, HidReport* out)
{
    HidReport* record = UnlinkReport(reinterpret_cast<const void*>(lParam));
    if (!record)
        return false;
    if (out)
        *out = *record;
    delete record;
    return true;
}

void CVantorApp::PurgeReports()
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    while (!m_listReports.IsEmpty())
        delete static_cast<HidReport*>(m_listReports.RemoveHead());
}

INT_PTR CVantorApp::GetQueuedReportCount()
{
    std::lock_guard<std::mutex> lock(m_reportLock);
    return m_listReports.GetCount();
}
