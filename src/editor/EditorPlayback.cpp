// The editor's side of a playback: what the output window reads and what it
// asks the editor to do before and after a script scrolls.
#include "editor/mainformVantel.h"

void TForm1::HideSelectionWhilePlaying() {
    // A hidden editor (single screen) shows no selection anyway.
    if (IsVisible())
        memo_.SetHideSelection(true);
}

void TForm1::RestoreAfterPlayback(std::int32_t caret) {
    if (panel2_.IsVisible())
        ShowWindow(panel2_.hwnd(), SW_HIDE);
    memo_.SetHideSelection(false);
    if (!IsWindowVisible(memo_.hwnd()))
        ShowWindow(memo_.hwnd(), SW_SHOW);
    ReservePlayLine("");
    if (caret >= 0)
        SelectInEditor(caret);
    CaretReport();
    if (IsVisible()) {
        if (!IsWindowEnabled(memo_.hwnd()))
            EnableWindow(memo_.hwnd(), TRUE);
        if (memo_.SelLength() > 0)
            memo_.SetSelection(memo_.SelStart(), 0);
        CaretReport();
    }
}

void TForm1::SelectInEditor(std::int32_t position) {
    if (!IsVisible())
        ShowWindow(hwnd(), SW_SHOW);
    if (!IsWindowVisible(memo_.hwnd()))
        ShowWindow(memo_.hwnd(), SW_SHOW);
    memo_.SetSelection(position, 0);
    memo_.ScrollCaret();
}

RECT TForm1::EditorBounds() {
    RECT bounds{};
    GetWindowRect(memo_.hwnd(), &bounds);
    return bounds;
}
