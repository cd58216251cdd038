#include "editor/mainformVantel.h"

#include <windows.h>

#include "app/model/Program.h"
#include "app/model/PrompterDefaults.h"
#include "editor/MainMenu.h"
#include "msgbank/ShowMsgBox.h"
#include "settings/ProfileCodec.h"
#include "sysinfo/SysInfo.h"
#include "win/Dpi.h"
#include "win/Display.h"

TForm1::TForm1(Program& app) : app_(app) {}

bool TForm1::Create() {
    UniqueHmenu menu(BuildMainMenu(state_.menu));
    if (!CreateTopLevel("TForm1", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, menu.get(),
                        GetSysColorBrush(COLOR_BTNFACE)))
        return false;
    // The window owns the menu from here and destroys it with itself.
    menuBar_ = menu.release();
    state_.menu.SetObserver([this](MenuId id) {
        SyncMenuItem(menuBar_, state_.menu, id);
        DrawMenuBar(hwnd());
    });
    InitFileDialogs();
    if (!statusBar_.Create(hwnd()) || !memo_.Create(hwnd(), this) ||
        !hints_.Create(hwnd(), statusBar_.hwnd()))
        return false;
    // The dual-screen preview: hidden and black, above the editor.
    const int dpi = WindowDpi(hwnd());
    if (!panel2_.Create(hwnd(), 0, statusBar_.Height(), ScaleForDpi(kPreviewWidth, dpi),
                        ScaleForDpi(kPreviewHeight, dpi), 0x000000, false))
        return false;
    SetWindowPos(panel2_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Siblings under the panel must not paint over the preview.
    for (HWND sibling : {memo_.hwnd(), statusBar_.hwnd()})
        SetWindowLongPtrA(sibling, GWL_STYLE,
                          GetWindowLongPtrA(sibling, GWL_STYLE) | WS_CLIPSIBLINGS);
    return true;
}

bool TForm1::FormCreate() {
    Services& services = app_.services();
    state_.ProgramDir = CutTo(ProgramFolder(), kShortStringMax);
    {
        ScopedGetDC dc(hwnd());
        pixelsPerInch_ = GetDeviceCaps(dc.get(), LOGPIXELSX);
    }
    ShowWindow(hwnd(), SW_HIDE);
    iNITIATE_ALL_VARIABLES();
    ApplyFactoryDefaults();
    ProgramVersion(services.ui, "rollscript.exe", std::string(kProgramName), state_.Ver);
    state_.TicksPerMs = MeasureTimer(services.ui, services.counter);
    if (state_.TicksPerMs <= 0) {
        app_.mainupdate();
        return false;
    }
    TakeCommandLineScript();
    SetWindowTextA(hwnd(), (" Cuecraft " + state_.Ver).c_str());
    SetSdelaY(0);
    state_.Sc_Tr = {0, 0, services.display.ScreenWidth(), services.display.ScreenHeight()};
    state_.TextColor = 0xFFFFFF;
    state_.StartupDone = true;
    app_.mainupdate();
    return true;
}

void TForm1::TakeCommandLineScript() {
    state_.CmdLineFileGiven = false;
    const auto& args = app_.Args();
    if (args.empty() || !app_.services().fileExists(args[0]))
        return;
    state_.CmdLineFileGiven = true;
    ShowWindow(hwnd(), SW_HIDE);
    state_.CmdLineFile = CutTo(args[0], kShortStringMax);
}

void TForm1::ShowAtStart() {
    static constexpr int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(hwnd(), kShowCommands[state_.wState >= 0 && state_.wState <= 2 ? state_.wState : 0]);
    UpdateWindow(hwnd());
}

void TForm1::iNITIATE_ALL_VARIABLES() {
    ::iNITIATE_ALL_VARIABLES(state_);
}

void TForm1::ApplyFactoryDefaults() {
    ApplyFactoryValues(state_, Monitor0(app_.services().display));
    playback_->UpdateOutputRect();
    ApplyAlignmentMarks(state_);
    if (IsVisible() && state_.wState == 2)
        ShowWindow(hwnd(), SW_MAXIMIZE);
    ApplyEditorLook();
    ShowStatseX();
}

void TForm1::UseSecondMonitorforScrolling1Click() {
    monitors_.UseSecondMonitorforScrolling1Click(*playback_);
    ShowStatseX();
}

void TForm1::LoadSettings(const std::string& name) {
    switch (settings_.ReadSettings(name)) {
    case SettingsCommands::LoadResult::Refused:
        return;
    case SettingsCommands::LoadResult::Missing:
        ApplyFactoryDefaults();
        return;
    case SettingsCommands::LoadResult::Read:
        break;
    }
    ApplyEditorLook();
    if (!IsBlank(state_.LastFileLoaded))
        LoadScript(state_.LastFileLoaded);
    // A hidden window is refreshed when it is shown; a shown one would
    // otherwise keep the old font, line count and file in its panels.
    if (IsVisible())
        ShowStatseX();
}

void TForm1::ApplyEditorLook() {
    hints_.SetActive(state_.ShowHints);
    memo_.ApplyLook(state_.editorFont, state_.editorColor, pixelsPerInch_);
    memo_.SetAlignment(state_.editorAlignment);
}

void TForm1::SetSdelaY(std::uint8_t delay) {
    ::SetSdelaY(state_, delay);
}

void TForm1::ShowStatseX() {
    statusBar_.SetText(6, state_.LastFileLoaded);
    statusBar_.SetText(5, "Lines " + std::to_string(memo_.LineCount()));
    statusBar_.SetText(4, std::to_string(state_.editorFont.sizePt) + " " + state_.editorFont.name);
    statusBar_.SetText(2, state_.UseReverse() ? "Reverse Mirror" : "");
    const bool dual = state_.Dual_Monitor() && app_.services().display.Monitors().size() > 1;
    statusBar_.SetText(3, dual ? "Dual Monitor" : "Single Monitor");
}

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
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_WINDOWPOSCHANGED:
        // Every show passes here, maximised and minimised included; a
        // maximising show sends no WM_SHOWWINDOW.
        if (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_SHOWWINDOW)
            PostMessageA(hwnd(), kShownMessage, 0, 0);
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
        SendMessageA(memo_.hwnd(), EM_UNDO, 0, 0);
        break;
    case MenuId::Cut1:
        SendMessageA(memo_.hwnd(), WM_CUT, 0, 0);
        break;
    case MenuId::Copy1:
        SendMessageA(memo_.hwnd(), WM_COPY, 0, 0);
        break;
    case MenuId::Paste1:
        SendMessageA(memo_.hwnd(), WM_PASTE, 0, 0);
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
    case MenuId::LoadSettings1:
        if (const std::string name = settings_.ChooseSettingsToLoad(openDialog_); !name.empty())
            LoadSettings(name);
        break;
    case MenuId::SaveDefaultSettings1:
        settings_.SaveDefaultSettings();
        break;
    case MenuId::SaveSettingsAs1:
        settings_.SaveSettingsAs(saveDialog_);
        break;
    case MenuId::Print1:
        Print1Click();
        break;
    case MenuId::PrintSetup1:
        PrintSetup1Click();
        break;
    case MenuId::Help2:
        help_.MenuHelp1Click();
        break;
    case MenuId::About1:
        help_.About2Click(hwnd());
        break;
    default:
        break;
    }
}

void TForm1::OnDpiChanged(int dpi, const RECT& suggested) {
    statusBar_.SetDpi(dpi);
    SetWindowPos(panel2_.hwnd(), nullptr, 0, 0, ScaleForDpi(kPreviewWidth, dpi),
                 ScaleForDpi(kPreviewHeight, dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The system's rectangle keeps the window the same size to the eye.
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    OnSize();
}

void TForm1::OnSize() {
    if (!statusBar_.hwnd() || !memo_.hwnd())
        return;
    statusBar_.Resize();
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int top = statusBar_.Height();
    memo_.SetBounds(0, top, client.right, client.bottom - top);
}

LRESULT TForm1::OnCtlColorEdit(HDC dc, HWND control) {
    if (control != memo_.hwnd())
        return Default(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, memo_.TextColor());
    SetBkColor(dc, memo_.BackgroundColor());
    return reinterpret_cast<LRESULT>(memo_.BackgroundBrush());
}

void TForm1::OnClose() {
    if (!FormCloseQuery())
        return;
    DestroyWindow(hwnd());
    app_.Terminate();
}
