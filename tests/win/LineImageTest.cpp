// Line image preparation and line drawing, read back from the image.
#include <cstdlib>
#include <algorithm>
#include <functional>
#include <numeric>
#include <windows.h>

#include "OutputFixture.h"
#include "render/ScriptLineDrawing.h"
#include "render/TextFormat.h"

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

// Script lines drawn on their own into a line-sized image, black on white, in
// the font a line image makes of 26 pt Arial.
class ScriptLines : public ::testing::Test {
  protected:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 60;
    static constexpr std::uint32_t kWhite = 0xFFFFFF;

    void SetUp() override {
        FontSpec font;
        font.name = "Arial";
        font.sizePt = 26;
        image.SetFont(font);
        image.SetFontColor(0x000000);
        image.SetBrushColor(kWhite);
        image.SetSize(kWidth, kHeight);
    }
    HFONT Font() const { return static_cast<HFONT>(GetCurrentObject(image.dc(), OBJ_FONT)); }

    PixelBlock Drawn(std::wstring_view line, Alignment alignment, bool rightToLeft) {
        image.Fill();
        DrawScriptLine(image.dc(), line, {0, 0, kWidth, kHeight}, LineTextFormat(alignment),
                       rightToLeft);
        return Grab(image.dc(), 0, 0, kWidth, kHeight);
    }
    PixelBlock ByDrawTextW(std::wstring_view line, Alignment alignment) {
        image.Fill();
        RECT box{0, 0, kWidth, kHeight};
        DrawTextW(image.dc(), line.data(), static_cast<int>(line.size()), &box,
                  LineTextFormat(alignment));
        return Grab(image.dc(), 0, 0, kWidth, kHeight);
    }
    // Each character on its own, side by side: the unjoined forms.
    PixelBlock CharacterByCharacter(std::wstring_view line) {
        image.Fill();
        int x = 0;
        for (const wchar_t& c : line) {
            TextOutW(image.dc(), x, 0, &c, 1);
            SIZE size{};
            GetTextExtentPoint32W(image.dc(), &c, 1, &size);
            x += size.cx;
        }
        return Grab(image.dc(), 0, 0, kWidth, kHeight);
    }
    // The line as an edit control shows it in the same font, unfocused.
    PixelBlock InEditControl(std::wstring_view line, bool rightToLeft = false) {
        const std::wstring text(line);
        const DWORD order = rightToLeft ? WS_EX_RTLREADING : 0;
        UniqueHwnd edit(CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | order, L"EDIT",
                                        text.c_str(), WS_POPUP | ES_LEFT | ES_AUTOHSCROLL, 0, 0,
                                        kWidth, kHeight, nullptr, nullptr, nullptr, nullptr));
        SendMessageW(edit.get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        ShowWindow(edit.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(edit.get());
        return GrabWindow(edit.get(), 0, 0, kWidth, kHeight);
    }
    static int InkWidth(const PixelBlock& shown) {
        const std::uint32_t background = shown.At(kWidth - 1, 0);
        return InkRight(shown, background) - InkLeft(shown, background) + 1;
    }
    // Which columns hold ink, from the first inked one to the last: the
    // order of the words whatever the margins.
    static std::string InkColumns(const PixelBlock& shown) {
        const std::uint32_t background = shown.At(kWidth - 1, 0);
        std::string columns;
        for (int x = InkLeft(shown, background); x >= 0 && x <= InkRight(shown, background); ++x) {
            bool ink = false;
            for (int y = 0; y < kHeight && !ink; ++y)
                ink = shown.At(x, y) != background;
            columns += ink ? '#' : '.';
        }
        return columns;
    }
    struct Ink {
        int left = kWidth, top = kHeight, right = -1, bottom = -1;
    };
    static Ink InkOf(const PixelBlock& shown) {
        Ink ink;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (shown.At(x, y) != kWhite)
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                           std::max(ink.bottom, y)};
        return ink;
    }

    OffscreenImage image;
};

const wchar_t kArabic[] =
    L"\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645";
const wchar_t kHebrew[] = L"\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD";

TEST_F(ScriptLines, InkWidthIsTheEditControls) {
    const struct {
        const wchar_t* text;
        bool rightToLeft;
    } lines[] = {{L"Prompter line, 42 words & more", false}, {kArabic, true}, {kHebrew, true}};
    for (const auto& line : lines) {
        const int edited = InkWidth(InEditControl(line.text));
        ASSERT_GT(edited, 100) << static_cast<int>(line.text[0]);
        EXPECT_NEAR(InkWidth(Drawn(line.text, Alignment::Left, line.rightToLeft)), edited, 2)
            << static_cast<int>(line.text[0]);
    }
}

