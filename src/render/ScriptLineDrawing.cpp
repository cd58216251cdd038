#include "render/ScriptLineDrawing.h"

#include <usp10.h>

#include "render/TextDirection.h"
#include "win/UniqueHandle.h"

namespace {

struct ScriptStringClose {
    void operator()(SCRIPT_STRING_ANALYSIS analysis) const { ScriptStringFree(&analysis); }
};
using UniqueScriptString = UniqueHandle<SCRIPT_STRING_ANALYSIS, ScriptStringClose>;

// DrawText's default tab stop: eight average character widths.
constexpr int kCharactersPerTab = 8;

void DrawPlain(HDC dc, std::wstring_view line, const RECT& box, std::uint32_t format,
               bool rightToLeft) {
    RECT r = box;
    DrawTextW(dc, line.data(), static_cast<int>(line.size()), &r,
              format | (rightToLeft ? DT_RTLREADING : 0));
}

// The left edge of a line `width` wide, placed as DrawText places it.
int AlignedX(const RECT& box, int width, std::uint32_t format) {
    if (format & DT_RIGHT)
        return box.right - width;
    if (format & DT_CENTER)
        return (box.left + box.right - width) / 2;
    return box.left;
}

int AlignedY(const RECT& box, int height, std::uint32_t format) {
    if (format & DT_BOTTOM)
        return box.bottom - height;
    if (format & DT_VCENTER)
        return box.top + (box.bottom - box.top) / 2 - height / 2;
    return box.top;
}

UniqueScriptString Analyse(HDC dc, std::wstring_view line, std::uint32_t format, bool rightToLeft,
                           const TEXTMETRICW& metrics) {
    // The edit control's own analysis: no control or state of ours, so the
    // runs and their neutrals resolve exactly as the editor shows them (a
    // state with its own paragraph level ordered them differently).
    DWORD flags = SSA_GLYPHS | SSA_FALLBACK | SSA_LINK;
    if (rightToLeft)
        flags |= SSA_RTL;
    int tabStop = metrics.tmAveCharWidth * kCharactersPerTab;
    SCRIPT_TABDEF tabs{1, 4, &tabStop, 0}; // scale 4: the stop is in pixels
    const bool expandTabs = (format & DT_EXPANDTABS) && line.find(L'\t') != line.npos;
    if (expandTabs)
        flags |= SSA_TAB;
    const int length = static_cast<int>(line.size());
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    if (FAILED(ScriptStringAnalyse(dc, line.data(), length, length * 3 / 2 + 16, -1, flags, 0,
                                   nullptr, nullptr, nullptr, expandTabs ? &tabs : nullptr, nullptr,
                                   &analysis)))
        return {};
    return UniqueScriptString(analysis);
}

} // namespace

void DrawScriptLine(HDC dc, std::wstring_view line, const RECT& box, std::uint32_t format,
                    bool rightToLeft) {
    if (!LineNeedsShaping(line, rightToLeft)) {
        DrawPlain(dc, line, box, format, rightToLeft);
        return;
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const UniqueScriptString analysis = Analyse(dc, line, format, rightToLeft, metrics);
    const SIZE* size = analysis ? ScriptString_pSize(analysis.get()) : nullptr;
    if (!size) { // nothing could shape it: the characters at least, unshaped
        DrawPlain(dc, line, box, format, rightToLeft);
        return;
    }
    // Placed by the face's own height, as DrawText places it, so that a line
    // with a taller fallback font keeps its baseline where the others have it.
    const int x = AlignedX(box, size->cx, format);
    const int y = AlignedY(box, metrics.tmHeight, format);
    const UINT clip = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    ScriptStringOut(analysis.get(), x, y, clip, &box, 0, 0, FALSE);
}

int ScriptLineWidth(HDC dc, std::wstring_view line, std::uint32_t format, bool rightToLeft) {
    if (LineNeedsShaping(line, rightToLeft)) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const UniqueScriptString analysis = Analyse(dc, line, format, rightToLeft, metrics);
        if (const SIZE* size = analysis ? ScriptString_pSize(analysis.get()) : nullptr)
            return size->cx;
    }
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, line.data(), static_cast<int>(line.size()), &r,
              (format & ~DT_NOCLIP) | DT_CALCRECT | (rightToLeft ? DT_RTLREADING : 0));
    return r.right - r.left;
}
