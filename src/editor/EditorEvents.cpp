// The editor's events and what they report in the status bar.
#include <windows.h>

#include "app/model/Program.h"
#include "editor/StatusTexts.h"
#include "editor/mainformVantel.h"
#include "render/TextDirection.h"

bool TForm1::Prompting() const {
    return playback_->IsPlaying();
}

void TForm1::CaretReport() {
    const int start = memo_.SelStart();
    const int line = memo_.LineFromChar(start);
    statusBar_.SetText(1, CaretReportText(line + 1, start - memo_.LineIndex(line) + 1));
}

int TForm1::CaretLineRecord() {
    // While prompting the playback owns panel 1 and the start line.
    if (Prompting())
        return state_.CursorLine;
    state_.CursorLine = memo_.LineCount() > 0 ? memo_.CaretLine() : 0;
    return state_.CursorLine;
}

LRESULT TForm1::OnMemoNote(MemoNote note, LPARAM detail) {
    switch (note) {
    case MemoNote::KeyDown: {
        const WORD modifiers = HIWORD(detail);
        Memo1KeyDown(LOWORD(detail), modifiers & 1, modifiers & 2, modifiers & 4);
        break;
    }
    case MemoNote::MouseDown:
        Memo1MouseDown(static_cast<int>(detail));
        break;
    case MemoNote::Click:
        Memo1Click();
        break;
    case MemoNote::Enter:
        Memo1Enter();
        break;
    case MemoNote::Exit:
        Memo1Exit();
        break;
    case MemoNote::ContextMenu:
        return Memo1ContextMenuAllowed();
    }
    return 0;
}

void TForm1::Memo1KeyDown(WORD key, bool shift, bool ctrl, bool alt) {
    if (key == 'S' && shift && ctrl && alt)
        SaveScreenCapture(hwnd());
    if (!Prompting()) // the playback owns panel 1 then
        CaretReport();
}

void TForm1::Memo1MouseDown(int button) {
    if (button != 2)
        playback_->SetDirection(button == 1);
}

bool TForm1::Memo1ContextMenuAllowed() {
    return !Prompting();
}

void TForm1::Memo1Click() {
    if (GetFocus() != memo_.hwnd())
        SetFocus(memo_.hwnd());
    if (!Prompting()) // the playback owns panel 1 then
        CaretReport();
    CaretLineRecord();
}

void TForm1::Memo1Enter() {
    CaretLineRecord();
}

void TForm1::Memo1Exit() {
    state_.CursorLine = memo_.CaretLine();
}

void TForm1::Memo1DragDrop() {
    CaretLineRecord();
}

void TForm1::Memo1Change() {
    memo_.SetModified(true);
    scriptForm_.bytes.clear(); // edited: a save encodes the text anew
    // Not at every key: the control is made again when the order changes.
    SetTimer(hwnd(), kTypingPauseTimer, kTypingPauseMs, nullptr);
}

void TForm1::OnTypingPause() {
    if (Prompting())
        return; // the timer comes again; the lines stay as they play
    KillTimer(hwnd(), kTypingPauseTimer);
    SetScriptDirection(IsRightToLeftText(memo_.Text()));
}

void TForm1::FormShow() {
    PutHeldTextIn(); // however the window came to be shown
    OnSize();
    app_.mainupdate();
    // A load notice given while the window was hidden is kept for the user.
    RefreshPanelsBut(noticeHeld_ ? 1u << 4 : 0);
    noticeHeld_ = false;
}
