#pragma once
// The device handles the report callback serves, in monitor-array order (a
// handle listed twice is served twice). The user-interface thread replaces
// them when reports start and empties them once they are stopped; the
// callback reads them under the same lock, on the library's thread, and
// never reads the monitor array itself, which a rebuild deletes and
// refills. Once Clear has returned, no callback is inside ForEachMatch and
// none will find a handle, whether or not the library waits for a running
// callback.
#include "framework/WinTypes.h"

#include <mutex>
#include <vector>

class SubscribedHandles {
public:
    void Replace(std::vector<DWORD> handles);
    void Clear();

    // Calls action once for every entry equal to handle, under the lock.
    template <class Action>
    void ForEachMatch(DWORD handle, Action action)
    {
        std::lock_guard<std::mutex> lock(m_lock);
        for (DWORD listed : m_handles) {
            if (listed == handle)
                action();
        }
    }

private:
    std::mutex m_lock;
    std::vector<DWORD> m_handles;
};
