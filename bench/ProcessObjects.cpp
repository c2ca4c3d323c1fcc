#include "bench/ProcessObjects.h"
#include "tests/harness/GdiObjects.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace {

constexpr ULONG SystemHandleInformationClass = 16;
constexpr NTSTATUS InfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

struct SystemHandleEntry {
    ULONG pid;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

using QuerySystem = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);

void* Ntdll(const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name));
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data)
{
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data)
{
    auto* windows = reinterpret_cast<WindowCount*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == windows->pid) {
        ++windows->count;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

} // namespace

ObjectCounts ProcessObjects::Count() const
{
    ObjectCounts counts;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(m_process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        counts.privateMb = (memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1048576.0;
    counts.handles = Handles();
    counts.windows = Windows();
    counts.gdiObjects = GdiObjects();
    return counts;
}

long ProcessObjects::Handles() const
{
    auto query = reinterpret_cast<QuerySystem>(Ntdll("NtQuerySystemInformation"));
    if (!query)
        return -1;
    std::vector<BYTE> buffer(1 << 20);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = query(SystemHandleInformationClass, buffer.data(), static_cast<ULONG>(buffer.size()),
                           &needed)) == InfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return -1;
    const ULONG total = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
    long count = 0;
    for (ULONG i = 0; i < total; ++i) {
        if (entries[i].pid == m_pid)
            ++count;
    }
    return count;
}

// Top-level windows with their children, and the message-only windows.
long ProcessObjects::Windows() const
{
    WindowCount windows{m_pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr));)
        CountTopLevel(window, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

long ProcessObjects::GdiObjects() const
{
    return GdiObjects::Count(m_process);
}
