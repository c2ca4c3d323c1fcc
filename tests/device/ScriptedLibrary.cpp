#include "ScriptedLibrary.h"

#include <algorithm>

namespace {

ScriptedLibrary* current = nullptr;

ScriptedLibrary::Feature* Find(DWORD usagePage, DWORD usage)
{
    auto it = current->features.find({usagePage, usage});
    return it == current->features.end() ? nullptr : &it->second;
}

// What the library refuses whatever the script says.
constexpr int Refused = -2;

int Answer(const std::optional<int>& scripted, DWORD length)
{
    return scripted ? *scripted : static_cast<int>(length);
}

int DRAVO_CALL Describe(DWORD h, DWORD page, DWORD usage, DWORD, DWORD* a, DWORD* b, DWORD* flag, DWORD* count)
{
    current->calls.push_back({'D', h, page, usage, 0, {}});
    ScriptedLibrary::Feature* f = Find(page, usage);
    if (!f)
        return -1;
    *a = f->a;
    *b = f->b;
    *flag = f->flag;
    *count = f->count;
    return f->describeResult;
}

int DRAVO_CALL Read(DWORD h, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    current->calls.push_back({'R', h, page, usage, length, {}});
    ScriptedLibrary::Feature* f = Find(page, usage);
    if (!f)
        return -1;
    // The payload and one byte more, exactly.
    if (length != f->count + 1)
        return Refused;
    std::copy_n(f->data.begin(), std::min<size_t>(f->data.size(), length), buffer);
    return Answer(f->readResult, length);
}

int DRAVO_CALL Write(DWORD h, DWORD page, DWORD usage, BYTE* buffer, DWORD length)
{
    if (current->onArrayWrite)
        current->onArrayWrite();
    current->calls.push_back({'W', h, page, usage, length, std::vector<BYTE>(buffer, buffer + length)});
    ScriptedLibrary::Feature* f = Find(page, usage);
    if (!f)
        return -1;
    if (length != f->count + 1)
        return Refused;
    return Answer(f->writeResult, length);
}

int DRAVO_CALL WriteValue(DWORD h, DWORD page, DWORD usage, DWORD value)
{
    current->calls.push_back({'V', h, page, usage, value, {}});
    ScriptedLibrary::Feature* f = Find(page, usage);
    if (!f)
        return -1;
    // A feature with a payload takes arrays only; a value is one byte.
    if (f->count > 0 || value > 0xFF)
        return Refused;
    return Answer(f->writeResult, 1);
}

int DRAVO_CALL NoCount() { return -1; }
int DRAVO_CALL NoHandle(int, DWORD*) { return -1; }
int DRAVO_CALL NoReportOn(DWORD, KvReportCallback, KvReportAuxCallback, DWORD) { return -1; }
int DRAVO_CALL NoReportOff(DWORD) { return -1; }

} // namespace

ScriptedLibrary::ScriptedLibrary()
{
    current = this;
    previous = DravoApi::Install({NoCount, NoCount, NoHandle, NoCount, Describe, Read, Write, WriteValue,
                                  NoReportOn, NoReportOff});
}

ScriptedLibrary::~ScriptedLibrary()
{
    DravoApi::Install(previous);
    current = nullptr;
}

int ScriptedLibrary::CountOf(char kind) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.kind == kind; }));
}

const ScriptedLibrary::Call* ScriptedLibrary::Last(char kind) const
{
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->kind == kind)
            return &*it;
    }
    return nullptr;
}
