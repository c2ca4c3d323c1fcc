#include "automation/ApplicationName.h"

#include "framework/CCodePage.h"

#include <cstring>
#include <initializer_list>

namespace {

const char* const FolderWindowClasses[] = {"ExploreWClass", "CabinetWClass"};
constexpr const char* PictureViewerClass = "ShImgVw:CPreviewWnd";
constexpr const char* ShellName = "EXPLORER";
constexpr const char* PictureViewerName = "SHIMGVW";

bool IsOneOf(const CString& name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names) {
        if (name == candidate)
            return true;
    }
    return false;
}

} // namespace

CString ExeBaseName(LPCSTR exeFile)
{
    CString name(exeFile);
    const int slash = name.ReverseFind('\\');
    if (slash >= 0)
        name = name.Mid(slash + 1);
    const int dot = name.ReverseFind('.');
    if (dot >= 0)
        name = name.Left(dot);
    name.MakeUpper();
    return name;
}

CString ApplicationNameOf(const CString& baseName, LPCSTR windowClass)
{
    if (baseName != ShellName)
        return baseName;
    const CString cls(windowClass);
    for (const char* folder : FolderWindowClasses) {
        if (cls == folder)
            return ShellName;
    }
    return cls == PictureViewerClass ? CString(PictureViewerName) : CString();
}

bool IsOwnProgramName(const CString& baseName)
{
    return baseName == "TALVEX";
}

// The program's own former name stays listed here: a copy of it may still run.
bool IsHiddenFromApplicationList(const CString& baseName)
{
    return IsOwnProgramName(baseName) || IsOneOf(baseName, {"RUNDLL32", "VANTOR", "DWM"});
}

CString DrivePathOfImage(LPCSTR imageName, DWORD driveMask, const DriveDeviceQuery& deviceOfDrive)
{
    const CString image(imageName);
    for (int drive = 0; drive < 26; ++drive) {
        if (!(driveMask & (1u << drive)))
            continue;
        const char letter = static_cast<char>('A' + drive);
        const CString device = deviceOfDrive(letter);
        const int length = device.GetLength();
        if (length == 0 || image.GetLength() <= length || image.Left(length) != device ||
            image[length] != '\\')
            continue;
        return CString(letter, 1) + ":" + image.Mid(length);
    }
    return CString();
}

void CopyRecordText(char* field, size_t fieldSize, LPCSTR text)
{
    if (fieldSize == 0)
        return;
    const char* end = text ? text + std::strlen(text) : nullptr;
    size_t used = 0;
    for (const char* p = text; p && p < end;) {
        const int length = CCodePage::CharLength(p, end);
        if (used + static_cast<size_t>(length) >= fieldSize)
            break;
        used += static_cast<size_t>(length);
        p += length;
    }
    if (used > 0)
        std::memcpy(field, text, used);
    field[used] = '\0';
}
