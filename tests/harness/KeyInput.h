#pragma once
// Keys pressed as on the keyboard: they join the input of the foreground
// window's thread, and go through the dialog handling as a user's keys do.
// Tests that press them take LOCKS desktop.
#include <windows.h>

#include <initializer_list>
#include <vector>

// One key as the keyboard sends it: with its scan code, which Wine's
// hot-key control reads the key from, and the extended flag of the arrows.
inline INPUT KeyEvent(WORD virtualKey, DWORD flags)
{
    INPUT event{};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = virtualKey;
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC_EX);
    event.ki.wScan = LOBYTE(scan);
    event.ki.dwFlags = flags | (HIBYTE(scan) == 0xE0 ? KEYEVENTF_EXTENDEDKEY : 0);
    return event;
}

// Keys down in the order given, then up in the reverse order; false when
// the system took fewer than all.
inline bool PressKeys(std::initializer_list<WORD> virtualKeys)
{
    std::vector<INPUT> input;
    for (WORD key : virtualKeys)
        input.push_back(KeyEvent(key, 0));
    for (auto key = virtualKeys.end(); key != virtualKeys.begin();)
        input.push_back(KeyEvent(*--key, KEYEVENTF_KEYUP));
    return SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)) == input.size();
}

// No input waits for this thread: every key pressed so far, and every key
// the program made again on their way, has been taken from the queue.
inline bool InputHandled()
{
    return HIWORD(GetQueueStatus(QS_INPUT)) == 0;
}
