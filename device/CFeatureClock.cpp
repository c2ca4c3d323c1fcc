#include "device/CFeatureClock.h"

#include <chrono>
#include <thread>

namespace {

#ifdef _WIN32
ULONGLONG SystemFrequency()
{
    LARGE_INTEGER value;
    return QueryPerformanceFrequency(&value) ? static_cast<ULONGLONG>(value.QuadPart) : 0;
}

ULONGLONG SystemCounter()
{
    LARGE_INTEGER value;
    return QueryPerformanceCounter(&value) ? static_cast<ULONGLONG>(value.QuadPart) : 0;
}
#else
ULONGLONG SystemFrequency()
{
    return 1000000000ULL;
}

ULONGLONG SystemCounter()
{
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
#endif

const CFeatureClock::Source systemSource = {SystemFrequency, SystemCounter};
CFeatureClock::Source activeSource = systemSource;

} // namespace

const CFeatureClock::Source& CFeatureClock::System()
{
    return systemSource;
}

CFeatureClock::Source CFeatureClock::Install(const Source& source)
{
    Source previous = activeSource;
    activeSource = source;
    return previous;
}

void CFeatureClock::WaitOneMillisecond()
{
    // Whole 64-bit arithmetic: a frequency whose low 32 bits happen to be
    // small must not shorten the pause. At least one tick is always waited.
    const ULONGLONG frequency = activeSource.frequency();
    if (frequency == 0) {
        // No counter to spin on: sleeping still keeps the pause.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return;
    }
    ULONGLONG ticks = frequency / 1000;
    if (ticks == 0)
        ticks = 1;
    const ULONGLONG start = activeSource.counter();
    while (activeSource.counter() - start < ticks) {
    }
}
