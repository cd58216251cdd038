#include "render/Fonts.h"

#include "win/Wide.h"

namespace {
UniqueHfont MakeFont(const char* face, int height, const FontSpec& style) {
    return UniqueHfont(CreateFontW(height, 0, 0, 0, style.Has(kStyleBold) ? FW_BOLD : FW_NORMAL,
                                   style.Has(kStyleItalic), style.Has(kStyleUnderline),
                                   style.Has(kStyleStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                   Widen(face).c_str()));
}
} // namespace

UniqueHfont CreateFontFor(const FontSpec& font, int pixelsPerInch) {
    return MakeFont(font.name.c_str(), -MulDiv(font.sizePt, pixelsPerInch, 72), font);
}

UniqueHfont CreatePixelFont(const char* face, int height, bool bold) {
    FontSpec style;
    style.style = bold ? kStyleBold : 0;
    return MakeFont(face, height, style);
}
