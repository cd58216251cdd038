#pragma once
#include <string>

#include "app/PrompterState.h"
#include "editor/Memo.h"
#include "editor/StatusBar.h"
#include "win/ModalUi.h"
#include "win/UniqueHandle.h"
#include "win/Window.h"

class Application;

// The main window: menu bar, status bar and the script editor. Owns the
// prompter state.
class TForm1 : public Window {
  public:
    explicit TForm1(Application& app);

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
    int PixelsPerInch() const { return pixelsPerInch_; }

    void iNITIATE_ALL_VARIABLES();
    void ApplyFactoryDefaults();
    void SetSdelaY(std::uint8_t delay);
    void ShowStatseX();
    // Pushes the editor-related state (font, colours) to the controls.
    void ApplyEditorLook();

    // Script files.
    // Replaces the editor text by the file; reports its own failures.
    bool LoadScript(const std::string& path);
    FileDialogSpec& OpenDialog1() { return openDialog_; }
    FileDialogSpec& SaveDialog1() { return saveDialog_; }

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

  private:
    void OnCommand(MenuId id);
    void OnSize();
    LRESULT OnCtlColorEdit(HDC dc, HWND control);
    void OnClose();
    void TakeCommandLineScript();
    void OnMenuSelect(WPARAM wp, LPARAM lp);
    bool OnHelp(const HELPINFO& info);

    Application& app_;
    PrompterState state_;
    StatusBar statusBar_;
    Memo memo_;
    HMENU menuBar_ = nullptr;
    FileDialogSpec openDialog_;
    FileDialogSpec saveDialog_;
    int pixelsPerInch_ = 96;
    PrinterChoice printer_;
    MenuId highlighted_ = MenuId::None; // the menu item under the menu cursor
};
