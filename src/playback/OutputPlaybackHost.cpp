#include "playback/OutputPlaybackHost.h"

#include "accessory/CPanel1unit.h"
#include "app/model/Program.h"
#include "msgbank/MsgText.h"
#include "playback/BlackScrollvantel.h"
#include "win/PerfCounter.h"
#include "win/Sleeper.h"

OutputPlaybackHost::OutputPlaybackHost(Program& app, EditorView& editor, PrompterState& state,
                                       TForm4& form4)
    : app_(app), editor_(editor), state_(state), form4_(form4) {}

void OutputPlaybackHost::mainupdate() {
    app_.mainupdate();
}

std::int64_t OutputPlaybackHost::Now() {
    return app_.services().counter.Now();
}

void OutputPlaybackHost::SleepFor(std::int64_t ticks) {
    if (state_.TicksPerMs > 0)
        app_.services().sleeper.SleepMicroseconds(ticks * 1000 / state_.TicksPerMs);
}

void OutputPlaybackHost::WaitPauseTick() {
    ResetEvent(pauseEvent_.get());
    WaitForSingleObject(pauseEvent_.get(), 100);
}

std::string OutputPlaybackHost::LineText(std::int32_t index) {
    return editor_.LineText(index);
}

void OutputPlaybackHost::ClearLineImages() {
    form4_.ClearLineImages(state_.editorColor);
}

void OutputPlaybackHost::DrawLineText(const std::string& text) {
    form4_.DrawLineText(text);
}

std::int32_t OutputPlaybackHost::LineHeight() {
    if (form4_.LineImage) {
        form4_.LineHeight = form4_.LineImage->Height();
        form4_.LineWidth = form4_.LineImage->Width();
    }
    return form4_.LineHeight;
}

void OutputPlaybackHost::StepRow(std::int32_t j, bool dir, bool mirror) {
    form4_.StepRow(j, dir, mirror);
}

void OutputPlaybackHost::StartPresenting(int refreshHz) {
    if (refreshHz <= 1)
        refreshHz = 60;
    presentTicks_ = state_.TicksPerMs * 1000 / refreshHz;
    nextPresent_ = Now() + presentTicks_;
}

void OutputPlaybackHost::Present() {
    const std::int64_t now = Now();
    if (now < nextPresent_)
        return;
    // Refresh by refresh, so steps faster than the display still give it
    // every refresh; after a longer gap (a slow step, a pause) from now on.
    nextPresent_ += presentTicks_;
    if (nextPresent_ <= now)
        nextPresent_ = now + presentTicks_;
    HandOver();
}

void OutputPlaybackHost::PresentNow() {
    nextPresent_ = Now() + presentTicks_;
    HandOver();
}

void OutputPlaybackHost::HandOver() {
    // Some window systems hand a window's pixels to the display only when
    // its thread looks at the queue; asking for the status takes and
    // dispatches nothing, so no handler runs in the middle of a step.
    GetQueueStatus(QS_ALLINPUT);
}

bool OutputPlaybackHost::PreviewRunning() {
    return state_.Dual_Monitor() && editor_.PreviewPanel().IsVisible();
}

void OutputPlaybackHost::StepPreviewRow(std::int32_t counter, bool dir) {
    form4_.StepPreviewRow(counter, dir);
}

std::string OutputPlaybackHost::PlayLineText(std::int32_t line) {
    return GetMsgText(103) + " " + std::to_string(line) + " of " +
           std::to_string(editor_.LineCount());
}

void OutputPlaybackHost::ShowPlayLine(std::int32_t line) {
    // Only the editor of dual-screen mode is there to read it.
    if (!form4_.DualScreenActive())
        return;
    editor_.ShowPlayLine(PlayLineText(line));
}

void OutputPlaybackHost::ReservePlayLine() {
    // Laid out once for the widest number (the line past the end), so that
    // no line entry lays the status bar out again.
    if (form4_.DualScreenActive())
        editor_.ReservePlayLine(PlayLineText(editor_.LineCount() + 1));
}

void OutputPlaybackHost::SaveScreenCapture() {
    editor_.SaveScreenCapture(form4_.IsVisible() ? form4_.hwnd() : editor_.Window());
}

void OutputPlaybackHost::SetDelay(std::uint8_t delay) {
    editor_.SetSdelaY(delay);
}

std::uint8_t OutputPlaybackHost::Delay() {
    return state_.Delay;
}

void OutputPlaybackHost::StateChanged() {
    form4_.Changed();
}
