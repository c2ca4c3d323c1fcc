#include "automation/CProcessSnapshot.h"

#include "automation/ApplicationName.h"

#include <psapi.h>

#include <memory>
#include <new>

namespace {

constexpr DWORD PathChars = MAX_PATH + 1;

// The first device name of a drive ("C:" -> "\Device\HarddiskVolume1").
CString DeviceOfDrive(char letter)
{
    const char drive[3] = {letter, ':', '\0'};
    char device[PathChars] = {};
    if (!::QueryDosDeviceA(drive, device, PathChars))
        return CString();
    device[PathChars - 1] = '\0';
    return CString(device);
}

} // namespace

CProcessSnapshot::CProcessSnapshot() : m_hSnapshot(nullptr), m_entry{}
{
}

CProcessSnapshot::~CProcessSnapshot()
{
    Close();
}

void CProcessSnapshot::Close()
{
    if (m_hSnapshot) {
        ::CloseHandle(m_hSnapshot);
        m_hSnapshot = nullptr;
    }
}

PROCESSENTRY32* CProcessSnapshot::First()
{
    Close();
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return nullptr;
    m_hSnapshot = snapshot;
    m_entry = PROCESSENTRY32{};
    m_entry.dwSize = sizeof m_entry;
    return ::Process32First(m_hSnapshot, &m_entry) ? &m_entry : nullptr;
}

PROCESSENTRY32* CProcessSnapshot::Next()
{
    if (!m_hSnapshot)
        return nullptr;
    return ::Process32Next(m_hSnapshot, &m_entry) ? &m_entry : nullptr;
}

PROCESSENTRY32* CProcessSnapshot::Find(DWORD processId)
{
    PROCESSENTRY32* entry = First();
    while (entry && entry->th32ProcessID != processId)
        entry = Next();
    return entry;
}

LPCSTR CProcessSnapshot::GetExeFile() const
{
    return m_entry.szExeFile;
}

void CProcessSnapshot::GetExeBaseName(CString& out) const
{
    // The system fills the name; its end is not trusted.
    char file[sizeof m_entry.szExeFile + 1] = {};
    memcpy(file, m_entry.szExeFile, sizeof m_entry.szExeFile);
    out = ExeBaseName(file);
}

void CProcessSnapshot::GetFileDescription(DWORD processId, CString& out)
{
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return;
    const CString path = DrivePathOfProcess(process);
    if (!path.IsEmpty())
        ReadFileDescription(path, out);
    ::CloseHandle(process);
}

// The image name comes in the kernel's device form; the version functions
// want a drive letter.
CString CProcessSnapshot::DrivePathOfProcess(HANDLE process)
{
    char image[PathChars] = {};
    if (!::GetProcessImageFileNameA(process, image, PathChars - 1))
        return CString();
    const DWORD drives = ::GetLogicalDrives();
    if (drives == 0)
        return CString();
    return DrivePathOfImage(image, drives, DeviceOfDrive);
}

void CProcessSnapshot::ReadFileDescription(LPCSTR path, CString& out)
{
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &unused);
    if (size == 0)
        return;
    std::unique_ptr<BYTE[]> block(new (std::nothrow) BYTE[size]);
    if (!block || !::GetFileVersionInfoA(path, 0, size, block.get()))
        return;
    void* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.get(), "\\VarFileInfo\\Translation", &translation, &length) || !translation ||
        length < 2 * sizeof(WORD))
        return;
    const WORD* words = static_cast<const WORD*>(translation);
    CString subBlock;
    subBlock.Format("\\StringFileInfo\\%08lx\\%s", static_cast<unsigned long>(words[0]) * 65536UL + words[1],
                    "FileDescription");
    void* text = nullptr;
    if (::VerQueryValueA(block.get(), subBlock, &text, &length) && text && length > 0)
        out = CString(static_cast<const char*>(text), static_cast<int>(length));   // stops at a zero
}
