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
    void Add(HWND tool, const char* text);
    UniqueHwnd tip_;
    bool active_ = true;
};
