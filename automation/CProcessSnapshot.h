#pragma once
// One look at the running processes, for finding the process behind a
// window: its upper-case executable base name, and the file description in
// its executable's version resource. Lives on the caller's stack for one
// lookup and owns its snapshot handle.
#include "framework/CString.h"

#include <windows.h>
#include <tlhelp32.h>

class CProcessSnapshot
{
public:
    CProcessSnapshot();
    ~CProcessSnapshot();
    CProcessSnapshot(const CProcessSnapshot&) = delete;
    CProcessSnapshot& operator=(const CProcessSnapshot&) = delete;

    void Close();
    // A fresh snapshot and its first entry; null when none can be taken.
    PROCESSENTRY32* First();
    // The next entry; null at the end.
    PROCESSENTRY32* Next();
    // From a fresh snapshot, the entry of that process; null when it is not
    // there (it ended) or no snapshot can be taken.
    PROCESSENTRY32* Find(DWORD processId);

    LPCSTR GetExeFile() const;
    void GetExeBaseName(CString& out) const;
    // The executable's "FileDescription"; out keeps what it held when there
    // is none or the process cannot be looked into.
    static void GetFileDescription(DWORD processId, CString& out);

private:
    static CString DrivePathOfProcess(HANDLE process);
    static void ReadFileDescription(LPCSTR path, CString& out);

    HANDLE m_hSnapshot;
    PROCESSENTRY32 m_entry;
};
