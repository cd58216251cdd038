#pragma once
#include <cstdint>
#include <string_view>

#include <windows.h>

// Draws one script line in the font, colour and background mode of `dc`, as
// DrawTextW would with `format` (DT_SINGLELINE with DT_BOTTOM, DT_LEFT,
// DT_CENTER or DT_RIGHT, DT_EXPANDTABS, DT_NOPREFIX; clipped to `box` unless
// DT_NOCLIP), but as the editor shows it: complex scripts shaped (Arabic
// joined, Indic clusters formed), missing characters taken from linked and
// fallback fonts, and its runs ordered as the editor orders them. Alignment
// stays the format's: direction is not alignment. A line of Latin alone in a
// left-to-right paragraph is drawn by DrawTextW itself, pixel for pixel as
// before.
void DrawScriptLine(HDC dc, std::wstring_view line, const RECT& box, std::uint32_t format,
                    bool rightToLeft);
// How wide DrawScriptLine draws the line, for breaking it where it fits.
int ScriptLineWidth(HDC dc, std::wstring_view line, std::uint32_t format, bool rightToLeft);
