#include "playback/BlackScrollvantel.h"

#include "accessory/HelpTopics.h"
#include "app/model/Program.h"
#include "monitors/Placement.h"
#include "settings/ProfileCodec.h"
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

void TForm4::FormCreate() {
    engine_.SetTicksPerMs(state_.TicksPerMs);
    CreateLineImages();
    setkill(false);
    Playing = false;
    Paused = false;
    Reverse = false;
    AssignHelpContexts(state_.menu);
    const PrompterState& state = state_;
    SetWindowTextA(editor_.Window(), ("Cuecraft " + state.Ver).c_str());
    app_.SetTitle("rollscript");
    app_.SetHelpFile("rollscript.hlp");
    // A failure in the load is shown and start-up goes on with what it has.
    try {
        editor_.LoadSettings(std::string(kDefaultSettingsName));
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
    editor_.LoadCommandLineScript();
    PlaceAtStart();
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

LRESULT TForm4::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        FormKeyDown(static_cast<std::uint16_t>(wp), GetKeyState(VK_SHIFT) < 0,
                    GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        FormKeyUp(static_cast<std::uint16_t>(wp));
        return 0;
    case WM_CLOSE:
        // The output window lives as long as the program; closing it stops
        // the scrolling or hides it.
        if (Playing)
            RequestStop();
        else
            SetOutputVisible(false);
        return 0;
    case WM_SHOWWINDOW:
        if (wp)
            FormShow();
        break;
    case WM_DISPLAYCHANGE:
        placement_.ForgetMonitorCount(); // a monitor came or went: list them again
        break;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, color_.brush());
        return 1;
    }
    }
    return Default(msg, wp, lp);
}
