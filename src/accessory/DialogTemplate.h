#pragma once
#include <vector>

#include <windows.h>

// An extended dialog template without items: the box places its controls
// itself, in pixels. The template's font is the box's window font.
std::vector<WORD> EmptyDialogTemplate(const char* caption, DWORD style, const char* font,
                                      WORD points, WORD weight);
