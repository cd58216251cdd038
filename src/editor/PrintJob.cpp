#include "editor/PrintJob.h"

#include <vector>

#include "editor/Memo.h"
#include "render/ScriptLineDrawing.h"
#include <winspool.h>

#include "win/Wide.h"
#include "win/Win32Error.h"

namespace {
// Lines start at the printable area's left edge, each at its own top; a
// taller fallback face may reach below the line's box.
constexpr std::uint32_t kPrintFormat =
    DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT | DT_TOP | DT_NOCLIP;

std::string DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        ThrowLastError();
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size))
        ThrowLastError();
    return Narrow(name.c_str());
}

// The driver settings the dialogs left, if they belong to this printer.
const DEVMODEW* DevModeFor(const PrinterChoice& printer) {
    if (printer.devMode.size() < offsetof(DEVMODEW, dmFields))
        return nullptr;
    const auto* mode = reinterpret_cast<const DEVMODEW*>(printer.devMode.data());
    if (mode->dmSize + mode->dmDriverExtra > printer.devMode.size())
        return nullptr;
    return mode;
}
} // namespace

TextPrintJob::TextPrintJob(const PrinterChoice& printer, const std::string& title) {
    const std::string device =
        printer.deviceName.empty() ? DefaultPrinterName() : printer.deviceName;
    dc_.reset(CreateDCW(L"WINSPOOL", Widen(device).c_str(), nullptr, DevModeFor(printer)));
    if (!dc_)
        ThrowLastError();
    pageWidth_ = GetDeviceCaps(dc_.get(), HORZRES);
    cursor_ = PageCursor(GetDeviceCaps(dc_.get(), VERTRES));
    SetBkMode(dc_.get(), TRANSPARENT);
    const std::wstring name = Widen(title);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (StartDocW(dc_.get(), &doc) <= 0)
        ThrowLastError();
}

TextPrintJob::~TextPrintJob() {
    if (!closed_)
        AbortDoc(dc_.get());
    fontSelection_.Restore();
}

void TextPrintJob::SetFont(const FontSpec& font) {
    fontSelection_.Restore();
    font_ = CreateFontFor(font, GetDeviceCaps(dc_.get(), LOGPIXELSY));
    if (!font_)
        ThrowLastError();
    fontSelection_ = ScopedSelect(dc_.get(), font_.get());
    SetTextColor(dc_.get(), PrintInkColor(font.color));
}

void TextPrintJob::SetRightToLeft(bool rightToLeft) {
    rightToLeft_ = rightToLeft;
}

void TextPrintJob::PrintLine(const std::string& text) {
    HDC dc = dc_.get();
    // The layout counts UTF-8 bytes; the device counts UTF-16 characters,
    // measured as they are drawn: shaped, from fallback fonts, in order.
    const auto fitCount = [&](std::string_view rest) {
        const std::wstring wide = Widen(rest);
        const auto width = [&](std::size_t units) {
            return ScriptLineWidth(dc, std::wstring_view(wide).substr(0, units), kPrintFormat,
                                   rightToLeft_);
        };
        std::size_t fits = wide.size();
        if (width(fits) > pageWidth_) {
            std::size_t low = 0; // the longest start that fits, by halving
            while (low + 1 < fits) {
                const std::size_t middle = low + (fits - low) / 2;
                (width(middle) <= pageWidth_ ? low : fits) = middle;
            }
            fits = low;
        }
        return CutToUnits(rest, fits).size();
    };
    for (std::string_view piece : BreakPrintLine(text, fitCount)) {
        const PageCursor::Placement at = cursor_.Next();
        if (at.startsPage)
            BeginPage();
        const std::wstring wide = Widen(piece);
        const int height = TextHeight(piece);
        const RECT box{0, at.y, pageWidth_, at.y + height};
        if (!wide.empty())
            DrawScriptLine(dc, wide, box, kPrintFormat, rightToLeft_);
        cursor_.Advance(height);
    }
}

void TextPrintJob::BeginPage() {
    if (pageOpen_ && EndPage(dc_.get()) <= 0)
        ThrowLastError();
    pageOpen_ = false;
    if (StartPage(dc_.get()) <= 0)
        ThrowLastError();
    pageOpen_ = true;
}

// The height of the printed text; the font's character height for an empty line.
int TextPrintJob::TextHeight(std::string_view text) const {
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.get(), &metrics);
        return metrics.tmHeight;
    }
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), wide.data(), static_cast<int>(wide.size()), &size);
    return size.cy;
}

void TextPrintJob::Close() {
    if (pageOpen_ && EndPage(dc_.get()) <= 0)
        ThrowLastError();
    pageOpen_ = false;
    if (EndDoc(dc_.get()) <= 0)
        ThrowLastError();
    closed_ = true;
}
