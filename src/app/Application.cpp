#include "app/Application.h"

#include <windows.h>
#include <commctrl.h>

#include "app/RemoteControl.h"
#include "app/StartupChecks.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "sysinfo/SysInfo.h"
#include "win/ModalUi.h"
#include "win/Win32Error.h"

namespace {
Services WithUi(Services services, IModalUi& ui) {
    return Services{ui,
                    services.counter,
                    services.sleeper,
                    services.display,
                    std::move(services.fileExists),
                    std::move(services.commonControlsVersionMS),
                    std::move(services.replaceFile),
                    std::move(services.openHelpPage)};
}
} // namespace

Application::Application(Services services)
    : ui_(services.ui), loop_(WithUi(std::move(services), ui_)) {
    Window::SetErrorTrap([this](const std::string& text) { ShowStandardError(text); });
}

Application::~Application() {
    Window::SetErrorTrap(nullptr);
    // A quit request this application posted must not end the next one on
    // this thread.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    // The server's threads end first, clients connected or not.
    if (form4_)
        form4_->SetObserver(nullptr);
    if (form1_)
        form1_->AttachRemote(nullptr);
    remote_.reset();
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
    remote_ = std::make_unique<RemoteControl>(*form1_, *form4_, loop_.services().ui);
    if (!remote_->Start())
        return WindowsFailed();
    form4_->SetObserver(&remote_->Bridge());
    form1_->AttachRemote(remote_.get());
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
