#include "app/RemoteControl.h"

#include "editor/mainformVantel.h"
#include "settings/ProfileCodec.h"
#include "settings/RemoteSettingsFile.h"
#include "settings/SettingsFiles.h"
#include "win/FileIo.h"

RemoteControl::RemoteControl(TForm1& editor, TForm4& output, IModalUi& ui)
    : editor_(editor), bridge_(editor, output, ui, *this), server_(bridge_) {}

std::string RemoteControl::SettingsFilePath() const {
    return SettingsPath(editor_.State().ProgramDir, std::string(kDefaultSettingsName));
}

RemoteControl::~RemoteControl() {
    bridge_.SetActive(false);
    server_.Stop();
}

bool RemoteControl::Start() {
    if (!bridge_.Create())
        return false;
    const std::string path = SettingsFilePath();
    if (FileExists(path)) {
        std::unique_ptr<IProfileFile> file = OpenProfileFile(path);
        settings_ = ReadRemoteSettings(*file);
    }
    if (settings_.accessKey.empty())
        settings_.accessKey = NewAccessKey();
    if (settings_.enabled)
        Switch();
    return true;
}

void RemoteControl::Apply(const RemoteSettings& choices) {
    settings_ = choices;
    Switch();
    WriteRemoteSettingsSafely(SettingsFilePath(), settings_, OpenProfileFile);
}

void RemoteControl::Switch() {
    error_.clear();
    if (!settings_.enabled) {
        bridge_.SetActive(false);
        server_.Stop(); // the port closes at once
    } else {
        // The first state is there before the first client can ask.
        bridge_.SetActive(true);
        error_ = server_.Start(settings_);
        if (!error_.empty())
            bridge_.SetActive(false);
    }
    ShowStatus();
}

void RemoteControl::ShowStatus() {
    if (!settings_.enabled)
        editor_.ShowRemoteStatus("");
    else if (error_.empty())
        editor_.ShowRemoteStatus("Remote :" + std::to_string(settings_.port));
    else
        editor_.ShowRemoteStatus("Remote off: " + error_);
}
