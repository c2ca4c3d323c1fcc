#pragma once
// A 32-bit picture in memory with its own device context, for drawing a
// control into it (or copying a window's pixels) and reading pixels back.
#include <windows.h>

#include <vector>

class MemoryCanvas
{
public:
    MemoryCanvas(int width, int height, COLORREF fill);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    COLORREF Pixel(int x, int y) const;
    // How many pixels of the area hold exactly this colour.
    int Count(COLORREF colour, const RECT& area) const;
    int Count(COLORREF colour) const;
    // The points where the two pictures differ.
    std::vector<POINT> Differences(const MemoryCanvas& other) const;
    // The window's client pixels as they stand on the screen.
    void CopyFrom(HWND window);

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
    DWORD* m_bits = nullptr;
};
