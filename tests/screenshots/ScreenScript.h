#pragma once
// Steps run one at a time from a thread timer on the program's own thread,
// so that they also run inside whatever loop is running then: a modal
// dialog's, a menu's, a file dialog's. A step that opens such a loop must
// post its message, not send it, so that the step returns first.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ScreenScript
{
public:
    // A step answers true when it is done; it is asked again at the next
    // tick until then, at most for its time limit.
    using Step = std::function<bool()>;
    // Says why a step that ran out of time was not done.
    using State = std::function<std::string()>;

    void Add(std::string what, Step step, State state = {});
    // Starts the timer; when the steps have run (or one ran out of time) the
    // program is asked to end with `finish`.
    void Start(std::function<void()> finish);
    int Failures() const { return m_failures; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    struct Entry {
        std::string what;
        Step step;
        State state;
    };
    std::vector<Entry> m_steps;
    size_t m_next = 0;
    int m_ticks = 0;
    int m_failures = 0;
    bool m_running = false;
    UINT_PTR m_timer = 0;
    std::function<void()> m_finish;
};
