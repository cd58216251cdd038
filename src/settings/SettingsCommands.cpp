// The File menu's three settings commands.
#include "settings/SettingsCommands.h"

#include "app/Program.h"
#include "app/PrompterState.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "settings/ProfileCodec.h"
#include "win/FileDialogOptions.h"

namespace {
// Gives the save dialog back all it had when a command is done with it,
// whichever way the command ends; only the file name is cleared.
class SaveDialogLook {
  public:
    explicit SaveDialogLook(FileDialogSpec& dialog) : dialog_(dialog), saved_(dialog) {}
    ~SaveDialogLook() {
        dialog_ = saved_;
        dialog_.fileName.clear();
    }
    SaveDialogLook(const SaveDialogLook&) = delete;
    SaveDialogLook& operator=(const SaveDialogLook&) = delete;

  private:
    FileDialogSpec& dialog_;
    const FileDialogSpec saved_;
};
} // namespace

void SettingsCommands::LoadConfiguration1Click() {
    FileDialogSpec& dialog = window_.OpenDialog1();
    dialog.initialDir = SettingsFolder(state_.ProgramDir);
    dialog.defaultExt = GetMsgText(174);
    dialog.filter = "Configuration File|*.mes";
    dialog.title = GetMsgText(28) + " " + std::string(kProgramName) + " " + GetMsgText(225);
    dialog.options = kOpenDialogOptions;
    if (!program_.services().ui.RunOpenDialog(dialog))
        return;
    // Only the name counts: the file of that name in the settings folder loads.
    state_.ConfigName = BaseConfigName(dialog.fileName);
    LoadSettings(state_.ConfigName);
}

void SettingsCommands::SaveConfiguration1Click() {
    SaveSettings(std::string(kDefaultSettingsName));
}

void SettingsCommands::SaveConfigurationAs1Click() {
    FileDialogSpec& dialog = window_.SaveDialog1();
    SaveDialogLook restore(dialog);
    dialog.defaultExt = "mes";
    dialog.filter = "Cuecraft Settings |*.mes";
    dialog.title = "Save Configuration AS";
    dialog.fileName = state_.ConfigName;
    dialog.options = kSaveDialogOptions;
    if (program_.services().ui.RunSaveDialog(dialog))
        SaveSettings(BaseConfigName(TrimBlanks(dialog.fileName)));
}
