#pragma once
// The GDI objects a process holds: the used entries of the GDI handle table
// that Wine, like Windows, maps into every process and names in its PEB.
// (Wine answers GetGuiResources with 0.) Works on this process and, with
// read access, on another one.
#include <windows.h>
#include <winternl.h>

#include <vector>

class GdiObjects {
public:
    // -1 when the table cannot be read.
    static long Count(HANDLE process)
    {
        using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
        const auto query = reinterpret_cast<Query>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
        PROCESS_BASIC_INFORMATION basic{};
        ULONG length = 0;
        if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
            return -1;
        ULONGLONG table = 0;
        SIZE_T read = 0;
        if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + PebTableOffset,
                               &table, sizeof table, &read) ||
            !table)
            return -1;
        std::vector<Entry> entries(TableEntries);
        if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(table), entries.data(),
                               entries.size() * sizeof(Entry), &read))
            return -1;
        long used = 0;
        for (const Entry& entry : entries) {
            if (entry.type != 0)
                ++used;
        }
        return used;
    }

private:
    // The x64 PEB's GdiSharedHandleTable, and the table's entries.
    static constexpr size_t PebTableOffset = 0xF8;
    static constexpr size_t TableEntries = 0x10000;
    struct Entry {
        ULONGLONG object;
        ULONG owner;
        USHORT unique;
        BYTE type;   // 0: a free entry
        BYTE flags;
        ULONGLONG user;
    };
    static_assert(sizeof(Entry) == 24, "the GDI handle table's entry is 24 bytes");
};
