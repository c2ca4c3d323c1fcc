#pragma once
// A buffer inside another process, for the control messages whose answer is
// written through a pointer (a tab's item rectangle): the pointer must be
// valid in the control's own process.
#include <windows.h>

#include <cstddef>

class RemoteMemory {
public:
    RemoteMemory(DWORD pid, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Valid() const { return m_address != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Read(void* out, size_t size) const;

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size = 0;
};
