#include "ScreenScript.h"

#include <cstdio>

namespace {

const UINT TickMs = 100;
const int StepTickLimit = 150;   // 15 s: a window that never came or never became active

ScreenScript* g_script = nullptr;

}  // namespace

void ScreenScript::Add(std::string what, Step step, State state)
{
    m_steps.push_back({std::move(what), std::move(step), std::move(state)});
}

void ScreenScript::Start(std::function<void()> finish)
{
    m_finish = std::move(finish);
    g_script = this;
    m_timer = ::SetTimer(nullptr, 0, TickMs, &ScreenScript::OnTimer);
}

void CALLBACK ScreenScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_script)
        g_script->Tick();
}

void ScreenScript::Tick()
{
    // A step may pump messages (a capture repaints): no second tick inside it.
    if (m_running || m_next >= m_steps.size())
        return;
    m_running = true;
    const Entry& entry = m_steps[m_next];
    const bool done = entry.step();
    if (!done && ++m_ticks >= StepTickLimit) {
        const std::string why = entry.state ? " (" + entry.state() + ")" : "";
        std::fprintf(stderr, "screenshots: gave up on: %s%s\n", entry.what.c_str(), why.c_str());
        ++m_failures;
        m_next = m_steps.size();
    } else if (done) {
        m_ticks = 0;
        ++m_next;
    }
    m_running = false;
    if (m_next >= m_steps.size()) {
        ::KillTimer(nullptr, m_timer);
        g_script = nullptr;
        if (m_finish)
            m_finish();
    }
}
