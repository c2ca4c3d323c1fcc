#pragma once
// A private stand-in for the common application-data folder, with the
// program's profile folder "Orvel\Talvex" below it; removed with its files
// when the object goes.
#include <string>
#include <vector>

class ProfileFolder
{
public:
    ProfileFolder();
    ~ProfileFolder();
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    // The folder that stands for the common application data (no trailing backslash).
    const std::string& Root() const { return m_root; }
    // "<root>\Orvel\Talvex\" + name.
    std::string PathOf(const std::string& name) const;
    bool Add(const std::string& name);

private:
    std::string m_root;
    std::vector<std::string> m_files;
};
