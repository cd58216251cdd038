// The drawing side of a playback: the scroll band, the per-line drawing
// into the line image and the one-pixel row steps onto the output window
// and the editor's preview panel.
#include "accessory/CPanel1unit.h"
#include "app/model/Program.h"
#include "playback/BlackScrollvantel.h"
#include "render/RowSteps.h"
#include "win/PerfCounter.h"
#include "render/ScrollBand.h"
#include "render/ScriptLineDrawing.h"
#include "render/TextFormat.h"
#include "win/Wide.h"

bool TForm4::AcquireOutputContext() {
    ReleaseOutputContext();
    outputDc_ = ScopedGetDC(hwnd());
    return static_cast<bool>(outputDc_);
}

void TForm4::ReleaseOutputContext() {
    outputDc_.Release();
    previewDc_.Release();
}

void TForm4::FillWindow(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    ScopedSelect brush(dc, color_.brush());
    PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY);
}

void TForm4::ClearOutputWindow() {
    if (!IsVisible())
        return;
    SetColor(state_.editorColor);
    if (HDC dc = OutputContext()) {
        FillWindow(dc);
    } else {
        ScopedGetDC own(hwnd());
        if (own)
            FillWindow(own.get());
    }
}

void TForm4::ResetScroll() {
    RunMode = Direction::Forward;
    Reverse = false;
    if (hwnd()) {
        LineCount = editor_.LineCount();
        const std::int32_t cursor = state_.CursorLine;
        CurLine = cursor >= 0 ? cursor : -1;
    }
    ComputeScrollBand();
}

void TForm4::ComputeScrollBand() {
    if (!LineImage)
        return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const auto layout = ComputeBandLayout(state_.Sc_Tr, LineImage->Height(), client.bottom);
    if (!layout)
        return;
    AreaHeight = layout->areaHeight;
    AreaWidth = layout->areaWidth;
    LineWidth = LineImage->Width();
    LineHeight = LineImage->Height();
    ScrollBand = layout->band;
    RowsScrolled = 0;
    BandLines = layout->bandLines;
}

void TForm4::SetupPreviewPanel() {
    TCPanel& panel = editor_.PreviewPanel();
    if (!IsWindowEnabled(panel.hwnd()))
        EnableWindow(panel.hwnd(), TRUE);
    RECT bounds{};
    GetWindowRect(panel.hwnd(), &bounds);
    const int height = (ScrollBand.bottom - ScrollBand.top) / 2;
    // Just below the status bar, whose panel 1 tells the line being played.
    const int top = editor_.StatusBarHeight();
    SetWindowPos(panel.hwnd(), nullptr, 0, top, bounds.right - bounds.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    panel.SetColor(state_.editorColor);
    InvalidateRect(panel.hwnd(), nullptr, TRUE);
    // The panel stays put for the whole playback: measure it and take its
    // drawing context once, not at every step.
    RECT client{};
    GetClientRect(panel.hwnd(), &client);
    GetWindowRect(panel.hwnd(), &bounds);
    MapWindowPoints(HWND_DESKTOP, editor_.Window(), reinterpret_cast<POINT*>(&bounds), 2);
    previewGeometry_ = {bounds.left, 0, client.right, client.bottom};
    previewDc_ = ScopedGetDC(panel.hwnd());
}

void TForm4::ClearLineImages(Color color) {
    if (hwnd() && LineImage && LineImage->BrushColor() != color)
        LineImage->SetBrushColor(color);
    if (LineImage)
        LineImage->Fill();
    if (DualScreenActive() && editor_.PreviewImage())
        editor_.PreviewImage()->Fill();
}

void TForm4::DrawLineText(const std::string& text) {
    if (!LineImage)
        return;
    LineText = text;
    TextRect = {0, 0, LineWidth, LineHeight};
    const UINT format = LineTextFormat(state_.editorAlignment);
    RECT r{TextRect.left, TextRect.top, TextRect.right, TextRect.bottom};
    const std::wstring line = Widen(LineText);
    const bool rightToLeft = state_.scriptRightToLeft;
    DrawScriptLine(LineImage->dc(), line, r, format, rightToLeft);
    OffscreenImage* preview = editor_.PreviewImage().get();
    if (!preview || !DualScreenActive() || !Playing)
        return;
    PreviewTextRect = {0, 0, preview->Width(), preview->Height()};
    const Color fontColor = state_.editorFont.color;
    if (preview->FontColor() != fontColor)
        preview->SetFontColor(fontColor);
    RECT pr{0, 0, PreviewTextRect.right, PreviewTextRect.bottom};
    DrawScriptLine(preview->dc(), line, pr, format, rightToLeft);
}

void TForm4::MirrorRowForward(std::int32_t j) {
    if (LineImage)
        ::MirrorRowForward(LineImage->Rows16(), j);
}

void TForm4::MirrorRowBackward(std::int32_t j) {
    if (LineImage)
        ::MirrorRowBackward(LineImage->Rows16(), j);
}

void TForm4::ScrollBandUp(HDC dc) {
    const Rect32& b = ScrollBand;
    BitBlt(dc, b.left, b.top - 1, b.right - b.left, b.bottom - b.top, dc, b.left, b.top, SRCCOPY);
}

void TForm4::ScrollBandDown(HDC dc) {
    const Rect32& b = ScrollBand;
    BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, dc, b.left, b.top - 1, SRCCOPY);
}

void TForm4::StepRow(std::int32_t j, bool backward, bool mirror) {
    const RowStepPlan plan = PlanRowStep(j, LineHeight, backward, mirror, ScrollBand);
    if (plan.mirror == MirrorWork::Forward)
        MirrorRowForward(j);
    if (plan.mirror == MirrorWork::Backward)
        MirrorRowBackward(j);
    HDC dc = OutputContext();
    if (dc && LineImage)
        BitBlt(dc, ScrollBand.left, plan.outputRow, ScrollBand.right - ScrollBand.left, 1,
               LineImage->dc(), 0, plan.sourceRow, SRCCOPY);
    auto move = [&] {
        if (!dc)
            return;
        if (plan.bandUp)
            ScrollBandUp(dc);
        else
            ScrollBandDown(dc);
    };
    const std::int32_t delay = state_.Delay;
    if (plan.waitBeforeMove) {
        RowDelay(delay);
        move();
    } else {
        move();
        RowDelay(delay);
    }
}

void TForm4::StepPreviewRow(std::int32_t i, bool backward) {
    OffscreenImage* preview = editor_.PreviewImage().get();
    if (!preview || !previewDc_)
        return;
    const Rect32& g = previewGeometry_; // left, 0, client width, client height
    const PreviewStepPlan plan = PlanPreviewStep(i, backward, g.right, g.bottom, preview->Height());
    HDC dc = previewDc_.get();
    const std::int32_t from =
        PreviewSourceLeft(preview->Width(), g.right, state_.scriptRightToLeft);
    BitBlt(dc, g.left, plan.targetRow, preview->Width() - from, 1, preview->dc(), from,
           plan.sourceRow, SRCCOPY);
    const Rect32& m = plan.moveFrom;
    BitBlt(dc, m.left, plan.moveToTop, m.right - m.left, m.bottom - m.top, dc, m.left, m.top,
           SRCCOPY);
}
