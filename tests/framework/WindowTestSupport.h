#pragma once
// Shared helpers of the framework's window tests.
#include "framework/Afx.h"

#include <string>
#include <vector>

// The application object of the test program.
extern CWinApp g_testApp;

// Dispatches every message queued for this thread through the framework's
// pump. A WM_QUIT met on the way is taken out; its code is returned (-1: none).
int PumpPending();

// Collects the message boxes the framework shows while it lives.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    std::vector<std::string> texts;
    std::vector<std::string> captions;
    std::vector<UINT> types;

private:
    Seams::Override m_seams;
};

// A top-level window of the framework's plain class, not shown.
BOOL CreatePlainWindow(CWnd& wnd, LPCSTR text = "plain");
