#pragma once
#include <string>

#include <windows.h>

#include "win/ControlHook.h"
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
    // For a text that changes many times a second (the line being played):
    // drawn straight onto the bar, and handed to the control only when the
    // panel is read or another text replaces it. The control's own setting
    // repaints the bar at once, a millisecond under some window systems.
    void SetTextLive(int panel, const std::string& text);
    std::string Text(int panel) const;
    // Panel widths in pixels, as laid out (the sixth: -1, the rest).
    int PanelWidth(int panel) const { return widths_[panel - 1]; }

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    bool StartLivePanel(int panel);
    void EndLivePanel();
    void DrawLiveText();
    void HandLiveTextOver();
    RECT PanelRect(int panel) const;
    void LayOut();
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
};
