#pragma once
// The Windows scalar types for code that needs no window. On Windows they
// come from the system headers; a native build (sanitizer checks of the
// window-free logic) gets the same widths here. LONG/DWORD stay 32-bit.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>
#include <cstddef>
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef int32_t BOOL;
typedef int16_t SHORT;
typedef uint64_t ULONGLONG;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#endif
