// The main window's editor, status bar and Font menu, on the real controls.
#include "EditorFixture.h"
#include "Pixels.h"
#include "win/Dpi.h"
#include "win/UniqueHandle.h"
#include "win/Win32Error.h"

#include <cstdlib>

#include <commctrl.h>

namespace {

class Editor : public EditorFixture {};

TEST_F(Editor, StatusPanelsShowTheScriptAndTheSettings) {
    state().LastFileLoaded = "C:\\scripts\\news.txt";
    memo().SetText("one\r\ntwo\r\n");
    form1().ShowStatseX();
    EXPECT_EQ(Panel(6), "C:\\scripts\\news.txt");
    EXPECT_EQ(Panel(5), "Lines 2") << "an empty last line is not counted";
    EXPECT_EQ(Panel(4), "28 Arial");
    EXPECT_EQ(Panel(2), "");
    EXPECT_EQ(Panel(3), "Single Monitor");
    state().menu.SetChecked(MenuId::ReversMirrorText1, true);
    state().menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
    form1().ShowStatseX();
    EXPECT_EQ(Panel(2), "Reverse Mirror");
    EXPECT_EQ(Panel(3), "Single Monitor") << "one monitor, whatever the switch";
    platform.display.monitors.push_back({1024, 0, 2048, 768});
    form1().ShowStatseX();
    EXPECT_EQ(Panel(3), "Dual Monitor");
    memo().SetText("");
    form1().ShowStatseX();
    EXPECT_EQ(Panel(5), "Lines 0");
}

// Whatever the display's scaling: the bar is high enough for its font, each
// panel wide enough for its longest usual text where the window has room for
// them all, the preview scaled alike.
TEST_F(Editor, StatusPanelsFitTheirTextsAtTheDisplaysScaling) {
    StatusBar& bar = form1().StatusBar1();
    const int dpi = WindowDpi(form1().hwnd());
    SetWindowPos(form1().hwnd(), nullptr, 0, 0, ScaleForDpi(1000, dpi), 600,
                 SWP_NOZORDER | SWP_NOMOVE);
    if (const char* expected = std::getenv("CUECRAFT_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "the run is not at the scaling it was set to";
    }
    const char* texts[] = {"Line:   1000   Col:  100", "Reverse Mirror", "Single Monitor",
                           "128 Times New Roman", "Lines 20000"};
    for (int panel = 1; panel <= 5; ++panel)
        bar.SetText(panel, texts[panel - 1]);
    ScopedGetDC dc(bar.hwnd());
    ScopedSelect font(dc.get(),
                      reinterpret_cast<HFONT>(SendMessageA(bar.hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    RECT barRect{};
    GetClientRect(bar.hwnd(), &barRect);
    EXPECT_GE(barRect.bottom, metrics.tmHeight + 4) << "at " << dpi << " DPI";
    EXPECT_GE(bar.Height(), ScaleForDpi(18, dpi));
    for (int panel = 1; panel <= 5; ++panel) {
        const std::string text = texts[panel - 1];
        SIZE need{};
        GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &need);
        RECT part{};
        SendMessageA(bar.hwnd(), SB_GETRECT, panel - 1, reinterpret_cast<LPARAM>(&part));
        // The text starts 3 pixels in, inside a one-pixel edge.
        EXPECT_GE(part.right - part.left, need.cx + 5) << "'" << text << "' at " << dpi << " DPI";
    }
    RECT preview{};
    GetWindowRect(form1().Panel2().hwnd(), &preview);
    EXPECT_EQ(preview.right - preview.left, ScaleForDpi(371, dpi));

    // Moved to a monitor scaled half as much again: laid out anew there.
    const int moved = dpi * 3 / 2;
    RECT suggested{};
    GetWindowRect(form1().hwnd(), &suggested);
    SendMessageA(form1().hwnd(), WM_DPICHANGED, MAKEWPARAM(moved, moved),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_GE(bar.Height(), ScaleForDpi(18, moved));
    EXPECT_GE(bar.PanelWidth(2), ScaleForDpi(80, moved));
    GetWindowRect(form1().Panel2().hwnd(), &preview);
    EXPECT_EQ(preview.right - preview.left, ScaleForDpi(371, moved));
    RECT memo{};
    GetWindowRect(form1().Memo1().hwnd(), &memo);
    MapWindowPoints(HWND_DESKTOP, form1().hwnd(), reinterpret_cast<POINT*>(&memo), 2);
    EXPECT_EQ(memo.top, bar.Height()) << "the editor starts below the taller bar";
}

// The line being played is painted onto the bar without waiting for a
// repaint; it looks as a text the bar holds, survives the bar's repaints, and
// whoever reads the panel reads it.
TEST_F(Editor, ALiveStatusTextLooksAndReadsAsASetOne) {
    StatusBar& bar = form1().StatusBar1();
    RECT part{};
    SendMessageA(bar.hwnd(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    auto shown = [&] {
        return GrabWindow(bar.hwnd(), part.left, part.top, part.right - part.left,
                          part.bottom - part.top)
            .pixels;
    };
    auto repainted = [&] {
        InvalidateRect(bar.hwnd(), nullptr, TRUE);
        UpdateWindow(bar.hwnd());
        return shown();
    };
    bar.SetText(1, "Line  7 of 40");
    const auto set = repainted();
    bar.SetText(1, "Line  1 of 40");
    ASSERT_NE(repainted(), set);
    bar.SetTextLive(1, "Line  7 of 40");
    EXPECT_EQ(shown(), set) << "drawn at once, as the bar draws a text";
    EXPECT_EQ(repainted(), set) << "a repaint of the bar keeps it";
    EXPECT_EQ(Panel(1), "Line  7 of 40");
    EXPECT_EQ(repainted(), set) << "the bar's own text after the reading";
    bar.SetTextLive(1, "Line  8 of 40");
    wchar_t wide[32] = {};
    EXPECT_EQ(LOWORD(SendMessageW(bar.hwnd(), SB_GETTEXTLENGTHW, 0, 0)), 13);
    SendMessageW(bar.hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(wide));
    EXPECT_STREQ(wide, L"Line  8 of 40");
    bar.SetTextLive(1, "Line  9 of 40");
    bar.SetText(1, "Line:   3   Col:   1");
    EXPECT_EQ(Panel(1), "Line:   3   Col:   1") << "a text set after the live one";

    // Wider than the panel: the control's way, which widens the panel.
    const int width = bar.PanelWidth(1);
    const std::string longer = "Line  1000000000 of 2000000000 in a very long script";
    bar.SetTextLive(1, longer);
    const int widened = bar.PanelWidth(1);
    EXPECT_GT(widened, width);
    EXPECT_EQ(Panel(1), longer);

    // The widened panel stays live for the next texts of its width (a long
    // script's line numbers), its picture that of a set text.
    const std::string next = "Line  1000000001 of 2000000000 in a very long script";
    SendMessageA(bar.hwnd(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    bar.SetText(1, next);
    const auto setWide = repainted();
    bar.SetText(1, longer);
    ASSERT_NE(repainted(), setWide);
    bar.SetTextLive(1, next);
    EXPECT_EQ(bar.ShownText(1), "") << "the control's panel held empty, the text drawn over it";
    EXPECT_EQ(shown(), setWide);
    EXPECT_EQ(repainted(), setWide);
    EXPECT_EQ(bar.PanelWidth(1), widened);
    EXPECT_EQ(Panel(1), next);
}

// A dual-screen playback lays panel 1 out once, for its widest line number:
// no line of a long script lays the bar out or repaints it again, and the
// width goes back afterwards.
TEST_F(Editor, APanelKeptForThePlaybacksWidestLineStaysLiveAtEveryLine) {
    StatusBar& bar = form1().StatusBar1();
    bar.SetText(1, "Line:   3   Col:   1");
    const int design = bar.PanelWidth(1);
    bar.KeepWidthFor(1, "Line  20001 of 20000");
    const int kept = bar.PanelWidth(1);
    EXPECT_GT(kept, design);
    EXPECT_EQ(bar.ShownText(1), "") << "live before the first line enters";
    for (const char* text : {"Line  1 of 20000", "Line  10 of 20000", "Line  19999 of 20000",
                             "Line  20001 of 20000"}) {
        bar.SetTextLive(1, text);
        EXPECT_EQ(bar.ShownText(1), "") << text << " went the control's way";
        EXPECT_EQ(bar.PanelWidth(1), kept) << text;
    }
    EXPECT_EQ(Panel(1), "Line  20001 of 20000");
    bar.KeepWidthFor(1, "");
    bar.SetText(1, "Line:   3   Col:   1");
    EXPECT_EQ(bar.PanelWidth(1), design) << "the width given back";
    EXPECT_EQ(Panel(1), "Line:   3   Col:   1");
}

// A long text widens its panel only while it is there and only as far as the
// bar has room; what does not fit shows cut, a path in its middle, and reads
// whole.
TEST_F(Editor, StatusPanelsStayOnTheBarAndGiveBackTheirWidth) {
    StatusBar& bar = form1().StatusBar1();
    const int dpi = WindowDpi(form1().hwnd());
    RECT client{};
    GetClientRect(bar.hwnd(), &client);
    const std::string name = "evening-news-script.txt";
    const std::string path = "C:\\Scripts\\Season twelve\\Episode four, the long cut with all "
                             "the notes of the studio\\" +
                             name;
    bar.SetText(6, path);
    bar.SetText(5, "Loading " + path);
    ScopedGetDC dc(bar.hwnd());
    ScopedSelect font(dc.get(),
                      reinterpret_cast<HFONT>(SendMessageA(bar.hwnd(), WM_GETFONT, 0, 0)));
    for (int panel = 1; panel <= 6; ++panel) {
        RECT part{};
        SendMessageA(bar.hwnd(), SB_GETRECT, panel - 1, reinterpret_cast<LPARAM>(&part));
        EXPECT_LE(part.right, client.right) << "panel " << panel << " ends off the bar";
        const std::string& shown = bar.ShownText(panel);
        SIZE need{};
        GetTextExtentPoint32A(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &need);
        EXPECT_LE(need.cx, part.right - part.left) << "'" << shown << "'";
    }
    for (int panel : {5, 6}) {
        const std::string& shown = bar.ShownText(panel);
        EXPECT_NE(shown.find("..."), std::string::npos) << shown;
        EXPECT_EQ(shown.substr(shown.size() - name.size() - 1), "\\" + name) << "cut in the middle";
    }
    EXPECT_EQ(Panel(5), "Loading " + path);
    EXPECT_EQ(Panel(6), path);
    std::wstring wide(path.size() + 1, L'\0');
    EXPECT_EQ(LOWORD(SendMessageW(bar.hwnd(), SB_GETTEXTLENGTHW, 5, 0)), path.size());
    SendMessageW(bar.hwnd(), SB_GETTEXTW, 5, reinterpret_cast<LPARAM>(wide.data()));
    EXPECT_EQ(wide, std::wstring(path.begin(), path.end()) + L'\0');

    // The load over, panel 5 is back at its width and panel 6 has the room.
    auto sixthWidth = [&] {
        int width = client.right;
        for (int panel = 1; panel <= 5; ++panel)
            width -= bar.PanelWidth(panel);
        return width;
    };
    const int squeezed = sixthWidth();
    bar.SetText(5, "news.txt");
    EXPECT_EQ(bar.PanelWidth(5), ScaleForDpi(100, dpi));
    EXPECT_GT(sixthWidth(), squeezed);
    bar.SetText(6, name);
    EXPECT_EQ(bar.ShownText(6), name);
}

TEST_F(Editor, LinesCountDisplayedRowsOfAWrappedParagraph) {
    state().editorFont.sizePt = 12;
    form1().ApplyEditorLook();
    std::string paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += "word ";
    memo().SetText(paragraph);
    const int rows = memo().LineCount();
    EXPECT_GT(rows, 1) << "the paragraph wraps at the editor's edge";
    form1().ShowStatseX();
    EXPECT_EQ(Panel(5), "Lines " + std::to_string(rows));
    EXPECT_EQ(memo().LineText(0) + memo().LineText(1), paragraph.substr(0, memo().LineIndex(2)));

    // The count follows whatever changes the lines: a narrower editor, a
    // larger font, typing at the end.
    RECT bounds{};
    GetClientRect(memo().hwnd(), &bounds);
    memo().SetBounds(0, 0, bounds.right / 2, bounds.bottom);
    const int narrower = memo().LineCount();
    EXPECT_GT(narrower, rows);
    state().editorFont.sizePt = 24;
    form1().ApplyEditorLook();
    EXPECT_GT(memo().LineCount(), narrower);
    memo().SetText("one\r\ntwo");
    EXPECT_EQ(memo().LineCount(), 2);
    memo().SetSelection(memo().TextLength(), 0);
    Type("\r");
    EXPECT_EQ(memo().LineCount(), 2) << "an empty last line";
    Type("x");
    EXPECT_EQ(memo().LineCount(), 3);

    // Lines longer than a usual read, in a very wide editor, come whole.
    memo().SetBounds(0, 0, 32000, 200);
    const std::string longLine(9000, 'i');
    memo().SetText(longLine + "\r\nend");
    std::string read;
    for (int line = 0; line < memo().LineCount(); ++line)
        read += memo().LineText(line);
    EXPECT_EQ(read, longLine + "end");
    EXPECT_EQ(memo().LineText(memo().LineCount()), "") << "past the end";
}

TEST_F(Editor, CaretReportLagsOneKeyBehind) {
    Command(MenuId::LeftJustify1);
    memo().SetText("first\r\nsecond\r\nthird");
    memo().SetSelection(0, 0);
    SetFocus(memo().hwnd());
    SendMessageA(memo().hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Panel(1), "Line:   1   Col:   1") << "reported before the caret moved";
    SendMessageA(memo().hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(Panel(1), "Line:   2   Col:   1");
    SendMessageA(memo().hwnd(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Panel(1), "Line:   2   Col:   2");
}

TEST_F(Editor, ClickAndExitRecordTheCaretLine) {
    memo().SetText("a\r\nb\r\nc\r\nd");
    memo().SetSelection(memo().LineIndex(2), 0);
    form1().Memo1Click();
    EXPECT_EQ(state().CursorLine, 2);
    EXPECT_EQ(Panel(1), "Line:   3   Col:   1");
    memo().SetSelection(memo().LineIndex(3), 0);
    form1().Memo1Enter();
    EXPECT_EQ(state().CursorLine, 3);
    memo().SetSelection(memo().LineIndex(1), 0);
    form1().Memo1DragDrop();
    EXPECT_EQ(state().CursorLine, 1);
}

TEST_F(Editor, WhilePromptingClickAndEntryLeaveTheCaretLineAlone) {
    memo().SetText("a\r\nb\r\nc");
    memo().SetSelection(memo().LineIndex(1), 0);
    form1().Memo1Click();
    app->Form4()->Playing = true;
    form1().StatusBar1().SetText(1, "Line  3 of 3");
    memo().SetSelection(memo().LineIndex(2), 0);
    form1().Memo1Enter();
    form1().Memo1DragDrop();
    EXPECT_EQ(state().CursorLine, 1);
    EXPECT_EQ(Panel(1), "Line  3 of 3");
    form1().Memo1Exit();
    EXPECT_EQ(state().CursorLine, 2) << "exit records the caret line in any case";
    app->Form4()->Playing = false;
}

TEST_F(Editor, MouseButtonsRequestADirection) {
    TForm4& out = *app->Form4();
    out.Paused = true;
    form1().Memo1MouseDown(2);
    EXPECT_TRUE(out.Paused) << "middle button does nothing";
    form1().Memo1MouseDown(0);
    EXPECT_FALSE(out.Paused) << "left button resumes forward";
    out.AreaHeight = 10;
    out.RowsScrolled = 11;
    out.CurLine = 20;
    out.BandLines = 5;
    form1().Memo1MouseDown(1);
    EXPECT_TRUE(out.Reverse) << "right button runs backward";
    EXPECT_EQ(out.RunMode, Direction::Backward);
    EXPECT_EQ(out.CurLine, 16);
}

TEST_F(Editor, BoldThenItalicKeepsBothStylesButOneMark) {
    Command(MenuId::Bold);
    Command(MenuId::Italic);
    EXPECT_TRUE(state().editorFont.Has(kStyleBold));
    EXPECT_TRUE(state().editorFont.Has(kStyleItalic));
    EXPECT_FALSE(state().menu.Checked(MenuId::Bold));
    EXPECT_TRUE(state().menu.Checked(MenuId::Italic));
    Command(MenuId::Bold); // sets its mark and adds bold, already there
    EXPECT_TRUE(state().menu.Checked(MenuId::Bold));
    EXPECT_TRUE(state().editorFont.Has(kStyleBold));
    EXPECT_TRUE(state().editorFont.Has(kStyleItalic));
    Command(MenuId::Bold);
    EXPECT_FALSE(state().editorFont.Has(kStyleBold));
    EXPECT_TRUE(state().editorFont.Has(kStyleItalic));
    LOGFONTA lf{};
    GetObjectA(memo().Font(), sizeof lf, &lf);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_LT(lf.lfWeight, FW_BOLD) << "the editor's real font follows";
}

TEST_F(Editor, FormattingCommandsThatSetAMarkSwitchMirrorOff) {
    Command(MenuId::CenterText1); // off, so choosing it below sets its mark
    for (MenuId id : {MenuId::Bold, MenuId::Underline, MenuId::Italic, MenuId::LeftJustify1,
                      MenuId::CenterText1, MenuId::RightJustify1}) {
        state().menu.SetChecked(MenuId::ReversMirrorText1, true);
        form1().ShowStatseX();
        Command(id);
        EXPECT_FALSE(state().UseReverse()) << static_cast<int>(id);
        EXPECT_EQ(Panel(2), "Reverse Mirror") << "kept until the next refresh";
        Command(id); // and back off
    }
}

TEST_F(Editor, ChoosingTheCheckedAlignmentAgainRemovesTheMarkOnly) {
    EXPECT_TRUE(state().menu.Checked(MenuId::CenterText1));
    EXPECT_EQ(memo().GetAlignment(), Alignment::Center);
    EXPECT_TRUE(GetWindowLongA(memo().hwnd(), GWL_STYLE) & ES_CENTER);
    Command(MenuId::CenterText1);
    EXPECT_FALSE(state().menu.Checked(MenuId::CenterText1));
    EXPECT_EQ(memo().GetAlignment(), Alignment::Center);
    Command(MenuId::RightJustify1);
    EXPECT_EQ(memo().GetAlignment(), Alignment::Right);
    EXPECT_TRUE(GetWindowLongA(memo().hwnd(), GWL_STYLE) & ES_RIGHT);
    Command(MenuId::LeftJustify1);
    EXPECT_EQ(memo().GetAlignment(), Alignment::Left);
    EXPECT_FALSE(state().menu.Checked(MenuId::RightJustify1));
}

// While a script plays the selection shows only when the editor has the
// focus; the editor keeps its control (and so its undo), and the selection
// reads as it is all along.
TEST_F(Editor, AHiddenSelectionShowsOnlyWithTheFocusAndReadsAsItIs) {
    memo().SetText("one two three four");
    memo().SetSelection(4, 3);
    const HWND control = memo().hwnd();
    auto shown = [&] {
        DWORD start = 0, end = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return static_cast<int>(end - start);
    };
    SetFocus(nullptr); // as when the output window takes it
    memo().SetHideSelection(true);
    EXPECT_EQ(memo().hwnd(), control) << "not re-created";
    EXPECT_EQ(shown(), 0) << "no selection on the screen without the focus";
    EXPECT_EQ(memo().SelStart(), 4);
    EXPECT_EQ(memo().SelLength(), 3);
    memo().SetSelection(8, 5);
    EXPECT_EQ(shown(), 0);
    SetFocus(control);
    EXPECT_EQ(shown(), 5) << "with the focus it shows";
    EXPECT_EQ(memo().SelStart(), 8);
    SetFocus(nullptr); // as when the output window takes it
    EXPECT_EQ(shown(), 0);
    memo().SetHideSelection(false);
    EXPECT_EQ(shown(), 5) << "shown again after the playback";
    EXPECT_EQ(memo().SelLength(), 5);
}

TEST_F(Editor, ReCreatingTheEditorCarriesEverythingAcross) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "Line number " + std::to_string(i) + "\r\n";
    memo().SetText(text);
    Type("x");
    memo().SetSelection(1500, 7);
    SendMessageA(memo().hwnd(), EM_LINESCROLL, 0, 40);
    const int firstVisible =
        static_cast<int>(SendMessageA(memo().hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0));
    const HFONT font = memo().Font();
    const HWND before = memo().hwnd();
    SetFocus(before);
    memo().SetAlignment(Alignment::Right);
    EXPECT_NE(memo().hwnd(), before);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_TRUE(GetWindowLongA(memo().hwnd(), GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(memo().Text(), "x" + text);
    EXPECT_EQ(memo().SelStart(), 1500);
    EXPECT_EQ(memo().SelLength(), 7);
    EXPECT_TRUE(memo().Modified());
    EXPECT_EQ(SendMessageA(memo().hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0), firstVisible);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(memo().hwnd(), WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(GetFocus(), memo().hwnd());
    EXPECT_GT(SendMessageA(memo().hwnd(), EM_GETLIMITTEXT, 0, 0), 30000);
    form1().Memo1Change();
    Type("y"); // events still reach the form
    SendMessageA(memo().hwnd(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_NE(Panel(1), "");
}

TEST_F(Editor, BlackOnWhiteSwapsColoursAndRecordsThem) {
    state().editorFont.color = 0xFF0000; // blue
    form1().ApplyEditorLook();
    Command(MenuId::BlackonWhite1);
    EXPECT_EQ(state().editorFont.color, 0x000000u);
    EXPECT_EQ(state().editorColor, 0xFFFFFFu);
    EXPECT_EQ(state().FormColor, 0xFFFFFFu);
    EXPECT_EQ(state().Alternate.Fcolor, 0x000000u);
    EXPECT_EQ(state().Alternate.Bcolor, 0xFFFFFFu);
    Command(MenuId::BlackonWhite1);
    EXPECT_EQ(state().editorFont.color, 0xFFFFFFu);
    EXPECT_EQ(state().editorColor, 0x000000u);
    EXPECT_EQ(state().FormColor, 0x000000u);
    EXPECT_EQ(state().Alternate.Bcolor, 0x000000u);
    EXPECT_EQ(memo().TextColor(), 0xFFFFFFu);
    EXPECT_EQ(memo().BackgroundColor(), 0x000000u);
    EXPECT_EQ(state().TextColor, 0xFFFFFFu) << "the prompting colour is not touched";
}

TEST_F(Editor, FontDialogConfirmedTakesTheWholeFont) {
    platform.ui.fontDialog = [](FontSpec& font, const auto&) {
        font = {"A Very Long Typeface Name For Tests", 40, kStyleItalic, 0x00FF00};
        return true;
    };
    Command(MenuId::TypeansSize1);
    ASSERT_EQ(platform.ui.fontGiven.size(), 1u);
    EXPECT_EQ(platform.ui.fontGiven[0].sizePt, 28) << "the dialog starts from the editor font";
    EXPECT_EQ(state().editorFont.name, "A Very Long Typeface Name For Tests");
    EXPECT_EQ(state().editorFont.sizePt, 40);
    EXPECT_EQ(state().FontColor, 0x00FF00u);
    EXPECT_EQ(state().Alternate.FontName, "A Very Long Typeface Nam");
    EXPECT_EQ(state().Alternate.Size, 40);
    EXPECT_EQ(state().Alternate.Style, kStyleItalic);
    EXPECT_EQ(state().Alternate.Fcolor, 0x00FF00u);
    EXPECT_EQ(app->Form4()->FontSize, 80);
}

TEST_F(Editor, FontDialogCancelledAfterApplyKeepsOnlyTheSize) {
    platform.ui.fontDialog = [](FontSpec& font, const auto& apply) {
        font.name = "Courier New";
        font.sizePt = 36;
        font.Set(kStyleBold, true);
        apply(font);
        return false;
    };
    const std::string face = state().editorFont.name;
    Command(MenuId::TypeansSize1);
    EXPECT_EQ(state().editorFont.sizePt, 36) << "Apply takes the size";
    EXPECT_EQ(state().editorFont.name, face) << "and nothing else";
    EXPECT_FALSE(state().editorFont.Has(kStyleBold));
    EXPECT_EQ(state().Alternate.FontName, "Courier New")
        << "the record still takes the dialog font";
    EXPECT_EQ(state().Alternate.Size, 36);
    EXPECT_EQ(app->Form4()->FontSize, 72);
}

TEST_F(Editor, FontDialogCancelledStraightAwayStillRewritesTheRecord) {
    state().Alternate.Size = 99;
    Command(MenuId::TypeansSize1); // no answer: cancelled
    EXPECT_EQ(state().Alternate.Size, 28);
    EXPECT_EQ(state().Alternate.FontName, "Arial");
    EXPECT_EQ(app->Form4()->FontSize, 56);
}

TEST_F(Editor, ScreenCaptureSavesAScreenSized8BitPicture) {
    platform.ui.fileAnswers.push_back(Path("shot.bmp"));
    form1().Memo1KeyDown('S', true, true, true);
    ASSERT_EQ(platform.ui.fileDialogs.size(), 1u);
    const FileDialogSpec& dialog = platform.ui.fileDialogs[0].second;
    EXPECT_EQ(dialog.title, "Save Current Screen to bitmap file.");
    EXPECT_EQ(dialog.filter, "Bitmap |*.bmp");
    EXPECT_EQ(dialog.defaultExt, "BMP");
    const std::string file = ReadFile("shot.bmp");
    ASSERT_GT(file.size(), 54u);
    BITMAPINFOHEADER header;
    memcpy(&header, file.data() + 14, sizeof header);
    EXPECT_EQ(header.biWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(header.biHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(header.biBitCount, 8);
    form1().Memo1KeyDown('S', true, true, false);
    EXPECT_EQ(platform.ui.fileDialogs.size(), 1u) << "only the full chord captures";

    // Typed into the control, the chord reaches the window with its modifiers.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(memo().hwnd(), WM_KEYDOWN, 'S', 0);
    keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(platform.ui.fileDialogs.size(), 2u);
}

} // namespace

namespace {

class EditorEvents : public EditorFixture {};

TEST_F(EditorEvents, AParagraphWrappingOverThreeRowsCountsThree) {
    Command(MenuId::LeftJustify1);
    // Each word is wider than half the editor, so each takes a row of its own.
    const std::string word(15, 'W');
    memo().SetText(word + " " + word + " " + word);
    form1().ShowStatseX();
    EXPECT_EQ(Panel(5), "Lines 3");
    memo().SetText(word + " " + word + " " + word + "\r\n");
    form1().ShowStatseX();
    EXPECT_EQ(Panel(5), "Lines 3") << "the empty last line is not counted";
}

TEST_F(EditorEvents, AClickWhilePromptingLeavesPanelOneToThePlayback) {
    memo().SetText("a\r\nb");
    app->Form4()->Playing = true;
    form1().StatusBar1().SetText(1, "Line  2 of 2");
    form1().Memo1Click();
    EXPECT_EQ(Panel(1), "Line  2 of 2");
    app->Form4()->Playing = false;
}

TEST_F(EditorEvents, AQuickSecondClickStillSteers) {
    TForm4& out = *app->Form4();
    out.Paused = true;
    SendMessageA(memo().hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(out.Paused);
}

TEST_F(EditorEvents, AFailedCaptureReachesTheErrorBoxAndTheProgramGoesOn) {
    platform.replaceFile = [](const std::string&, const std::string&) {
        throw Win32Error(ERROR_ACCESS_DENIED);
    };
    platform.ui.fileAnswers.push_back(Path("shot.bmp"));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(memo().hwnd(), WM_SYSKEYDOWN, 'S', 0);
    keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, SystemErrorText(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(IsWindow(form1().hwnd()));
}

TEST_F(EditorEvents, ShowingTheWindowRefreshesTheStatusBar) {
    form1().StatusBar1().SetText(2, "stale");
    ShowWindow(form1().hwnd(), SW_HIDE);
    ShowWindow(form1().hwnd(), SW_SHOW);
    app->mainupdate();
    EXPECT_EQ(Panel(2), "") << "mirror mode is off";
    EXPECT_EQ(Panel(4), "28 Arial");
}

// Typing settles the reading order after a pause, not at every key: the
// control is made again for the new order, with the text and the edit kept.
TEST_F(EditorEvents, TheReadingOrderFollowsTheTypedTextAfterAPause) {
    auto settled = [&](bool rightToLeft) {
        for (int i = 0; i < 400 && memo().RightToLeft() != rightToLeft; ++i) {
            Sleep(10);
            app->mainupdate();
        }
        return memo().RightToLeft() == rightToLeft;
    };
    ASSERT_FALSE(memo().RightToLeft());
    Type("CAM 1\r");
    Type("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D");
    EXPECT_FALSE(memo().RightToLeft()) << "not while the keys come";
    ASSERT_TRUE(settled(true)) << "most of the text reads right to left";
    EXPECT_TRUE(state().scriptRightToLeft) << "the prompter and print read it so too";
    EXPECT_EQ(memo().Text(), "CAM 1\r\n\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D "
                             "\xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D");
    EXPECT_TRUE(memo().Modified());
    EXPECT_EQ(memo().SelStart(), memo().TextLength()) << "the caret stays at the end";
    Type("\rGood evening and welcome");
    ASSERT_TRUE(settled(false));
    EXPECT_FALSE(state().scriptRightToLeft);
}

// The window's hint sits where a pointer can reach it: over the editor, which
// with the status bar covers the window's client area; it follows the editor
// control that a new alignment makes.
TEST_F(EditorEvents, ToolTipsCarryTheirTextsAndTheHintShowsOverTheEditor) {
    HWND tip = form1().ToolTips().hwnd();
    ASSERT_NE(tip, nullptr);
    using Tools = std::vector<std::pair<HWND, std::string>>;
    auto tools = [tip] {
        Tools found;
        const int count = static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[80] = {0};
            TTTOOLINFOA info{};
            info.cbSize = sizeof info;
            info.lpszText = text;
            SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info));
            found.push_back({reinterpret_cast<HWND>(info.uId), text});
        }
        return found;
    };
    EXPECT_TRUE(tools().empty()) << "hints off: nothing watches";
    state().ShowHints = true;
    form1().ApplyEditorLook();
    const HWND bar = form1().StatusBar1().hwnd();
    EXPECT_EQ(tools(), (Tools{{memo().hwnd(), "Start by Opening  a File"}, {bar, "  "}}));
    const HWND before = memo().hwnd();
    Command(MenuId::LeftJustify1);
    ASSERT_NE(memo().hwnd(), before) << "a new alignment, a new control";
    EXPECT_EQ(tools(), (Tools{{memo().hwnd(), "Start by Opening  a File"}, {bar, "  "}}));
    const HWND leftToRight = memo().hwnd();
    WriteFile("hebrew.txt", "\xEF\xBB\xBF\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D");
    ASSERT_TRUE(form1().LoadScript(Path("hebrew.txt")));
    ASSERT_NE(memo().hwnd(), leftToRight) << "a new reading order, a new control";
    EXPECT_EQ(tools(), (Tools{{memo().hwnd(), "Start by Opening  a File"}, {bar, "  "}}));

    // The pointer rests over the editor: the hint comes up with its text.
    RECT area{};
    GetClientRect(memo().hwnd(), &area);
    POINT at{area.right / 2, area.bottom / 2};
    POINT screen = at;
    ClientToScreen(memo().hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(memo().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    for (int i = 0; i < 300 && !IsWindowVisible(tip); ++i) {
        Sleep(10);
        app->mainupdate();
    }
    ASSERT_TRUE(IsWindowVisible(tip));
    char text[80] = {0};
    TTTOOLINFOA shown{};
    shown.cbSize = sizeof shown;
    shown.lpszText = text;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&shown)));
    EXPECT_STREQ(text, "Start by Opening  a File");

    state().ShowHints = false;
    form1().ApplyEditorLook();
    EXPECT_TRUE(tools().empty());
}

} // namespace
