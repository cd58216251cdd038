#pragma once
#include <cstdint>
#include <memory>

#include "render/OffscreenImage.h"
#include "win/ColorBrush.h"
#include "win/Window.h"

// A plain panel that can also show a picture of its own, unscaled at its
// top-left corner or stretched over the area being painted.
class TCPanel : public Window {
  public:
    TCPanel();
    // Creates the panel as a child window, then its picture at the panel's
    // size in the panel's colour.
    bool Create(HWND owner, int x, int y, int width, int height, Color color, bool visible);

    Color GetColor() const { return color_.color(); }
    void SetColor(Color color);

    // Takes effect at the next paint; setting it does not repaint.
    bool stretch() const { return stretch_; }
    void setStretch(bool value) { stretch_ = value; }
    bool usebitmap = false;
    // Kept with the panel; painting does not use them.
    std::int32_t TOPBORDERWIDTH = 0;
    bool PAINTTOPBORDER = false;

    OffscreenImage& Bitmap() { return *bitmap_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Paint();
    bool ShowsBitmap() const;

    ColorBrush color_;
    bool stretch_ = false;
    std::unique_ptr<OffscreenImage> bitmap_;
};
