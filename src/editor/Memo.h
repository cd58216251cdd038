#pragma once
#include <string>

#include <windows.h>

#include "app/PrompterState.h"
#include "win/UniqueHandle.h"

// The script editor control: a word-wrapping multi-line EDIT. Line numbers
// and counts are displayed (wrapped) lines.
class Memo {
  public:
    bool Create(HWND parent);
    HWND hwnd() const { return hwnd_; }

    // Applies font, colours and alignment; each only when it differs.
    void ApplyLook(const FontSpec& font, Color background, int pixelsPerInch);
    Color TextColor() const { return textColor_; }
    Color BackgroundColor() const { return background_; }
    HBRUSH BackgroundBrush() const { return brush_.get(); }
    HFONT Font() const { return font_.get(); }

    void SetBounds(int x, int y, int width, int height);
    std::string Text() const;
    void SetText(const std::string& text);
    int LineCount() const; // displayed lines, an empty last line not counted

  private:
    HWND hwnd_ = nullptr;
    UniqueHfont font_;
    FontSpec fontSpec_{};
    int fontPpi_ = 0;
    Color textColor_ = 0;
    Color background_ = 0xFFFFFF;
    UniqueHbrush brush_{CreateSolidBrush(0xFFFFFF)};
};

// A font handle for a font spec at a screen resolution.
UniqueHfont CreateFontFor(const FontSpec& font, int pixelsPerInch);
