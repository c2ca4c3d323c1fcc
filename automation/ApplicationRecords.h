#pragma once
// The records of the Auto Color page's application lists. Plain, fixed-size
// and zero-filled when made: the texts hold at most 255 characters.
#include "framework/WinTypes.h"

#include <cstddef>

constexpr size_t ApplicationTextSize = 256;
// An application without a registered colour mode.
constexpr DWORD ApplicationModeNone = 0xFFFFFFFF;

// The item data of one application-list item.
struct ApplicationEntry {
    char name[ApplicationTextSize];          // "NOTEPAD", "EXPLORER", "SHIMGVW"
    DWORD mode;                              // registered mode, or ApplicationModeNone
    char description[ApplicationTextSize];   // file description or the registered one
    DWORD registered;                        // 1: the application has a registry entry
};

// One application registered under the Tonalis key.
struct RegisteredApplicationEntry {
    char name[ApplicationTextSize];          // the subkey's name
    DWORD mode;                              // its "Mode"
    char description[ApplicationTextSize];   // its "Description"; empty when missing
};
