#pragma once
#include <string>

#include "app/model/EditorFont.h"
#include "render/RowSteps.h"
#include "win/UniqueHandle.h"

// An off-screen bitmap with its own drawing context, font, brush and text
// colour. Serves as the line image, the preview image and a panel's
// picture. Starts empty (no pixels); sizes are set only when they differ.
class OffscreenImage {
  public:
    OffscreenImage();
    ~OffscreenImage();
    OffscreenImage(const OffscreenImage&) = delete;
    OffscreenImage& operator=(const OffscreenImage&) = delete;

    HDC dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    // Re-creates the pixels in the current format; the content is not kept.
    // Throws on failure, leaving the previous bitmap in place.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);

    // 16-bit 5-6-5 device-independent pixels with direct row access. Once
    // converted the image stays in that format.
    bool Is565() const { return is565_; }
    void ConvertTo565();
    // Rows of a 5-6-5 image, top-down, after pending drawing has landed;
    // empty for a device-dependent image.
    PixelRows16 Rows16();

    Color BrushColor() const { return brushColor_; }
    void SetBrushColor(Color color);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);
    const FontSpec& Font() const { return font_; }
    // Face, size and style; the colour is SetFontColor's.
    void SetFont(const FontSpec& font);

    // Fills the whole image with the brush (PATCOPY).
    void Fill();
    int TextHeight(const std::string& text) const;

  private:
    UniqueHbitmap CreatePixels(int width, int height, bool as565, void** bits) const;
    void Select(UniqueHbitmap bitmap, int width, int height, void* bits);

    UniqueHdc dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    UniqueHbitmap bitmap_;
    UniqueHfont fontHandle_;
    UniqueHbrush brush_;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool is565_ = false;
    Color brushColor_ = 0xFFFFFF;
    Color fontColor_ = 0;
    FontSpec font_;
};
