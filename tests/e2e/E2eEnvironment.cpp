#include "tests/e2e/E2eEnvironment.h"

#include <windows.h>

namespace {

TraySpy& TheSpy()
{
    static TraySpy spy;
    return spy;
}

std::string WorkFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "talvex-e2e\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

void E2eEnvironment::SetUp()
{
    std::string error;
    ASSERT_TRUE(TheSpy().Start(error)) << "the tray cannot be watched: " << error;
}

void E2eEnvironment::TearDown()
{
    TheSpy().Stop();
}

TraySpy& E2eEnvironment::Spy()
{
    return TheSpy();
}

std::string E2eEnvironment::FreshFile(const std::string& name)
{
    const std::string path = WorkFolder() + name;
    DeleteFileA(path.c_str());
    return path;
}

std::string E2eEnvironment::WriteFile(const std::string& name, const std::string& text)
{
    const std::string path = FreshFile(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    return path;
}
