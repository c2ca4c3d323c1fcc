// CWnd: centring top-level windows on their owner or on a screen.
#include "framework/CWnd.h"

#include "framework/CenteredRect.h"

namespace {

HMONITOR PrimaryScreen()
{
    return ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

// The screen nearest the window; a minimised window's is the one it is restored to.
HMONITOR ScreenOf(HWND hWnd)
{
    if (!hWnd || !::IsWindow(hWnd))
        return PrimaryScreen();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::IsIconic(hWnd) && ::GetWindowPlacement(hWnd, &placement))
        return ::MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST);
    return ::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST);
}

CRect WorkAreaOf(HMONITOR screen)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (screen && ::GetMonitorInfoA(screen, &info))
        return info.rcWork;
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

void MoveCentered(HWND hWnd, const CRect& around, const CRect& workArea)
{
    CRect window;
    ::GetWindowRect(hWnd, &window);
    const CRect target = CenteredRect(window.Size(), around, workArea);
    ::SetWindowPos(hWnd, nullptr, target.left, target.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CenterWindowOn(m_hWnd, pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER));
}

void CWnd::CenterWindowOn(HWND hWnd, HWND hWndAround)
{
    if (!hWnd || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        return;
    const CRect workArea = WorkAreaOf(ScreenOf(hWndAround));
    if (!hWndAround || !::IsWindow(hWndAround) || !::IsWindowVisible(hWndAround) || ::IsIconic(hWndAround)) {
        MoveCentered(hWnd, workArea, workArea);
        return;
    }
    CRect aroundRect;
    ::GetWindowRect(hWndAround, &aroundRect);
    MoveCentered(hWnd, aroundRect, workArea);
}

void CWnd::CenterOnScreenOf(HWND hWndOnScreen)
{
    if (!m_hWnd || (GetStyle() & WS_CHILD))
        return;
    const CRect workArea = WorkAreaOf(ScreenOf(hWndOnScreen));
    MoveCentered(m_hWnd, workArea, workArea);
}
