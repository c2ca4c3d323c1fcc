#include "HotKeyProbe.h"

#include <vector>

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
    std::vector<INPUT> input;
    for (WORD key : virtualKeys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        input.push_back(down);
    }
    for (auto key = virtualKeys.end(); key != virtualKeys.begin();) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(up);
    }
    return SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)) == input.size();
}
