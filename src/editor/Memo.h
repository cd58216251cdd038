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
    bool SetText(const std::string& text); // false when the control cannot hold it
    int LineCount() const;                 // displayed lines, an empty last line not counted
    int ControlLineCount() const;          // as the control reports it (at least 1)
    std::string LineText(int line) const;  // one displayed line, without line end
    int LineIndex(int line) const;         // first character of a displayed line
    int LineFromChar(int charIndex) const;
    int CaretLine() const { return LineFromChar(SelStart()); }
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    void ScrollCaret();
    bool Modified() const;
    void SetModified(bool modified);

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