TEST_F(ScriptLines, ArabicIsJoinedAndShapingLeavesNoGdiObjects) {
    const int joined = InkWidth(Drawn(kArabic, Alignment::Left, true));
    EXPECT_GT(std::abs(joined - InkWidth(CharacterByCharacter(kArabic))), 5)
        << "the letters' isolated forms, as an unshaped drawing shows them";
    // Fallback fonts come and go with each line: Chinese has no face here.
    Drawn(L"\u4F60\u597D \u0645\u0631\u062D\u0628\u0627", Alignment::Center, false);
    const int before = GdiObjectCount();
    for (int i = 0; i < 50; ++i)
        Drawn(i % 2 ? kArabic : L"\u4F60\u597D \u0645\u0631\u062D\u0628\u0627", Alignment::Center,
              i % 3 == 0);
    EXPECT_LE(GdiObjectCount(), before);
}

// Direction is not alignment: a right-to-left line stays where the editor's
// alignment puts it.
TEST_F(ScriptLines, ARightToLeftParagraphKeepsTheAlignment) {
    EXPECT_LT(InkLeft(Drawn(kArabic, Alignment::Left, true), kWhite), 5);
    EXPECT_GT(InkRight(Drawn(kArabic, Alignment::Right, true), kWhite), kWidth - 5);
    const PixelBlock centred = Drawn(kArabic, Alignment::Center, true);
    EXPECT_NEAR(InkLeft(centred, kWhite), kWidth - 1 - InkRight(centred, kWhite), 4);
}

// Mixed runs, neutrals between them and full-width punctuation come in the
// editor's order: the prompter shows each line's words where the editor does.
TEST_F(ScriptLines, RightToLeftLinesOrderTheirRunsAsTheEditorDoes) {
    const wchar_t* const lines[] = {
        L"\u0645\u0631\u062D\u0628\u0627 \u0628\u0643\u0645 \u0645\u0639 BBC News, London\u060C "
        L"\u0627\u0644\u0633\u0627\u0639\u0629 18:30.",
        L"\u665A\u4E0A\u597D\uFF0C\u4EB2\u7231\u7684\u89C2\u4F17\u670B\u53CB\u4EEC\u3002",
        L"\u05E9\u05DC\u05D5\u05DD CNN International, John Smith 12.3.2024",
    };
    for (const wchar_t* line : lines) {
        const std::string edited = InkColumns(InEditControl(line, true));
        const std::string drawn = InkColumns(Drawn(line, Alignment::Left, true));
        ASSERT_GT(edited.size(), 100u) << static_cast<int>(line[0]);
        const std::size_t common = std::min(drawn.size(), edited.size());
        EXPECT_LE(std::max(drawn.size(), edited.size()) - common, 2u) << drawn << "\n" << edited;
        // A glyph's overhang may differ by a column or two; a word moved
        // elsewhere changes dozens.
        const auto differing =
            std::inner_product(drawn.begin(), drawn.begin() + common, edited.begin(), 0,
                               std::plus<>(), std::not_equal_to<>());
        EXPECT_LE(differing, 4) << static_cast<int>(line[0]) << "\n" << drawn << "\n" << edited;
    }
}

TEST_F(ScriptLines, LatinIsDrawTextWsOwnAndShapedLinesLandWhereItPutsThem) {
    // Cyrillic needs no shaping, so the shaped path must place it as DrawTextW
    // does: on the bottom, aligned, tabs expanded, '&' literal, cut at the box.
    // Glyph by glyph the two may differ by a pixel where the fonts' advances
    // round differently; the ink's box may not.
    const std::wstring cyrillic = L"\u041F\u0440\u0438\u0432\u0435\u0442 && \u043C\u0438\u0440";
    for (const Alignment alignment : {Alignment::Left, Alignment::Center, Alignment::Right}) {
        const std::wstring latin = L"Q&A && more\tX";
        EXPECT_EQ(Drawn(latin, alignment, false).pixels, ByDrawTextW(latin, alignment).pixels);
        for (const std::wstring& line :
             {cyrillic + L"\tX", cyrillic + L"\t\tY\t", std::wstring(60, L'\u0416')}) {
            const Ink shaped = InkOf(Drawn(line, alignment, false));
            const Ink plain = InkOf(ByDrawTextW(line, alignment));
            SCOPED_TRACE(testing::Message() << static_cast<int>(alignment) << " " << line.size());
            EXPECT_NEAR(shaped.left, plain.left, 1);
            EXPECT_NEAR(shaped.right, plain.right, 1);
            EXPECT_EQ(shaped.top, plain.top);
            EXPECT_EQ(shaped.bottom, plain.bottom);
        }
    }
}

} // namespace
