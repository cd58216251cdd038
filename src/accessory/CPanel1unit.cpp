#include "accessory/CPanel1unit.h"

#include "win/UniqueHandle.h"

TCPanel::TCPanel() = default;

bool TCPanel::Create(HWND owner, int x, int y, int width, int height, Color color, bool visible) {
    color_.Set(color);
    if (!CreateChild("TCPanel", owner, WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), x, y, width,
                     height))
        return false;
    bitmap_ = std::make_unique<OffscreenImage>();
    RECT client{};
    GetClientRect(hwnd(), &client);
    bitmap_->SetSize(client.right, client.bottom);
    bitmap_->SetBrushColor(color);
    return true;
}

void TCPanel::SetColor(Color color) {
    if (color_.Set(color))
        InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT TCPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills the whole panel
    case WM_PAINT:
        Paint();
        return 0;
    }
    return Default(msg, wp, lp);
}

bool TCPanel::ShowsBitmap() const {
    return usebitmap && bitmap_ && bitmap_->Width() >= 2 && !bitmap_->Empty();
}

void TCPanel::Paint() {
    const PaintScope paint(hwnd());
    const HDC dc = paint.get();
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, color_.brush());
    if (ShowsBitmap()) {
        const OffscreenImage& picture = *bitmap_;
        if (stretch_) {
            RECT clip{};
            GetClipBox(dc, &clip);
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top,
                       picture.dc(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, picture.Width(), picture.Height(), picture.dc(), 0, 0, SRCCOPY);
        }
    }
}
