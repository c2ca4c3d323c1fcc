#include "tests/e2e/RemoteMemory.h"

RemoteMemory::RemoteMemory(DWORD pid, size_t size) : m_size(size)
{
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (m_process)
        m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory()
{
    if (m_address)
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process)
        CloseHandle(m_process);
}

bool RemoteMemory::Read(void* out, size_t size) const
{
    SIZE_T done = 0;
    return m_address && size <= m_size && ReadProcessMemory(m_process, m_address, out, size, &done) && done == size;
}
