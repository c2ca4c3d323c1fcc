#include "MessageSpy.h"

namespace {

const char SpyProperty[] = "TalvexTestMessageSpy";

} // namespace

MessageSpy::MessageSpy(HWND window, UINT message, Look look)
    : m_window(window), m_message(message), m_look(std::move(look)), m_previous(nullptr)
{
    ::SetPropA(window, SpyProperty, this);
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageSpy::Procedure)));
}

MessageSpy::~MessageSpy()
{
    if (!::IsWindow(m_window))
        return;
    ::RemovePropA(m_window, SpyProperty);
    if (::GetWindowLongPtrA(m_window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MessageSpy::Procedure))
        ::SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
}

double MessageSpy::NowMs()
{
    LARGE_INTEGER now{}, frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LRESULT CALLBACK MessageSpy::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* spy = static_cast<MessageSpy*>(::GetPropA(window, SpyProperty));
    if (!spy)
        return ::DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC previous = spy->m_previous;
    if (message == spy->m_message) {
        ++spy->m_count;
        if (spy->m_look)
            spy->m_look(wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        ::RemovePropA(window, SpyProperty);
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}
