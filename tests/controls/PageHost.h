#pragma once
// A shown frame holding one page of the program, made once for a whole test
// suite: without a window manager Wine takes its time over every top-level
// window it hides or destroys.
#include "framework/Afx.h"

template <class PageClass>
class PageHost
{
public:
    explicit PageHost(UINT nIDTemplate)
    {
        m_frame.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 520), nullptr, 0);
        m_page.Create(nIDTemplate, &m_frame);
        m_page.ShowWindow(SW_SHOW);
    }
    ~PageHost()
    {
        m_page.DestroyWindow();
        m_frame.DestroyWindow();
    }
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    CWnd& Frame() { return m_frame; }
    PageClass& Page() { return m_page; }

private:
    CWnd m_frame;
    PageClass m_page;
};
