#include "framework/CWinApp.h"

#include "framework/AfxGlobals.h"
#include "framework/AfxRes.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

namespace {

CWinApp*& TheApp()
{
    static CWinApp* app = nullptr;
    return app;
}

CString ModuleBaseName()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path - 1);
    CString name(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

// The program's name for message box captions: its title in the string
// table, else the executable's base name. The resources are there already
// while the static application object is built.
CString DefaultAppName()
{
    char title[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), AFX_IDS_APP_TITLE, title, sizeof title) > 0)
        return CString(title);
    return ModuleBaseName();
}

}  // namespace

CWinApp* AfxGetApp()
{
    return TheApp();
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(::GetModuleHandleA(nullptr)), m_strAppName(lpszAppName ? CString(lpszAppName) : DefaultAppName()),
      m_pPreviousApp(nullptr)
{
    m_pszAppName = m_strAppName.GetString();
    m_pPreviousApp = TheApp();
    TheApp() = this;
}

CWinApp::~CWinApp()
{
    if (TheApp() == this)
        TheApp() = m_pPreviousApp;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

// GetMessage alone waits for the next message: an idle program costs one
// call per timer tick. Only a message that left temporary wrappers behind
// makes the loop look whether the queue is empty, to drop them then.
int CWinApp::Run()
{
    for (;;) {
        MSG msg{};
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1)
            break;
        AfxProcessMessage(msg);
        if (AfxHasTempMaps() && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle(0);
    }
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    (void)lCount;
    AfxDeleteTempMaps();
    return FALSE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

void CWinApp::BeginWaitCursor()
{
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    if (m_nWaitCursorCount++ == 0)
        m_hcurWaitRestore = previous;
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0)
        ::SetCursor(m_hcurWaitRestore);
}
