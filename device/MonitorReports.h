#pragma once
// Monitor reports: every listed monitor is subscribed to the library's
// reports, and each report becomes a HidReport record queued in theApp and
// posted to the current report target (theApp.m_hWndReport).
#include "device/DravoLibrary.h"

void StartMonitorReports();
// Once it returns no report callback posts anything more, also when the
// library is still finishing a callback that was running.
void StopMonitorReports();

// The report callback; may run on a thread of the library.
int DRAVO_CALL OnMonitorReport(DWORD hDevice, WORD usagePage, WORD usage, WORD bitSize, WORD count,
                               BYTE* data, DWORD context);
// The library's second callback; nothing to do.
void DRAVO_CALL OnMonitorReportAux(DWORD, DWORD);
