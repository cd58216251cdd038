#include "render/OffscreenImage.h"

#include <stdexcept>

#include "render/Fonts.h"
#include "win/Wide.h"
#include "win/Win32Error.h"

namespace {

// Rows of a 16-bit DIB are padded to 4 bytes.
int Stride16(int width) {
    return ((width * 16 + 31) / 32) * 4;
}
} // namespace

OffscreenImage::OffscreenImage() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_)
        ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
    originalBitmap_ = GetCurrentObject(dc_.get(), OBJ_BITMAP);
    originalFont_ = GetCurrentObject(dc_.get(), OBJ_FONT);
    originalBrush_ = GetCurrentObject(dc_.get(), OBJ_BRUSH);
    SetBkMode(dc_.get(), TRANSPARENT);
    SetBrushColor(brushColor_);
    SetFont(font_);
}

OffscreenImage::~OffscreenImage() {
    // Put the context's own objects back so ours can be deleted.
    SelectObject(dc_.get(), originalBitmap_);
    SelectObject(dc_.get(), originalFont_);
    SelectObject(dc_.get(), originalBrush_);
}

UniqueHbitmap OffscreenImage::CreatePixels(int width, int height, bool as565, void** bits) const {
    *bits = nullptr;
    if (width < 0 || height < 0)
        throw std::runtime_error("Invalid bitmap size");
    if (width == 0 || height == 0)
        return {};
    SetLastError(0);
    if (!as565) {
        ScopedGetDC screen(nullptr);
        UniqueHbitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        if (!bitmap)
            ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
        return bitmap;
    }
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height; // top-down: row y starts at y * stride
    info.header.biPlanes = 1;
    info.header.biBitCount = 16;
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0xF800;
    info.masks[1] = 0x07E0;
    info.masks[2] = 0x001F;
    UniqueHbitmap bitmap(CreateDIBSection(dc_.get(), reinterpret_cast<BITMAPINFO*>(&info),
                                          DIB_RGB_COLORS, bits, nullptr, 0));
    if (!bitmap || !*bits)
        ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
    return bitmap;
}

void OffscreenImage::Select(UniqueHbitmap bitmap, int width, int height, void* bits) {
    SelectObject(dc_.get(), bitmap ? static_cast<HGDIOBJ>(bitmap.get()) : originalBitmap_);
    bitmap_ = std::move(bitmap); // the old one is deselected now and freed here
    bits_ = bits;
    width_ = width;
    height_ = height;
}

void OffscreenImage::SetSize(int width, int height) {
    void* bits = nullptr;
    UniqueHbitmap next = CreatePixels(width, height, is565_, &bits);
    Select(std::move(next), width, height, bits);
}

void OffscreenImage::ConvertTo565() {
    if (is565_)
        return;
    void* bits = nullptr;
    UniqueHbitmap next = CreatePixels(width_, height_, true, &bits);
    if (next) {
        UniqueHdc copyDc(CreateCompatibleDC(dc_.get()));
        if (!copyDc)
            ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
        ScopedSelect into(copyDc.get(), next.get());
        BitBlt(copyDc.get(), 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    }
    is565_ = true;
    Select(std::move(next), width_, height_, bits);
}

PixelRows16 OffscreenImage::Rows16() {
    if (!is565_ || !bits_)
        return {};
    // Every step: the previous step's copy out of this image may still be
    // queued, and the caller is about to overwrite the row it reads.
    GdiFlush();
    return {static_cast<std::uint16_t*>(bits_), Stride16(width_) / 2, width_, height_};
}

void OffscreenImage::SetBrushColor(Color color) {
    UniqueHbrush next(CreateSolidBrush(color));
    if (!next)
        ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
    SelectObject(dc_.get(), next.get());
    brush_ = std::move(next);
    brushColor_ = color;
}

void OffscreenImage::SetFontColor(Color color) {
    SetTextColor(dc_.get(), color);
    fontColor_ = color;
}

void OffscreenImage::SetFont(const FontSpec& font) {
    const bool same = fontHandle_ && font.name == font_.name && font.sizePt == font_.sizePt &&
                      font.style == font_.style;
    if (same)
        return;
    UniqueHfont next = CreateFontFor(font, GetDeviceCaps(dc_.get(), LOGPIXELSY));
    if (!next)
        ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
    SelectObject(dc_.get(), next.get());
    fontHandle_ = std::move(next);
    font_.name = font.name;
    font_.sizePt = font.sizePt;
    font_.style = font.style;
}

void OffscreenImage::Fill() {
    PatBlt(dc_.get(), 0, 0, width_, height_, PATCOPY);
}

int OffscreenImage::TextHeight(const std::string& text) const {
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cy;
}
