#pragma once
// Whether a rebuild found the same monitors as before: the same serials in
// the same order, or no monitor before and after.
#include <string>
#include <vector>

inline bool IsSameMonitorSet(const std::vector<std::string>& before,
                             const std::vector<std::string>& after)
{
    return before == after;
}
