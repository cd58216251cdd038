#include "editor/mainformVantel.h"

#include <windows.h>

#include "app/model/Program.h"
#include "app/model/PrompterDefaults.h"
#include "editor/MainMenu.h"
#include "msgbank/ShowMsgBox.h"
#include "win/FileDialogOptions.h"
#include "sysinfo/SysInfo.h"
#include "win/Dpi.h"
#include "win/Display.h"
#include "win/Wide.h"

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
    if (!statusBar_.Create(hwnd()) || !memo_.Create(hwnd()) ||
        !hints_.Create(hwnd(), memo_.hwnd(), statusBar_.hwnd()))
        return false;
    // The dual-screen preview: hidden and black, above the editor.
    const int dpi = WindowDpi(hwnd());
    if (!panel2_.Create(hwnd(), 0, statusBar_.Height(), ScaleForDpi(kPreviewWidth, dpi),
                        ScaleForDpi(kPreviewHeight, dpi), 0x000000, false))
        return false;
    SetWindowPos(panel2_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Siblings under the panel must not paint over the preview.
    for (HWND sibling : {memo_.hwnd(), statusBar_.hwnd()})
        SetWindowLongPtrW(sibling, GWL_STYLE,
                          GetWindowLongPtrW(sibling, GWL_STYLE) | WS_CLIPSIBLINGS);
    return true;
}

bool TForm1::FormCreate() {
    Services& services = app_.services();
    state_.ProgramDir = ProgramFolder();
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
    SetWindowTextW(hwnd(), Widen(" Cuecraft " + state_.Ver).c_str());
    SetSdelaY(0);
    state_.Sc_Tr = {0, 0, services.display.ScreenWidth(), services.display.ScreenHeight()};
    state_.TextColor = 0xFFFFFF;
    state_.StartupDone = true;
    holdScriptText_ = true; // until the window is shown

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
    state_.CmdLineFile = args[0];
}

void TForm1::InitFileDialogs() {
    openDialog_.options = kOpenDialogOptions;
    saveDialog_ = {"Save File", "Text Only|*.txt", "TXT", "", "", kSaveDialogOptions};
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

void TForm1::ApplyEditorLook() {
    memo_.ApplyLook(state_.editorFont, state_.editorColor, pixelsPerInch_);
    memo_.SetAlignment(state_.editorAlignment);
    hints_.SetActive(state_.ShowHints, memo_.hwnd());
}

void TForm1::SetSdelaY(std::uint8_t delay) {
    ::SetSdelaY(state_, delay);
}

void TForm1::ShowStatseX() {
    RefreshPanelsBut(0);
}

void TForm1::RefreshPanelsBut(unsigned keep) {
    const auto refresh = [&](int panel, const std::string& text) {
        if (!(keep & (1u << panel)))
            statusBar_.SetText(panel, text);
    };
    refresh(6, state_.LastFileLoaded);
    refresh(5, "Lines " + std::to_string(memo_.LineCount()));
    refresh(4, std::to_string(state_.editorFont.sizePt) + " " + state_.editorFont.name);
    refresh(2, state_.UseReverse() ? "Reverse Mirror" : "");
    const bool dual = state_.Dual_Monitor() && app_.services().display.Monitors().size() > 1;
    const std::string monitors = dual ? "Dual Monitor" : "Single Monitor";
    refresh(3, remoteStatus_.empty() ? monitors : monitors + ", " + remoteStatus_);
}

void TForm1::ShowRemoteStatus(const std::string& text) {
    remoteStatus_ = text;
    RefreshPanelsBut(~(1u << 3)); // the other panels keep what they tell
}

void TForm1::Remote1Click() {
    // Its dialog would hold the scroll loop; the item is disabled meanwhile.
    if (!remote_ || playback_->IsPlaying())
        return;
    TRemoteForm dialog(*remote_, app_.services().ui);
    dialog.ShowModal(hwnd());
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

LRESULT TForm1::OnCtlColorEdit(HDC dc, HWND control) {
    if (control != memo_.hwnd())
        return Default(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, memo_.TextColor());
    SetBkColor(dc, memo_.BackgroundColor());
    return reinterpret_cast<LRESULT>(memo_.BackgroundBrush());
}
