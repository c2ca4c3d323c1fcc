#pragma once
// Simulated monitors for the shell's tests: two supported models (hot-key
// type 1 and type 0) and one the program does not support; a scenario is
// these profiles followed by the test's own monitor and action lines.
#include <string>

namespace Scenarios {

// "wide": hot-key type 1 (with the Glintara 2 key); "tall": hot-key type 0;
// "alien": lacks the supported-monitor flag.
inline const char* const Profiles = R"(
profile wide
  model "SIM-27Q"
  code SIM27Q01
  product 0x0101
  modes 22 23 24 33
  start-mode 22
  hotkeys 0x180
  hotkeys2 0x200
end
profile tall
  model "SIM-32U"
  code SIM32U01
  product 0x0102
  modes 22 23 40
  start-mode 23
  hotkeys 0x180
end
profile alien
  model "OTHER-1"
  code OTHER001
  flags 0
end
)";

inline std::string With(const std::string& lines)
{
    return std::string(Profiles) + lines;
}

} // namespace Scenarios
