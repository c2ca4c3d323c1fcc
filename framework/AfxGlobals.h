#pragma once
// The framework's global services: the application object and its main
// window, the resource module, message boxes, the application main and the
// message pump shared by the main loop and the modal loops.
#include "framework/WinTypes.h"

class CWinApp;
class CWnd;

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);
// True for a window of the system's dialog class.
bool AfxIsDialogWindow(HWND hWnd);

// A message box owned by the active window of the program (or its visible
// main window), captioned with the application's name. Returns the button.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// The framework's application main: InitInstance; on FALSE straight to
// ExitInstance, otherwise the message loop (Run), which ends with ExitInstance.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// Offers the message to PreTranslateMessage of its window and of each parent
// up to the top-level window, child first; a top-level dialog without a
// framework object then gets its dialog navigation. TRUE = consumed.
BOOL AfxPreTranslateMessage(MSG* pMsg);
// Translates and dispatches one message unless AfxPreTranslateMessage consumed it.
void AfxProcessMessage(MSG& msg);
// Registers the common control classes the dialog templates use (once).
void AfxInitCommonControls();
// Deletes every temporary wrapper (windows, device contexts, menus, drawing objects).
void AfxDeleteTempMaps();
// True while any temporary wrapper exists.
bool AfxHasTempMaps();
// Reports the exception being handled: a memory or file exception with a
// message box, anything else silently. Call only inside a catch block.
void AfxReportCurrentException();
