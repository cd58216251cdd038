#pragma once
#include <windows.h>

#include "win/UniqueHandle.h"

// The main window's tool tips: its hint over the editor, which with the
// status bar covers all of the window's client area, and the status bar's
// own. They show only while hints are switched on (settings key ShowHints).
class Hints {
  public:
    bool Create(HWND mainWindow, HWND editor, HWND statusBar);
    // `editor` is the editor control as it is now: a new alignment makes a
    // new control, and the hint follows it.
    void SetActive(bool on, HWND editor);
    HWND hwnd() const { return tip_.get(); }

  private:
    void SetTools(bool present);
    UniqueHwnd tip_;
    HWND tools_[2] = {}; // the editor and the status bar
    bool active_ = true;
};
