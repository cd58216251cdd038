#pragma once
#include <string>

#include <windows.h>

#include "settings/ProfileFile.h"
#include "win/ModalUi.h"

class Program;
struct PrompterState;
struct MainWindowBounds;

// The main window as the settings see it: where it stands, how it shows the
// state, the script a settings file names and the file dialogs.
class SettingsWindow {
  public:
    virtual HWND Window() const = 0;
    virtual void ApplyFactoryDefaults() = 0;
    virtual void ApplyEditorLook() = 0;
    virtual void ShowStatseX() = 0;
    // Replaces the editor text by the file; reports its own failures.
    virtual bool LoadScript(const std::string& path) = 0;
    virtual FileDialogSpec& OpenDialog1() = 0;
    virtual FileDialogSpec& SaveDialog1() = 0;

  protected:
    ~SettingsWindow() = default;
};

// Loading and saving settings files, and the File menu's three settings
// commands.
class SettingsCommands {
  public:
    static constexpr int kSettingsSaved = 0;     // or the error was already shown
    static constexpr int kSettingsNotSaved = 39; // no name, or no window

    SettingsCommands(Program& program, PrompterState& state, SettingsWindow& window)
        : program_(program), state_(state), window_(window) {}

    void LoadSettings(const std::string& name);
    int SaveSettings(const std::string& name);
    void LoadConfiguration1Click();
    void SaveConfiguration1Click();
    void SaveConfigurationAs1Click();
    // How settings files are opened; tests hand in one that fails half-way.
    void SetProfileOpener(ProfileOpener opener) { opener_ = std::move(opener); }

  private:
    void SyncBoundsFromWindow();
    void PlaceMainWindow(const MainWindowBounds& bounds);
    bool WindowShown() const { return IsWindowVisible(window_.Window()); }

    Program& program_;
    PrompterState& state_;
    SettingsWindow& window_;
    ProfileOpener opener_ = OpenProfileFile;
};
