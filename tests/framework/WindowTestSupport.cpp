#include "WindowTestSupport.h"

// The application object of the test program.
CWinApp g_testApp("FrameworkTest");

int PumpPending()
{
    int quitCode = -1;
    MSG msg{};
    for (int guard = 0; guard < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT) {
            quitCode = static_cast<int>(msg.wParam);
            continue;
        }
        AfxProcessMessage(msg);
    }
    return quitCode;
}

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    m_seams->messageBox = [this, answer](HWND, LPCSTR text, LPCSTR caption, UINT type) {
        texts.emplace_back(text ? text : "");
        captions.emplace_back(caption ? caption : "");
        types.push_back(type);
        return answer;
    };
}

BOOL CreatePlainWindow(CWnd& wnd, LPCSTR text)
{
    return wnd.CreateEx(0, nullptr, text, WS_OVERLAPPEDWINDOW, CRect(10, 10, 210, 110), nullptr, 0);
}
