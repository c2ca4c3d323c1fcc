#include "HotKeyProbe.h"

#include "tests/harness/KeyInput.h"

namespace {
constexpr int ProbeId = 0xB000;
}

HotKeyProbe::HotKeyProbe()
    : m_window(CreateWindowExA(0, "STATIC", "hot-key probe", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                               nullptr))
{
}

HotKeyProbe::~HotKeyProbe()
{
    if (m_window)
        DestroyWindow(m_window);
}

bool HotKeyProbe::IsTaken(UINT modifiers, UINT virtualKey) const
{
    if (!RegisterHotKey(m_window, ProbeId, modifiers, virtualKey))
        return true;
    UnregisterHotKey(m_window, ProbeId);
    return false;
}

bool HotKeyProbe::Press(std::initializer_list<WORD> virtualKeys)
{
    return PressKeys(virtualKeys);
}
