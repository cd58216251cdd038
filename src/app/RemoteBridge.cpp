#include "app/RemoteBridge.h"

#include <algorithm>

#include "app/RemoteCommands.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "win/ModalUi.h"

RemoteBridge::RemoteBridge(TForm1& editor, TForm4& output, IModalUi& ui, RemoteSink& sink)
    : editor_(editor), output_(output), ui_(ui), sink_(sink) {}

bool RemoteBridge::Create() {
    return CreateChild("CuecraftRemoteBridge", HWND_MESSAGE, 0, 0, 0, 0, 0);
}

void RemoteBridge::SetActive(bool active) {
    active_ = active;
    if (!active) {
        KillTimer(hwnd(), kWatchTimer);
        return;
    }
    // The editor's script and lines, and the dialogs, change without a playback.
    SetTimer(hwnd(), kWatchTimer, 250, nullptr);
    Publish();
}

bool RemoteBridge::PostCommand(const RemoteRequest& request) {
    std::lock_guard lock(mutex_);
    queue_.push_back(request);
    if (PostMessageW(hwnd(), kCommandMessage, 0, 0))
        return true;
    queue_.pop_back();
    return false;
}

LRESULT RemoteBridge::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kCommandMessage) {
        RunQueued();
        return 0;
    }
    if (msg == WM_TIMER && wp == kWatchTimer) {
        OnWatchTimer();
        return 0;
    }
    return Default(msg, wp, lp);
}

void RemoteBridge::RunQueued() {
    for (;;) {
        RemoteRequest request;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty())
                return;
            request = queue_.front();
            queue_.pop_front();
        }
        Take(request);
    }
}

void RemoteBridge::Take(const RemoteRequest& request) {
    if (ui_.AnyOpen())
        return Answer(request.id, RemoteOutcome::Busy, "A dialog of the prompter is open");
    const std::string why =
        WhyNotApplicable(request, output_, editor_.LineCount(), editor_.State().Delay);
    if (!why.empty())
        return Answer(request.id, RemoteOutcome::NotApplicable, why);
    const bool endsPlayback = EndsPlayback(request.command, output_.Playing);
    pending_.push_back(request.id);
    Execute(request);
    // A stop is taken when the loop has let go, which announces itself;
    // what else the handler did is in place once it returns.
    if (endsPlayback || std::find(pending_.begin(), pending_.end(), request.id) == pending_.end())
        return;
    std::erase(pending_, request.id);
    Publish();
    Answer(request.id, RemoteOutcome::Applied);
}

void RemoteBridge::Execute(const RemoteRequest& request) {
    switch (request.command) {
    case RemoteCommand::Play:
    case RemoteCommand::Toggle:
        output_.StartThePrompter();
        break;
    case RemoteCommand::Stop:
        output_.RequestStop();
        break;
    case RemoteCommand::SetDelay:
        editor_.SetSdelaY(static_cast<std::uint8_t>(std::min(request.argument, 255)));
        break;
    default:
        output_.FormKeyDown(KeyOfCommand(request.command), false, false, false);
        break;
    }
}

void RemoteBridge::Answer(std::uint64_t id, RemoteOutcome outcome, std::string reason) {
    sink_.CommandDone({id, outcome, std::move(reason)});
}

void RemoteBridge::AnswerPending() {
    // Whatever was pending is in the state just published.
    for (const std::uint64_t id : std::exchange(pending_, {}))
        Answer(id, RemoteOutcome::Applied);
}

void RemoteBridge::PlaybackChanged() {
    if (!active_)
        return;
    Publish();
    AnswerPending();
}

RemoteState RemoteBridge::Snapshot() {
    const PrompterState& state = editor_.State();
    RemoteState s;
    s.playing = output_.Playing;
    s.paused = output_.Playing && output_.Paused;
    s.backward = output_.Reverse;
    s.delay = state.Delay;
    s.lines = editor_.LineCount();
    // As panel 1 tells it: the line being played, or the caret's.
    s.line = output_.Playing ? std::clamp(output_.CurLine, 0, s.lines)
                             : (s.lines > 0 ? editor_.Memo1().CaretLine() + 1 : 0);
    s.script = ScriptName(state.LastFileLoaded);
    s.dual = output_.DualScreenActive();
    s.mirror = state.UseReverse();
    s.rows = output_.RowsMoved;
    s.modal = ui_.AnyOpen();
    return s;
}

void RemoteBridge::Publish() {
    published_ = Snapshot();
    sink_.PublishState(published_);
}

void RemoteBridge::OnWatchTimer() {
    // A playback announces its own changes; a dialog opened meanwhile is
    // all it does not.
    if (output_.Playing) {
        if (published_.modal != ui_.AnyOpen())
            Publish();
        return;
    }
    if (!SameState(Snapshot(), published_))
        Publish();
}
