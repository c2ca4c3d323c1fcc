#include "WindowCapture.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<BYTE> rows;   // bottom-up, as a BMP file keeps them
};

bool CopyWindow(HWND hWnd, Pixels& pixels)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    pixels.width = rect.right - rect.left;
    pixels.height = rect.bottom - rect.top;
    if (pixels.width <= 0 || pixels.height <= 0)
        return false;
    pixels.stride = (pixels.width * 3 + 3) & ~3;
    pixels.rows.assign(static_cast<size_t>(pixels.stride) * pixels.height, 0);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC source = ::GetWindowDC(hWnd);
    HDC memory = ::CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        copied = ::BitBlt(memory, 0, 0, pixels.width, pixels.height, source, 0, 0, SRCCOPY) != FALSE;
        ::GdiFlush();
        if (copied)
            std::copy_n(static_cast<const BYTE*>(bits), pixels.rows.size(), pixels.rows.begin());
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(hWnd, source);
    return copied;
}

bool WriteBitmapFile(const Pixels& pixels, const std::string& path)
{
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = pixels.width;
    info.biHeight = pixels.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(pixels.rows.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                   std::fwrite(pixels.rows.data(), 1, pixels.rows.size(), out) == pixels.rows.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

bool SaveWindowBitmap(HWND hWnd, const std::string& path)
{
    if (!::IsWindow(hWnd))
        return false;
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pixels pixels;
    return CopyWindow(hWnd, pixels) && WriteBitmapFile(pixels, path);
}
