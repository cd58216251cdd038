#pragma once
#include <string>

#include <windows.h>

// The six-panel status bar docked at the top of the main window. Panels are
// numbered 1 to 6 from the left; the sixth reaches the right end.
class StatusBar {
  public:
    bool Create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    int Height() const;
    void Resize();
    void SetText(int panel, const std::string& text);
    std::string Text(int panel) const;

  private:
    HWND hwnd_ = nullptr;
};
