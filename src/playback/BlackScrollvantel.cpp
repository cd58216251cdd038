#include "playback/BlackScrollvantel.h"

#include "accessory/HelpTopics.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "render/OutputRect.h"
#include "win/Display.h"

TForm4::TForm4(Application& app, TForm1& form1) : app_(app), form1_(form1) {}

bool TForm4::Create() {
    return CreateTopLevel("TForm4", "", WS_POPUP, 0, nullptr,
                          static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TForm4::FormCreate() {
    CreateLineImages();
    setkill(false);
    Playing = false;
    Paused = false;
    Reverse = false;
    AssignHelpContexts(form1_.State().menu);
    const PrompterState& state = form1_.State();
    SetWindowTextA(form1_.hwnd(), ("Cuecraft " + state.Ver).c_str());
    app_.SetTitle("rollscript");
    app_.SetHelpFile("rollscript.hlp");
    // Then the default settings file and the command-line script are loaded.
    PlaceAtStart();
}

void TForm4::PlaceAtStart() {
    ShowWindow(hwnd(), SW_HIDE); // neither minimised nor maximised
    IDisplay& display = app_.services().display;
    const auto monitors = display.Monitors();
    const bool second = form1_.State().Dual_Monitor() && monitors.size() > 1;
    const int left = second ? monitors[1].left : 0;
    SetWindowPos(hwnd(), nullptr, left, 0, display.ScreenWidth(), display.ScreenHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm4::UpdateOutputRect() {
    if (!hwnd()) return false;
    PrompterState& state = form1_.State();
    state.Sc_Tr = OutputRectFor(Monitor0(app_.services().display), state.UseReverse(),
                                state.editorFont.Has(kStyleItalic));
    return true;
}

// The line images are the playback's off-screen bitmaps; they are made and
// freed here so start-up and exit keep their order.
void TForm4::CreateLineImages() {}
void TForm4::FreeLineImages() {}

LRESULT TForm4::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}
