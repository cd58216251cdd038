// File > Print to a real printer in the Wine prefix whose port is a file, read
// back with ghostscript; File > Print Setup; the real print dialogs.
#include <algorithm>
#include <regex>
#include <set>

#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include "DialogWatcher.h"
#include "MsgBoxHook.h"
#include "TestPrinter.h"
#include "TestServices.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"

namespace {

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string error = InstallTestPrinter();
        ASSERT_EQ(error, "");
        ClearTestPrinterOutput();
        platform.ui.printAnswer = [](PrinterChoice& printer) {
            printer.deviceName = kTestPrinter;
            return true;
        };
        app = std::make_unique<Application>(platform.services());
        ASSERT_TRUE(app->Start({})) << (platform.ui.boxes.empty() ? "" : platform.ui.boxes[0].text);
        ShowWindow(form1().hwnd(), SW_SHOW);
        // A face the test machines have, so style shows in the job's font names.
        Font({"DejaVu Sans", 12, 0, 0});
    }
    TForm1& form1() { return app->Form1(); }
    void Font(const FontSpec& font) {
        form1().State().editorFont = font;
        form1().ApplyEditorLook();
    }
    void Script(const std::string& text) { ASSERT_TRUE(form1().Memo1().SetText(text)); }
    void Command(MenuId id) {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    // The printed lines without the blank ones ghostscript reports between them.
    static std::vector<std::string> Visible(const std::vector<std::string>& lines) {
        std::vector<std::string> visible;
        for (const std::string& line : lines)
            if (line.find_first_not_of(' ') != std::string::npos)
                visible.push_back(line.substr(line.find_first_not_of(' ')));
        return visible;
    }
    static int PageCount(const std::string& postScript) {
        const std::regex page("%%Page: ");
        return static_cast<int>(
            std::distance(std::sregex_iterator(postScript.begin(), postScript.end(), page),
                          std::sregex_iterator()));
    }
    TestPlatform platform;
    std::unique_ptr<Application> app;
};

TEST_F(Printing, OneLineScriptPrintsItsLineAndTheTrailerOnOnePage) {
    form1().State().CmdLineFile = "C:\\Scripts\\news.txt";
    Script("Good evening");
    Command(MenuId::Print1);
    ASSERT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
    ASSERT_EQ(platform.ui.printDialogs.size(), 1u);
    ASSERT_TRUE(TestPrinterHasOutput());
    EXPECT_EQ(PageCount(TestPrinterPostScript()), 1);
    EXPECT_EQ(PrintedLines(), (std::vector<std::string>{"Good evening", " ", " ", " 1 Lines",
                                                        " C:\\Scripts\\news.txt", " "}));
}

TEST_F(Printing, WithoutACommandLineScriptItsLineHoldsASingleBlank) {
    Script("First\r\n\r\nThird\r\n");
    Command(MenuId::Print1);
    // Ghostscript reports no line where nothing was drawn, so the empty
    // second line shows only in the count.
    EXPECT_EQ(PrintedLines(),
              (std::vector<std::string>{"First", "Third", " ", " ", " 3 Lines", " ", " "}))
        << "the empty last line is neither printed nor counted";
}

TEST_F(Printing, LongScriptContinuesOnNewPagesAndTheTrailerFollowsIt) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 1; i <= 150; ++i) {
        text += "Line " + std::to_string(i) + "\r\n";
        expected.push_back("Line " + std::to_string(i));
    }
    Script(text);
    Command(MenuId::Print1);
    const std::string postScript = TestPrinterPostScript();
    EXPECT_GE(PageCount(postScript), 2);
    for (const char* trailer : {" ", " ", " 150 Lines", " ", " "})
        expected.push_back(trailer);
    auto lines = PrintedLines();
    lines.erase(std::remove(lines.begin(), lines.end(), ""), lines.end()); // page gaps
    EXPECT_EQ(lines, expected);
}

