#pragma once
// What another process holds, counted from outside as Wine allows it: its
// private memory, its kernel handles (the system's handle list; Wine answers
// GetProcessHandleCount with 0), its windows (the USER objects one can count
// from outside; Wine answers GetGuiResources with 0) and its GDI objects.
#include <windows.h>

struct ObjectCounts {
    double privateMb = 0;
    long handles = -1;
    long windows = -1;
    long gdiObjects = -1;
};

class ProcessObjects {
public:
    ProcessObjects(HANDLE process, DWORD pid) : m_process(process), m_pid(pid) {}

    ObjectCounts Count() const;
    long Handles() const;
    long Windows() const;
    long GdiObjects() const;

private:
    HANDLE m_process;
    DWORD m_pid;
};
