#include "app/Application.h"

#include <windows.h>
#include <commctrl.h>

#include "app/StartupChecks.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "sysinfo/SysInfo.h"
#include "win/ModalUi.h"
#include "win/Win32Error.h"

Application::Application(Services services) : loop_(std::move(services)) {
    Window::SetErrorTrap([this](const std::string& text) { ShowStandardError(text); });
}

Application::~Application() {
    Window::SetErrorTrap(nullptr);
    // A quit request this application posted must not end the next one on
    // this thread.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (form1_)
        form1_->DetachPlayback();
    form4_.reset();
    form1_.reset();
}

bool Application::Start(const std::vector<std::string>& args) {
    loop_.SetArgs(args);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    loop_.SetTitle("Cuecraft");
    loop_.SetHelpFile("qtp.hlp");
    form1_ = std::make_unique<TForm1>(loop_);
    if (!form1_->Create())
        return WindowsFailed();
    // The machine is checked before the main window sets itself up.
    Services& services = loop_.services();
    const EnvironmentProbe probe{services.counter, services.display, services.fileExists,
                                 services.commonControlsVersionMS};
    if (!CheckEnvironment(services.ui, probe, ProgramFolder()))
        return false;
    if (!form1_->FormCreate())
        return false; // the timer check has said why
    form4_ = std::make_unique<TForm4>(loop_, *form1_, form1_->State());
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
    loop_.Run();
    return 0;
}

void Application::ShowStandardError(const std::string& text) {
    loop_.services().ui.ShowMessageBox(text, loop_.Title(), MB_OK | MB_ICONERROR);
}