TEST_F(Printing, AnOverWideLineBreaksAndContinuesAtTheLeftEdge) {
    // The editor is far wider than the paper, so one editor line overflows.
    MoveWindow(form1().hwnd(), 0, 0, 1900, 500, TRUE);
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "word" + std::to_string(i) + " ";
    line.pop_back();
    Script(line);
    ASSERT_EQ(form1().Memo1().LineCount(), 1);
    Command(MenuId::Print1);
    const auto lines = PrintedLines();
    ASSERT_GT(lines.size(), 6u);
    const std::vector<std::string> pieces(lines.begin(), lines.end() - 5);
    EXPECT_GE(pieces.size(), 2u);
    std::string joined;
    for (const std::string& piece : pieces)
        joined += piece;
    EXPECT_EQ(joined, line);
    EXPECT_EQ(lines[lines.size() - 3], " 1 Lines");
}

TEST_F(Printing, BoldAndItalicPrintInThoseStyles) {
    Script("Styled");
    Command(MenuId::Print1);
    EXPECT_EQ(TestPrinterPostScript().find("Bold"), std::string::npos);
    ClearTestPrinterOutput();
    Font({"DejaVu Sans", 12, kStyleBold | kStyleItalic, 0});
    Command(MenuId::Print1);
    EXPECT_NE(TestPrinterPostScript().find("/DejaVuSans-BoldOblique"), std::string::npos);
    EXPECT_EQ(PrintedLines().front(), "Styled");
}

TEST_F(Printing, WhiteTextPrintsBlackWhileDarkColoursStay) {
    Script("WWWWWWWW MMMMMMMM");
    Font({"DejaVu Sans", 28, kStyleBold, 0xFFFFFF});
    Command(MenuId::Print1);
    const PrintedPixels white = RenderPrintedPixels();
    EXPECT_GT(white.dark, 100) << "white on white paper would be a blank page";
    EXPECT_EQ(white.bluish, 0);
    ClearTestPrinterOutput();
    Font({"DejaVu Sans", 28, kStyleBold, 0x900000}); // navy
    Command(MenuId::Print1);
    EXPECT_GT(RenderPrintedPixels().bluish, 100);
}

// Arabic, Hebrew and Chinese in a face that holds none of them: each line
// printed as the prompter draws it, its letters from the fonts that have
// them, and lines longer than the page broken within its printable width.
TEST_F(Printing, OtherScriptsPrintFromTheirFontsWithinThePrintableWidth) {
    SetWindowPos(form1().hwnd(), nullptr, 0, 0, 1900, 600, SWP_NOZORDER);
    Font({"Noto Sans", 20, 0, 0});
    const std::string arabic = "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7 \xD8\xA8\xD9\x83\xD9\x85 "
                               "\xD9\x85\xD8\xB9 BBC News, London\xD8\x8C ";
    const std::string hebrew = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D ";
    std::string line;
    for (int i = 0; i < 4; ++i)
        line += arabic + hebrew;
    Script(line);
    form1().State().scriptRightToLeft = true;
    Command(MenuId::Print1);
    ASSERT_TRUE(TestPrinterHasOutput());
    const std::string postScript = TestPrinterPostScript();
    std::smatch font;
    std::set<std::string> fonts;
    const std::regex fontName("/FontName /([^ ]+)");
    for (auto at = postScript.cbegin(); std::regex_search(at, postScript.cend(), font, fontName);
         at = font.suffix().first)
        fonts.insert(font[1]);
    EXPECT_GT(fonts.size(), 1u) << "the letters come from fallback fonts: "
                                << postScript.substr(0, 3000);

    UniqueHdc printer(CreateDCA("WINSPOOL", kTestPrinter, nullptr, nullptr));
    ASSERT_TRUE(printer);
    const int dpi = GetDeviceCaps(printer.get(), LOGPIXELSX);
    const int left = GetDeviceCaps(printer.get(), PHYSICALOFFSETX);
    const int right = left + GetDeviceCaps(printer.get(), HORZRES);
    const PrintedPixels page = RenderPrintedPixels();
    ASSERT_GT(page.dark, 100);
    EXPECT_GE(page.inkLeft, left * kPrintedPixelsPerInch / dpi - 1);
    EXPECT_LE(page.inkRight, right * kPrintedPixelsPerInch / dpi + 1)
        << "no line runs past the printable width";
    EXPECT_GT(Visible(PrintedLines()).size(), 2u) << "the long line broken";
}

