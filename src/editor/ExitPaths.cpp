// The ways out of the program: the Exit commands quit without asking,
// closing the main window asks first, and neither quits while a script
// scrolls: both then only ask the scroll loop to stop.
#include <windows.h>

#include "app/model/Program.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "sysinfo/SysInfo.h"

bool TForm1::StopIfPlaying() {
    if (!playback_->IsPlaying())
        return false;
    playback_->RequestStop();
    return true;
}

void TForm1::ExitProgram() {
    if (StopIfPlaying())
        return;
    app_.mainupdate();
    playback_->ReleaseForExit(false);
    // Nothing is saved here: the save commands are the only way to keep changes.
    CLEANMEUP();
    if (IsNtFamily()) {
        ShowWindow(hwnd(), SW_HIDE);
    } else {
        LockWindowUpdate(hwnd());
        SetWindowPos(hwnd(), nullptr, 0, 0, -1, -1, SWP_NOMOVE | SWP_NOZORDER);
        app_.mainupdate();
        LockWindowUpdate(nullptr);
    }
    app_.Terminate();
}

bool TForm1::FormCloseQuery() {
    if (StopIfPlaying())
        return false;
    if (!ConfirmQuit())
        return false;
    CLEANMEUP();
    return true;
}

bool TForm1::ConfirmQuit() {
    playback_->ReleaseForExit(true);
    const std::string question =
        GetMsgText(95) + " " + std::string(kProductTitle) + " " + GetMsgText(96);
    return ShowMsgBox(app_.services().ui, question, kProductTitle, 9) == msgbox::kYes;
}

void TForm1::CLEANMEUP() {
    playback_->FreeLineImages();
}
