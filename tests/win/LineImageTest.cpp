// Line image preparation and line drawing, read back from the image.
#include <windows.h>

#include "OutputFixture.h"

namespace {

class LineImages : public OutputFixture {};

int InkLeft(const PixelBlock& image, std::uint32_t background) {
    for (int x = 0; x < image.width; ++x)
        for (int y = 0; y < image.height; ++y)
            if (image.At(x, y) != background)
                return x;
    return -1;
}
int InkRight(const PixelBlock& image, std::uint32_t background) {
    for (int x = image.width - 1; x >= 0; --x)
        for (int y = 0; y < image.height; ++y)
            if (image.At(x, y) != background)
                return x;
    return -1;
}

TEST_F(LineImages, StartUpMakesATwoByTwoLineImageAndAnEmptyPreview) {
    ASSERT_TRUE(out().HasLineImage());
    ASSERT_TRUE(out().HasPreviewImage());
    EXPECT_EQ(out().LineImage->Width(), 2);
    EXPECT_EQ(out().LineImage->Height(), 2);
    EXPECT_TRUE(form1().PreviewImage()->Empty());
    out().FreeLineImages();
    EXPECT_FALSE(out().HasLineImage());
    EXPECT_FALSE(out().HasPreviewImage());
    EXPECT_TRUE(out().PrepareForPlay()) << "a missing image is made again";
    EXPECT_EQ(out().LineWidth, 1023);
}

TEST_F(LineImages, WidthFollowsMonitorZeroAndMirroredItalicStartsAtNine) {
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_EQ(state().Sc_Tr, (Rect32{1, 1, 1024, 768}));
    EXPECT_EQ(out().LineImage->Width(), 1023);
    EXPECT_EQ(out().LineHeight, out().LineImage->TextHeight("Wg"));
    FontSpec italic = state().editorFont;
    italic.style = kStyleItalic;
    UseLook(italic, kBackground);
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_EQ(state().Sc_Tr.left, 1) << "italic alone keeps the left edge";
    SetMirror(true);
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_EQ(state().Sc_Tr, (Rect32{9, 1, 1024, 768}));
    EXPECT_EQ(out().LineWidth, 1015);
    // Values from a settings file do not survive the next preparation.
    state().Sc_Tr = {100, 100, 200, 200};
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_EQ(state().Sc_Tr, (Rect32{9, 1, 1024, 768}));
}

TEST_F(LineImages, MirrorModeConvertsToSixteenBitsForGood) {
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_FALSE(out().LineImage->Is565());
    EXPECT_EQ(out().LineImage->Rows16().pixels, nullptr);
    SetMirror(true);
    ASSERT_TRUE(out().PrepareForPlay());
    ASSERT_TRUE(out().LineImage->Is565());
    const PixelRows16 rows = out().LineImage->Rows16();
    EXPECT_EQ(rows.width, 1023);
    EXPECT_EQ(rows.height, out().LineHeight);
    EXPECT_GE(rows.stride, rows.width);
    SetMirror(false);
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_TRUE(out().LineImage->Is565());
}

TEST_F(LineImages, UnchangedPreparationKeepsTheSameBitmap) {
    ASSERT_TRUE(out().PrepareForPlay());
    const HGDIOBJ before = GetCurrentObject(out().LineImage->dc(), OBJ_BITMAP);
    ASSERT_TRUE(out().PrepareForPlay());
    EXPECT_EQ(GetCurrentObject(out().LineImage->dc(), OBJ_BITMAP), before);
}

TEST_F(LineImages, AFailedPreparationShowsMessage31AndRefuses) {
    platform.display.monitors = {{0, 0, 1000000000, 768}};
    EXPECT_FALSE(out().PrepareForPlay());
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text.rfind("Could Not Process Fading Bitmap., ", 0), 0u)
        << platform.ui.boxes[0].text;
    EXPECT_GT(platform.ui.boxes[0].text.size(), 34u) << "the error's own text follows";
    EXPECT_EQ(platform.ui.boxes[0].caption, "Cuecraft");
    platform.display.monitors = {{0, 0, 1024, 768}};
    EXPECT_TRUE(out().PrepareForPlay()) << "the old image is still usable";
}

