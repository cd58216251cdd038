#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    // Where the scroll stood when this was read, for the talent views.
    std::int32_t entering = 0; // display line entering the band
    std::int32_t stepMs = 1;   // one row every stepMs while running
    std::int64_t atMs = 0;     // steady clock of the reading, in ms
};

// The script as the output window draws it: its display lines (the editor's
// word wrap, never re-wrapped) and how they look. Sent to the talent views
// when a playback starts and when it changes.
struct TalentScript {
    std::vector<std::string> lines;
    std::int32_t first = 0;        // the line a playback starts with
    std::string face;
    std::int32_t fontPx = 19;      // em height in output pixels
    std::int32_t pitch = 20;       // rows a line takes on the output
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t textColor = 0;   // COLORREF layout: 0x00BBGGRR
    std::uint32_t backColor = 0xFFFFFF;
    std::string align = "left";    // "left", "center", "right"
    bool rightToLeft = false;
    bool mirror = false;
    std::int32_t outputWidth = 640;
    std::int32_t bandHeight = 480; // rows of the band the text scrolls in

    bool operator==(const TalentScript&) const = default;
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
    // The net rows moved now, read without a lock; nothing when the host
    // has no live count (the published state's then stands).
    virtual std::optional<std::int64_t> LiveRows() const { return std::nullopt; }
};

// The clock both sides of a reading's time use, in ms.
inline std::int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
