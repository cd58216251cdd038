// Loading and writing scripts. The editor holds Unicode text with CR LF line
// ends; a file keeps the encoding it came in while its code page can hold it.
#include <windows.h>

#include "app/model/Program.h"
#include "editor/ScriptEncoding.h"
#include "editor/ScriptText.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "render/TextDirection.h"
#include "settings/ProfileCodec.h"
#include "win/FileDialogOptions.h"
#include "win/FileIo.h"
#include "win/SystemCodePage.h"

namespace {
// A file that was read but is no script the editor can show as it is.
class ScriptRefusal : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Why a file was refused, in words.
std::string RefusalText(ScriptLoadStatus status, ScriptEncoding encoding) {
    switch (status) {
    case ScriptLoadStatus::Binary:
        // A NUL would cut the text short and the next save would lose the rest.
        return "The file holds binary data, not plain text";
    default:
        break;
    }
    const bool utf16 = encoding == ScriptEncoding::Utf16Le || encoding == ScriptEncoding::Utf16Be;
    return utf16 ? "The file is marked as UTF-16 text but is not valid UTF-16"
                 : "The file is marked as UTF-8 text but is not valid UTF-8";
}

struct ScriptText {
    std::string bytes;
    std::string text;
    ScriptEncoding encoding = ScriptEncoding::Ansi;
    bool replaced = false;
};

// The file as editor text, in whatever encoding today's editors save;
// refuses what is not text or would not show as it is in the file.
ScriptText ReadScriptText(const std::string& path) {
    ScriptText script;
    script.bytes = ReadWholeFile(path);
    ScriptLoad load = DecodeScript(script.bytes, SystemCodePage());
    if (load.status != ScriptLoadStatus::Loaded)
        throw ScriptRefusal(RefusalText(load.status, load.encoding));
    script.encoding = load.encoding;
    script.replaced = load.replaced;
    script.text = NormalizeLineEnds(load.text);
    // Code page bytes go back as they came but for their line ends, which
    // no lead or trail byte of any code page can be.
    if (script.encoding == ScriptEncoding::Ansi)
        script.bytes = NormalizeLineEnds(script.bytes);
    return script;
}

// A file operation's failure as users read it: the error, the message, the path.
std::string FileErrorText(const std::exception& error, std::uint16_t message,
                          const std::string& path) {
    return std::string(error.what()) + ", " + GetMsgText(message) + " " + path;
}

// Asked before a save writes stand-ins: for bytes the reading could not
// read (edited is whether the text is encoded anew), or for halves of
// surrogate pairs the file's encoding cannot hold. Empty: nothing to ask.
std::string StandInQuestion(const ScriptFileForm& form, bool edited, const std::string& path) {
    if (form.replaced && edited)
        return FileNamePart(path) + ": some bytes of the file could not be read in code page " +
               std::to_string(SystemCodePage::Number()) +
               " and show as stand-in characters. Saving writes those characters in their "
               "place. Save anyway?";
    if (form.loneHalves > 0)
        return FileNamePart(path) + ": " + std::to_string(form.loneHalves) +
               " character(s) of the script are halves of surrogate pairs, which UTF-8 cannot "
               "hold. Saving writes the replacement character U+FFFD in their place. Save "
               "anyway?";
    return {};
}

bool IsBlankPath(const std::string& path) {
    return path.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

void TForm1::ShowLoadPanel(int panel, const std::string& text) {
    loadPanels_ |= 1u << panel;
    // Said before the window is shown, a notice must outlast the first show.
    if (panel == 4 && !IsVisible())
        noticeHeld_ = !text.empty();
    statusBar_.SetText(panel, text);
}

bool TForm1::LoadScript(const std::string& path) {
    loadPanels_ = 0;
    if (!memo_.hwnd()) {
        ShowLoadPanel(4, "Editor not ready to load: " + path);
        return false;
    }
    if (IsVisible())
        for (int panel = 1; panel <= 4; ++panel)
            ShowLoadPanel(panel, "");
    if (!FileExists(path)) {
        ShowLoadPanel(4, GetMsgText(40) + ": " + path);
        return false;
    }
    if (IsWindowVisible(statusBar_.hwnd()))
        ShowLoadPanel(5, "Loading " + path);
    bool loaded = false;
    try {
        ReplaceEditorText(path);
        ShowReadNotice();
        openDialog_.initialDir = FolderPart(path);
        ShowLoadPanel(5, FileNamePart(path));
        loaded = true;
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui, FileErrorText(e, 449, path), kProductTitle, 2);
    }
    memo_.SetModified(false);
    return loaded;
}

void TForm1::ReplaceEditorText(const std::string& path) {
    ScriptText script = ReadScriptText(path);
    SetScriptDirection(IsRightToLeftText(script.text));
    if (HoldsScriptText())
        heldText_ = std::move(script.text);
    else if (!memo_.SetText(script.text))
        throw std::runtime_error("Text exceeds memo capacity");
    scriptForm_ = {script.encoding, std::move(script.bytes), script.replaced};
}

void TForm1::ShowReadNotice() {
    if (scriptForm_.replaced)
        ShowLoadPanel(4, "Some bytes could not be read in code page " +
                             std::to_string(SystemCodePage::Number()) +
                             "; they show as stand-in characters");
}

ScriptFileForm TForm1::ScriptFileBytes() const {
    return ScriptSaveForm(memo_.Text(), scriptForm_, SystemCodePage());
}

bool TForm1::MayWriteReplacements(const ScriptFileForm& form, const std::string& path) {
    // Unedited, the file's own bytes go back; edited, the stand-ins would
    // take the place of what the reading could not read.
    const std::string question = StandInQuestion(form, scriptForm_.bytes.empty(), path);
    return question.empty() ||
           ShowMsgBox(app_.services().ui, question, kProductTitle, 9) == msgbox::kYes;
}

void TForm1::WriteScript(const std::string& path) {
    const std::string folder = FolderPart(path);
    if (!FolderExists(folder)) {
        ShowMsgBox(app_.services().ui,
                   folder + "Proper path does not exist, Please use [File][Save Default "
                            "Configuration] to save the current configuration.",
                   kProductTitle, 3);
        return;
    }
    ScriptFileForm form = ScriptFileBytes();
    if (!MayWriteReplacements(form, path))
        return;
    try {
        app_.services().replaceFile(path, form.bytes);
        // A script its code page could no longer hold is UTF-8 from now on.
        scriptForm_.encoding = form.encoding;
        if (scriptForm_.bytes.empty())
            scriptForm_.replaced = false; // asked once, and written
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui, FileErrorText(e, 41, path), kProductTitle, 3);
        return;
    }
    state_.CurAlternate->FileName = path;
    state_.LastFileLoaded = path;
    saveDialog_.initialDir = folder;
    statusBar_.SetText(5, FileNamePart(path));
    memo_.SetModified(false);
    if (!Prompting())
        statusBar_.SetText(2, GetMsgText(224));
}

