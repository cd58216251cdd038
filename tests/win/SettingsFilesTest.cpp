// Settings files through the real profile functions under Wine: start-up
// load, the three File commands, and saves that fail without harm.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include "DialogWatcher.h"
#include "TestServices.h"
#include "app/Application.h"
#include "app/RemoteControl.h"
#include "editor/mainformVantel.h"
#include "settings/ProfileCodec.h"
#include "settings/SettingsFiles.h"
#include "win/FileIo.h"
#include "win/FileIo.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Profile(const std::string& path, const char* section, const char* key) {
    char value[2048] = {0};
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, path.c_str());
    return value;
}

// The file's bytes without one section, its heading and its keys.
std::string WithoutSection(const std::string& bytes, const std::string& heading) {
    const std::size_t start = bytes.find(heading);
    if (start == std::string::npos)
        return bytes;
    std::size_t end = bytes.find("\n[", start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    return bytes.substr(0, start) + bytes.substr(end);
}

std::string ExeFolder() {
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Keeps a file's bytes and puts them back, or removes what was not there.
class FileGuard {
  public:
    explicit FileGuard(std::string path) : path_(std::move(path)), existed_(Exists(path_)) {
        if (existed_)
            bytes_ = ReadBytes(path_);
    }
    ~FileGuard() {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
        if (existed_)
            WriteBytes(path_, bytes_);
        else
            DeleteFileA(path_.c_str());
    }

  private:
    std::string path_;
    bool existed_;
    std::string bytes_;
};

// Hands every call to the real file, but fails or loses writes from the
// n-th on.
class FaultyProfile : public IProfileFile {
  public:
    FaultyProfile(std::unique_ptr<IProfileFile> real, int failAt, bool silently)
        : real_(std::move(real)), failAt_(failAt), silently_(silently) {}
    std::optional<std::string> Read(std::string_view s, std::string_view k) override {
        return real_->Read(s, k);
    }
    bool Write(std::string_view s, std::string_view k, std::string_view v) override {
        if (++writes_ >= failAt_)
            return silently_;
        return real_->Write(s, k, v);
    }
    bool EraseSection(std::string_view s) override { return real_->EraseSection(s); }
    void Flush() override { real_->Flush(); }

  private:
    std::unique_ptr<IProfileFile> real_;
    int failAt_;
    bool silently_;
    int writes_ = 0;
};

class SettingsFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "cuecraft-settings-test\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        CreateDirectoryA((dir + "settings").c_str(), nullptr);
    }
    void TearDown() override {
        app.reset();
        for (const std::string& name : {std::string("rollscript.mes"), std::string("show.mes"),
                                        std::string("other.mes"),
                                        ReplacementName("rollscript.mes")}) {
            const std::string path = dir + "settings\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
            DeleteFileA(path.c_str());
        }
        DeleteFileA((dir + "script.txt").c_str());
    }
    // Starts the program, then points it at the test's own program folder.
    void Start() {
        app.reset(); // the old application clears the error trap as it goes
        app = std::make_unique<Application>(platform.services());
        ASSERT_TRUE(app->Start({}));
        form1().State().ProgramDir = dir;
        platform.ui.boxes.clear();
    }
    TForm1& form1() { return app->Form1(); }
    PrompterState& state() { return form1().State(); }
    std::string SettingsFile(const char* name) { return dir + "settings\\" + name + ".mes"; }
    void Command(MenuId id) {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }

    TestPlatform platform;
    std::unique_ptr<Application> app;
    std::string dir;
};

