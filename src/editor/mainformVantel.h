#pragma once
#include <string>

#include "accessory/CPanel1unit.h"
#include "app/PlaybackControl.h"
#include "app/PrompterState.h"
#include "editor/Hints.h"
#include "editor/Memo.h"
#include "editor/ScriptEncoding.h"
#include "editor/StatusBar.h"
#include "settings/ProfileFile.h"
#include "win/ModalUi.h"
#include "win/UniqueHandle.h"
#include "win/Window.h"

class Program;
struct MainWindowBounds;

// The main window: menu bar, status bar and the script editor. Owns the
// prompter state.
class TForm1 : public Window, private MemoEvents {
  public:
    explicit TForm1(Program& app);

    // The playback the editor's commands reach; none until it is attached.
    void AttachPlayback(PlaybackControl& playback) { playback_ = &playback; }
    void DetachPlayback() { playback_ = &noPlayback_; }

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
    void SetSdelaY(std::uint8_t delay);
    void ShowStatseX();
    // Pushes the state the controls show (font, colours, alignment, hints).
    void ApplyEditorLook();

    // Status bar and caret.
    void CaretReport();
    int CaretLineRecord();

    // Editor events (also called by tests).
    void Memo1KeyDown(WORD key, bool shift, bool ctrl, bool alt) override;
    void Memo1MouseDown(int button) override;
    bool Memo1ContextMenuAllowed() override;
    void Memo1Click() override;
    void Memo1Enter() override;
    void Memo1Exit() override;
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
    void LoadCommandLineScript();

    // Formatting.
    void BlackonWhite1Click();
    void TypeansSize1Click();
    void ToggleStyle(MenuId item);
    void ToggleAlignment(MenuId item);
    void ApplyAlignment();

    // Saves a screen-sized picture taken from a window's drawing surface.
    void SaveScreenCapture(HWND source);
    FileDialogSpec& OpenDialog1() { return openDialog_; }
    FileDialogSpec& SaveDialog1() { return saveDialog_; }

    // Dual-screen preview: the panel over the editor and the image it copies.
    TCPanel& Panel2() { return panel2_; }
    std::unique_ptr<OffscreenImage> PreviewImage;
    std::uint16_t PreviewFontSize = 0;

    // Monitors menu.
    void UseSecondMonitorforScrolling1Click();
    void TestSecondMonitor1Click();
    void Monitors1Click();

    // Settings files (settings/).
    static constexpr int kSettingsSaved = 0;     // or the error was already shown
    static constexpr int kSettingsNotSaved = 39; // no name, or no window
    void LoadSettings(const std::string& name);
    int SaveSettings(const std::string& name);
    void LoadConfiguration1Click();
    void SaveConfiguration1Click();
    void SaveConfigurationAs1Click();
    // How settings files are opened; tests hand in one that fails half-way.
    void SetProfileOpener(ProfileOpener opener) { profileOpener_ = std::move(opener); }

    // Printing; the printer chosen last governs the next job.
    void Print1Click();
    void PrintSetup1Click();
    PrinterChoice& Printer() { return printer_; }

    // Help and About.
    void About2Click();
    void MenuHelp1Click();
    // Opens the help topic of a menu item; false when it has none.
    bool ShowItemHelp(MenuId item);

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
    // Puts a script file's text in the editor; throws what the read throws.
    void ReplaceEditorText(const std::string& path);
    // The editor's script as file bytes, in the encoding it was loaded in.
    std::string ScriptFileBytes() const;
    // While a script scrolls, asks it to stop and says so.
    bool StopIfPlaying();
    void InitFileDialogs();
    void OnSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // The dual-screen preview panel's size at 96 DPI.
    static constexpr int kPreviewWidth = 371, kPreviewHeight = 143;
    LRESULT OnCtlColorEdit(HDC dc, HWND control);
    void OnClose();
    void TakeCommandLineScript();
    void SyncBoundsFromWindow();
    void PlaceMainWindow(const MainWindowBounds& bounds);
    void OnMenuSelect(WPARAM wp, LPARAM lp);
    bool OnHelp(const HELPINFO& info);

    Program& app_;
    NoPlayback noPlayback_;
    PlaybackControl* playback_ = &noPlayback_;
    PrompterState state_;
    StatusBar statusBar_;
    Hints hints_;
    Memo memo_;
    ScriptFileForm scriptForm_;
    TCPanel panel2_;
    HMENU menuBar_ = nullptr;
    FileDialogSpec openDialog_;
    FileDialogSpec saveDialog_;
    int pixelsPerInch_ = 96;
    ProfileOpener profileOpener_ = OpenProfileFile;
    PrinterChoice printer_;
    MenuId highlighted_ = MenuId::None; // the menu item under the menu cursor
};
