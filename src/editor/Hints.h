#pragma once
#include <windows.h>

#include "win/UniqueHandle.h"

// The main window's tool tips: the window's own and the status bar's. They
// show only while hints are switched on (settings key ShowHints).
class Hints {
  public:
    bool Create(HWND mainWindow, HWND statusBar);
    void SetActive(bool on);
    HWND hwnd() const { return tip_.get(); }

  private:
    void SetTools(bool present);
    UniqueHwnd tip_;
    HWND tools_[2] = {}; // the main window and the status bar
    bool active_ = true;
};
