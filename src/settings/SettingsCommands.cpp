// The File menu's three settings commands.
#include <windows.h>
#include <commdlg.h>

#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "settings/ProfileCodec.h"

namespace {
// The options the script Open and Save use on the same dialogs.
constexpr std::uint32_t kOpenOptions =
    OFN_READONLY | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE;
constexpr std::uint32_t kSaveOptions = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                                       OFN_FILEMUSTEXIST | OFN_CREATEPROMPT | OFN_SHAREAWARE |
                                       OFN_NOREADONLYRETURN | OFN_NONETWORKBUTTON;

// Gives the save dialog back its look when a command is done with it,
// whichever way the command ends.
class SaveDialogLook {
  public:
    explicit SaveDialogLook(FileDialogSpec& dialog)
        : dialog_(dialog), defaultExt_(dialog.defaultExt), filter_(dialog.filter),
          title_(dialog.title) {}
    ~SaveDialogLook() {
        dialog_.fileName.clear();
        dialog_.defaultExt = defaultExt_;
        dialog_.filter = filter_;
        dialog_.title = title_;
    }
    SaveDialogLook(const SaveDialogLook&) = delete;
    SaveDialogLook& operator=(const SaveDialogLook&) = delete;

  private:
    FileDialogSpec& dialog_;
    std::string defaultExt_, filter_, title_;
};
} // namespace

void TForm1::LoadConfiguration1Click() {
    FileDialogSpec& dialog = OpenDialog1();
    dialog.initialDir = SettingsFolder(state_.ProgramDir);
    dialog.defaultExt = GetMsgText(174);
    dialog.filter = "Configuration File|*.mes";
    dialog.title = GetMsgText(28) + " " + std::string(kProgramName) + " " + GetMsgText(225);
    dialog.options = kOpenOptions;
    if (!app_.services().ui.RunOpenDialog(dialog))
        return;
    // Only the name counts: the file of that name in the settings folder loads.
    state_.ConfigName = BaseConfigName(dialog.fileName);
    LoadSettings(state_.ConfigName);
}

void TForm1::SaveConfiguration1Click() {
    SaveSettings(std::string(kDefaultSettingsName));
}

void TForm1::SaveConfigurationAs1Click() {
    FileDialogSpec& dialog = SaveDialog1();
    SaveDialogLook restore(dialog);
    dialog.defaultExt = "mes";
    dialog.filter = "Cuecraft Settings |*.mes";
    dialog.title = "Save Configuration AS";
    dialog.fileName = state_.ConfigName;
    dialog.options = kSaveOptions;
    if (app_.services().ui.RunSaveDialog(dialog))
        SaveSettings(BaseConfigName(TrimBlanks(dialog.fileName)));
}
