#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>

#include "settings/ProfileFile.h"
#include "win/ModalUi.h"
#include "win/Window.h"

class Program;
struct PrompterState;
struct MainWindowBounds;

// Loading and saving settings files, and the File menu's three settings
// commands. What a load asks of the editor afterwards (its look, the
// script, the panels) the caller does.
class SettingsCommands {
  public:
    static constexpr int kSettingsSaved = 0;     // or the error was already shown
    static constexpr int kSettingsNotSaved = 39; // no name, or no window

    SettingsCommands(Program& program, PrompterState& state, const Window& window)
        : program_(program), state_(state), window_(window) {}

    // Refused: the name makes no path (said so). Missing: no such file (said
    // so); the factory values are due. Read: the state and the window's
    // place are the file's.
    enum class LoadResult : std::uint8_t { Refused, Missing, Read };
    LoadResult ReadSettings(const std::string& name);
    int WriteSettingsFile(const std::string& name);
    // Load Settings: asks for a file; the name to load (it may be empty),
    // or nothing when the dialog is cancelled.
    std::optional<std::string> ChooseSettingsToLoad(FileDialogSpec& dialog);
    void SaveConfiguration1Click();
    void SaveConfigurationAs1Click(FileDialogSpec& dialog);
    // How settings files are opened; tests hand in one that fails half-way.
    void SetProfileOpener(ProfileOpener opener) { opener_ = std::move(opener); }

  private:
    void SyncBoundsFromWindow();
    void PlaceMainWindow(const MainWindowBounds& bounds);
    bool WindowShown() const { return window_.IsVisible(); }

    Program& program_;
    PrompterState& state_;
    const Window& window_; // the main window
    ProfileOpener opener_ = OpenProfileFile;
};
