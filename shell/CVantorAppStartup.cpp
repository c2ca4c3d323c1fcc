// Start-up and exit of the application object, and the screen and
// background helpers the windows share.
#include "shell/CVantorApp.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "res/resource.h"
#include "shell/CVantorDlg.h"

BOOL CVantorApp::InitInstance()
{
    CString mutexName;
    mutexName.LoadString(IDS_MUTEX_NAME);
    m_hMutex = CreateMutexA(nullptr, TRUE, mutexName);
    if (!m_hMutex)
        return FALSE;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another copy runs: it is left alone, and this handle is closed once.
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        return FALSE;
    }
    if (!IsSupportedOS())
        return FALSE;

    // Made the main window first: should the window be destroyed while it is
    // being created, the framework forgets it and the object deletes itself.
    CVantorDlg* mainWindow = new CVantorDlg;
    m_pMainWnd = mainWindow;
    if (!mainWindow->Create(IDD_TALVEX_DIALOG, nullptr)) {
        // Without its window the program has no tray icon and no way to end.
        if (m_pMainWnd == mainWindow) {
            m_pMainWnd = nullptr;
            delete mainWindow;
        }
        return FALSE;
    }
    if (!m_bTrayIconOk) {
        mainWindow->DestroyWindow();
        return FALSE;
    }
    m_bSettingShown = FALSE;
    return TRUE;
}

int CVantorApp::ExitInstance()
{
    if (m_hMutex) {
        ReleaseMutex(m_hMutex);
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    ReleaseDevices();
    return CWinApp::ExitInstance();
}

BOOL CVantorApp::IsSupportedOS()
{
    OSVERSIONINFOEXA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
        return FALSE;
    return version.wProductType == VER_NT_WORKSTATION && version.dwMajorVersion >= 6;
}

void CVantorApp::GetMonitorDeviceName(char* out, HWND window)
{
    out[0] = '\0';
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONULL);
    if (!monitor)
        return;
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        lstrcpynA(out, info.szDevice, CCHDEVICENAME);
}

// A window on no screen has no name; neither has a monitor confirmed on no
// screen, and the two are not the same place.
BOOL CVantorApp::IsSameDeviceName(CString name, CMonitorStatus* monitor)
{
    return !name.IsEmpty() && monitor->m_strDisplayDevice == name;
}

// Devices that are not attached to the desktop count as well: one adapter
// with two outputs is several display devices.
bool CVantorApp::IsMultiDisplay()
{
    int count = 0;
    DISPLAY_DEVICEA device{};
    device.cb = sizeof device;
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &device, 0); ++i) {
        if (!(device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER))
            ++count;
        device = DISPLAY_DEVICEA{};
        device.cb = sizeof device;
    }
    return count > 1;
}

CSize CVantorApp::LoadDpiBitmapBrush(HWND window, CBrush* brush, UINT idNormal, UINT idLarge)
{
    HDC dc = ::GetDC(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const CSize size = MakeDpiBitmapBrush(dc, client, GetDeviceCaps(dc, LOGPIXELSX), brush, idNormal, idLarge);
    ::ReleaseDC(window, dc);
    return size;
}

// At 96 and 120 dpi the bitmap drawn for that resolution is used as it is;
// at any other resolution it is stretched over the client area.
CSize CVantorApp::MakeDpiBitmapBrush(HDC dc, const RECT& client, int dpi, CBrush* brush, UINT idNormal,
                                     UINT idLarge)
{
    // As a DIB section the picture keeps its own 8 bits a pixel, and so does
    // the brush's copy of it; as a bitmap of the screen's format it would
    // take four times that, and twice while the brush is made.
    CBitmap bitmap;
    bitmap.Attach(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(dpi >= 120 ? idLarge : idNormal),
                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    bitmap.GetBitmap(&info);
    brush->DeleteObject();
    if (dpi == 96 || dpi == 120) {
        brush->CreatePatternBrush(&bitmap);
        return CSize(info.bmWidth, info.bmHeight);
    }

    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    CDC* windowDC = CDC::FromHandle(dc);
    CDC source;
    CDC target;
    source.CreateCompatibleDC(windowDC);
    target.CreateCompatibleDC(windowDC);
    CBitmap stretched;
    stretched.CreateCompatibleBitmap(windowDC, width, height);
    CBitmap* oldSource = source.SelectObject(&bitmap);
    CBitmap* oldTarget = target.SelectObject(&stretched);
    target.StretchBlt(0, 0, width, height, &source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    source.SelectObject(oldSource);
    target.SelectObject(oldTarget);
    brush->CreatePatternBrush(&stretched);
    return CSize(width, height);
}
