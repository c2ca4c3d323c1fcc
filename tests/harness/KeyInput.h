#pragma once
// Keys pressed as on the keyboard: they join the input of the foreground
// window's thread, and go through the dialog handling as a user's keys do.
// Tests that press them take LOCKS desktop.
#include <windows.h>

#include <initializer_list>
#include <vector>

// Keys down in the order given, then up in the reverse order; false when
// the system took fewer than all.
inline bool PressKeys(std::initializer_list<WORD> virtualKeys)
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

// No input waits for this thread: every key pressed so far, and every key
// the program made again on their way, has been taken from the queue.
inline bool InputHandled()
{
    return HIWORD(GetQueueStatus(QS_INPUT)) == 0;
}
