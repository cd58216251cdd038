#include "win/ModalUi.h"

#include <windows.h>

int Win32ModalUi::ShowMessageBox(const std::string& text, const std::string& caption,
                                 std::uint32_t style) {
    return ::MessageBoxExA(nullptr, text.c_str(), caption.c_str(), style, 0);
}
