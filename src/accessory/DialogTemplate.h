#pragma once
#include <string>
#include <vector>

#include <windows.h>

// An extended dialog template without items: the box places its controls
// itself, in pixels. The template's font is the box's window font.
std::vector<WORD> EmptyDialogTemplate(const char* caption, DWORD style, const char* font,
                                      WORD points, WORD weight);

// A control of a dialog built from such a template, in pixels, in `font`.
HWND AddDialogControl(HWND dlg, const char* cls, const std::string& text, DWORD style, int id,
                      int x, int y, int width, int height, HFONT font);

// Gives the dialog a client area of this many pixels, centred on the screen.
void CenterDialog(HWND dlg, int clientWidth, int clientHeight);
