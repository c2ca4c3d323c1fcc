#include "ProfileFolder.h"

#include <windows.h>

namespace {

std::string NewRoot()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "shell-test-profiles-" + std::to_string(GetCurrentProcessId());
}

} // namespace

ProfileFolder::ProfileFolder() : m_root(NewRoot())
{
    CreateDirectoryA(m_root.c_str(), nullptr);
    CreateDirectoryA((m_root + "\\Orvel").c_str(), nullptr);
    CreateDirectoryA((m_root + "\\Orvel\\Talvex").c_str(), nullptr);
}

ProfileFolder::~ProfileFolder()
{
    for (const std::string& file : m_files)
        DeleteFileA(file.c_str());
    RemoveDirectoryA((m_root + "\\Orvel\\Talvex").c_str());
    RemoveDirectoryA((m_root + "\\Orvel").c_str());
    RemoveDirectoryA(m_root.c_str());
}

std::string ProfileFolder::PathOf(const std::string& name) const
{
    return m_root + "\\Orvel\\Talvex\\" + name;
}

bool ProfileFolder::Add(const std::string& name)
{
    const std::string path = PathOf(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, "icc", 3, &written, nullptr);
    CloseHandle(file);
    m_files.push_back(path);
    return true;
}
