#include "standins/libdravo/FaultTable.h"
#include "standins/libdravo/FeatureCatalog.h"

#include <algorithm>

namespace {
const char* const kNames[] = {"describe", "flag", "read", "write", "dead", "zero-handle", "discovery", "seltu"};
}

const char* FaultTable::name(FaultKind kind)
{
    return kNames[static_cast<int>(kind)];
}

bool FaultTable::fromName(const std::string& word, FaultKind& kind)
{
    for (int i = 0; i < static_cast<int>(sizeof kNames / sizeof kNames[0]); ++i)
        if (word == kNames[i]) {
            kind = static_cast<FaultKind>(i);
            return true;
        }
    return false;
}

void FaultTable::add(FaultKind kind, int monitor, WORD page, WORD usage, int times, long long value)
{
    auto existing = findFault(kind, monitor, page, usage);
    if (existing != m_faults.end())
        m_faults.erase(existing);
    if (times != 0)
        m_faults.push_back({kind, monitor, page, usage, times, value});
}

std::vector<FaultTable::Fault>::iterator FaultTable::findFault(FaultKind kind, int monitor, WORD page, WORD usage)
{
    return std::find_if(m_faults.begin(), m_faults.end(), [&](const Fault& f) {
        return f.kind == kind && f.monitor == monitor && f.page == page && f.usage == usage;
    });
}

void FaultTable::use(std::vector<Fault>::iterator fault)
{
    if (fault->times > 0 && --fault->times == 0)
        m_faults.erase(fault);
}

bool FaultTable::hit(FaultKind kind, int monitor, WORD page, WORD usage)
{
    auto fault = findFault(kind, monitor, page, usage);
    if (fault == m_faults.end())
        return false;
    use(fault);
    return true;
}

bool FaultTable::active(FaultKind kind, int monitor) const
{
    return std::any_of(m_faults.begin(), m_faults.end(),
                       [&](const Fault& f) { return f.kind == kind && f.monitor == monitor; });
}

bool FaultTable::hitValue(FaultKind kind, long long& value)
{
    auto fault = findFault(kind, 0, 0, 0);
    if (fault == m_faults.end())
        return false;
    value = fault->value;
    use(fault);
    return true;
}

void FaultTable::clear()
{
    m_faults.clear();
}

void FaultTable::clearMonitor(int monitor)
{
    m_faults.erase(std::remove_if(m_faults.begin(), m_faults.end(),
                                  [&](const Fault& f) { return f.monitor == monitor; }),
                   m_faults.end());
}

std::vector<std::string> FaultTable::describe() const
{
    std::vector<std::string> lines;
    for (const Fault& f : m_faults) {
        std::string line = "fault ";
        line += f.monitor ? std::to_string(f.monitor) + " " : "";
        line += name(f.kind);
        if (f.kind == FaultKind::Describe || f.kind == FaultKind::Flag || f.kind == FaultKind::Read ||
            f.kind == FaultKind::Write)
            line += " " + FeatureCatalog::address(f.page, f.usage);
        if (f.kind == FaultKind::Discovery)
            line += " " + std::to_string(f.value);
        if (f.kind == FaultKind::Seltu && f.value)
            line += " empty";
        if (f.times > 0)
            line += " times " + std::to_string(f.times);
        lines.push_back(line);
    }
    return lines;
}