TEST_F(LineImages, NoGdiObjectLeaksOverAHundredPreparations) {
    form1().Memo1().SetText("Leak check line");
    auto prepareAndDraw = [&](int i) {
        FontSpec font = state().editorFont;
        font.sizePt = 20 + i % 7;
        font.style = static_cast<std::uint8_t>(i % 4);
        UseLook(font, i % 2 ? 0x000000 : 0x202020);
        SetMirror(i % 3 == 0);
        platform.display.monitors = {{0, 0, 800 + (i % 5) * 50, 600}};
        ASSERT_TRUE(out().PrepareForPlay());
        out().ResetScroll();
        out().ClearLineImages(state().editorColor);
        out().DrawLineText("Line " + std::to_string(i));
    };
    prepareAndDraw(0);
    const int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 1; i <= 100; ++i)
        prepareAndDraw(i);
    prepareAndDraw(0);
    EXPECT_LE(GdiObjectCount(), before);
}

TEST_F(LineImages, EmptyLineIsAFullHeightOfBackground) {
    ASSERT_TRUE(out().PrepareForPlay());
    const PixelBlock image = DrawLine("");
    EXPECT_GE(image.height, 10);
    for (int y = 0; y < image.height; ++y)
        ASSERT_TRUE(image.RowIs(y, kBackground)) << y;
}

// A reference drawn with plain TextOut in the same font at a given x.
PixelBlock Reference(TForm4& out, const std::string& text, int x, bool tabbed) {
    OffscreenImage ref;
    ref.SetFont(out.LineImage->Font());
    ref.SetFontColor(out.LineImage->FontColor());
    ref.SetBrushColor(0x000000);
    ref.SetSize(out.LineWidth, out.LineHeight);
    ref.Fill();
    if (tabbed)
        TabbedTextOutA(ref.dc(), x, 0, text.c_str(), static_cast<int>(text.size()), 0, nullptr, x);
    else
        TextOutA(ref.dc(), x, 0, text.c_str(), static_cast<int>(text.size()));
    return Grab(ref.dc(), 0, 0, out.LineWidth, out.LineHeight);
}

TEST_F(LineImages, AmpersandIsDrawnLiterallyAndTabsExpand) {
    state().editorAlignment = Alignment::Left;
    ASSERT_TRUE(out().PrepareForPlay());
    const PixelBlock amp = DrawLine("Q&A && more");
    EXPECT_EQ(amp.pixels, Reference(out(), "Q&A && more", 0, false).pixels);
    const PixelBlock tab = DrawLine("A\tB");
    EXPECT_EQ(tab.pixels, Reference(out(), "A\tB", 0, true).pixels);
    EXPECT_NE(tab.pixels, Reference(out(), "A B", 0, false).pixels);
}

TEST_F(LineImages, AlignmentFollowsTheEditorAndLongLinesAreCut) {
    ASSERT_TRUE(out().PrepareForPlay());
    const std::string longLine = "L" + std::string(400, 'W') + "R";
    SIZE extent{};
    GetTextExtentPoint32A(out().LineImage->dc(), longLine.c_str(),
                          static_cast<int>(longLine.size()), &extent);
    ASSERT_GT(extent.cx, out().LineWidth);

    state().editorAlignment = Alignment::Center;
    const PixelBlock centred = DrawLine(longLine);
    EXPECT_EQ(centred.pixels,
              Reference(out(), longLine, (out().LineWidth - extent.cx) / 2, false).pixels);

    state().editorAlignment = Alignment::Right;
    const PixelBlock right = DrawLine(longLine);
    EXPECT_EQ(right.pixels, Reference(out(), longLine, out().LineWidth - extent.cx, false).pixels)
        << "a right-aligned line loses its start";

    state().editorAlignment = Alignment::Left;
    const PixelBlock left = DrawLine("short");
    EXPECT_LT(InkLeft(left, kBackground), 5);
    state().editorAlignment = Alignment::Right;
    const PixelBlock shortRight = DrawLine("short");
    EXPECT_GT(InkRight(shortRight, kBackground), out().LineWidth - 5);
}

TEST_F(LineImages, LinesLongerThan255CharactersAreDrawnWhole) {
    state().editorAlignment = Alignment::Left;
    FontSpec small = state().editorFont;
    small.sizePt = 8;
    UseLook(small, kBackground);
    ASSERT_TRUE(out().PrepareForPlay());
    const std::string text = std::string(255, 'i') + "WWW";
    const PixelBlock drawn = DrawLine(text);
    EXPECT_EQ(out().LineText.size(), 258u);
    EXPECT_EQ(drawn.pixels, Reference(out(), text, 0, false).pixels);
}

} // namespace
