#pragma once
// Waits, pumping messages, until a condition holds or the time is up.
#include <windows.h>

#include <chrono>
#include <functional>

inline bool WaitFor(const std::function<bool()>& done, int milliseconds, const std::function<void()>& pump)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        pump();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
