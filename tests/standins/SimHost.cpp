// A process that uses the simulated monitors and waits, so that the control
// tool has someone to talk to: it discovers the monitors (which starts the
// control pipe), says "ready <pid>", and ends when its input closes.
#include "device/DravoLibrary.h"
#include <cstdio>
#include <windows.h>

int main()
{
    int found = KvFind();
    std::printf("ready %lu %d\n", GetCurrentProcessId(), found);
    std::fflush(stdout);
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin))
        ;
    KvRelease();
    return 0;
}
