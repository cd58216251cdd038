// The main window's messages and menu commands, each handed to its handler.
#include <windows.h>

#include "app/model/Program.h"
#include "editor/MainMenu.h"
#include "editor/mainformVantel.h"

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (lp == 0) {
            OnCommand(static_cast<MenuId>(LOWORD(wp)));
            return 0;
        }
        if (reinterpret_cast<HWND>(lp) == memo_.hwnd() && HIWORD(wp) == EN_CHANGE) {
            Memo1Change();
            return 0;
        }
        break;
    case kMemoNotify:
        return OnMemoNote(static_cast<MemoNote>(wp), lp);
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_WINDOWPOSCHANGED:
        // Every show passes here, maximised and minimised included; a
        // maximising show sends no WM_SHOWWINDOW.
        if (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW)
            PostMessageW(hwnd(), kShownMessage, 0, 0);
        break;
    case WM_TIMER:
        if (wp == kSettleTimer) {
            OnSettled();
            return 0;
        }
        if (wp == kTypingPauseTimer) {
            OnTypingPause();
            return 0;
        }
        break;
    case kShownMessage:
        FormShow();
        return 0;
    case WM_SETFOCUS:
        // The editor is the window's one control that takes the keyboard.
        if (memo_.hwnd() && IsWindowVisible(memo_.hwnd()))
            SetFocus(memo_.hwnd());
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp) && PopupOf(reinterpret_cast<HMENU>(wp)) == MenuId::Monitors1)
            Monitors1Click();
        break;
    case WM_MENUSELECT:
        help_.OnMenuSelect(wp, lp);
        return 0;
    case WM_HELP:
        if (help_.OnHelp(*reinterpret_cast<const HELPINFO*>(lp)))
            return TRUE;
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    }
    return Default(msg, wp, lp);
}

void TForm1::OnCommand(MenuId id) {
    switch (id) {
    case MenuId::New1:
        New1Click();
        break;
    case MenuId::Open1:
        Open1Click();
        break;
    case MenuId::Save1:
        Save1Click();
        break;
    case MenuId::SaveAs1:
        SaveAs1Click();
        break;
    case MenuId::Undo1:
        SendMessageW(memo_.hwnd(), EM_UNDO, 0, 0);
        break;
    case MenuId::Cut1:
        SendMessageW(memo_.hwnd(), WM_CUT, 0, 0);
        break;
    case MenuId::Copy1:
        SendMessageW(memo_.hwnd(), WM_COPY, 0, 0);
        break;
    case MenuId::Paste1:
        SendMessageW(memo_.hwnd(), WM_PASTE, 0, 0);
        break;
    case MenuId::BlackonWhite1:
        BlackonWhite1Click();
        break;
    case MenuId::TypeansSize1:
        TypeansSize1Click();
        break;
    case MenuId::Bold:
    case MenuId::Underline:
    case MenuId::Italic:
        ToggleStyle(id);
        break;
    case MenuId::LeftJustify1:
    case MenuId::CenterText1:
    case MenuId::RightJustify1:
        ToggleAlignment(id);
        break;
    case MenuId::playbutton:
        playback_->StartThePrompter();
        break;
    case MenuId::Remote1:
        Remote1Click();
        break;
    case MenuId::Exit1:
    case MenuId::Exit2:
        ExitProgram();
        break;
    case MenuId::UseSecondMonitorforScrolling1:
        UseSecondMonitorforScrolling1Click();
        break;
    case MenuId::TestSecondMonitor1:
        TestSecondMonitor1Click();
        break;
    case MenuId::LoadConfiguration1:
        LoadConfiguration1Click();
        break;
    case MenuId::SaveConfiguration1:
        settings_.SaveConfiguration1Click();
        break;
    case MenuId::SaveConfigurationAs1:
        settings_.SaveConfigurationAs1Click(saveDialog_);
        break;
    case MenuId::Print1:
        Print1Click();
        break;
    case MenuId::PrintSetup1:
        PrintSetup1Click();
        break;
    case MenuId::MenuHelp1:
        help_.MenuHelp1Click();
        break;
    case MenuId::About2:
        help_.About2Click(hwnd());
        break;
    default:
        break;
    }
}

void TForm1::OnClose() {
    if (!FormCloseQuery())
        return;
    DestroyWindow(hwnd());
    app_.Terminate();
}