void TForm1::New1Click() {
    memo_.SetText("");
    SetScriptDirection(false);
    scriptForm_ = {};
    Memo1Change(); // a multi-line edit reports no change for a replaced text
    state_.LastFileLoaded.clear();
}

void TForm1::Open1Click() {
    openDialog_.fileName.clear();
    openDialog_.defaultExt = GetMsgText(198);
    openDialog_.filter = GetMsgText(190) + " |*.txt";
    openDialog_.title = GetMsgText(194);
    openDialog_.options = kOpenDialogOptions;
    if (app_.services().ui.RunOpenDialog(openDialog_)) {
        const bool loaded = FileExists(openDialog_.fileName) && LoadScript(openDialog_.fileName);
        if (!loaded) {
            // The editor kept its script, so it keeps its name: naming it after
            // the refused file would have the next Save overwrite that file.
            openDialog_.fileName.clear();
            return;
        }
        state_.CurAlternate->FileName = openDialog_.fileName;
    }
    // A cancel leaves the script without a name: the next Save asks for one.
    state_.LastFileLoaded = openDialog_.fileName;
    openDialog_.fileName.clear();
}

void TForm1::Save1Click() {
    if (memo_.TextLength() == 0) {
        ShowMsgBox(app_.services().ui, GetMsgText(43), kProductTitle, 3);
        return;
    }
    if (IsBlankPath(state_.LastFileLoaded))
        SaveAs1Click();
    else
        WriteScript(state_.LastFileLoaded);
}

