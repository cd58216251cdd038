#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/MessageLoop.h"
#include "app/model/Services.h"
#include "win/ModalUi.h"

class RemoteControl;
class TForm1;
class TForm4;

// The composition root: owns the message loop and both windows, and hands
// each window the narrow interfaces it works through.
class Application {
  public:
    explicit Application(Services services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Entry steps up to the message loop: creates the main window, then the
    // output window. False when a start-up check ended the program.
    bool Start(const std::vector<std::string>& args);
    // Shows the main window and runs the message loop until it ends.
    int Run();

    void mainupdate() { loop_.mainupdate(); }
    void Terminate() { loop_.Terminate(); }
    bool Terminated() const { return loop_.Terminated(); }
    const std::string& Title() const { return loop_.Title(); }
    const std::string& HelpFile() const { return loop_.HelpFile(); }
    Services& services() { return loop_.services(); }

    TForm1& Form1() { return *form1_; }
    TForm4* Form4() { return form4_.get(); }
    RemoteControl* Remote() { return remote_.get(); }

  private:
    void ShowStandardError(const std::string& text);
    // A window could not be made: says why, and the start ends.
    bool WindowsFailed();

    // Counts the dialogs of the program as open while they show.
    TrackedModalUi ui_;
    MessageLoop loop_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<RemoteControl> remote_;
};
