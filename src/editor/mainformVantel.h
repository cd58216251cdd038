#pragma once
#include <optional>
#include <string>

#include "accessory/CPanel1unit.h"
#include "accessory/HelpCommands.h"
#include "app/model/EditorView.h"
#include "app/model/PlaybackControl.h"
#include "app/model/PrompterState.h"
#include "editor/Hints.h"
#include "editor/Memo.h"
#include "editor/RemoteDialog.h"
#include "editor/ScriptEncoding.h"
#include "editor/StatusBar.h"
#include "monitors/MonitorCommands.h"
#include "settings/SettingsCommands.h"
#include "win/ModalUi.h"
#include "win/UniqueHandle.h"
#include "win/Window.h"

class Program;

// The main window: menu bar, status bar and the script editor. Owns the
// prompter state.
class TForm1 : public Window, public EditorView {
  public:
    explicit TForm1(Program& app);

    // The playback the editor's commands reach; none until it is attached.
    void AttachPlayback(PlaybackControl& playback) { playback_ = &playback; }
    void DetachPlayback() { playback_ = &noPlayback_; }
    // The remote control the Remote command sets up; none until attached.
    void AttachRemote(RemoteSwitch* remote) { remote_ = remote; }
    // "&Remote...": the Remote Control dialog, never while a script plays.
    void Remote1Click();
    // Panel 3 tells, after the monitor mode, whether the remote is on or
    // why it could not be; empty while it is off.
    void ShowRemoteStatus(const std::string& text);

    bool Create();
    // Main-window creation steps; false when a start-up check failed and the
    // program must end at once.
    bool FormCreate();
    // Shown by the message loop when it starts.
    void ShowAtStart();

    PrompterState& State() { return state_; }
    const PrompterState& State() const { return state_; }
    Memo& Memo1() { return memo_; }
    StatusBar& StatusBar1() { return statusBar_; }
    Hints& ToolTips() { return hints_; }
    int PixelsPerInch() const { return pixelsPerInch_; }

    void iNITIATE_ALL_VARIABLES();
    void ApplyFactoryDefaults();
    void SetSdelaY(std::uint8_t delay) override;
    void ShowStatseX() override;
    // Pushes the state the controls show (font, colours, alignment, hints).
    void ApplyEditorLook();

    // Status bar and caret.
    void CaretReport() override;
    int CaretLineRecord();

    // Editor events (also called by tests).
    void Memo1KeyDown(WORD key, bool shift, bool ctrl, bool alt);
    void Memo1MouseDown(int button); // 0 left, 1 right, 2 middle
    bool Memo1ContextMenuAllowed();
    void Memo1Click();
    void Memo1Enter();
    void Memo1Exit();
    void Memo1Change();
    void Memo1DragDrop();
    void Memo1EndDrag() {}
    void FormShow();

    // Script files.
    // Replaces the editor text by the file; reports its own failures.
    bool LoadScript(const std::string& path);
    void WriteScript(const std::string& path);
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    // Loads the script named on the command line at start-up.
    void LoadCommandLineScript() override;

    // Formatting.
    void BlackonWhite1Click();
    void TypeansSize1Click();
    void ToggleStyle(MenuId item);
    void ToggleAlignment(MenuId item);
    void ApplyAlignment();

    // Saves a screen-sized picture taken from a window's drawing surface.
    void SaveScreenCapture(HWND source) override;
    FileDialogSpec& OpenDialog1() { return openDialog_; }
    FileDialogSpec& SaveDialog1() { return saveDialog_; }

    // What the playback reads and changes (see EditorView).
    HWND Window() const override { return hwnd(); }
    std::int32_t LineCount() override { return memo_.LineCount(); }
    std::string LineText(std::int32_t line) override { return memo_.LineText(line); }
    std::int32_t LineStart(std::int32_t line) override { return memo_.LineIndex(line); }
    void HideSelectionWhilePlaying() override;
    void RestoreAfterPlayback(std::int32_t caret) override;
    void ShowPlayLine(const std::string& text) override { statusBar_.SetTextLive(1, text); }
    void ReservePlayLine(const std::string& widest) override { statusBar_.KeepWidthFor(1, widest); }
    int StatusBarHeight() override { return statusBar_.Height(); }
    TCPanel& PreviewPanel() override { return panel2_; }
    std::unique_ptr<OffscreenImage>& PreviewImage() override { return previewImage_; }
    std::uint16_t PreviewFontSize() const override { return previewFontSize_; }
    void SetPreviewFontSize(std::uint16_t points) override { previewFontSize_ = points; }
    RECT EditorBounds() override;

    // Dual-screen preview: the panel over the editor.
    TCPanel& Panel2() { return panel2_; }

