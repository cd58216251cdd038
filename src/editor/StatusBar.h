#pragma once
#include <string>

#include <windows.h>

#include "win/UniqueHandle.h"

// The six-panel status bar docked at the top of the main window. Panels are
// numbered 1 to 6 from the left; the sixth reaches the right end. Sizes are
// designed at 96 DPI and scaled to the window's; a panel grows to its text.
class StatusBar {
  public:
    bool Create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    int Height() const;
    void Resize();
    // Lays the bar out again for a new scaling.
    void SetDpi(int dpi);
    void SetText(int panel, const std::string& text);
    std::string Text(int panel) const;
    // Panel widths in pixels, as laid out (the sixth: -1, the rest).
    int PanelWidth(int panel) const { return widths_[panel - 1]; }

  private:
    void LayOut();
    int TextNeed(const std::string& text) const;
    HFONT Font() const;
    HWND hwnd_ = nullptr;
    UniqueHdc measure_;
    int dpi_ = 96;
    int height_ = 18;
    int widths_[6] = {};
};
