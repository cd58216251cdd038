#pragma once
// Reading back what was drawn: BitBlt from a window's or an image's context
// into a 32-bit top-down bitmap, then GetDIBits.
#include <cstdint>
#include <vector>

#include <windows.h>

struct PixelBlock {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB

    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    std::vector<std::uint32_t> Row(int y) const {
        return {pixels.begin() + static_cast<ptrdiff_t>(y) * width,
                pixels.begin() + static_cast<ptrdiff_t>(y + 1) * width};
    }
    bool RowIs(int y, std::uint32_t colour) const {
        for (int x = 0; x < width; ++x)
            if (At(x, y) != colour)
                return false;
        return true;
    }
};

inline PixelBlock Grab(HDC source, int x, int y, int width, int height) {
    PixelBlock block{width, height,
                     std::vector<std::uint32_t>(static_cast<size_t>(width) * height)};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, height, block.pixels.data(), &info, DIB_RGB_COLORS);
    for (auto& p : block.pixels)
        p &= 0x00FFFFFF;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return block;
}

inline PixelBlock GrabWindow(HWND hwnd, int x, int y, int width, int height) {
    HDC dc = GetDC(hwnd);
    PixelBlock block = Grab(dc, x, y, width, height);
    ReleaseDC(hwnd, dc);
    return block;
}

inline std::vector<std::uint32_t> Mirrored(std::vector<std::uint32_t> row) {
    return {row.rbegin(), row.rend()};
}

// Live GDI objects of this process. Wine does not implement the counter;
// there every live object answers to its 16-bit handle, so count those.
inline int GdiObjectCount() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return static_cast<int>(counted);
    int live = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++live;
    return live;
}
