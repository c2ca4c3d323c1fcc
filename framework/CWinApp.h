#pragma once
// The application object. The program has exactly one, a static object that
// registers itself when it is constructed; AfxWinMain then runs it. (An
// object made later, as tests do, stands in for it until it is destroyed.)
#include "framework/CCmdTarget.h"
#include "framework/CString.h"
#include "framework/MessageMap.h"

class CWnd;

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance;
    LPCSTR m_pszAppName;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    virtual BOOL InitInstance();
    // The program's exit code: by default the code the message loop ended with.
    virtual int ExitInstance();
    // The message loop; when it ends (the main window was destroyed, or
    // WM_QUIT arrived) it returns ExitInstance's result.
    virtual int Run();
    // Called when the message queue has become empty after a message that
    // left temporary wrappers; the default drops them.
    virtual BOOL OnIdle(LONG lCount);

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;

    // The wait cursor, counted so that nested users restore it only once.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    int m_nExitCode = 0;

private:
    CString m_strAppName;
    CWinApp* m_pPreviousApp;
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitRestore = nullptr;

    DECLARE_MESSAGE_MAP()
};
