// The output window's creation handler and its messages, each handed to
// its handler.
#include "accessory/HelpTopics.h"
#include "app/model/Program.h"
#include "playback/BlackScrollvantel.h"
#include "settings/ProfileCodec.h"
#include "win/Wide.h"

void TForm4::FormCreate() {
    engine_.SetTicksPerMs(state_.TicksPerMs);
    CreateLineImages();
    setkill(false);
    Playing = false;
    Paused = false;
    Reverse = false;
    AssignHelpContexts(state_.menu);
    const PrompterState& state = state_;
    SetWindowTextW(editor_.Window(), Widen("Cuecraft " + state.Ver).c_str());
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
