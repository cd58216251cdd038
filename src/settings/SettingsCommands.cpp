// The File menu's three settings commands.
#include "settings/SettingsCommands.h"

#include "app/model/Program.h"
#include "app/model/PrompterState.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "settings/ProfileCodec.h"
#include "win/FileDialogOptions.h"
#include "win/UniqueHandle.h"

std::string SettingsCommands::ChooseSettingsToLoad(FileDialogSpec& dialog) {
    dialog.initialDir = SettingsFolder(state_.ProgramDir);
    dialog.defaultExt = GetMsgText(174);
    dialog.filter = "Configuration File|*.mes";
    dialog.title = GetMsgText(28) + " " + std::string(kProgramName) + " " + GetMsgText(225);
    dialog.options = kOpenDialogOptions;
    if (!program_.services().ui.RunOpenDialog(dialog))
        return {};
    // Only the name counts: the file of that name in the settings folder loads.
    state_.ConfigName = BaseConfigName(dialog.fileName);
    return state_.ConfigName;
}

void SettingsCommands::SaveDefaultSettings() {
    WriteSettingsFile(std::string(kDefaultSettingsName));
}

void SettingsCommands::SaveSettingsAs(FileDialogSpec& dialog) {
    // The dialog gets back all it had, whichever way the command ends; only
    // the file name is cleared.
    const ScopeExit restore([&dialog, saved = dialog] {
        dialog = saved;
        dialog.fileName.clear();
    });
    dialog.defaultExt = "mes";
    dialog.filter = "Cuecraft Settings |*.mes";
    dialog.title = "Save Configuration AS";
    dialog.fileName = state_.ConfigName;
    dialog.options = kSaveDialogOptions;
    if (program_.services().ui.RunSaveDialog(dialog))
        WriteSettingsFile(BaseConfigName(TrimBlanks(dialog.fileName)));
}
