#pragma once
// Saves what a top-level window shows, frame included, as a 24-bit BMP file.
// It reads the window's own surface, so other windows over it do not show,
// and neither does anything the screen would add.
#include <windows.h>

#include <string>

bool SaveWindowBitmap(HWND hWnd, const std::string& path);
