#include "MemoryCanvas.h"

#include <algorithm>

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_dc = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_previous = ::SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(m_dc, &all, brush);
    ::DeleteObject(brush);
}

MemoryCanvas::~MemoryCanvas()
{
    ::SelectObject(m_dc, m_previous);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF MemoryCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || !m_bits)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD bgra = m_bits[y * m_width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

int MemoryCanvas::Count(COLORREF colour, const RECT& area) const
{
    int count = 0;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(m_height, area.bottom); ++y)
        for (int x = std::max(0L, area.left); x < std::min<LONG>(m_width, area.right); ++x)
            count += Pixel(x, y) == colour;
    return count;
}

int MemoryCanvas::Count(COLORREF colour) const
{
    return Count(colour, RECT{0, 0, m_width, m_height});
}

std::vector<POINT> MemoryCanvas::Differences(const MemoryCanvas& other) const
{
    std::vector<POINT> points;
    for (int y = 0; y < std::min(m_height, other.m_height); ++y)
        for (int x = 0; x < std::min(m_width, other.m_width); ++x)
            if (Pixel(x, y) != other.Pixel(x, y))
                points.push_back(POINT{x, y});
    return points;
}

void MemoryCanvas::CopyFrom(HWND window)
{
    HDC screen = ::GetDC(window);
    ::BitBlt(m_dc, 0, 0, m_width, m_height, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
}
