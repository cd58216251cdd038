#pragma once
#include "app/model/EditorFont.h"
#include "win/UniqueHandle.h"

// The one place fonts are made. A font description at a resolution: its
// point size becomes the pixel height there.
UniqueHfont CreateFontFor(const FontSpec& font, int pixelsPerInch);
// A plain or bold face at a pixel height (negative: the character height).
UniqueHfont CreatePixelFont(const char* face, int height, bool bold);