TEST_F(SettingsFiles, AStartWithoutTheFileShowsMessage35AndTheFactoryDefaultsSaveReadable) {
    const std::string path = ExeFolder() + "settings\\rollscript.mes";
    FileGuard keep(path);
    DeleteFileA(path.c_str());
    app = std::make_unique<Application>(platform.services());
    ASSERT_TRUE(app->Start({}));
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Could Not load configuration file " + path);
    EXPECT_EQ(platform.ui.boxes[0].caption, "Cuecraft");
    EXPECT_EQ(platform.ui.boxes[0].style, 0x20u);
    EXPECT_EQ(state().editorFont.sizePt, 28);
    EXPECT_EQ(state().Alternate.Bcolor, state().editorColor);

    Command(MenuId::SaveConfiguration1);
    EXPECT_EQ(platform.ui.boxes.size(), 1u) << "a save shows nothing";
    EXPECT_EQ(Profile(path, "Alternate", "AlteFontName"), "Arial");
    EXPECT_EQ(Profile(path, "Alternate", "AlteSize"), "26");
    EXPECT_EQ(Profile(path, "Options", "OutLineC"), "16711680");
    EXPECT_EQ(Profile(path, "Stuff", "Cureditstate"), "1");
    EXPECT_EQ(Profile(path, "Alternate", "AlteBcolor"), "16777215");
    EXPECT_EQ(Profile(path, "Alternate", "AlteFcolor"), "0");
    EXPECT_NE(Profile(path, "Stuff", "ConfigDate").find('-'), std::string::npos);

    platform = TestPlatform{};
    app.reset();
    app = std::make_unique<Application>(platform.services());
    ASSERT_TRUE(app->Start({}));
    EXPECT_TRUE(platform.ui.boxes.empty());
    EXPECT_EQ(form1().Memo1().BackgroundColor(), 0xFFFFFFu);
    EXPECT_EQ(form1().Memo1().TextColor(), 0u);
    EXPECT_EQ(state().editorFont.sizePt, 26);
}

TEST_F(SettingsFiles, SaveThenLoadRestoresWhatTheUserSaw) {
    Start();
    state().editorFont.color = 0x00FFFF;
    state().Alternate.Fcolor = 0x00FFFF;
    state().Alternate.Bcolor = 0x800000;
    state().editorColor = 0x800000;
    state().Alternate.Size = 36;
    state().Alternate.FontName = "Courier New";
    state().Alternate.Style = kStyleItalic;
    form1().SetSdelaY(12);
    state().menu.SetChecked(MenuId::RightJustify1, true);
    ASSERT_EQ(form1().SaveSettings("show"), 0);
    const std::string path = SettingsFile("show");
    EXPECT_FALSE(Exists(ReplacementName(path)));
    EXPECT_EQ(Profile(path, "Alternate", "AlteDelay"), "12");
    EXPECT_EQ(Profile(path, "Stuff", "Delay"), "<absent>");
    const std::string text = ReadBytes(path);
    const auto at = [&](const char* s) { return text.find(s); };
    EXPECT_LT(at("[OptionWindows]"), at("[Options]"));
    EXPECT_LT(at("[Options]"), at("[Control]"));
    EXPECT_LT(at("[Control]"), at("[Stuff]"));
    EXPECT_LT(at("[Stuff]"), at("[Alternate]"));
    EXPECT_FALSE(text.starts_with("\xFF\xFE")) << "a Western file stays in the code page";

    state().Alternate = {};
    state().Alternate.Name = "Alte";
    form1().SetSdelaY(0);
    state().menu.SetChecked(MenuId::CenterText1, true);
    form1().LoadSettings("show");
    EXPECT_TRUE(platform.ui.boxes.empty());
    EXPECT_EQ(state().ConfigName, "show");
    EXPECT_EQ(state().Delay, 12);
    EXPECT_EQ(state().editorAlignment, Alignment::Right);
    EXPECT_EQ(state().Alternate.Style, kStyleItalic);
    EXPECT_EQ(state().editorFont.name, "Courier New");
    EXPECT_EQ(form1().Memo1().BackgroundColor(), 0x800000u);
    EXPECT_EQ(form1().Memo1().TextColor(), 0x00FFFFu);
}