void TForm1::SaveAs1Click() {
    if (!app_.services().ui.RunSaveDialog(saveDialog_) || saveDialog_.fileName.empty())
        return;
    WriteScript(saveDialog_.fileName); // names the script only when the write succeeded
}

void TForm1::LoadCommandLineScript() {
    const std::string argument = app_.Args().empty() ? std::string() : app_.Args()[0];
    if (!state_.CmdLineFileGiven) {
        // Said as a settings load says its missing script; the start goes on.
        if (!IsBlankPath(argument))
            ShowLoadPanel(4, GetMsgText(40) + ": " + FullPath(argument));
        return;
    }
    try {
        EmptyEditor();
        ShowLoadPanel(4, "");
        ReplaceEditorText(state_.CmdLineFile);
        ShowReadNotice();
        state_.CmdLineFile = argument;
        // The script on screen is this file now; a Save must not go to the
        // script the settings reopened.
        state_.LastFileLoaded = FullPath(argument);
        state_.CurAlternate->FileName = state_.LastFileLoaded;
        memo_.SetModified(false);
    } catch (const std::exception& e) {
        state_.CmdLineFileGiven = false;
        EmptyEditor();
        state_.CmdLineFile.clear();
        // The editor holds a new script now: a Save must not go to the one
        // the settings reopened, nor to the file that was refused.
        state_.LastFileLoaded.clear();
        scriptForm_ = {};
        std::string text = "Could not open " + argument;
        if (dynamic_cast<const ScriptRefusal*>(&e))
            text += "\n\n" + std::string(e.what()) + ".";
        ShowMsgBox(app_.services().ui, text, kProductTitle, 2);
    }
}

void TForm1::SetScriptDirection(bool rightToLeft) {
    memo_.SetRightToLeft(rightToLeft);
    hints_.SetActive(state_.ShowHints, memo_.hwnd()); // the control may be new
    state_.scriptRightToLeft = rightToLeft;
}

TForm1::EditorText TForm1::TakeTextAside() {
    EditorText aside{memo_.Text(), memo_.SelStart(), memo_.SelLength()};
    EmptyEditor();
    return aside;
}

void TForm1::PutTextBack(const EditorText& aside) {
    if (!memo_.SetText(aside.text))
        throw std::runtime_error("Text exceeds memo capacity");
    memo_.SetSelection(aside.selStart, aside.selLength);
    memo_.ScrollCaret();
}

void TForm1::LoadConfiguration1Click() {
    if (const auto name = settings_.ChooseSettingsToLoad(openDialog_))
        LoadSettings(*name);
}

void TForm1::LoadSettings(const std::string& name) {
    const std::string editorName = state_.LastFileLoaded;
    switch (settings_.ReadSettings(name)) {
    case SettingsCommands::LoadResult::Refused:
        return;
    case SettingsCommands::LoadResult::Missing:
        ApplyFactoryDefaults();
        return;
    case SettingsCommands::LoadResult::Read:
        break;
    }
    // The script the settings reopen replaces the editor's text, so that
    // text steps aside while the new look goes on (a new font or alignment
    // wraps all of it again); it comes back if the script cannot be read.
    const bool reopen = !IsBlank(state_.LastFileLoaded) && FileExists(state_.LastFileLoaded);
    std::optional<EditorText> aside;
    if (reopen)
        aside = TakeTextAside();
    ApplyEditorLook();
    loadPanels_ = 0;
    if (!IsBlank(state_.LastFileLoaded) && !LoadScript(state_.LastFileLoaded) && aside) {
        PutTextBack(*aside);
        // The editor kept its text, so it keeps that text's name: naming it
        // after the refused file would have the next Save write over that file.
        state_.LastFileLoaded = editorName;
    }
    // A hidden window is refreshed when it is shown; a shown one would
    // otherwise keep the old font, line count and file in its panels. What
    // the script load said there (a missing script) stays.
    if (IsVisible())
        RefreshPanelsBut(loadPanels_);
}
