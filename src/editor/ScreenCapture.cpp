// Shift+Ctrl+Alt+S: a screen-sized 256-colour picture of a window's surface.
#include <vector>

#include <windows.h>
#include <commdlg.h>

#include "app/model/Program.h"
#include "editor/mainformVantel.h"
#include "editor/BmpFile.h"
#include "win/UniqueHandle.h"
#include "win/Win32Error.h"

namespace {
struct Capture {
    int width;
    int height;
    std::vector<RGBQUAD> palette;
    std::vector<unsigned char> bits; // bottom-up rows, padded to 4 bytes
};

Capture Take(HWND source, int width, int height) {
    struct Info {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    // The halftone palette spreads 256 colours over the whole cube.
    UniqueHandle<HPALETTE, GdiObjectClose> halftone;
    {
        ScopedGetDC screen(nullptr);
        halftone.reset(CreateHalftonePalette(screen.get()));
    }
    PALETTEENTRY entries[256] = {};
    GetPaletteEntries(halftone.get(), 0, 256, entries);
    for (int i = 0; i < 256; ++i)
        info.colors[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
    void* pixels = nullptr;
    ScopedGetDC sourceDc(source);
    UniqueHbitmap bitmap(CreateDIBSection(sourceDc.get(), reinterpret_cast<BITMAPINFO*>(&info),
                                          DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || !pixels)
        ThrowLastError(ERROR_NO_SYSTEM_RESOURCES);
    UniqueHdc memory(CreateCompatibleDC(sourceDc.get()));
    {
        ScopedSelect select(memory.get(), bitmap.get());
        SetStretchBltMode(memory.get(), HALFTONE);
        BitBlt(memory.get(), 0, 0, width, height, sourceDc.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    Capture capture{width, height, std::vector<RGBQUAD>(info.colors, info.colors + 256), {}};
    const int stride = (width + 3) & ~3;
    const auto* first = static_cast<const unsigned char*>(pixels);
    capture.bits.assign(first, first + static_cast<std::size_t>(stride) * height);
    return capture;
}
} // namespace

void TForm1::SaveScreenCapture(HWND source) {
    const Capture capture =
        Take(source, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    FileDialogSpec dialog{"Save Current Screen to bitmap file.",
                          "Bitmap |*.bmp",
                          "BMP",
                          "",
                          "",
                          OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST};
    if (!app_.services().ui.RunSaveDialog(dialog))
        return;
    app_.services().replaceFile(
        dialog.fileName,
        EncodeBmp8(capture.width, capture.height,
                   reinterpret_cast<const std::uint8_t*>(capture.palette.data()), capture.bits));
}
