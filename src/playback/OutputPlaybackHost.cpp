#include "playback/OutputPlaybackHost.h"

#include "app/Program.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "playback/BlackScrollvantel.h"
#include "win/PerfCounter.h"

OutputPlaybackHost::OutputPlaybackHost(Program& app, TForm1& form1, TForm4& form4)
    : app_(app), form1_(form1), form4_(form4) {}

void OutputPlaybackHost::mainupdate() {
    app_.mainupdate();
}

std::int64_t OutputPlaybackHost::Now() {
    return app_.services().counter.Now();
}

void OutputPlaybackHost::WaitPauseTick() {
    ResetEvent(pauseEvent_.get());
    WaitForSingleObject(pauseEvent_.get(), 100);
}

std::string OutputPlaybackHost::LineText(std::int32_t index) {
    return form1_.Memo1().LineText(index);
}

void OutputPlaybackHost::ClearLineImages() {
    form4_.ClearLineImages(form1_.State().editorColor);
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

bool OutputPlaybackHost::PreviewRunning() {
    return form1_.State().Dual_Monitor() && form1_.Panel2().IsVisible();
}

void OutputPlaybackHost::StepPreviewRow(std::int32_t counter, bool dir) {
    form4_.StepPreviewRow(counter, dir);
}

void OutputPlaybackHost::ShowPlayLine(std::int32_t line) {
    // Only the editor of dual-screen mode is there to read it.
    if (!form4_.DualScreenActive())
        return;
    form1_.StatusBar1().SetText(1, GetMsgText(103) + " " + std::to_string(line) + " of " +
                                       std::to_string(form1_.Memo1().LineCount()));
}

void OutputPlaybackHost::SaveScreenCapture() {
    form1_.SaveScreenCapture(form4_.IsVisible() ? form4_.hwnd() : form1_.hwnd());
}

void OutputPlaybackHost::SetDelay(std::uint8_t delay) {
    form1_.SetSdelaY(delay);
}

std::uint8_t OutputPlaybackHost::Delay() {
    return form1_.State().Delay;
}
