#pragma once
#include <optional>
#include <string>
#include <utility>

#include <windows.h>

#include "app/model/PrompterState.h"
#include "render/Fonts.h"
#include "win/ColorBrush.h"
#include "win/ControlHook.h"
#include "win/UniqueHandle.h"

// What the editor tells its parent window, as the message kMemoNotify sent
// with one of these in wParam. Key and mouse downs arrive before the control
// acts on them.
inline constexpr UINT kMemoNotify = WM_APP + 2;
enum class MemoNote : WPARAM {
    KeyDown,   // lParam: the key in the low word; 1 shift, 2 ctrl, 4 alt in the high word
    MouseDown, // lParam: 0 left, 1 right, 2 middle
    Click,
    Enter,
    Exit,
    // While prompting the right button steers the scroll; the control's own
    // menu, with its modal loop, would hold it. Answer nonzero to allow it.
    ContextMenu,
};

// The script editor control: a word-wrapping multi-line EDIT. Line numbers
// and counts are displayed (wrapped) lines.
class Memo {
  public:
    bool Create(HWND parent);
    HWND hwnd() const { return hwnd_; }

    // Applies font and colours; each only when it differs.
    void ApplyLook(const FontSpec& font, Color background, int pixelsPerInch);
    Color TextColor() const { return textColor_; }
    Color BackgroundColor() const { return background_.color(); }
    HBRUSH BackgroundBrush() const { return background_.brush(); }
    HFONT Font() const { return font_.get(); }

    // The alignment is a style the control takes only at creation: changing
    // it re-creates the control.
    void SetAlignment(Alignment alignment);
    Alignment GetAlignment() const { return alignment_; }
    // Right-to-left paragraphs: also taken only at creation. Not alignment.
    void SetRightToLeft(bool rightToLeft);
    bool RightToLeft() const { return rightToLeft_; }
    // Whether the selection shows while the control has no focus.
    void SetHideSelection(bool hide);
    bool HideSelection() const { return hideSelection_; }

    void SetBounds(int x, int y, int width, int height);
    std::string Text() const;
    bool SetText(const std::string& text); // false when the control cannot hold it
    int TextLength() const { return GetWindowTextLengthW(hwnd_); }
    int LineCount() const;                // displayed lines, an empty last line not counted
    int ControlLineCount() const;         // as the control reports it (at least 1)
    std::string LineText(int line) const; // one displayed line, without line end
    int LineIndex(int line) const;        // first character of a displayed line
    int LineFromChar(int charIndex) const;
    int CaretLine() const { return LineFromChar(SelStart()); }
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    void ScrollCaret();
    bool Modified() const;
    void SetModified(bool modified);

  private:
    DWORD Style() const;
    bool CreateControl(HWND parent, RECT bounds);
    void Recreate();
    void Hook();
    // The selection as the control has it: start, end.
    std::pair<int, int> ShownSelection() const;
    void KeepSelectionHidden();
    void ShowKeptSelection();
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    static bool LeavesLinesAlone(UINT msg);
    LRESULT Notify(MemoNote note, LPARAM detail = 0) const;

    HWND hwnd_ = nullptr;
    ControlHook hook_; // the edit control's own procedure behind ours
    bool leftDown_ = false;
    mutable int lineCount_ = -1; // displayed lines, -1 until counted
    Alignment alignment_ = Alignment::Left;
    bool rightToLeft_ = false;
    bool hideSelection_ = false;
    std::optional<std::pair<int, int>> kept_; // a hidden selection: start, end
    UniqueHfont font_;
    FontSpec fontSpec_{};
    int fontPpi_ = 0;
    Color textColor_ = 0;
    ColorBrush background_{0xFFFFFF};
};
