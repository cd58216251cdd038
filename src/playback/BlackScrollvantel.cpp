#include "playback/BlackScrollvantel.h"

#include "app/model/Program.h"
#include "monitors/Placement.h"
#include "win/Display.h"

TForm4::TForm4(Program& app, EditorView& editor, PrompterState& state)
    : app_(app), editor_(editor), state_(state),
      host_(std::make_unique<OutputPlaybackHost>(app, editor, state, *this)),
      engine_(*this, *host_) {
    RowDelay = [this](std::int32_t delay) { engine_.RowDelay(delay); };
}

bool TForm4::Create() {
    // A tool window has no taskbar button, so nothing outside the program
    // can close it in the middle of a script.
    return CreateTopLevel("TForm4", "", WS_POPUP, WS_EX_TOOLWINDOW, nullptr,
                          static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TForm4::PlaceAtStart() {
    ShowWindow(hwnd(), SW_HIDE); // neither minimised nor maximised
    IDisplay& display = app_.services().display;
    const int left = StartLeft(state_.Dual_Monitor(), display.Monitors());
    SetWindowPos(hwnd(), nullptr, left, 0, display.ScreenWidth(), display.ScreenHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm4::PlaceOutputWindow(int index) {
    SetColor(state_.editorColor);
    return placement_.MoveToMonitor(index);
}

void TForm4::TestTalentMonitor() {
    SetColor(state_.editorColor);
    placement_.ToggleTalentTest();
}

void TForm4::SwitchScreenMode(bool dual) {
    SetColor(state_.editorColor);
    placement_.SwitchMode(dual, Playing);
}

void TForm4::SetColor(Color color) {
    if (color_.Set(color))
        InvalidateRect(hwnd(), nullptr, TRUE);
}
