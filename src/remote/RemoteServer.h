#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "remote/RemoteTypes.h"

// The choices of the Remote Control dialog, kept in the default settings
// file's section Remote.
struct RemoteSettings {
    bool enabled = false;
    bool network = false; // false: this computer only (loopback)
    std::uint16_t port = 8765;
    std::string accessKey; // 32 hex digits
};

// The remote control's HTTP and WebSocket server. It runs on threads of its
// own; the GUI thread talks to it only through the calls below, none of which
// waits on the network.
class RemoteServer {
  public:
    explicit RemoteServer(RemoteHost& host);
    ~RemoteServer(); // stops within a second, clients connected or not
    RemoteServer(const RemoteServer&) = delete;
    RemoteServer& operator=(const RemoteServer&) = delete;

    // Listens as the settings say (stopping a listener that runs first).
    // Empty on success; otherwise why not, in the user's words, naming the
    // port ("Port 8765 is in use by another program").
    std::string Start(const RemoteSettings& settings);
    // Closes the port and every connection at once.
    void Stop();
    bool Running() const;
    // The port listened on (the settings' own; the system's pick for 0).
    std::uint16_t Port() const;
    // The addresses listened on: 127.0.0.1 and ::1, or 0.0.0.0 and :: for
    // the local network (:: only where the machine has IPv6).
    std::vector<std::string> ListenAddresses() const;

    // The addresses a phone can open, one per address the server listens
    // on ("http://192.168.1.20:8765/"); loopback only for this computer.
    std::vector<std::string> PhoneAddresses() const;
    // Devices connected now: open live sockets (an open page keeps one).
    int ConnectedDevices() const;

    // GUI thread: the prompter's state after a change. Cheap: a copy.
    void PublishState(const RemoteState& state);
    // GUI thread: the display lines and their look for the talent views.
    void PublishScript(std::shared_ptr<const TalentScript> script);
    // GUI thread: how a posted command was taken.
    void CommandDone(const RemoteResult& result);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// 128 bits from the system's random generator, as 32 lower-case hex digits.
std::string NewAccessKey();