TEST_F(Printing, CancelledDialogPrintsNothing) {
    platform.ui.printAnswer = [](PrinterChoice&) { return false; };
    Script("Not to be printed");
    Command(MenuId::Print1);
    EXPECT_EQ(platform.ui.printDialogs.size(), 1u);
    EXPECT_FALSE(TestPrinterHasOutput());
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Printing, EmptyScriptAsksForATextFileAndPrintsNothing) {
    Script("");
    Command(MenuId::Print1);
    EXPECT_TRUE(platform.ui.printDialogs.empty());
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Open a text file and try again");
    EXPECT_EQ(platform.ui.boxes[0].caption, "Cuecraft");
    EXPECT_EQ(platform.ui.boxes[0].style, 0x20u) << "kind 3";
    EXPECT_FALSE(TestPrinterHasOutput());
}

TEST_F(Printing, PrintSetupChoiceGovernsTheNextJob) {
    platform.ui.printSetupAnswer = [](PrinterChoice& printer) {
        printer.deviceName = kTestPrinter;
        printer.devMode = {1, 2, 3}; // too short to be a driver's settings: ignored
        return true;
    };
    platform.ui.printAnswer = [](PrinterChoice&) { return true; };
    Command(MenuId::PrintSetup1);
    ASSERT_EQ(platform.ui.printSetupDialogs.size(), 1u);
    EXPECT_EQ(form1().Printer().deviceName, kTestPrinter);
    Script("Set up");
    Command(MenuId::Print1);
    ASSERT_EQ(platform.ui.printDialogs.size(), 1u);
    EXPECT_EQ(platform.ui.printDialogs[0].deviceName, kTestPrinter);
    EXPECT_EQ(PrintedLines().front(), "Set up");
}

TEST_F(Printing, PrinterErrorReachesTheStandardErrorBox) {
    platform.ui.printAnswer = [](PrinterChoice& printer) {
        printer.deviceName = "No Such Printer";
        return true;
    };
    Script("Lost");
    Command(MenuId::Print1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].caption, "rollscript");
    EXPECT_FALSE(TestPrinterHasOutput());
}

TEST(PrintDialogs, RealDialogsReturnTheChosenPrinterOrNothingOnCancel) {
    ASSERT_EQ(InstallTestPrinter(), "");
    Win32ModalUi ui;
    PrinterChoice choice;
    {
        MsgBoxAnswerer ok(IDOK);
        EXPECT_TRUE(ui.RunPrintDialog(choice));
        ASSERT_EQ(ok.seen().size(), 1u);
    }
    EXPECT_EQ(choice.deviceName, kTestPrinter);
    EXPECT_GE(choice.devMode.size(), sizeof(DEVMODEA));
    {
        MsgBoxAnswerer ok(IDOK);
        EXPECT_TRUE(ui.RunPrintSetupDialog(choice)) << "opens on the printer chosen before";
    }
    EXPECT_EQ(choice.deviceName, kTestPrinter);
    PrinterChoice untouched;
    {
        MsgBoxAnswerer cancel(IDCANCEL);
        EXPECT_FALSE(ui.RunPrintSetupDialog(untouched));
        EXPECT_FALSE(ui.RunPrintDialog(untouched));
    }
    EXPECT_EQ(untouched.deviceName, "");
    EXPECT_TRUE(untouched.devMode.empty());

    // The job always goes to the printer, so "Print to file" is not offered.
    bool printToFileShown = true;
    {
        DialogWatcher watch([&](HWND box) {
            printToFileShown = IsWindowVisible(GetDlgItem(box, chx1)) != FALSE;
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_FALSE(ui.RunPrintDialog(untouched));
    }
    EXPECT_FALSE(printToFileShown);
}

} // namespace
