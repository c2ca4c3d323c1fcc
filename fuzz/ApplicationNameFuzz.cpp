// The names automatic switching reads from other processes: executable
// paths, window classes, kernel image paths and the drive devices they are
// matched against, and the texts cut into the fixed records. Base names are
// upper-case without folder, a drive path starts with its letter, and a
// record text always ends inside its field.
#include "FuzzCheck.h"
#include "automation/ApplicationName.h"
#include "framework/CCodePage.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

void CheckBaseName(const std::string& exeFile, const std::string& windowClass)
{
    const CString base = ExeBaseName(exeFile.c_str());
    FUZZ_CHECK(base.Find('\\') < 0);
    CString upper(base);
    upper.MakeUpper();
    FUZZ_CHECK(upper == base);
    const CString application = ApplicationNameOf(base, windowClass.c_str());
    FUZZ_CHECK(application.IsEmpty() || application == base || application == "SHIMGVW");
    IsHiddenFromApplicationList(base);
}

void CheckDrivePath(FuzzedDataProvider& input, const std::string& image)
{
    std::vector<std::string> devices(26);
    for (std::string& device : devices)
        device = input.ConsumeRandomLengthString(40);
    const DWORD mask = input.ConsumeIntegral<DWORD>();
    const CString path = DrivePathOfImage(image.c_str(), mask, [&](char letter) {
        FUZZ_CHECK(letter >= 'A' && letter <= 'Z' && (mask & (1u << (letter - 'A'))));
        return CString(devices[static_cast<size_t>(letter - 'A')].c_str());
    });
    if (!path.IsEmpty()) {
        FUZZ_CHECK(path.GetLength() >= 3 && path[1] == ':' && path[2] == '\\');
        FUZZ_CHECK(path[0] >= 'A' && path[0] <= 'Z');
    }
}

void CheckRecordText(const std::string& text, size_t fieldSize)
{
    std::vector<char> field(fieldSize + 8, 'k');
    CopyRecordText(field.data(), fieldSize, text.c_str());
    for (size_t i = fieldSize; i < field.size(); ++i)
        FUZZ_CHECK(field[i] == 'k');
    if (fieldSize == 0)
        return;
    const size_t length = strnlen(field.data(), fieldSize);
    FUZZ_CHECK(length < fieldSize);
    FUZZ_CHECK(std::memcmp(field.data(), text.c_str(), length) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Japanese systems read names in code page 932, with its lead bytes.
    const UINT codePage = input.ConsumeBool() ? 932 : 1252;
    if (CCodePage::Current() != codePage)
        CCodePage::Use(codePage);
    const std::string exeFile = input.ConsumeRandomLengthString(300);
    const std::string windowClass = input.ConsumeRandomLengthString(140);
    const std::string image = input.ConsumeRandomLengthString(300);
    const size_t fieldSize = input.ConsumeIntegralInRange<size_t>(0, 300);
    CheckBaseName(exeFile, windowClass);
    CheckRecordText(exeFile, fieldSize);
    CheckDrivePath(input, image);
    return 0;
}
