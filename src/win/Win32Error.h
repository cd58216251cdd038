#pragma once
#include <stdexcept>
#include <string>

#include <windows.h>

// The system's own text for an error code, without the trailing line end.
std::string SystemErrorText(DWORD code);

// An error carrying the system's text, as the error boxes show it.
class Win32Error;

// Throws the calling thread's last error; `fallback` when the call that
// failed set none, so the message never reads as a success.
[[noreturn]] void ThrowLastError(DWORD fallback = ERROR_GEN_FAILURE);

class Win32Error : public std::runtime_error {
  public:
    explicit Win32Error(DWORD code) : std::runtime_error(SystemErrorText(code)), code_(code) {}
    DWORD code() const { return code_; }

  private:
    DWORD code_;
};
