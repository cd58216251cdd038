#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/Services.h"

class TForm1;
class TForm4;

// Owns both windows and the message loop; hands each window what it needs.
class Application final : public Program {
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

    // Lets every pending window message run, then returns.
    void mainupdate() override;
    // Asks the message loop to end after the current message.
    void Terminate() override;
    bool Terminated() const { return terminated_; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) override { title_ = std::move(title); }
    const std::string& HelpFile() const override { return helpFile_; }
    void SetHelpFile(std::string file) override { helpFile_ = std::move(file); }
    const std::vector<std::string>& Args() const override { return args_; }

    Services& services() override { return services_; }
    TForm1& Form1() { return *form1_; }
    TForm4* Form4() { return form4_.get(); }

  private:
    void ShowStandardError(const std::string& text);
    // A window could not be made: says why, and the start ends.
    bool WindowsFailed();

    Services services_;
    std::vector<std::string> args_;
    std::string title_;
    std::string helpFile_;
    bool terminated_ = false;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm4> form4_;
};
