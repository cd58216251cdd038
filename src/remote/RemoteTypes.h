#pragma once
#include <cstdint>
#include <string>

// What crosses between the remote control's network threads and the GUI
// thread. Plain values only: nothing here may point into a window or a
// prompter field.

// The commands a phone, a control surface or a script may give; each runs
// the same handler as its key or menu command.
enum class RemoteCommand : std::uint8_t {
    Play,     // starts a playback; does nothing while one runs
    Stop,     // ends the playback
    Toggle,   // as the Play/Stop menu command
    Pause,    // as Space while running
    Resume,   // as Space while paused
    Forward,  // as Right
    Backward, // as Left pressed: runs backward until another command
    Faster,   // as Up
    Slower,   // as Down
    Faster4,  // as Page Up
    Slower4,  // as Page Down
    SetDelay, // sets the delay through SetSdelaY; the argument is 0..30
};

// One command on its way to the GUI thread. The id lets the network side
// find the answer the GUI thread gives for it.
struct RemoteRequest {
    std::uint64_t id = 0;
    RemoteCommand command = RemoteCommand::Play;
    std::int32_t argument = 0;
    // A WebSocket session that started a backward run: when it drops or goes
    // silent, the prompter pauses. 0 for plain HTTP requests.
    std::uint64_t session = 0;
};

// How the GUI thread took a command.
enum class RemoteOutcome : std::uint8_t {
    Applied,
    NotApplicable, // nothing to do in the prompter's state (the reason says why)
    Busy,          // a modal dialog of the program is open: nothing done (409)
};

struct RemoteResult {
    std::uint64_t id = 0;
    RemoteOutcome outcome = RemoteOutcome::Applied;
    std::string reason; // for NotApplicable, in the user's words
};

// The prompter as the remote control shows it, published by the GUI thread.
struct RemoteState {
    bool playing = false;
    bool paused = false;
    bool backward = false;
    std::int32_t delay = 0;
    std::int32_t line = 0;  // as status panel 1 counts it
    std::int32_t lines = 0;
    std::string script;     // the script's file name, without its folder
    bool dual = false;
    bool mirror = false;
    std::int64_t rows = 0;  // net rows moved up since Play
    bool modal = false;     // a modal dialog of the program is open
};

// What the server needs of the program. The application answers it; every
// call comes from a network thread and must not block on the GUI thread.
class RemoteHost {
  public:
    virtual ~RemoteHost() = default;
    // Hands the command to the GUI thread (a posted message). False when it
    // could not be posted; the GUI thread answers through
    // RemoteServer::CommandDone.
    virtual bool PostCommand(const RemoteRequest& request) = 0;
};