    // Monitors menu.
    void UseSecondMonitorforScrolling1Click();
    void TestSecondMonitor1Click() { monitors_.TestSecondMonitor1Click(*playback_, hwnd()); }
    void Monitors1Click() { monitors_.Monitors1Click(*playback_); }

    // Settings files.
    static constexpr int kSettingsSaved = SettingsCommands::kSettingsSaved;
    static constexpr int kSettingsNotSaved = SettingsCommands::kSettingsNotSaved;
    // Loads a settings file and shows what it holds.
    void LoadSettings(const std::string& name) override;
    // Load Settings...: the file of the chosen name in the settings folder.
    void LoadConfiguration1Click();
    int SaveSettings(const std::string& name) { return settings_.WriteSettingsFile(name); }
    void SetProfileOpener(ProfileOpener opener) { settings_.SetProfileOpener(std::move(opener)); }

    // Printing; the printer chosen last governs the next job.
    void Print1Click();
    void PrintSetup1Click();
    PrinterChoice& Printer() { return printer_; }

    // Exit paths.
    void ExitProgram();
    bool FormCloseQuery();
    bool ConfirmQuit();
    void CLEANMEUP();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    // True while a script scrolls.
    bool Prompting() const;

  private:
    // Posted when the window is shown, so the show handler sees its final size.
    static constexpr UINT kShownMessage = WM_APP + 1;
    void OnCommand(MenuId id);
    // What the editor control tells (see MemoNote).
    LRESULT OnMemoNote(MemoNote note, LPARAM detail);
    // Puts a script file's text in the editor; throws what the read throws.
    void ReplaceEditorText(const std::string& path);
    // A script load's panel, remembered so that a refresh leaves it alone.
    void ShowLoadPanel(int panel, const std::string& text);
    // ShowStatseX but for the panels in `keep` (bit n for panel n).
    void RefreshPanelsBut(unsigned keep);
    // The editor's script as file bytes, in the encoding it was loaded in.
    ScriptFileForm ScriptFileBytes() const;
    // False when the user keeps the file rather than write stand-ins over it.
    bool MayWriteReplacements(const ScriptFileForm& form, const std::string& path);
    // Panel 4 says when the reading had to stand characters in for bytes.
    void ShowReadNotice();
    // The editor and the prompter read the script this way.
    void SetScriptDirection(bool rightToLeft);
    // While a script scrolls, asks it to stop and says so.
    bool StopIfPlaying();
    void InitFileDialogs();
    // Puts the caret at a character position and shows it.
    void SelectInEditor(std::int32_t position);
    void OnSize();
    // Start-up's scripts wait for the shown window; the editor follows the
    // window's size once a new window's sizes have settled.
    bool HoldsScriptText() const { return holdScriptText_ && !IsVisible(); }
    void PutHeldTextIn();
    void EmptyEditor();
    // The editor's text with its selection, set aside.
    struct EditorText {
        std::string text;
        int selStart = 0, selLength = 0;
    };
    EditorText TakeTextAside();
    void PutTextBack(const EditorText& aside);
    void OnSettled();
    static constexpr UINT_PTR kSettleTimer = 1;
    // The reading order is decided again once typing pauses this long.
    static constexpr UINT_PTR kTypingPauseTimer = 2;
    static constexpr UINT kTypingPauseMs = 1000;
    void OnTypingPause();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // The dual-screen preview panel's size at 96 DPI.
    static constexpr int kPreviewWidth = 371, kPreviewHeight = 143;
    LRESULT OnCtlColorEdit(HDC dc, HWND control);
    void OnClose();
    void TakeCommandLineScript();

    Program& app_;
    NoPlayback noPlayback_;
    PlaybackControl* playback_ = &noPlayback_;
    RemoteSwitch* remote_ = nullptr;
    std::string remoteStatus_;
    PrompterState state_;
    StatusBar statusBar_;
    Hints hints_;
    Memo memo_;
    ScriptFileForm scriptForm_;
    bool noticeHeld_ = false; // panel 4 holds a load notice the first show keeps
    unsigned loadPanels_ = 0; // the panels the last script load wrote, bit n for panel n
    bool holdScriptText_ = false;
    std::optional<std::string> heldText_;
    bool settling_ = false;
    TCPanel panel2_;
    std::unique_ptr<OffscreenImage> previewImage_;
    std::uint16_t previewFontSize_ = 0;
    HMENU menuBar_ = nullptr;
    FileDialogSpec openDialog_;
    FileDialogSpec saveDialog_;
    int pixelsPerInch_ = 96;
    PrinterChoice printer_;
    SettingsCommands settings_{app_, state_, *this};
    MonitorCommands monitors_{app_, state_};
    HelpCommands help_{app_, state_};
};
