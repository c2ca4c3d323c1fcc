#pragma once
// Finding the monitors through the library: the first discovery and every
// later update, collecting the handles the library hands out.
#include "framework/CList.h"

class DeviceDiscovery {
public:
    // A library answering more monitors than this is not believed further.
    static constexpr int MaxDevices = 256;

    // Asks for the count (KvUpdate once foundOnce, else KvFind), stores it in
    // count, and appends every non-zero handle to handles without emptying
    // it first. TRUE when handles holds any handle afterwards; otherwise
    // count is set to 0. answer, when given, receives the library's count
    // as it came (negative: the call failed).
    static BOOL Find(BOOL foundOnce, CList<void*, void*>& handles, int& count, int* answer = nullptr);

    static void* ToEntry(DWORD handle) { return reinterpret_cast<void*>(static_cast<UINT_PTR>(handle)); }
    static DWORD FromEntry(void* entry) { return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(entry)); }
};
