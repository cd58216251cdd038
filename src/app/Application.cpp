#include "app/Application.h"

#include <windows.h>
#include <commctrl.h>

#include "app/StartupChecks.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "sysinfo/SysInfo.h"
#include "win/ModalUi.h"
#include "win/Win32Error.h"

Application::Application(Services services) : services_(std::move(services)) {
    Window::SetErrorTrap([this](const std::string& text) { ShowStandardError(text); });
}

Application::~Application() {
    Window::SetErrorTrap(nullptr);
    // A quit request this application posted must not end the next one on
    // this thread.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (form1_)
        form1_->DetachPlayback();
    form4_.reset();
    form1_.reset();
}

bool Application::Start(const std::vector<std::string>& args) {
    args_ = args;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    title_ = "Cuecraft";
    helpFile_ = "qtp.hlp";
    form1_ = std::make_unique<TForm1>(*this);
    if (!form1_->Create())
        return WindowsFailed();
    // The machine is checked before the main window sets itself up.
    const EnvironmentProbe probe{services_.counter, services_.display, services_.fileExists,
                                 services_.commonControlsVersionMS};
    if (!CheckEnvironment(services_.ui, probe, CutTo(ProgramFolder(), kShortStringMax)))
        return false;
    if (!form1_->FormCreate())
        return false; // the timer check has said why
    form4_ = std::make_unique<TForm4>(*this, *form1_);
    form1_->AttachPlayback(*form4_);
    if (!form4_->Create())
        return WindowsFailed();
    form4_->FormCreate();
    return true;
}

bool Application::WindowsFailed() {
    ShowStandardError(SystemErrorText(GetLastError()));
    return false;
}

int Application::Run() {
    form1_->ShowAtStart();
    MSG msg;
    while (!terminated_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

namespace {
// Run from inside a modal dialog's loop, the dialog must still get its
// keys (Enter, Esc, Tab) the way its own loop would give them.
bool HandledByActiveDialog(MSG& msg) {
    HWND active = GetActiveWindow();
    char cls[8] = {0};
    return active && GetClassNameA(active, cls, sizeof cls) && lstrcmpA(cls, "#32770") == 0 &&
           IsDialogMessageA(active, &msg);
}
} // namespace

void Application::mainupdate() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        if (HandledByActiveDialog(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::ShowStandardError(const std::string& text) {
    services_.ui.ShowMessageBox(text, title_, MB_OK | MB_ICONERROR);
}
