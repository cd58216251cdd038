#pragma once
#include <cstdint>
#include <string>

// Every modal interaction goes through this seam so tests can answer it.
// The production version calls the real Win32 functions.
class IModalUi {
  public:
    virtual ~IModalUi() = default;
    // Returns the platform's button id (IDOK, IDYES, ...), 0 if no box appeared.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                               std::uint32_t style) = 0;
};

class Win32ModalUi final : public IModalUi {
  public:
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override;
};
