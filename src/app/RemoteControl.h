#pragma once
#include <string>
#include <vector>

#include "app/RemoteBridge.h"
#include "editor/RemoteDialog.h"
#include "remote/RemoteServer.h"

// The remote control as the program holds it: its choices from the default
// settings file, the server, and the bridge its commands cross to the
// prompter by. The Remote Control dialog switches it; the status bar tells
// how it is.
class RemoteControl final : public RemoteSwitch, private RemoteSink {
  public:
    RemoteControl(TForm1& editor, TForm4& output, IModalUi& ui);
    ~RemoteControl();
    RemoteControl(const RemoteControl&) = delete;
    RemoteControl& operator=(const RemoteControl&) = delete;

    // Start-up: the choices the settings file keeps, and the server on when
    // they say so. False when the bridge's window could not be made.
    bool Start();
    RemoteBridge& Bridge() { return bridge_; }

    const RemoteSettings& Settings() const override { return settings_; }
    void Apply(const RemoteSettings& choices) override;
    bool Running() const override { return server_.Running(); }
    const std::string& Error() const override { return error_; }
    std::vector<std::string> PhoneAddresses() const override { return server_.PhoneAddresses(); }
    int ConnectedDevices() const override { return server_.ConnectedDevices(); }
    std::string NewKey() const override { return NewAccessKey(); }

  private:
    void PublishState(const RemoteState& state) override { server_.PublishState(state); }
    void CommandDone(const RemoteResult& result) override { server_.CommandDone(result); }
    void PublishScript(std::shared_ptr<const TalentScript> script) override {
        server_.PublishScript(std::move(script));
    }
    void Switch();
    void ShowStatus();
    // The default settings file beside the program.
    std::string SettingsFilePath() const;

    TForm1& editor_;
    RemoteSettings settings_;
    std::string error_;
    RemoteBridge bridge_;
    // Declared after the bridge: its threads stop before the bridge goes.
    RemoteServer server_;
};
