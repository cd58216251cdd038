#pragma once
#include <string>
#include <vector>

#include "app/model/Services.h"

// What a window may ask of the running program: its platform seams, the
// message loop and the names it goes by. The application object answers.
class Program {
  public:
    virtual Services& services() = 0;
    // Lets every pending window message run, then returns.
    virtual void mainupdate() = 0;
    // Asks the message loop to end after the current message.
    virtual void Terminate() = 0;
    virtual const std::vector<std::string>& Args() const = 0;
    virtual const std::string& HelpFile() const = 0;
    virtual void SetTitle(std::string title) = 0;
    virtual void SetHelpFile(std::string file) = 0;

  protected:
    ~Program() = default;
};
