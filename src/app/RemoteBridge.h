#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/model/PlaybackObserver.h"
#include "remote/RemoteTypes.h"
#include "win/Window.h"

class IModalUi;
class OffscreenImage;
class TForm1;
class TForm4;

// Where the bridge's news goes: the server, or a test's recorder.
class RemoteSink {
  public:
    virtual void PublishState(const RemoteState& state) = 0;
    virtual void PublishScript(std::shared_ptr<const TalentScript> script) = 0;
    virtual void CommandDone(const RemoteResult& result) = 0;

  protected:
    ~RemoteSink() = default;
};

// Carries remote commands onto the GUI thread and the prompter's state back.
// A command is queued by a network thread and fetched by a message posted to
// a window (a modal loop drops thread messages but dispatches window ones),
// then runs the very handler of its key or menu command, nested in the
// scroll loop's message pump as a key would.
class RemoteBridge final : public Window, public RemoteHost, public PlaybackObserver {
  public:
    RemoteBridge(TForm1& editor, TForm4& output, IModalUi& ui, RemoteSink& sink);
    ~RemoteBridge() override;
    bool Create();
    // While inactive nothing is published and the state is not watched.
    void SetActive(bool active);

    // Any thread.
    bool PostCommand(const RemoteRequest& request) override;
    std::optional<std::int64_t> LiveRows() const override;
    // GUI thread.
    void PlaybackChanged() override;
    RemoteState Snapshot();
    void Publish();
    // The display lines and their look as the output window draws them, or
    // before Play as it would start.
    TalentScript Script();
    // The same without the lines.
    TalentScript Look();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    static constexpr UINT kCommandMessage = WM_APP + 40;
    static constexpr UINT_PTR kWatchTimer = 1;
    void RunQueued();
    void Take(const RemoteRequest& request);
    void Execute(const RemoteRequest& request);
    void Answer(std::uint64_t id, RemoteOutcome outcome, std::string reason = {});
    void AnswerPending();
    void OnWatchTimer();
    void PublishScriptIfChanged(bool afterStillText = false);
    // What the display lines and their look come from, cheap to read.
    struct ScriptSource {
        TalentScript look;
        std::size_t textHash = 0;
        std::int32_t lines = -1;
        std::int32_t wrapWidth = -1;
        bool operator==(const ScriptSource&) const = default;
        bool SameText(const ScriptSource& o) const {
            return lines >= 0 && textHash == o.textHash && lines == o.lines &&
                   wrapWidth == o.wrapWidth;
        }
    };
    std::vector<std::string> DisplayLines(const std::string& text);
    // Output pixels a line takes before Play: as the line image will measure it.
    std::int32_t PitchBeforePlay();

    TForm1& editor_;
    TForm4& output_;
    IModalUi& ui_;
    RemoteSink& sink_;
    bool active_ = false;
    std::mutex mutex_;
    std::deque<RemoteRequest> queue_; // under mutex_
    // Commands taken whose effect has not been published yet.
    std::vector<std::uint64_t> pending_;
    RemoteState published_;
    TalentScript script_;
    ScriptSource source_;
    std::size_t typedHash_ = 0; // the text as the watch last saw it change
    // A playback began whose band has not been told yet.
    bool scriptDue_ = false;
    // Measures the editor's font while no playback has laid out its line.
    std::unique_ptr<OffscreenImage> measure_;
};
