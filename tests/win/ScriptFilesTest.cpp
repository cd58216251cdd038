// Script files through the real editor and real files.
#include "DialogWatcher.h"
#include "EditorFixture.h"
#include "win/FileIo.h"
#include "win/FileDialogOptions.h"
#include "win/ModalUi.h"
#include "win/Win32Error.h"

#include <dlgs.h>

namespace {

class ScriptFiles : public EditorFixture {
  protected:
    void Open(const std::string& name) {
        platform.ui.fileAnswers.push_back(Path(name));
        Command(MenuId::Open1);
    }
};

TEST_F(ScriptFiles, LineEndsBecomeCrLfOnLoadAndTheTextIsSavedUnchanged) {
    const std::pair<std::string, std::string> cases[] = {
        {"one\ntwo\nthree", "one\r\ntwo\r\nthree"},
        {"one\rtwo\r", "one\r\ntwo\r\n"},
        {"one\n\rtwo", "one\r\ntwo"},
        {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"no final line end", "no final line end"},
    };
    for (const auto& [bytes, saved] : cases) {
        WriteFile("script.txt", bytes);
        Open("script.txt");
        EXPECT_EQ(memo().Text(), saved);
        EXPECT_FALSE(memo().Modified());
        EXPECT_EQ(state().LastFileLoaded, Path("script.txt"));
        Command(MenuId::Save1);
        EXPECT_EQ(ReadFile("script.txt"), saved);
    }
}

TEST_F(ScriptFiles, OpenShowsTheFileDialogAsUsersKnowIt) {
    WriteFile("a.txt", "A");
    Open("a.txt");
    ASSERT_EQ(platform.ui.fileDialogs.size(), 1u);
    const FileDialogSpec& dialog = platform.ui.fileDialogs[0].second;
    EXPECT_EQ(platform.ui.fileDialogs[0].first, "open");
    EXPECT_EQ(dialog.title, "Open a text file");
    EXPECT_EQ(dialog.filter, "Text Files Only |*.txt");
    EXPECT_EQ(dialog.defaultExt, "TXT");
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(state().Alternate.FileName, Path("a.txt"));
    EXPECT_EQ(Panel(5), "a.txt");
    EXPECT_EQ(form1().OpenDialog1().initialDir, dir) << "the next Open starts in this folder";
    EXPECT_EQ(form1().OpenDialog1().fileName, "");
}

TEST_F(ScriptFiles, CancelledOpenKeepsTheTextButForgetsTheName) {
    WriteFile("a.txt", "Kept text");
    Open("a.txt");
    Command(MenuId::Open1); // nothing queued: cancelled
    EXPECT_EQ(memo().Text(), "Kept text");
    EXPECT_EQ(state().LastFileLoaded, "");
    platform.ui.fileAnswers.push_back(Path("b.txt"));
    Command(MenuId::Save1);
    ASSERT_EQ(platform.ui.fileDialogs.size(), 3u);
    EXPECT_EQ(platform.ui.fileDialogs[2].first, "save") << "Save asks for a name";
    const FileDialogSpec& dialog = platform.ui.fileDialogs[2].second;
    EXPECT_EQ(dialog.title, "Save File");
    EXPECT_EQ(dialog.filter, "Text Only|*.txt");
    EXPECT_EQ(dialog.defaultExt, "TXT");
    EXPECT_EQ(ReadFile("b.txt"), "Kept text");
    EXPECT_EQ(state().LastFileLoaded, Path("b.txt"));
    EXPECT_EQ(state().Alternate.FileName, Path("b.txt"));
    EXPECT_EQ(Panel(2), "File Saved");
}

TEST_F(ScriptFiles, ABlankOnlyNameCountsAsNoName) {
    Type("words");
    state().LastFileLoaded = "   ";
    Command(MenuId::Save1);
    ASSERT_EQ(platform.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.ui.fileDialogs[0].first, "save");
}

TEST_F(ScriptFiles, SaveOfAnEmptyEditorRefusesButSaveAsWritesAnEmptyFile) {
    state().LastFileLoaded = Path("empty.txt");
    Command(MenuId::Save1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Could Not Load ");
    EXPECT_EQ(platform.ui.boxes[0].style, 0x20u);
    EXPECT_FALSE(Exists("empty.txt"));
    platform.ui.fileAnswers.push_back(Path("empty.txt"));
    Command(MenuId::SaveAs1);
    ASSERT_TRUE(Exists("empty.txt"));
    EXPECT_EQ(ReadFile("empty.txt"), "");
}

TEST_F(ScriptFiles, AFailedWriteLeavesTheFileAndTheNamesAsTheyWere) {
    WriteFile("show.txt", "Original words\r\n");
    Open("show.txt");
    Type("new ");
    ASSERT_TRUE(memo().Modified());
    platform.replaceFile = [](const std::string&, const std::string&) {
        throw Win32Error(ERROR_DISK_FULL);
    };
    platform.ui.fileAnswers.push_back(Path("other.txt"));
    Command(MenuId::SaveAs1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text,
              SystemErrorText(ERROR_DISK_FULL) + ", Could Not save  " + Path("other.txt"));
    EXPECT_EQ(platform.ui.boxes[0].style, 0x20u);
    EXPECT_EQ(state().LastFileLoaded, Path("show.txt"));
    EXPECT_TRUE(memo().Modified());
    EXPECT_NE(Panel(2), "File Saved");
    EXPECT_EQ(ReadFile("show.txt"), "Original words\r\n");
}

TEST_F(ScriptFiles, AWriteRefusedByTheSystemKeepsTheOriginalByteForByte) {
    WriteFile("locked.txt", "Original\r\n");
    Open("locked.txt");
    Type("changed ");
    SetFileAttributesA(Path("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    Command(MenuId::Save1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_NE(platform.ui.boxes[0].text.find(", Could Not save  " + Path("locked.txt")),
              std::string::npos);
    EXPECT_EQ(ReadFile("locked.txt"), "Original\r\n");
    EXPECT_FALSE(Exists(ReplacementName("locked.txt"))) << "no temporary file left behind";
}

TEST_F(ScriptFiles, AMissingFolderIsReportedAndNothingChanges) {
    Type("text");
    const std::string target = dir + "no-such-folder\\x.txt";
    platform.ui.fileAnswers.push_back(target);
    Command(MenuId::SaveAs1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text,
              dir + "no-such-folder\\Proper path does not exist, Please use [File][Save Default "
                    "Configuration] to save the current configuration.");
    EXPECT_EQ(state().LastFileLoaded, "");
}

TEST_F(ScriptFiles, ABinaryFileIsRefusedAndTheEditorKeepsItsScript) {
    Type("my script");
    WriteFile("binary.txt", std::string("abc\0def", 7));
    Open("binary.txt");
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "The file holds binary data, not plain text, Rich Text "
                                         "Format Error:  " +
                                             Path("binary.txt"));
    EXPECT_EQ(platform.ui.boxes[0].style, 0x30u);
    EXPECT_EQ(memo().Text(), "my script");
    EXPECT_FALSE(memo().Modified());
}

// "Café “quoted”" as today's editors save it: each file shows the same
// characters, goes back byte for byte unedited and stays in its encoding
// when edited, Save As included.
TEST_F(ScriptFiles, UnicodeScriptsShowTheirCharactersAndSaveInTheirOwnEncoding) {
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D";
    const std::string shown = utf8 + "\r\nend";
    struct Case {
        const char* name;
        std::string bytes;
        std::string editedBytes; // after typing "A" at the start
    };
    const std::string utf16le("\xFF\xFE"
                              "C\0a\0f\0\xE9\0 \0\x1C\x20q\0",
                              16);
    const std::string utf16be("\xFE\xFF"
                              "\0C\0a\0f\0\xE9\0 \x20\x1C\0q",
                              16);
    const Case cases[] = {
        {"utf8-bom.txt", "\xEF\xBB\xBF" + utf8 + "\nend",
         "\xEF\xBB\xBF"
         "A" +
             utf8 + "\r\nend"},
        {"utf8.txt", utf8 + "\r\nend", "A" + utf8 + "\r\nend"},
        {"utf16le.txt", utf16le, ""},
        {"utf16be.txt", utf16be, ""},
        {"ansi.txt", "Caf\xE9 \x93quoted\x94\r\nend", "ACaf\xE9 \x93quoted\x94\r\nend"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(c.name, c.bytes);
        Open(c.name);
        ASSERT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
        if (!c.editedBytes.empty()) {
            EXPECT_EQ(memo().Text(), shown);
        } else {
            EXPECT_EQ(memo().Text(), "Caf\xC3\xA9 \xE2\x80\x9Cq");
        }
        Command(MenuId::Save1);
        EXPECT_EQ(ReadFile(c.name), c.bytes) << "unedited: back byte for byte";
        Type("A");
        platform.ui.fileAnswers.push_back(Path(std::string("edited-") + c.name));
        Command(MenuId::SaveAs1);
        const std::string saved = ReadFile(std::string("edited-") + c.name);
        if (!c.editedBytes.empty())
            EXPECT_EQ(saved, c.editedBytes);
        else // the mark and the typed letter in the file's own byte order
            EXPECT_EQ(saved.substr(0, 4),
                      c.bytes.substr(0, 2) +
                          (c.bytes[0] == '\xFF' ? std::string("A\0", 2) : std::string("\0A", 2)));
    }
    Command(MenuId::New1); // a new script is written in the code page again
    Type("Caf\xC3\xA9");
    platform.ui.fileAnswers.push_back(Path("new.txt"));
    Command(MenuId::SaveAs1);
    EXPECT_EQ(ReadFile("new.txt"), "Caf\xE9");
}

// A script in any language opens whatever the code page; a code-page script
// stays in its code page until it holds a character the code page lacks, and
// is then saved as UTF-8 with a mark, never with look-alikes or '?'.
TEST_F(ScriptFiles, AnyLanguageOpensAndACodePageScriptBecomesUtf8WhenItMust) {
    const std::string russian = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"; // "Привет"
    const std::string hebrew = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";                 // "שלום"
    WriteFile("many.txt", russian + "\r\n" + hebrew + "\r\n\xE4\xBD\xA0\xE5\xA5\xBD");
    Open("many.txt");
    ASSERT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
    EXPECT_EQ(memo().Text(), russian + "\r\n" + hebrew + "\r\n\xE4\xBD\xA0\xE5\xA5\xBD");
    EXPECT_EQ(memo().LineText(1), hebrew);
    EXPECT_EQ(Panel(5), "many.txt");
    const auto readsRightToLeft = [&] {
        const bool control = (GetWindowLongW(memo().hwnd(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
        EXPECT_EQ(control, state().scriptRightToLeft);
        return control;
    };
    EXPECT_FALSE(readsRightToLeft()) << "most letters are Cyrillic or Chinese";
    const std::string hebrewScript = "12. Cuecraft\r\n" + hebrew + " " + hebrew + " " + hebrew;
    WriteFile("hebrew.txt", hebrewScript);
    Open("hebrew.txt");
    EXPECT_TRUE(readsRightToLeft()) << "most letters are Hebrew";
    EXPECT_EQ(memo().Text(), hebrewScript);

    WriteFile("western.txt", "Gr\xFC\xDF" "e");
    Open("western.txt");
    EXPECT_EQ(memo().Text(), "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_FALSE(readsRightToLeft());
    Type("!");
    Command(MenuId::Save1);
    EXPECT_EQ(ReadFile("western.txt"), "!Gr\xFC\xDF" "e") << "still fits: still the code page";
    Type(russian);
    Command(MenuId::Save1);
    EXPECT_EQ(ReadFile("western.txt"), "\xEF\xBB\xBF!" + russian + "Gr\xC3\xBC\xC3\x9F" "e");
    Type("x"); // from now on the script is UTF-8
    Command(MenuId::Save1);
    EXPECT_EQ(ReadFile("western.txt"), "\xEF\xBB\xBF!" + russian + "xGr\xC3\xBC\xC3\x9F" "e");
}

// Paths are kept whole: one whose first 255 characters name another file
// opens its own file, and paths past MAX_PATH open and save in place.
TEST_F(ScriptFiles, LongPathsOpenAndSaveTheFileTheyName) {
    const std::string folder = dir + std::string(100, 'f') + "\\" + std::string(60, 'g') + "\\";
    CreateDirectoryW(FileSystemPath(dir + std::string(100, 'f')).c_str(), nullptr);
    CreateDirectoryW(FileSystemPath(folder).c_str(), nullptr);
    const std::string shortName = folder + std::string(255 - folder.size() - 4, 's') + ".txt";
    const std::string longName = shortName + ".txt" + std::string(300 - shortName.size() - 8, 'l') +
                                 ".txt";
    ASSERT_EQ(shortName.size(), 255u);
    ASSERT_EQ(longName.size(), 300u);
    ReplaceFileContents(shortName, "the other file");
    ReplaceFileContents(longName, "the named file");
    platform.ui.fileAnswers.push_back(longName);
    Command(MenuId::Open1);
    ASSERT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
    EXPECT_EQ(memo().Text(), "the named file");
    EXPECT_EQ(state().LastFileLoaded, longName);
    EXPECT_EQ(state().CurAlternate->FileName, longName);
    Type("Still ");
    Command(MenuId::Save1);
    ASSERT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
    EXPECT_EQ(ReadWholeFile(longName), "Still the named file");
    EXPECT_EQ(ReadWholeFile(shortName), "the other file");
    for (const std::string& file : {shortName, longName})
        DeleteFileW(FileSystemPath(file).c_str());
    RemoveDirectoryW(FileSystemPath(folder).c_str());
    RemoveDirectoryW(FileSystemPath(dir + std::string(100, 'f')).c_str());
}

TEST_F(ScriptFiles, LoadingAMissingFileSaysSoInThePanel) {
    Type("kept");
    EXPECT_FALSE(form1().LoadScript(Path("gone.txt")));
    EXPECT_EQ(Panel(4), "Could not find: : " + Path("gone.txt"));
    EXPECT_EQ(memo().Text(), "kept");
    EXPECT_TRUE(memo().Modified());
}

TEST_F(ScriptFiles, NewEmptiesTheEditorAndForgetsTheName) {
    WriteFile("a.txt", "A");
    Open("a.txt");
    Command(MenuId::New1);
    EXPECT_EQ(memo().Text(), "");
    EXPECT_EQ(state().LastFileLoaded, "");
    EXPECT_TRUE(memo().Modified());
}

TEST_F(ScriptFiles, SavingWhilePromptingLeavesPanelTwoAlone) {
    Type("text");
    app->Form4()->Playing = true;
    form1().StatusBar1().SetText(2, "");
    form1().WriteScript(Path("live.txt"));
    EXPECT_EQ(ReadFile("live.txt"), "text");
    EXPECT_EQ(Panel(5), "live.txt");
    EXPECT_EQ(Panel(2), "");
    app->Form4()->Playing = false;
}

TEST_F(ScriptFiles, EditCommandsWorkOnTheEditor) {
    Type("hello");
    memo().SetSelection(0, 5);
    Command(MenuId::Cut1);
    EXPECT_EQ(memo().Text(), "");
    Command(MenuId::Paste1);
    Command(MenuId::Paste1);
    EXPECT_EQ(memo().Text(), "hellohello");
    Command(MenuId::Undo1);
    EXPECT_EQ(memo().Text(), "hello");
    memo().SetSelection(0, 2);
    Command(MenuId::Copy1);
    memo().SetSelection(5, 0);
    Command(MenuId::Paste1);
    EXPECT_EQ(memo().Text(), "hellohe");
}

class CommandLineScript : public ScriptFiles {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        script = std::string(temp) + "cuecraft-cmdline-" + std::to_string(GetCurrentProcessId()) +
                 ".txt";
        std::ofstream(script, std::ios::binary) << "First\rSecond\r";
        ScriptFiles::SetUp();
    }
    void TearDown() override {
        ScriptFiles::TearDown();
        DeleteFileA(script.c_str());
    }
    std::vector<std::string> Args() override { return {script}; }
    std::string script;
};

TEST_F(CommandLineScript, IsLoadedAtStartAndBecomesTheScriptsName) {
    EXPECT_EQ(memo().Text(), "First\r\nSecond\r\n");
    EXPECT_TRUE(state().CmdLineFileGiven);
    EXPECT_EQ(state().CmdLineFile, script);
    EXPECT_EQ(state().LastFileLoaded, script) << "Save must write this file";
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(platform.ui.boxes.empty());
}

// Shown as the program shows it: the script goes in when the window has its
// size, and the sizes a window manager passes through just after the show
// reach the editor once they settle; each would wrap the whole script.
TEST_F(CommandLineScript, WaitsForTheShownWindowWhichTheEditorFollowsOnceSettled) {
    app.reset();
    platform = TestPlatform{};
    app = std::make_unique<Application>(platform.services());
    ASSERT_TRUE(app->Start(Args()));
    EXPECT_EQ(memo().TextLength(), 0) << "not wrapped in the hidden window";
    EXPECT_EQ(state().LastFileLoaded, script);
    state().wState = 0; // shown normal: its sizes are the test's
    form1().ShowAtStart();
    EXPECT_EQ(memo().Text(), "First\r\nSecond\r\n");
    EXPECT_FALSE(memo().Modified());
    auto editorWidth = [&] {
        RECT r{};
        GetWindowRect(memo().hwnd(), &r);
        return r.right - r.left;
    };
    auto clientWidth = [&] {
        RECT r{};
        GetClientRect(form1().hwnd(), &r);
        return r.right;
    };
    const int shownWidth = editorWidth();
    SetWindowPos(form1().hwnd(), nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(editorWidth(), shownWidth) << "a passing size";
    for (int i = 0; i < 50; ++i) { // half a second: longer than any settling
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        app->mainupdate();
    }
    EXPECT_EQ(editorWidth(), clientWidth()) << "the settled size";
    SetWindowPos(form1().hwnd(), nullptr, 0, 0, 640, 400, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(editorWidth(), clientWidth()) << "followed at once after settling";
    const int restored = editorWidth();
    ShowWindow(form1().hwnd(), SW_MINIMIZE);
    EXPECT_EQ(editorWidth(), restored) << "no re-wrap in a minimised window";
}

TEST_F(CommandLineScript, AnUnreadableFileIsReportedAndStartUpGoesOn) {
    app.reset();
    HANDLE lock = CreateFileA(script.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    platform = TestPlatform{};
    Start();
    CloseHandle(lock);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Could not open " + script);
    EXPECT_EQ(platform.ui.boxes[0].style, 0x30u);
    EXPECT_FALSE(state().CmdLineFileGiven);
    EXPECT_EQ(state().CmdLineFile, "");
    EXPECT_EQ(memo().Text(), "");
}

} // namespace

namespace {

class ScriptFileFaults : public ScriptFiles {};

TEST_F(ScriptFileFaults, ARefusedFileDoesNotBecomeTheSaveTarget) {
    WriteFile("mine.txt", "My script");
    Open("mine.txt");
    const std::string binary("abc\0def", 7);
    WriteFile("binary.txt", binary);
    Open("binary.txt");
    EXPECT_EQ(state().LastFileLoaded, Path("mine.txt"));
    EXPECT_EQ(state().Alternate.FileName, Path("mine.txt"));
    Type("more ");
    Command(MenuId::Save1);
    EXPECT_EQ(ReadFile("binary.txt"), binary) << "the refused file is never overwritten";
    EXPECT_EQ(ReadFile("mine.txt"), "more My script");
}

TEST_F(ScriptFileFaults, AFailedSaveAsKeepsTheRecordedName) {
    WriteFile("show.txt", "Words");
    Open("show.txt");
    platform.replaceFile = [](const std::string&, const std::string&) {
        throw Win32Error(ERROR_DISK_FULL);
    };
    platform.ui.fileAnswers.push_back(Path("elsewhere.txt"));
    Command(MenuId::SaveAs1);
    EXPECT_EQ(state().Alternate.FileName, Path("show.txt"));
    EXPECT_EQ(state().LastFileLoaded, Path("show.txt"));
}

TEST_F(ScriptFileFaults, AReplaceThatFailsLeavesNoTemporaryFileAndTheOriginal) {
    WriteFile("held.txt", "Original\r\n");
    Open("held.txt");
    Type("changed ");
    // Held open without delete sharing: the new copy cannot take its place.
    HANDLE held =
        CreateFileA(Path("held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Command(MenuId::Save1);
    CloseHandle(held);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_NE(platform.ui.boxes[0].text.find(", Could Not save  " + Path("held.txt")),
              std::string::npos);
    EXPECT_EQ(ReadFile("held.txt"), "Original\r\n");
    EXPECT_FALSE(Exists(ReplacementName("held.txt")));
    EXPECT_TRUE(memo().Modified());
}

// Half of a surrogate pair typed or pasted stays in a UTF-16 script; a UTF-8
// one cannot hold it, and the save asks before writing U+FFFD in its place.
TEST_F(ScriptFileFaults, ALoneHalfOfASurrogatePairIsKeptOrAskedAbout) {
    const std::string half = "\xED\xA0\xBD"; // U+D83D as the editor's text keeps it
    WriteFile("wide.txt", std::string("\xFF\xFEH\0i\0", 6));
    Open("wide.txt");
    memo().SetSelection(2, 0);
    Type(half);
    Command(MenuId::Save1);
    EXPECT_TRUE(platform.ui.boxes.empty());
    EXPECT_EQ(ReadFile("wide.txt"), std::string("\xFF\xFEH\0i\0\x3D\xD8", 8));

    WriteFile("narrow.txt", "\xEF\xBB\xBFHi");
    Open("narrow.txt");
    memo().SetSelection(2, 0);
    Type(half);
    platform.ui.answers.push_back(IDNO);
    Command(MenuId::Save1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_NE(platform.ui.boxes[0].text.find("1 character(s)"), std::string::npos)
        << platform.ui.boxes[0].text;
    EXPECT_EQ(ReadFile("narrow.txt"), "\xEF\xBB\xBFHi") << "No leaves the file";
    platform.ui.answers.push_back(IDYES);
    Command(MenuId::Save1);
    EXPECT_EQ(ReadFile("narrow.txt"), "\xEF\xBB\xBFHi\xEF\xBF\xBD");
}

// Names may be 255 characters long; the temporary copy's must fit beside them.
TEST_F(ScriptFileFaults, AScriptWhoseNameIsAsLongAsNamesMayBeSavesInPlace) {
    const std::string name = std::string(251, 'n') + ".txt";
    WriteFile(name, "Long name\r\n");
    Open(name);
    Type("Saved ");
    Command(MenuId::Save1);
    EXPECT_TRUE(platform.ui.boxes.empty()) << platform.ui.boxes[0].text;
    EXPECT_EQ(ReadFile(name), "Saved Long name\r\n");
    EXPECT_FALSE(Exists(ReplacementName(name)));
}

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char cls[16] = {0};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0)
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// Should the dialogs not be answered, they are closed rather than left waiting.
void CALLBACK CancelDialogs(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}

// A path typed into the real dialog longer than the dialog can hold once
// joined to its folder: the box takes only what fits, and Open neither
// overruns the dialog nor ends the program.
TEST(RealFileDialog, ATypedNameTakesOnlyWhatFitsBesideTheFolder) {
    char temp[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, temp);
    FileDialogSpec request{"Open a text file", "Text Files Only |*.txt", "TXT", temp, "",
                        kOpenDialogOptions};
    Win32ModalUi ui;
    HWND open = nullptr;
    int typed = -1;
    DialogWatcher watch([&](HWND dialog) {
        if (!open) {
            open = dialog;
            // The box with a list may be an extended one: its edit part is
            // further down.
            HWND box = GetDlgItem(dialog, cmb13);
            HWND edit = box ? nullptr : GetDlgItem(dialog, edt1);
            EnumChildWindows(
                box,
                [](HWND child, LPARAM found) -> BOOL {
                    char cls[8] = {0};
                    GetClassNameA(child, cls, sizeof cls);
                    if (lstrcmpiA(cls, "Edit") != 0)
                        return TRUE;
                    *reinterpret_cast<HWND*>(found) = child;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&edit));
            const std::string path = "C:\\" + std::string(267, 'n');
            for (char c : path)
                SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
            typed = GetWindowTextLengthW(edit);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            return;
        }
        if (dialog != open) // the dialog's own word on the missing file
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, CancelDialogs);
    EXPECT_FALSE(ui.RunOpenDialog(request));
    KillTimer(nullptr, watchdog);
    ASSERT_NE(open, nullptr);
    EXPECT_GT(typed, 100);
    std::string folder(temp);
    if (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    EXPECT_LE(folder.size() + 1 + static_cast<std::size_t>(typed), MAX_PATH - 1u)
        << "the folder, a backslash and the name fill " << MAX_PATH << " characters";
}

} // namespace
