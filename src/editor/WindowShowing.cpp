// Showing the main window at start-up, and the editor following the
// window's size. A window manager may move a newly shown window through
// several sizes, and each size wraps the whole script again: so the scripts
// loaded at start-up wait for the shown window, and the editor takes the
// window's size once the sizes have settled.
#include <windows.h>

#include "app/model/Program.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"

namespace {
constexpr UINT kSettleMs = 150;
}

void TForm1::ShowAtStart() {
    static constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(hwnd(), kShowCommands[state_.wState >= 0 && state_.wState <= 2 ? state_.wState : 0]);
    settling_ = true;
    SetTimer(hwnd(), kSettleTimer, kSettleMs, nullptr);
    PutHeldTextIn();
    UpdateWindow(hwnd());
}

void TForm1::PutHeldTextIn() {
    holdScriptText_ = false;
    if (!heldText_)
        return;
    const std::string text = std::move(*heldText_);
    heldText_.reset();
    if (!memo_.SetText(text)) {
        ShowMsgBox(app_.services().ui,
                   "Text exceeds memo capacity, " + GetMsgText(449) + " " + state_.LastFileLoaded,
                   kProductTitle, 2);
        // An empty editor must not be saved over the file.
        state_.LastFileLoaded.clear();
        state_.CurAlternate->FileName.clear();
        scriptForm_ = {};
    }
    memo_.SetModified(false);
}

void TForm1::EmptyEditor() {
    heldText_.reset();
    memo_.SetText("");
}

void TForm1::OnSize() {
    if (!statusBar_.hwnd() || !memo_.hwnd())
        return;
    statusBar_.Resize();
    // Minimised there is no room to wrap in: the editor keeps its lines.
    if (IsIconic(hwnd()))
        return;
    if (settling_) {
        SetTimer(hwnd(), kSettleTimer, kSettleMs, nullptr); // from the latest size
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int top = statusBar_.Height();
    memo_.SetBounds(0, top, client.right, client.bottom - top);
}

void TForm1::OnSettled() {
    KillTimer(hwnd(), kSettleTimer);
    settling_ = false;
    OnSize();
}
