// Play and Stop: the output window comes up, the scroll loop runs inside the
// command, and whatever ends it, the editor comes back.
#include <windows.h>

#include "accessory/CPanel1unit.h"
#include "app/model/Program.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "playback/BlackScrollvantel.h"
#include "playback/OutputPlaybackHost.h"
#include "win/Sleeper.h"

void TForm4::StartThePrompter() {
    if (editor_.LineCount() == 0)
        return;
    if (Playing) {
        RequestStop(); // the running loop notices and ends the playback
        return;
    }
    StartPlayback();
}

void TForm4::RequestStop() {
    setkill(true);
    app_.mainupdate();
}

void TForm4::ReleaseForExit(bool stop) {
    Paused = false;
    if (stop)
        setkill(true);
}

void TForm4::StartPlayback() {
    RunMode = Direction::Forward;
    // A pause left by a stopped playback would swallow this one's end pauses.
    Paused = false;
    placement_.ForgetMonitorCount(); // monitors may have changed since the last playback
    Playing = true;
    RowsMoved = 0;
    BandLines = 0; // laid out afresh by the loop; watchers wait for it
    // No screen saver and no display sleep while a script scrolls.
    SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    const ScopeExit awake([] { SetThreadExecutionState(ES_CONTINUOUS); });
    // An error from here on must not leave the output window up and the
    // program deaf to Play and Exit: the playback is ended first, then the
    // error goes on to the standard error box.
    try {
        ShowOutputWindow();
        if (state_.Dual_Monitor() && !editor_.PreviewPanel().IsVisible())
            ShowWindow(editor_.PreviewPanel().hwnd(), SW_SHOW);
        // Alt+P stops what it started, wherever the menu bar has the keyboard.
        state_.menu.SetCaption(MenuId::playbutton, "Sto&p");
        // Its dialog would hold the scroll loop.
        state_.menu.SetEnabled(MenuId::Remote1, false);
        setkill(false);
        Changed(); // shown and playing: before the loop, which holds the command
        ScrollLoop(state_.UseReverse());
    } catch (...) {
        RecoverFromError();
        throw;
    }
}

void TForm4::RecoverFromError() noexcept {
    ReleaseOutputContext();
    try {
        EndPlayback();
    } catch (...) {
        // Even a failed clean-up gives the operator the editor back.
        Playing = false;
        setkill(true);
        state_.menu.SetEnabled(MenuId::Remote1, true);
        if (IsVisible())
            ShowWindow(hwnd(), SW_HIDE);
        ShowWindow(editor_.Window(), SW_SHOW);
    }
}

void TForm4::ShowOutputWindow() {
    ClearOutputWindow();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // Alone on the screen the output window is owned by the editor: a window
    // manager then treats it as the editor's dialog and hands it the focus
    // the hidden editor leaves, as Windows does. On the talent monitor it
    // stays on its own, so minimising the editor cannot hide it.
    const bool dual = DualScreenActive();
    if (!IsVisible())
        SetOwner(dual ? nullptr : editor_.Window());
    if (dual) {
        SetOutputVisible(true);
        PlaceOutputWindow(1);
        app_.mainupdate();
    } else {
        PlaceOutputWindow(0);
        app_.mainupdate();
        SetOutputVisible(true);
        AwaitActivation();
        if (EditorShown())
            ShowWindow(editor_.Window(), SW_HIDE);
    }
    if (IsVisible() && GetActiveWindow() != hwnd())
        SetFocus(hwnd());
}

void TForm4::AwaitActivation() {
    // A window manager maps the window and hands it the focus in its own
    // time; hiding the editor before then could leave the focus nowhere.
    // Windows activates at once, so this returns straight away there.
    for (int i = 0; i < 25 && GetActiveWindow() != hwnd(); ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        app_.mainupdate();
    }
}

void TForm4::ScrollLoop(bool mirror) {
    PrompterState& state = state_;
    if (state.editorFont.color == state.editorColor) {
        ShowMsgBox(app_.services().ui, GetMsgText(32), kProductTitle, 2);
        // Nothing has scrolled, so the caret stays where the operator put it.
        Playing = false;
        EndPlayback();
        return;
    }
    BandLines = 0;
    LineText.clear();
    if (!AcquireOutputContext())
        ShowMsgBox(app_.services().ui, GetMsgText(8) + "GDI HANDLE Error", kProductTitle, 0);
    host_->StartPresenting(OutputRefreshRate());
    ClearOutputWindow();
    if (!PrepareForPlay())
        setkill(true);
    ResetScroll();
    SetupPreviewPanel();
    host_->ReservePlayLine();
    editor_.HideSelectionWhilePlaying();
    if (state.Dual_Monitor() && HasPreviewImage())
        SyncPreviewImage();
    Changed(); // the band is laid out: where the first row will enter
    app_.mainupdate();
    const FineSleeps fine(app_.services().sleeper); // the step waits sleep
    engine_.RunLines(mirror);
    ReleaseOutputContext();
    app_.mainupdate();
    EndPlayback();
}

void TForm4::EndPlayback() {
    Reverse = false;
    std::int32_t caret = -1;
    // Stopped at the top running backward, CurLine is -1: the control's line
    // index of -1 is the start of the caret's own line.
    if (Playing && CurLine < editor_.LineCount() - 1)
        caret = editor_.LineStart(CurLine);
    Playing = false;
    if (!getkill()) {
        setkill(true);
        app_.mainupdate();
    }
    editor_.RestoreAfterPlayback(caret);
    state_.menu.SetCaption(MenuId::playbutton, "&Play");
    state_.menu.SetEnabled(MenuId::Remote1, true);
    if (!EditorShown())
        ReturnToEditor();
    if (IsVisible())
        ShowWindow(hwnd(), SW_HIDE);
    Changed();
}

void TForm4::FormShow() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SetColor(state_.FormColor);
}

void TForm4::FormKeyDown(std::uint16_t key, bool shift, bool ctrl, bool alt) {
    engine_.FormKeyDown(key, shift, ctrl, alt);
}

void TForm4::FormKeyUp(std::uint16_t key) {
    engine_.FormKeyUp(key);
}
