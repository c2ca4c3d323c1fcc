#include "framework/AfxGlobals.h"

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CFileException.h"
#include "framework/CFont.h"
#include "framework/CHandleMap.h"
#include "framework/CMemoryException.h"
#include "framework/CMenu.h"
#include "framework/CPen.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Seams.h"

#include <commctrl.h>

#include <new>

namespace {

HINSTANCE& ResourceHandle()
{
    static HINSTANCE handle = nullptr;
    return handle;
}

HWND MessageBoxOwner()
{
    HWND active = ::GetActiveWindow();
    if (active)
        return active;
    CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd && ::IsWindowVisible(main->m_hWnd) ? main->m_hWnd : nullptr;
}

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

void ReportError(const CString& text)
{
    if (!text.IsEmpty())
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace

bool AfxIsDialogWindow(HWND hWnd)
{
    char className[16] = {};
    return ::GetClassNameA(hWnd, className, sizeof className) > 0 && lstrcmpA(className, "#32770") == 0;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return ResourceHandle() ? ResourceHandle() : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstance)
{
    ResourceHandle() = hInstance;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    (void)nIDHelp;
    CWinApp* app = AfxGetApp();
    LPCSTR caption = app && app->m_pszAppName ? app->m_pszAppName : "";
    return Seams::MessageBoxA(MessageBoxOwner(), lpszText ? lpszText : "", caption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    AfxInitCommonControls();
    try {
        if (!app->InitInstance())
            return app->ExitInstance();
        return app->Run();
    } catch (...) {
        AfxReportCurrentException();
        return -1;
    }
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    HWND top = nullptr;
    CWnd* topObject = nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) {
            top = hWnd;
            topObject = pWnd;
            break;
        }
    }
    // Dialogs with a framework object navigate in CDialog::PreTranslateMessage,
    // which an override may deliberately skip for some keys. (The run-time
    // class answers that at every message for a fraction of a dynamic_cast,
    // which compares type names here.)
    const bool ownDialog = topObject && topObject->IsKindOf(RUNTIME_CLASS(CDialog));
    if (top && !ownDialog && AfxIsDialogWindow(top))
        return ::IsDialogMessageA(top, pMsg);
    return FALSE;
}

void AfxProcessMessage(MSG& msg)
{
    BOOL consumed = FALSE;
    try {
        consumed = AfxPreTranslateMessage(&msg);
    } catch (...) {
        AfxReportCurrentException();
        consumed = TRUE;
    }
    if (!consumed) {
        // Only key messages have characters to make; the call costs a
        // transition into Wine's window system for any message.
        if (IsKeyMessage(msg.message))
            ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void AfxInitCommonControls()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    done = ::InitCommonControlsEx(&controls) != FALSE;
}

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CMenu::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CBrush::DeleteTempMap();
    CFont::DeleteTempMap();
    CBitmap::DeleteTempMap();
    CPen::DeleteTempMap();
}

bool AfxHasTempMaps()
{
    return CHandleMapTemporaries::count != 0;
}

void AfxReportCurrentException()
{
    try {
        try {
            throw;
        } catch (const CMemoryException& e) {
            ReportError(e.GetErrorText());
        } catch (const CFileException& e) {
            ReportError(e.GetErrorText());
        } catch (const std::bad_alloc&) {
            ReportError(CMemoryException::Description());
        } catch (...) {
            // Contained: the window and the loop go on.
        }
    } catch (...) {
        // Reporting itself failed (no memory for the text): nothing more to do.
    }
}