TEST_F(SettingsFiles, ASaveDropsHandWrittenKeysAndKeepsForeignSections) {
    Start();
    const std::string path = SettingsFile("show");
    WriteBytes(path,
               "[Studio]\r\nCamera=3\r\n[Options]\r\nMyOwnKey=1\r\n[Configuration]\r\nx=1\r\n");
    ASSERT_EQ(form1().SaveSettings("show"), 0);
    EXPECT_EQ(Profile(path, "Studio", "Camera"), "3");
    EXPECT_EQ(Profile(path, "Options", "MyOwnKey"), "<absent>");
    EXPECT_EQ(Profile(path, "Configuration", "x"), "<absent>");
    EXPECT_EQ(Profile(path, "Options", "Centering"), "1");
}

TEST_F(SettingsFiles, AFailedSaveLeavesTheFileByteForByteAndSaysSo) {
    struct Case {
        const char* name;
        std::function<void(TForm1&, const std::string&)> breakIt;
    };
    const Case cases[] = {
        {"write fails half-way",
         [](TForm1& f, const std::string&) {
             f.SetProfileOpener([](const std::string& p) {
                 return std::make_unique<FaultyProfile>(OpenProfileFile(p), 20, false);
             });
         }},
        {"write lost without an error",
         [](TForm1& f, const std::string&) {
             f.SetProfileOpener([](const std::string& p) {
                 return std::make_unique<FaultyProfile>(OpenProfileFile(p), 20, true);
             });
         }},
        {"read-only file",
         [](TForm1&, const std::string& path) {
             SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
    };
    const std::string original = "[Options]\r\nMyOwnKey=1\r\n[Alternate]\r\nAlteSize=40\r\n";
    const std::string path = SettingsFile("rollscript");
    for (const Case& c : cases) {
        platform = TestPlatform{};
        Start();
        WriteBytes(path, original);
        c.breakIt(form1(), path);
        Command(MenuId::SaveConfiguration1);
        ASSERT_EQ(platform.ui.boxes.size(), 1u) << c.name;
        EXPECT_EQ(platform.ui.boxes[0].text, "Unable to write to " + path) << c.name;
        EXPECT_EQ(platform.ui.boxes[0].caption, "rollscript") << c.name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadBytes(path), original) << c.name;
        EXPECT_FALSE(Exists(ReplacementName(path))) << c.name;
    }
}

TEST_F(SettingsFiles, ASaveIntoAMissingFolderFailsAndCreatesNothing) {
    Start();
    state().ProgramDir = dir + "nowhere\\";
    Command(MenuId::SaveConfiguration1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text,
              "Unable to write to " + dir + "nowhere\\settings\\rollscript.mes");
    EXPECT_FALSE(Exists(dir + "nowhere"));
    EXPECT_EQ(form1().SaveSettings(""), 39) << "no name, no save, no box";
    EXPECT_EQ(platform.ui.boxes.size(), 1u);
}

TEST_F(SettingsFiles, LoadSettingsTakesTheNameFromAnyFolderAndTheFileFromSettings) {
    Start();
    ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
    WriteBytes(SettingsFile("show"), "[Alternate]\r\nAlteSize=0x28\r\nAlteDelay=300\r\n"
                                     "[Stuff]\r\nLastFileLoaded=" +
                                         dir + "script.txt\r\n");
    WriteBytes(dir + "script.txt", "First line\r\nSecond line");
    platform.ui.fileAnswers.push_back("Z:\\elsewhere\\Show.mes");
    Command(MenuId::LoadConfiguration1);
    ASSERT_EQ(platform.ui.fileDialogs.size(), 1u);
    const FileDialogSpec& shown = platform.ui.fileDialogs[0].second;
    EXPECT_EQ(platform.ui.fileDialogs[0].first, "open");
    EXPECT_EQ(shown.title, "Open A  rollscript Configuration File");
    EXPECT_EQ(shown.filter, "Configuration File|*.mes");
    EXPECT_EQ(shown.defaultExt, "INI");
    EXPECT_EQ(shown.initialDir, dir + "settings");
    EXPECT_TRUE(shown.options & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(platform.ui.boxes.empty()) << "an out-of-range delay is no error";
    EXPECT_EQ(state().ConfigName, "show");
    EXPECT_EQ(state().editorFont.sizePt, 40);
    EXPECT_EQ(state().Delay, 30) << "300 is clamped, not taken as the top speed";
    EXPECT_EQ(form1().Memo1().Text(), "First line\r\nSecond line") << "the load went on";
    EXPECT_TRUE(form1().IsVisible()) << "a load from the menu keeps the window shown";

    platform.ui.fileAnswers.push_back("Z:\\elsewhere\\other.mes");
    Command(MenuId::LoadConfiguration1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text,
              "Could Not load configuration file " + SettingsFile("other"));
    EXPECT_EQ(state().editorFont.sizePt, 28) << "factory defaults";

    // A name without its four-character extension reduces to nothing: that
    // name is loaded all the same, and found missing.
    state().editorFont.sizePt = 40;
    platform.ui.fileAnswers.push_back("Z:\\elsewhere\\show");
    Command(MenuId::LoadConfiguration1);
    ASSERT_EQ(platform.ui.boxes.size(), 2u);
    EXPECT_EQ(platform.ui.boxes[1].text,
              "Could Not load configuration file " + dir + "settings\\.mes");
    EXPECT_EQ(state().editorFont.sizePt, 28) << "factory defaults";
}

// The reopened script replaces the editor's text; one that cannot be read
// leaves that text, its selection and its name as they were, in the new look:
// the next Save writes the file the text came from, never the refused one.
TEST_F(SettingsFiles, AScriptTheSettingsCannotReopenLeavesTheEditorsText) {
    Start();
    ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
    Memo& memo = form1().Memo1();
    memo.SetText("My own words");
    memo.SetSelection(3, 3);
    state().LastFileLoaded = dir + "mine.txt";
    WriteBytes(dir + "script.txt", std::string("not\0text", 8));
    WriteBytes(SettingsFile("show"), "[Options]\r\nCentering=0\r\nRJustify=1\r\n"
                                     "[Stuff]\r\nLastFileLoaded=" +
                                         dir + "script.txt\r\n");
    platform.ui.fileAnswers.push_back("show.mes");
    Command(MenuId::LoadConfiguration1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u) << "the refusal";
    EXPECT_EQ(memo.Text(), "My own words");
    EXPECT_EQ(memo.SelStart(), 3);
    EXPECT_EQ(memo.SelLength(), 3);
    EXPECT_EQ(memo.GetAlignment(), Alignment::Right) << "the look went on";
    EXPECT_EQ(state().LastFileLoaded, dir + "mine.txt");
    EXPECT_EQ(form1().StatusBar1().Text(6), dir + "mine.txt");
    Command(MenuId::Save1);
    EXPECT_EQ(ReadBytes(dir + "script.txt"), std::string("not\0text", 8)) << "the refused file";
    EXPECT_EQ(ReadBytes(dir + "mine.txt"), "My own words");

    WriteBytes(dir + "script.txt", "Their words");
    platform.ui.fileAnswers.push_back("show.mes");
    Command(MenuId::LoadConfiguration1);
    EXPECT_EQ(memo.Text(), "Their words");
    EXPECT_FALSE(memo.Modified());
}

// A script under a path in any script is remembered whole, in the one
// Unicode form the profile functions of Windows read too: UTF-16 with its mark.
TEST_F(SettingsFiles, AScriptUnderANonWesternPathIsReopenedFromItsWholePath) {
    Start();
    ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
    const std::string folder =
        dir + "\xD0\xA1\xD1\x86\xD0\xB5\xD0\xBD\xD0\xB0 \xE5\x89\xA7\xE6\x9C\xAC"; // Сцена 剧本
    const std::string script =
        folder + "\\\xD7\xAA\xD7\xA1\xD7\xA8\xD7\x99\xD7\x98.txt"; // תסריט.txt
    CreateDirectoryW(FileSystemPath(folder).c_str(), nullptr);
    ReplaceFileContents(script, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    ASSERT_TRUE(form1().LoadScript(script));
    state().LastFileLoaded = script;
    state().CurAlternate->FileName = script;
    ASSERT_EQ(form1().SaveSettings("show"), 0);
    const std::string text = ReadBytes(SettingsFile("show"));
    EXPECT_TRUE(text.starts_with("\xFF\xFE"));
    EXPECT_EQ(text.find("?"), std::string::npos) << "no character was lost";

    form1().Memo1().SetText("");
    state().LastFileLoaded.clear();
    form1().LoadSettings("show");
    EXPECT_TRUE(platform.ui.boxes.empty());
    EXPECT_EQ(state().LastFileLoaded, script);
    EXPECT_EQ(state().CurAlternate->FileName, script);
    EXPECT_EQ(form1().Memo1().Text(), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    DeleteFileW(FileSystemPath(script).c_str());
    RemoveDirectoryW(FileSystemPath(folder).c_str());
}

// The panels a load refreshes on a shown window leave what the script load
// said: the operator sees that the named script is missing.
TEST_F(SettingsFiles, ASettingsLoadKeepsTheMissingScriptInPanelFour) {
    Start();
    ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
    form1().Memo1().SetText("one\r\ntwo\r\nthree");
    const std::string missing = dir + "missing.txt";
    WriteBytes(SettingsFile("show"), "[Alternate]\r\nAlteSize=30\r\nAlteFontName=Arial\r\n"
                                     "[Stuff]\r\nLastFileLoaded=" +
                                         missing + "\r\n");
    platform.ui.fileAnswers.push_back("show.mes");
    Command(MenuId::LoadConfiguration1);
    StatusBar& bar = form1().StatusBar1();
    EXPECT_EQ(bar.Text(4), "Could not find: : " + missing);
    EXPECT_EQ(bar.Text(6), missing) << "the panels the script load left are refreshed";
    EXPECT_EQ(bar.Text(5), "Lines 3");

    // Without a script to reopen, the refresh shows the new font.
    WriteBytes(SettingsFile("show"), "[Alternate]\r\nAlteSize=30\r\nAlteFontName=Arial\r\n");
    platform.ui.fileAnswers.push_back("show.mes");
    Command(MenuId::LoadConfiguration1);
    EXPECT_EQ(bar.Text(4), "30 Arial");
}

TEST_F(SettingsFiles, SaveSettingsAsWritesTheChosenNameInTheSettingsFolder) {
    Start();
    state().ConfigName = "show";
    FileDialogSpec& dialog = form1().SaveDialog1();
    dialog.title = "Save File";
    dialog.filter = "Text Only|*.txt";
    dialog.defaultExt = "TXT";
    dialog.initialDir = "Y:\\Scripts";
    const std::uint32_t scriptOptions = dialog.options;
    platform.ui.fileAnswers.push_back("  Y:\\Shows\\Other.mes ");
    Command(MenuId::SaveConfigurationAs1);
    ASSERT_EQ(platform.ui.fileDialogs.size(), 1u);
    const FileDialogSpec& shown = platform.ui.fileDialogs[0].second;
    EXPECT_EQ(shown.fileName, "show");
    EXPECT_EQ(shown.title, "Save Configuration AS");
    EXPECT_EQ(shown.filter, "Cuecraft Settings |*.mes");
    EXPECT_EQ(shown.defaultExt, "mes");
    EXPECT_TRUE(shown.options & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(shown.options & OFN_FILEMUSTEXIST) << "a new name must be allowed";
    EXPECT_TRUE(Exists(SettingsFile("other")));
    EXPECT_EQ(dialog.title, "Save File");
    EXPECT_EQ(dialog.filter, "Text Only|*.txt");
    EXPECT_EQ(dialog.defaultExt, "TXT");
    EXPECT_EQ(dialog.initialDir, "Y:\\Scripts");
    EXPECT_EQ(dialog.options, scriptOptions) << "the script save keeps its own options";
    EXPECT_EQ(dialog.fileName, "");

    Command(MenuId::SaveConfigurationAs1); // cancelled
    EXPECT_EQ(dialog.title, "Save File");
    EXPECT_FALSE(Exists(SettingsFile("show")));
}

// The Remote Control dialog keeps its choices in their own section of the
// default file and nothing else of it changes; a show's settings leave the
// remote as it is.
TEST_F(SettingsFiles, TheRemoteDialogWritesOnlyItsSectionAndLoadSettingsLeavesTheRemoteOn) {
    Start();
    RemoteControl& remote = *app->Remote();
    EXPECT_FALSE(remote.Settings().enabled) << "a file without the section: off";
    EXPECT_EQ(form1().StatusBar1().Text(3), "Single Monitor");
    Command(MenuId::SaveConfiguration1);
    const std::string path = SettingsFile("rollscript");
    const std::string before = ReadBytes(path);
    ASSERT_NE(before.find("[Alternate]"), std::string::npos);
    const auto answer = [&](bool on) {
        return [on](HWND dlg) {
            CheckDlgButton(dlg, TRemoteForm::kEnabledId, on ? BST_CHECKED : BST_UNCHECKED);
            SetDlgItemTextA(dlg, TRemoteForm::kPortId, "80");
            SendMessageA(dlg, WM_COMMAND, IDOK, 0); // refused, the box stays
            SetDlgItemTextA(dlg, TRemoteForm::kPortId, "18765");
            PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        };
    };
    {
        DialogWatcher watcher(answer(true));
        Command(MenuId::Remote1);
    }
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "The port must be a number from 1024 to 65535.");
    const std::string after = ReadBytes(path);
    EXPECT_EQ(WithoutSection(after, "[Remote]"), before) << "no other byte changed";
    EXPECT_EQ(Profile(path, "Remote", "Enabled"), "1");
    EXPECT_EQ(Profile(path, "Remote", "Network"), "0");
    EXPECT_EQ(Profile(path, "Remote", "Port"), "18765");
    EXPECT_EQ(Profile(path, "Remote", "AccessKey").size(), 32u);
    EXPECT_TRUE(remote.Running());
    EXPECT_EQ(form1().StatusBar1().Text(3), "Single Monitor, Remote :18765");

    WriteBytes(SettingsFile("show"), "[Remote]\r\nEnabled=0\r\n[Alternate]\r\nAlteSize=30\r\n");
    platform.ui.fileAnswers.push_back(SettingsFile("show"));
    Command(MenuId::LoadConfiguration1);
    EXPECT_EQ(state().editorFont.sizePt, 30) << "the show's settings loaded";
    EXPECT_TRUE(remote.Settings().enabled);
    EXPECT_TRUE(remote.Running());
    EXPECT_EQ(form1().StatusBar1().Text(3), "Single Monitor, Remote :18765");
    Command(MenuId::SaveConfiguration1);
    EXPECT_EQ(Profile(path, "Remote", "Port"), "18765") << "a save keeps the section";

    {
        DialogWatcher watcher(answer(false));
        Command(MenuId::Remote1);
    }
    EXPECT_FALSE(remote.Running()) << "switched off, the port is closed";
    EXPECT_EQ(Profile(path, "Remote", "Enabled"), "0");
    EXPECT_EQ(form1().StatusBar1().Text(3), "Single Monitor");
}

TEST_F(SettingsFiles, WindowBoundsFollowTheFileWithinTheMonitor) {
    platform.display.width = 1280;
    platform.display.height = 1024;
    platform.display.monitors = {{0, 0, 1280, 1024}};
    Start();
    const auto place = [&](const std::string& keys) {
        WriteBytes(SettingsFile("show"), "[OptionWindows]\r\n" + keys);
        form1().LoadSettings("show");
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(form1().hwnd(), &wp);
        return wp.rcNormalPosition;
    };
    RECT r = place("ML=700\r\nMT=30\r\nMW=5\r\nMH=400\r\nwState=0\r\n");
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 1280);
    EXPECT_EQ(r.bottom - r.top, 400);
    EXPECT_EQ(state().wState, 0);
    r = place("ML=640\r\nMT=0x10\r\nMW=600\r\nMH=5000\r\nwState=5\r\n");
    EXPECT_EQ(r.left, 640);
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 1024);
    EXPECT_EQ(state().wState, 0) << "5 leaves the state alone";
    EXPECT_FALSE(form1().IsVisible()) << "a load never shows the window";
}

} // namespace
