#pragma once
#include <string>

#include <windows.h>

#include "win/ControlHook.h"
#include "win/UniqueHandle.h"

// The six-panel status bar docked at the top of the main window. Panels are
// numbered 1 to 6 from the left; the sixth reaches the right end. Sizes are
// designed at 96 DPI and scaled to the window's; a panel is wider while its
// text needs it and the bar has room. No panel reaches past the bar's right
// edge: a text that does not fit shows cut with an ellipsis (a path in its
// middle), and reading the panel still gives all of it.
class StatusBar {
  public:
    bool Create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    int Height() const;
    // Follows the parent's width.
    void Resize();
    // Lays the bar out again for a new scaling.
    void SetDpi(int dpi);
    void SetText(int panel, const std::string& text);
    // For a text that changes many times a second (the line being played):
    // drawn straight onto the bar, and handed to the control only when the
    // panel is read or another text replaces it. The control's own setting
    // repaints the bar at once, a millisecond under some window systems.
    void SetTextLive(int panel, const std::string& text);
    // The panel at least as wide as `widest` needs and live already, so that
    // the live texts up to that width never lay the bar out again; an empty
    // text gives the width back.
    void KeepWidthFor(int panel, const std::string& widest);
    std::string Text(int panel) const;
    // Panel widths in pixels, as laid out (the sixth: -1, the rest).
    int PanelWidth(int panel) const { return widths_[panel - 1]; }
    // What the panel shows: its text, or the text cut to fit.
    const std::string& ShownText(int panel) const { return shown_[panel - 1]; }

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    bool StartLivePanel(int panel);
    void EndLivePanel();
    void DrawLiveText();
    void HandLiveTextOver();
    RECT PanelRect(int panel) const;
    void LayOut();
    int Room() const;
    void Place(const int (&needs)[6], int (&edges)[6]) const;
    bool KeepsTheLayout(int panel, int need) const;
    void ShowFitted(int panel, int width);
    std::string Cut(const std::string& text, int width) const;
    LRESULT WholeText(UINT msg, int panel, LPARAM buffer) const;
    int TextNeed(const std::string& text) const;
    HFONT Font() const;
    HWND hwnd_ = nullptr;
    ControlHook hook_;
    UniqueHdc measure_;
    // The live text, not yet the control's (which holds an empty panel
    // meanwhile), a context held to paint it, and the empty panel's picture.
    int livePanel_ = 0;
    std::string liveText_;
    ScopedGetDC liveDc_;
    UniqueHdc emptyPanelDc_;
    UniqueHbitmap emptyPanelBitmap_;
    ScopedSelect emptyPanel_;
    int dpi_ = 96;
    int height_ = 18;
    int widths_[6] = {};
    int edges_[6] = {};
    int needs_[6] = {}; // what each panel's text needs, as laid out
    int kept_[6] = {};  // the least each panel keeps (KeepWidthFor)
    std::string texts_[6]; // as set; the control holds shown_
    std::string shown_[6];
};
