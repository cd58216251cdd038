#include "app/RemoteBridge.h"

#include <algorithm>
#include <functional>
#include <string>

#include "app/RemoteCommands.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "render/OffscreenImage.h"
#include "win/ModalUi.h"

RemoteBridge::RemoteBridge(TForm1& editor, TForm4& output, IModalUi& ui, RemoteSink& sink)
    : editor_(editor), output_(output), ui_(ui), sink_(sink) {}

RemoteBridge::~RemoteBridge() = default;

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
    script_ = {};
    source_ = {};
    PublishScriptIfChanged();
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
    case RemoteCommand::Forward:
        // Backward from the remote runs until the next command, where the
        // key's runs until it is let go, which pauses. Forward ends it as
        // that would, so Right turns the line count round as from a pause.
        if (output_.Reverse && !output_.Paused)
            output_.Paused = true;
        output_.FormKeyDown(kKeyRight, false, false, false);
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
    if (output_.Playing && !published_.playing)
        scriptDue_ = true;
    Publish();
    // The band is laid out once the loop is about to run; the lines go out
    // then, once per playback, never at a line entry.
    if (scriptDue_ && output_.Playing && output_.BandLines > 0) {
        scriptDue_ = false;
        PublishScriptIfChanged();
    }
    AnswerPending();
}

std::optional<std::int64_t> RemoteBridge::LiveRows() const {
    return output_.RowsMoved.load();
}

namespace {
const char* AlignName(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return "center";
    case Alignment::Right:
        return "right";
    default:
        return "left";
    }
}
} // namespace

TalentScript RemoteBridge::Script() {
    TalentScript t = Look();
    t.lines = DisplayLines(editor_.Memo1().Text());
    return t;
}

std::vector<std::string> RemoteBridge::DisplayLines(const std::string& text) {
    const std::int32_t count = editor_.LineCount();
    // Unwrapped, the display lines are the text's own: one pass. Each line
    // asked of the editor walks its lines up to that one.
    if (auto split = SplitCrLfLines(text); split && static_cast<std::int32_t>(split->size()) == count)
        return std::move(*split);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        lines.push_back(editor_.LineText(i));
    return lines;
}

TalentScript RemoteBridge::Look() {
    const PrompterState& state = editor_.State();
    TalentScript t;
    const std::int32_t count = editor_.LineCount();
    t.first = output_.Playing ? state.CursorLine : (count > 0 ? editor_.Memo1().CaretLine() : 0);
    t.face = state.editorFont.name;
    const int dpi = output_.HasLineImage() ? GetDeviceCaps(output_.LineImage->dc(), LOGPIXELSY) : 96;
    t.fontPx = MulDiv(state.editorFont.sizePt, dpi > 0 ? dpi : 96, 72);
    // A line walks one row fewer than the line image is high.
    t.pitch = output_.Playing && output_.LineHeight > 1 ? output_.LineHeight - 1 : PitchBeforePlay();
    t.bold = state.editorFont.Has(kStyleBold);
    t.italic = state.editorFont.Has(kStyleItalic);
    t.underline = state.editorFont.Has(kStyleUnderline);
    t.textColor = state.editorFont.color;
    t.backColor = state.editorColor;
    t.align = AlignName(state.editorAlignment);
    t.rightToLeft = state.scriptRightToLeft;
    t.mirror = state.UseReverse();
    t.outputWidth = std::max(1, state.Sc_Tr.right - state.Sc_Tr.left);
    const Rect32& band = output_.ScrollBand;
    t.bandHeight = band.bottom > band.top ? band.bottom - band.top
                                          : std::max(1, state.Sc_Tr.bottom - state.Sc_Tr.top);
    return t;
}

std::int32_t RemoteBridge::PitchBeforePlay() {
    // The last playback's height is stale once the font has changed.
    if (!measure_)
        measure_ = std::make_unique<OffscreenImage>();
    SetMapMode(measure_->dc(), MM_TEXT);
    measure_->SetFont(editor_.State().editorFont);
    return std::max(1, measure_->TextHeight("Wg") - 1);
}

void RemoteBridge::PublishScriptIfChanged(bool afterStillText) {
    // The whole text in one piece, its wrap and its look tell whether the
    // lines are due: reading them is far dearer for a long script.
    const std::string text = editor_.Memo1().Text();
    RECT client{};
    GetClientRect(editor_.Memo1().hwnd(), &client);
    ScriptSource source{Look(), std::hash<std::string>{}(text), editor_.LineCount(), client.right};
    if (source == source_)
        return;
    // While typing goes on, a long script's lines wait until the text has
    // held still from one look to the next.
    if (afterStillText && !source.SameText(source_) && source.textHash != typedHash_) {
        typedHash_ = source.textHash;
        return;
    }
    TalentScript next = source.look;
    // Play changes the look only; the lines stay as they were read.
    next.lines = source.SameText(source_) ? script_.lines : DisplayLines(text);
    source_ = std::move(source);
    if (next == script_)
        return;
    script_ = std::move(next);
    sink_.PublishScript(std::make_shared<const TalentScript>(script_));
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
    s.rows = output_.RowsMoved.load();
    s.modal = ui_.AnyOpen();
    s.entering = output_.CurLine;
    s.stepMs = StepWaitMs(state.Delay, output_.RunMode);
    s.atMs = SteadyMs();
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
    PublishScriptIfChanged(true);
}
