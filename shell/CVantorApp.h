#pragma once
// The program's one application object, theApp. Besides start-up and exit it
// holds the state every window shares: the monitor list, the current
// monitor, the device handles, the report queue and its target, and the
// handles of the open sub-dialogs.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "device/CMonitorColor.h"
#include "device/CMonitorStatusAll.h"
#include "device/HidReport.h"
#include "framework/CBrush.h"
#include "framework/CList.h"
#include "framework/CSize.h"
#include "framework/CPtrList.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "framework/MessageMap.h"

class CVantorApp : public CWinApp {
public:
    CVantorApp();
    ~CVantorApp() override;

    // One instance on a fitting Windows; the hidden main window.
    BOOL InitInstance() override;
    // Releases the single-instance mutex and the library's devices.
    int ExitInstance() override;
    // Workstation editions of major version 6 and later.
    BOOL IsSupportedOS();

    // The display device name ("\\.\DISPLAYn") of the screen holding the
    // largest part of the window; empty when it lies on no screen. out has
    // room for at least 32 characters.
    void GetMonitorDeviceName(char* out, HWND window);
    // Whether the monitor is bound to that display device (case-sensitive).
    BOOL IsSameDeviceName(CString name, CMonitorStatus* monitor);
    // More than one display device that is not a mirroring driver.
    bool IsMultiDisplay();
    // The background brush of a page or dialog: the normal or the large
    // bitmap by the screen's DPI, stretched to the client size unless the
    // DPI is exactly 96 or 120. Answers the size of the brush's pattern.
    CSize LoadDpiBitmapBrush(HWND window, CBrush* brush, UINT idNormal, UINT idLarge);
    static CSize MakeDpiBitmapBrush(HDC dc, const RECT& client, int dpi, CBrush* brush, UINT idNormal,
                                    UINT idLarge);

    // Discovery: appends the handles of the monitors the library finds
    // (first discovery, then updates) to m_listDevices; TRUE when the list
    // holds any handle afterwards. pAnswer, when given, receives the count
    // the library answered (negative: its call failed).
    BOOL FindDevices(int* pAnswer = nullptr);
    // Empties m_listDevices and lets the library release every monitor.
    BOOL ReleaseDevices();

    static void CopyReplyPayload(const BYTE* entry, void* destination, size_t size);

    // The report queue, shared by the library's thread (the report callback)
    // and the user-interface thread; every operation takes the queue's lock.
    // Each record is queued for the report target of its time. A target has
    // at most one WM_HIDREPORT on its way: it is posted with the first record
    // queued for it, and again with the next one once the target takes that
    // record. A storm of reports so never fills the target's message queue,
    // which would keep the user's input (handed out only once no posted
    // message is left) waiting behind it.
    // Queues a copy of the report for the report target and tells the target
    // when nothing is on its way to it; a report that cannot be queued, or
    // whose message cannot be posted, is dropped. Never throws.
    void PostReport(const HidReport& report);
    // Appends a record queued for no window; false when it could not be appended.
    bool QueueReport(HidReport* record);
    // Unlinks the record at that address and hands it over to the caller;
    // null when the queue does not hold it (already consumed or purged).
    HidReport* UnlinkReport(const void* address);
    // What a report target does with WM_HIDREPORT's lParam: unlinks the
    // record, copies it to out and frees it, and tells the target of its
    // next record. False (out untouched) when the queue does not hold it:
    // such a record must not be read.
    bool TakeReport(LPARAM lParam, HidReport* out);
    // Every record queued for the window, in queue order, unlinked and
    // freed: what a target that takes its reports all at once takes.
    std::vector<HidReport> TakeReportsFor(HWND window);
    // Frees every record queued for the window: for a target that goes away,
    // whose messages would go with it and leave its records in the queue.
    INT_PTR DiscardReportsFor(HWND window);
    // Frees every queued record, head first.
    void PurgeReports();
    INT_PTR GetQueuedReportCount();

    // Shared fields.
    CMonitorStatusAll m_StatusAll;
    CMonitorColor* m_pCurColor;
    BOOL m_bSettingShown;
    BOOL m_bMonitorListOpen;
    HWND m_hWndColorSub;
    HWND m_hWndMonitorList;
    HWND m_hWndMessage;
    // Read by the report callback on the library's thread.
    std::atomic<HWND> m_hWndReport;
    BOOL m_bTrayIconOk;
    int m_nDisplayMonitors;
    int m_nDevices;
    CPtrList m_listReports;
    CList<void*, void*> m_listDevices;
    BOOL m_bFoundOnce;
    HANDLE m_hMutex;
    HWND m_hWndTunora;
    CString m_strCommonAppData;
    BOOL m_bApplySameModels;
    HDEVNOTIFY m_hDevNotify;

private:
    // The ...Locked operations run under the queue's lock.
    HidReport* UnlinkLocked(POSITION position);
    const void* NextNoticeLocked(HWND target, POSITION after);
    void Notify(HWND target, const void* record);

    std::mutex m_reportLock;
    // Each queued record's target, and per target the record whose
    // WM_HIDREPORT is on its way to it.
    std::unordered_map<const void*, HWND> m_reportTargets;
    std::unordered_map<HWND, const void*> m_reportNotices;

    // The application object handles no commands of its own.
    DECLARE_MESSAGE_MAP()
};

extern CVantorApp theApp;
