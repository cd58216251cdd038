// The dual-screen preview in the editor window, and the picture panel.
#include <windows.h>

#include "OutputFixture.h"
#include "win/Dpi.h"

namespace {

class Preview : public OutputFixture {
  protected:
    void SetUp() override {
        platform.display.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
        OutputFixture::SetUp();
        state().menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
        ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
        SetWindowPos(form1().hwnd(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    }
    TCPanel& panel() { return form1().Panel2(); }
};

TEST_F(Preview, PanelStartsHiddenBlackOverTheEditor) {
    EXPECT_FALSE(IsWindowVisible(panel().hwnd()));
    EXPECT_EQ(panel().GetColor(), 0x000000u);
    EXPECT_FALSE(panel().usebitmap);
    EXPECT_FALSE(panel().stretch());
    EXPECT_EQ(panel().TOPBORDERWIDTH, 0);
    EXPECT_FALSE(panel().PAINTTOPBORDER);
    EXPECT_EQ(GetParent(panel().hwnd()), form1().hwnd());
    EXPECT_EQ(GetWindow(form1().hwnd(), GW_CHILD), panel().hwnd()) << "on top of its siblings";
}

TEST_F(Preview, SyncAndSetupSizeThePreviewFromEditorAndBand) {
    state().editorColor = 0x102030;
    state().TextColor = 0x00FFFF;
    ASSERT_TRUE(out().PrepareForPlay());
    out().ResetScroll();
    out().SetupPreviewPanel();
    out().SyncPreviewImage();
    OffscreenImage& preview = *form1().PreviewImage();
    RECT memo{};
    GetWindowRect(form1().Memo1().hwnd(), &memo);
    EXPECT_EQ(preview.Width(), memo.right - memo.left);
    EXPECT_EQ(preview.Height(), out().LineHeight);
    EXPECT_EQ(preview.BrushColor(), 0x102030u);
    EXPECT_EQ(preview.FontColor(), 0x00FFFFu);
    EXPECT_EQ(preview.Font().style, 0) << "the preview stays regular";
    EXPECT_EQ(form1().PreviewFontSize(), 28);
    RECT bounds{};
    GetWindowRect(panel().hwnd(), &bounds);
    MapWindowPoints(HWND_DESKTOP, form1().hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
    RECT bar{};
    GetWindowRect(form1().StatusBar1().hwnd(), &bar);
    MapWindowPoints(HWND_DESKTOP, form1().hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, bar.bottom) << "just below the status bar, which stays readable";
    EXPECT_EQ(bounds.right, ScaleForDpi(371, WindowDpi(form1().hwnd())))
        << "width unchanged, as designed at 96 DPI";
    EXPECT_EQ(bounds.bottom - bounds.top, (out().ScrollBand.bottom - out().ScrollBand.top) / 2);
    EXPECT_EQ(panel().GetColor(), 0x102030u);
}

TEST_F(Preview, RowsEnterAtTheBottomAndColumnZeroIsNeverMoved) {
    ASSERT_TRUE(out().PrepareForPlay());
    out().ResetScroll();
    out().SetupPreviewPanel();
    out().SyncPreviewImage();
    ShowWindow(panel().hwnd(), SW_SHOW);
    app->mainupdate();
    // A preview image whose rows are all different.
    OffscreenImage& preview = *form1().PreviewImage();
    for (int y = 0; y < preview.Height(); ++y) {
        UniqueHbrush brush(CreateSolidBrush(RGB(10 + y * 5, 200, 255 - y * 3)));
        RECT row{0, y, preview.Width(), y + 1};
        FillRect(preview.dc(), &row, brush.get());
    }
    const PixelBlock image = Grab(preview.dc(), 0, 0, preview.Width(), preview.Height());
    RECT client{};
    GetClientRect(panel().hwnd(), &client);
    const int ph = client.bottom, steps = 6;
    for (int i = 0; i < steps; ++i)
        out().StepPreviewRow(i, false);
    const PixelBlock shown = GrabWindow(panel().hwnd(), 0, 0, client.right, ph);
    for (int i = 0; i < steps; ++i) {
        const int y = ph - 1 - (steps - i);
        EXPECT_EQ(shown.At(5, y), image.At(5, i)) << "row " << i;
    }
    EXPECT_EQ(shown.At(0, ph - 1), image.At(0, steps - 1));
    for (int y = 0; y < ph - 1; ++y)
        ASSERT_EQ(shown.At(0, y), 0u) << "column 0 keeps the panel colour, row " << y;
}

// The panel is narrower than the editor: it shows the corner where the
// script's lines start, the right one for a script read right to left.
TEST_F(Preview, ARightToLeftScriptShowsTheTopRightCorner) {
    ASSERT_TRUE(out().PrepareForPlay());
    out().ResetScroll();
    out().SyncPreviewImage();
    OffscreenImage& preview = *form1().PreviewImage();
    for (int x = 0; x < preview.Width(); ++x) {
        UniqueHbrush brush(CreateSolidBrush(RGB(x % 256, x / 256 * 60, 100)));
        RECT column{x, 0, x + 1, preview.Height()};
        FillRect(preview.dc(), &column, brush.get());
    }
    const PixelBlock image = Grab(preview.dc(), 0, 0, preview.Width(), preview.Height());
    for (const bool rightToLeft : {false, true}) {
        state().scriptRightToLeft = rightToLeft;
        out().SetupPreviewPanel();
        ShowWindow(panel().hwnd(), SW_SHOW);
        app->mainupdate();
        RECT client{};
        GetClientRect(panel().hwnd(), &client);
        ASSERT_GT(preview.Width(), client.right + 10) << "the panel shows a part";
        out().StepPreviewRow(0, false);
        const PixelBlock shown = GrabWindow(panel().hwnd(), 0, 0, client.right, client.bottom);
        const int from = rightToLeft ? preview.Width() - client.right : 0;
        for (const int x : {0, 1, int(client.right / 2), int(client.right - 1)})
            EXPECT_EQ(shown.At(x, client.bottom - 1), image.At(from + x, 0))
                << "right to left " << rightToLeft << ", column " << x;
    }
}

TEST_F(Preview, DrawLineDrawsThePreviewOnlyWhilePlayingDual) {
    ASSERT_TRUE(out().PrepareForPlay());
    out().ResetScroll();
    out().SyncPreviewImage();
    OffscreenImage& preview = *form1().PreviewImage();
    auto ink = [&] {
        const PixelBlock p = Grab(preview.dc(), 0, 0, preview.Width(), preview.Height());
        for (auto px : p.pixels)
            if (px != kBackground)
                return true;
        return false;
    };
    out().ClearLineImages(kBackground);
    out().DrawLineText("Preview text");
    EXPECT_FALSE(ink()) << "not playing";
    out().Playing = true;
    out().ClearLineImages(kBackground);
    out().DrawLineText("Preview text");
    EXPECT_TRUE(ink());
    EXPECT_EQ(preview.FontColor(), kText) << "the editor's font colour";
    out().Playing = false;
}

class PicturePanel : public OutputFixture {
  protected:
    void SetUp() override {
        OutputFixture::SetUp();
        ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
        ASSERT_TRUE(panel.Create(form1().hwnd(), 10, 10, 40, 30, 0x0000FF, true));
        SetWindowPos(panel.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    void Paint() {
        RedrawWindow(panel.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        app->mainupdate();
    }
    PixelBlock Shown() { return GrabWindow(panel.hwnd(), 0, 0, 40, 30); }
    void FillBitmap(int w, int h, Color c) {
        panel.Bitmap().SetSize(w, h);
        panel.Bitmap().SetBrushColor(c);
        panel.Bitmap().Fill();
    }
    TCPanel panel;
};

TEST_F(PicturePanel, BitmapMadeAtPanelSizeInPanelColour) {
    EXPECT_EQ(panel.Bitmap().Width(), 40);
    EXPECT_EQ(panel.Bitmap().Height(), 30);
    EXPECT_EQ(panel.Bitmap().BrushColor(), 0x0000FFu);
}

TEST_F(PicturePanel, PaintsThePictureOnlyWhenUsableAndAsked) {
    FillBitmap(20, 10, 0x00FF00);
    Paint();
    EXPECT_EQ(Shown().At(1, 1), 0xFF0000u) << "usebitmap off: plain panel";
    panel.usebitmap = true;
    Paint();
    EXPECT_EQ(Shown().At(1, 1), 0x00FF00u);
    EXPECT_EQ(Shown().At(25, 15), 0xFF0000u) << "unscaled at the top-left corner";
    FillBitmap(1, 10, 0x00FF00);
    Paint();
    EXPECT_EQ(Shown().At(0, 1), 0xFF0000u) << "1 pixel wide: plain panel";
    FillBitmap(20, 0, 0x00FF00);
    Paint();
    EXPECT_EQ(Shown().At(1, 1), 0xFF0000u) << "empty: plain panel";
}

TEST_F(PicturePanel, StretchShowsOnlyAtTheNextPaint) {
    FillBitmap(2, 2, 0x00FF00);
    panel.usebitmap = true;
    Paint();
    EXPECT_EQ(Shown().At(30, 20), 0xFF0000u);
    panel.setStretch(true);
    app->mainupdate();
    EXPECT_EQ(Shown().At(30, 20), 0xFF0000u) << "no repaint when set";
    Paint();
    EXPECT_EQ(Shown().At(30, 20), 0x00FF00u);
}

} // namespace
