#pragma once
#include <string>
#include <utility>
#include <vector>

#include "app/model/Program.h"

// The program as the windows see it: the platform seams, the message loop
// and the names the program goes by. Knows no window.
class MessageLoop final : public Program {
  public:
    explicit MessageLoop(Services services) : services_(std::move(services)) {}

    // Runs the messages until the loop is asked to end.
    void Run();
    void mainupdate() override;
    void Terminate() override;
    bool Terminated() const { return terminated_; }

    Services& services() override { return services_; }
    void SetArgs(std::vector<std::string> args) { args_ = std::move(args); }
    const std::vector<std::string>& Args() const override { return args_; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) override { title_ = std::move(title); }
    const std::string& HelpFile() const override { return helpFile_; }
    void SetHelpFile(std::string file) override { helpFile_ = std::move(file); }

  private:
    Services services_;
    std::vector<std::string> args_;
    std::string title_;
    std::string helpFile_;
    bool terminated_ = false;
};
