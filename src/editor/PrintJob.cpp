#include "editor/PrintJob.h"

#include <vector>

#include "editor/Memo.h"
#include <winspool.h>

#include "win/Win32Error.h"

namespace {
std::string DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size == 0)
        ThrowLastError();
    std::string name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size))
        ThrowLastError();
    name.resize(name.find('\0'));
    return name;
}

// The driver settings the dialogs left, if they belong to this printer.
const DEVMODEA* DevModeFor(const PrinterChoice& printer) {
    if (printer.devMode.size() < offsetof(DEVMODEA, dmFields))
        return nullptr;
    const auto* mode = reinterpret_cast<const DEVMODEA*>(printer.devMode.data());
    if (mode->dmSize + mode->dmDriverExtra > printer.devMode.size())
        return nullptr;
    return mode;
}
} // namespace

TextPrintJob::TextPrintJob(const PrinterChoice& printer, const std::string& title) {
    const std::string device =
        printer.deviceName.empty() ? DefaultPrinterName() : printer.deviceName;
    dc_.reset(CreateDCA("WINSPOOL", device.c_str(), nullptr, DevModeFor(printer)));
    if (!dc_)
        ThrowLastError();
    pageWidth_ = GetDeviceCaps(dc_.get(), HORZRES);
    cursor_ = PageCursor(GetDeviceCaps(dc_.get(), VERTRES));
    SetBkMode(dc_.get(), TRANSPARENT);
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    if (StartDocA(dc_.get(), &doc) <= 0)
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

void TextPrintJob::PrintLine(const std::string& text) {
    HDC dc = dc_.get();
    const auto fitCount = [&](std::string_view rest) {
        INT fits = 0;
        SIZE size{};
        GetTextExtentExPointA(dc, rest.data(), static_cast<int>(rest.size()), pageWidth_, &fits,
                              nullptr, &size);
        return static_cast<std::size_t>(fits);
    };
    for (std::string_view piece : BreakPrintLine(text, fitCount)) {
        const PageCursor::Placement at = cursor_.Next();
        if (at.startsPage)
            BeginPage();
        if (!piece.empty() && !TextOutA(dc, 0, at.y, piece.data(), static_cast<int>(piece.size())))
            ThrowLastError();
        cursor_.Advance(TextHeight(piece));
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
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_.get(), &metrics);
        return metrics.tmHeight;
    }
    SIZE size{};
    GetTextExtentPoint32A(dc_.get(), text.data(), static_cast<int>(text.size()), &size);
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
