#pragma once
// Sees one kind of message on its way into a window, before the window's
// own procedure: how many came, and a look at each as it comes (the window
// still shows what it showed before the message). One spy per window.
#include <windows.h>

#include <functional>

class MessageSpy {
public:
    using Look = std::function<void(WPARAM wParam, LPARAM lParam)>;

    MessageSpy(HWND window, UINT message, Look look = {});
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    int Count() const { return m_count; }

    // The performance counter in milliseconds, for timing what a spy sees.
    static double NowMs();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window;
    UINT m_message;
    Look m_look;
    WNDPROC m_previous;
    int m_count = 0;
};
